// morvane-calc's pieces at their edges: the line reader at the edges of its
// blocks, against the plain definition of lines; --format's codes at the
// turns of years, against the C library's strftime; the numbers of the
// results, against std::to_chars; and the day lists of --weekend.
#include "../TableNames.h"
#include "DateFormat.h"
#include "LineReader.h"
#include "TextWriting.h"
#include "UsageError.h"
#include "WorkingDayOptions.h"

#include <gtest/gtest.h>

#include <charconv>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <string>
#include <vector>

namespace {

using ::PrintTo;

// The lines of Input by their definition: split at each "\n", a "\r" before
// it dropped, a last line without its break counted, a UTF-8 byte-order
// mark at the start dropped.
std::vector<std::string> LinesOf(std::string Input) {
    if (Input.starts_with("\xEF\xBB\xBF"))
        Input.erase(0, 3);
    std::vector<std::string> Lines;
    std::size_t Start = 0;
    while (Start < Input.size()) {
        std::size_t End = Input.find('\n', Start);
        const bool Broken = End != std::string::npos;
        if (!Broken)
            End = Input.size();
        std::string Line = Input.substr(Start, End - Start);
        if (Broken && Line.ends_with('\r'))
            Line.pop_back();
        Lines.push_back(Line);
        Start = End + 1;
    }
    return Lines;
}

// The lines TLineReader hands out for Input, read from a file in blocks of
// kLimit bytes, overlong ones as "<overlong>".
std::vector<std::string> ReadLines(const std::string& Input) {
    std::FILE* File = std::tmpfile();
    std::fwrite(Input.data(), 1, Input.size(), File);
    std::fflush(File);
    std::rewind(File);
    TLineReader Reader(::fileno(File));
    std::vector<std::string> Lines;
    for (;;) {
        while (const std::optional<TInputLine> Line = Reader.Next())
            Lines.push_back(Line->Overlong ? "<overlong>" : std::string(Line->Text));
        if (!Reader.Fill())
            break;
    }
    std::fclose(File);
    return Lines;
}

struct ReaderRow {
    const char* Name;
    std::string Input;
};

class LineReaderEdges : public testing::TestWithParam<ReaderRow> {};

TEST_P(LineReaderEdges, HandsOutTheLinesOfTheInput) {
    EXPECT_EQ(ReadLines(GetParam().Input), LinesOf(GetParam().Input));
}

constexpr std::size_t kBlock = TLineReader::kLimit;

// clang-format off
INSTANTIATE_TEST_SUITE_P(Blocks, LineReaderEdges, testing::Values(
    ReaderRow{"Empty", ""},
    ReaderRow{"OneLineWithoutBreak", "2004-01-31"},
    ReaderRow{"BlankLinesKept", "\n\n2004-01-31\n\n"},
    ReaderRow{"CrLf", "a\r\nb\r\n"},
    ReaderRow{"LoneCrStays", "a\rb\n"},
    ReaderRow{"ByteOrderMarkOnlyFirst", "\xEF\xBB\xBF" "a\n\xEF\xBB\xBF" "b\n"},
    ReaderRow{"LineAcrossTheBlockEdge", std::string(kBlock - 5, 'x') + "\nyyyyyyyyyy\nz\n"},
    ReaderRow{"BreakAsTheBlocksLastByte", std::string(kBlock - 1, 'x') + "\nnext\n"},
    ReaderRow{"CrAtTheBlockEdge", std::string(kBlock / 2, 'x') + "\n" + std::string(kBlock / 2 - 2, 'y') + "\r\nz\n"},
    ReaderRow{"ManyShortLinesOverSeveralBlocks", [] { std::string S; for (int I = 0; I < 300000; ++I) S += std::to_string(I) + "\n"; return S; }()}),
    RowName{});
// clang-format on

TEST(LineReaderEdges, OverlongLineIsHandedOutOnceAndSkipped) {
    const std::string Input = std::string(kBlock * 2 + 7, 'x') + "\nafter\n";
    EXPECT_EQ(ReadLines(Input), (std::vector<std::string>{"<overlong>", "after"}));
}

// --format's numeric codes and the C locale's names for the days around
// every turn of a year from 1 to 9999 (28 December to 4 January), as
// strftime writes them after timegm has worked out the weekday and the day
// of the year.
TEST(DateFormatCodes, WriteWhatStrftimeWritesAtTheTurnsOfYears) {
    const TDateFormat Format("%Y %m %d %e %j %u %V %G %F %A %a %B %b %%");
    int Checked = 0, Mismatches = 0;
    std::string FirstMismatch;
    for (int Year = 1; Year <= 9999; ++Year) {
        for (int Offset = -4; Offset <= 3; ++Offset) {
            const TDateTime Date = MakeDate(Year, 1, 1) + Offset;
            const TDateParts P = SplitDate(Date);
            if (P.Year < 1 || P.Year > 9999)
                continue;
            TTextBuffer Ours;
            Format.AppendTo(Ours, Date, P);
            std::tm Time{};
            Time.tm_year = static_cast<int>(P.Year) - 1900;
            Time.tm_mon = P.Month - 1;
            Time.tm_mday = P.Day;
            Time.tm_hour = 12;
            timegm(&Time);
            char Theirs[256];
            // glibc writes years below 1000 without zeros; the codes here
            // always write four digits, as the ISO date does.
            char Year4[8];
            std::snprintf(Year4, sizeof Year4, "%04d", static_cast<int>(P.Year));
            char Rest[64];
            std::strftime(Rest, sizeof Rest, "%m %d %e %j %u %V", &Time);
            char IsoYear[8];
            std::strftime(IsoYear, sizeof IsoYear, "%G", &Time);
            char Names[64];
            std::strftime(Names, sizeof Names, "%A %a %B %b %%", &Time);
            std::snprintf(Theirs, sizeof Theirs, "%s %s %04d %s-%02d-%02d %s", Year4, Rest,
                          std::atoi(IsoYear), Year4, P.Month, P.Day, Names);
            if (Ours.View() != Theirs && Mismatches++ == 0)
                FirstMismatch = std::string(Ours.View()) + " against " + Theirs;
            ++Checked;
        }
    }
    EXPECT_EQ(Checked, 9999 * 8 - 4); // none before 1 January of year 1
    EXPECT_EQ(Mismatches, 0) << FirstMismatch;
}

// WriteInt against std::to_chars, each value written into exactly the room
// the contract asks for, with guard bytes after it that must stay as they
// were.
TEST(IntWriting, WritesWhatToCharsWrites) {
    struct Row {
        const char* Name;
        std::int64_t First, Last, Step;
    };
    const Row Rows[] = {{"every number of up to five digits", -99999, 99999, 1},
                        {"the day numbers of the years 1 to 9999", -693593, 2958465, 7},
                        {"six to eight digits", 100000, 99999999, 997},
                        {"eight digits below zero", -99999999, -10000000, 997},
                        {"the last of eight digits, the first of nine", 99999990, 100000010, 1},
                        {"the same below zero", -100000010, -99999990, 1}};
    for (const Row& R : Rows) {
        for (std::int64_t N = R.First; N <= R.Last; N += R.Step) {
            std::string Ours(kMaxIntLength + 8, '#');
            char* const End = WriteInt(Ours.data(), N);
            char Theirs[24];
            ASSERT_EQ(std::string(Ours.data(), End),
                      std::string(Theirs, std::to_chars(Theirs, Theirs + 24, N).ptr))
                << R.Name;
            ASSERT_EQ(Ours.substr(kMaxIntLength), "########") << R.Name << ": " << N;
        }
    }
}

} // namespace

// --weekend's lists: names in English and in the locale's language, long or
// short, in any case of Latin letters, with or without a final stop; ISO
// numbers; none. (The locale's names are set here as the locale module
// would set them.)
struct WeekendRow {
    const char* Name;
    const char* List;
    std::vector<int> Days; // WeekdayOf numbers, 1 = Sunday
};

class WeekendLists : public testing::TestWithParam<WeekendRow> {};

TEST_P(WeekendLists, NameTheDaysOff) {
    TDateFormatSettings& S = DateFormatSettings();
    const TDateFormatSettings Saved = S;
    S.ShortDayNames = {"So.", "Mo.", "Di.", "Mi.", "Do.", "Fr.", "Sa."};
    S.LongDayNames = {"Sonntag",    "Montag",  "Dienstag", "Mittwoch",
                      "Donnerstag", "Freitag", "Samstag"};
    TWeekdaySet Expected;
    for (const int Day : GetParam().Days)
        Expected = Expected.With(Day);
    EXPECT_EQ(WeekendOf(GetParam().List).Bits, Expected.Bits);
    S = Saved;
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Lists, WeekendLists, testing::Values(
    WeekendRow{"EnglishShort", "sat,sun", {7, 1}},
    WeekendRow{"EnglishLongAnyCase", "Friday,SATURDAY", {6, 7}},
    WeekendRow{"IsoNumbersSundayIsSeven", "5,6,7", {6, 7, 1}},
    WeekendRow{"LocaleShortWithAndWithoutStop", "Sa.,so", {7, 1}},
    WeekendRow{"LocaleLong", "Freitag", {6}},
    WeekendRow{"RepeatsCountOnce", "sun,7,Sonntag", {1}},
    WeekendRow{"SixDaysLeaveOne", "mon,tue,wed,thu,fri,sat", {2, 3, 4, 5, 6, 7}},
    WeekendRow{"None", "none", {}},
    WeekendRow{"NoneNamesNoDay", "none,sat", {7}}
), RowName());
// clang-format on

// What --weekend refuses: a word that names no day, an empty item, and a
// weekend of all seven days, where no working day is left.
TEST(WeekendLists, RefusesWhatNamesNoDayAndAWholeWeek) {
    for (const char* List : {"sat,sunday,", "8", "0", "samedi", "sa t", "", "saturdays"}) {
        EXPECT_THROW(WeekendOf(List), TUsageError) << List;
    }
    try {
        WeekendOf("1,2,3,4,5,sat,sun");
        ADD_FAILURE() << "seven days were taken";
    } catch (const TUsageError& Error) {
        EXPECT_STREQ(Error.what(), "--weekend holds all seven days: no day is a working day");
    }
}
