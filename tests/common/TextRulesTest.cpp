// The text rules the tools share: how a text they were given is shown (the
// one escaping rule of morvane-calc's messages and JSON errors and of
// morvane-verinfo's values), the full stop of a shown error, and the
// caption language read from UTF-8.
#include "TextRules.h"
#include "../TableNames.h"
#include "Caption.h"

#include <gtest/gtest.h>

#include <string>

namespace {

using ::PrintTo;

struct EscapeRow {
    const char* Name;
    const char* Text;
    TTextEncoding Encoding;
    const char* Shown;
};

class Escaping : public testing::TestWithParam<EscapeRow> {};

TEST_P(Escaping, ShowsTheTextOnOneLineAsItReads) {
    std::string Out = "<";
    const std::string Text = GetParam().Text;
    EXPECT_EQ(AppendEscaped(Out, Text, GetParam().Encoding), Text.size());
    EXPECT_EQ(Out, std::string("<") + GetParam().Shown);
}

constexpr TTextEncoding kUtf8 = TTextEncoding::Utf8;
constexpr TTextEncoding kSingleByte = TTextEncoding::SingleByte;

// clang-format off
INSTANTIATE_TEST_SUITE_P(Characters, Escaping, testing::Values(
    EscapeRow{"PlainTextAsItStands", "2004-01-31 d\xc3\xa9j\xc3\xa0 \xe6\x97\xa5", kUtf8, "2004-01-31 d\xc3\xa9j\xc3\xa0 \xe6\x97\xa5"},
    EscapeRow{"BackslashDoubled", "a\\b", kUtf8, "a\\\\b"},
    EscapeRow{"LineBreaksAndTabByName", "a\nb\rc\td", kUtf8, "a\\nb\\rc\\td"},
    EscapeRow{"OtherControlsAsBytes", "\x01\x1b[0m\x7f", kUtf8, "\\x01\\x1b[0m\\x7f"},
    EscapeRow{"C1ControlAsItsBytes", "next\xc2\x85line", kUtf8, "next\\xc2\\x85line"},
    EscapeRow{"LineAndParagraphSeparators", "a\xe2\x80\xa8" "b\xe2\x80\xa9", kUtf8, "a\\xe2\\x80\\xa8b\\xe2\\x80\\xa9"},
    EscapeRow{"RightToLeftOverride", "1\xe2\x80\xae" "02", kUtf8, "1\\xe2\\x80\\xae02"},
    EscapeRow{"BidirectionalMarksAndIsolates", "\xe2\x80\x8f\xd8\x9c\xe2\x81\xa6\xe2\x81\xa9", kUtf8, "\\xe2\\x80\\x8f\\xd8\\x9c\\xe2\\x81\\xa6\\xe2\\x81\\xa9"},
    EscapeRow{"NeighboursOfTheBidiControlsStand", "\xe2\x80\x8d\xe2\x80\xaf\xe2\x81\xaa", kUtf8, "\xe2\x80\x8d\xe2\x80\xaf\xe2\x81\xaa"},
    EscapeRow{"CutCharacterAsBytes", "%\xc3", kUtf8, "%\\xc3"},
    EscapeRow{"OverlongFormAsBytes", "\xc0\xaf", kUtf8, "\\xc0\\xaf"},
    EscapeRow{"SurrogateAsBytes", "\xed\xa0\x80", kUtf8, "\\xed\\xa0\\x80"},
    EscapeRow{"NotUtf8InASingleByteCodePage", "caf\xe9\x85", kSingleByte, "caf\xe9\x85"},
    EscapeRow{"ControlsInASingleByteCodePage", "a\x01\n\x7f", kSingleByte, "a\\x01\\n\\x7f"}),
    RowName{});
// clang-format on

TEST(Escaping, StopsBetweenCharactersOnceTheLimitIsReached) {
    std::string Out;
    // Each "é" takes two bytes: the third starts once 4 bytes are written.
    EXPECT_EQ(AppendEscaped(Out, "\xc3\xa9\xc3\xa9\xc3\xa9\xc3\xa9", kUtf8, 3), 4u);
    EXPECT_EQ(Out, "\xc3\xa9\xc3\xa9");
    Out.clear();
    // An escape is written whole, even past the limit.
    EXPECT_EQ(AppendEscaped(Out,
                            "a\x01"
                            "b",
                            kUtf8, 2),
              2u);
    EXPECT_EQ(Out, "a\\x01");
}

struct FullStopRow {
    const char* Name;
    const char* Message;
    const char* Shown;
};

class FullStop : public testing::TestWithParam<FullStopRow> {};

TEST_P(FullStop, EndsTheMessage) {
    std::string Message = GetParam().Message;
    AppendFullStop(Message);
    EXPECT_EQ(Message, GetParam().Shown);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Endings, FullStop, testing::Values(
    FullStopRow{"AfterALetter", "Invalid argument to date encode", "Invalid argument to date encode."},
    FullStopRow{"AfterAQuote", "'5x' is not a valid integer value", "'5x' is not a valid integer value."},
    FullStopRow{"NotAfterABracket", "List index out of bounds (7)", "List index out of bounds (7)"},
    FullStopRow{"NotAfterAFullStop", "Done.", "Done."},
    FullStopRow{"NotOnAnEmptyMessage", "", ""}),
    RowName{});
// clang-format on

struct CaptionRow {
    const char* Name;
    const char* Caption;
    const char* Shown;
    std::ptrdiff_t AccessKey; // in bytes of Shown, -1 for none
};

class Utf8Captions : public testing::TestWithParam<CaptionRow> {};

// The window's tests read captions as QString; the command line's labels
// are read as UTF-8 by the same reader.
TEST_P(Utf8Captions, ReadAsTheWindowDrawsThem) {
    const auto Parsed = ParseCaption(std::string(GetParam().Caption));
    EXPECT_EQ(Parsed.Shown, GetParam().Shown);
    EXPECT_EQ(Parsed.AccessKey(), GetParam().AccessKey);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Labels, Utf8Captions, testing::Values(
    CaptionRow{"MarkerDropped", "&Days:", "Days:", 0},
    CaptionRow{"DoubledMarkerShowsOne", "Days && nights:", "Days & nights:", -1},
    CaptionRow{"MarkerBeforeAWideCharacter", "\xe5\xa4\xa9\xe6\x95\xb0(&\xe5\xa4\xa9)\xef\xbc\x9a", "\xe5\xa4\xa9\xe6\x95\xb0(\xe5\xa4\xa9)\xef\xbc\x9a", 7},
    CaptionRow{"FinalLoneMarkerShown", "Or &", "Or &", -1}),
    RowName{});
// clang-format on

TEST(Utf8Captions, CharacterLengthCountsTheBytesOfOneCharacter) {
    const std::string Text = "a\xc3\xa9\xe5\xa4\xa9\xf0\x9f\x98\x80";
    EXPECT_EQ(CharacterLength(Text, 0), 1);
    EXPECT_EQ(CharacterLength(Text, 1), 2);
    EXPECT_EQ(CharacterLength(Text, 3), 3);
    EXPECT_EQ(CharacterLength(Text, 6), 4);
}

} // namespace
