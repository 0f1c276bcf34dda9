// Text of dates and integers: the long date format, IntToText, TextToInt.
#include "DateTestSupport.h"

#include <cstdint>
#include <limits>

namespace {

struct AcceptedRow {
    const char* Name;
    const char* Text;
    std::int32_t Value;
};

class TextToIntAccepts : public testing::TestWithParam<AcceptedRow> {};

TEST_P(TextToIntAccepts, GivesValue) {
    EXPECT_EQ(TextToInt(GetParam().Text), GetParam().Value);
    std::int32_t Value = 0;
    EXPECT_TRUE(TryTextToInt(GetParam().Text, Value));
    EXPECT_EQ(Value, GetParam().Value);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, TextToIntAccepts,
    testing::Values(
        AcceptedRow{"PlainDigits", "12", 12}, AcceptedRow{"LeadingSpaces", "   12", 12},
        AcceptedRow{"PlusSign", "+12", 12}, AcceptedRow{"MinusSign", "-12", -12},
        AcceptedRow{"SpacesThenSign", "  -7", -7}, AcceptedRow{"Zero", "0", 0},
        AcceptedRow{"MinusZero", "-0", 0},
        AcceptedRow{"DecimalLeadingZeros", "000000000000012", 12},
        AcceptedRow{"Int32Max", "2147483647", 2147483647},
        AcceptedRow{"Int32Min", "-2147483648", std::numeric_limits<std::int32_t>::min()},
        AcceptedRow{"DollarHex", "$1F", 31}, AcceptedRow{"DollarHexLowerCase", "$1f", 31},
        AcceptedRow{"LowerXHex", "x1F", 31}, AcceptedRow{"UpperXHex", "X1f", 31},
        AcceptedRow{"ZeroXHex", "0x1F", 31}, AcceptedRow{"ZeroUpperXHex", "0X1F", 31},
        AcceptedRow{"SpacesThenHex", "  $10", 16},
        AcceptedRow{"EightFsAreMinusOne", "$FFFFFFFF", -1},
        AcceptedRow{"HexTopBitIsInt32Min", "$80000000", std::numeric_limits<std::int32_t>::min()},
        AcceptedRow{"HexLargestPositive", "0x7FFFFFFF", 2147483647},
        AcceptedRow{"HexLeadingZerosAreFree", "$00000000001F", 31},
        AcceptedRow{"HexLeadingZerosBeforeEightDigits", "$000FFFFFFFF", -1},
        AcceptedRow{"HexZero", "$0", 0}),
    RowName{});

struct RefusedRow {
    const char* Name;
    const char* Text;
};

class TextToIntRefuses : public testing::TestWithParam<RefusedRow> {};

TEST_P(TextToIntRefuses, RaisesWithTheWholeText) {
    const std::string Text = GetParam().Text;
    const std::string Message = "'" + Text + "' is not a valid integer value";
    EXPECT_CONVERT_ERROR(TextToInt(Text), Message.c_str());
    std::int32_t Value = 42;
    EXPECT_FALSE(TryTextToInt(Text, Value));
    EXPECT_EQ(Value, 42); // left as it was
}

INSTANTIATE_TEST_SUITE_P(
    Texts, TextToIntRefuses,
    testing::Values(
        RefusedRow{"Empty", ""}, RefusedRow{"OnlySpaces", "   "},
        RefusedRow{"TrailingSpace", "12 "}, RefusedRow{"LoneMinus", "-"},
        RefusedRow{"LonePlus", "+"}, RefusedRow{"SpaceAfterSign", "- 12"},
        RefusedRow{"DoubleSign", "--12"}, RefusedRow{"MinusBeforeDollarHex", "-$1F"},
        RefusedRow{"PlusBeforeDollarHex", "+$1F"}, RefusedRow{"MinusBeforeZeroXHex", "-0x1F"},
        RefusedRow{"DollarWithoutDigits", "$"}, RefusedRow{"XWithoutDigits", "x"},
        RefusedRow{"ZeroXWithoutDigits", "0x"},
        RefusedRow{"NineSignificantHexDigits", "$123456789"},
        RefusedRow{"HexWithSpaceAfterPrefix", "$ 1F"}, RefusedRow{"HexNonDigit", "$1G"},
        RefusedRow{"HexSignAfterPrefix", "0x-1"}, RefusedRow{"DecimalWithHexLetters", "1F"},
        RefusedRow{"AboveInt32Max", "2147483648"}, RefusedRow{"BelowInt32Min", "-2147483649"},
        RefusedRow{"FarBeyond64Bits", "99999999999999999999999999"},
        RefusedRow{"InnerSpace", "1 2"}, RefusedRow{"LeadingTab", "\t12"},
        RefusedRow{"Exponent", "1e3"}, RefusedRow{"DecimalPoint", "1.0"},
        RefusedRow{"DigitGrouping", "1,000"}, RefusedRow{"NonAsciiDigits", "\xd9\xa1\xd9\xa2"}),
    RowName{});

TEST(TextToInt, EmptyTextMessageShowsTwoApostrophes) {
    EXPECT_CONVERT_ERROR(TextToInt(""), "'' is not a valid integer value");
}

TEST(TextToInt, EmbeddedNulIsNotIgnored) {
    EXPECT_THROW(TextToInt(std::string("12\0", 3)), TConvertError);
}

struct IntTextRow {
    const char* Name;
    std::int32_t N;
    const char* Text;
};

class IntToTextCases : public testing::TestWithParam<IntTextRow> {};

TEST_P(IntToTextCases, WritesPlainDecimal) {
    EXPECT_EQ(IntToText(GetParam().N), GetParam().Text);
    EXPECT_EQ(TextToInt(GetParam().Text), GetParam().N);
}

INSTANTIATE_TEST_SUITE_P(Numbers, IntToTextCases,
                         testing::Values(IntTextRow{"Zero", 0, "0"},
                                         IntTextRow{"Negative", -1, "-1"},
                                         IntTextRow{"NoDigitGrouping", 1234567, "1234567"},
                                         IntTextRow{"Int32Max", 2147483647, "2147483647"},
                                         IntTextRow{"Int32Min",
                                                    std::numeric_limits<std::int32_t>::min(),
                                                    "-2147483648"}),
                         RowName{});

// D written through Table, which must write the same given D's ISO date.
std::string TableText(const TDateTable& Table, TDateTime D) {
    const TDateParts Parts = SplitDate(D);
    std::string Text(Table.MaxLength(), '\0');
    Text.resize(static_cast<std::size_t>(Table.Write(Text.data(), D, Parts) - Text.data()));
    if (Parts.Year >= 1 && Parts.Year <= 9999) {
        char Iso[10];
        WriteIsoDate(Iso, Parts);
        std::string FromIso(Table.MaxLength(), '\0');
        FromIso.resize(
            static_cast<std::size_t>(Table.Write(FromIso.data(), D, Parts, Iso) - FromIso.data()));
        EXPECT_EQ(FromIso, Text) << Show(D);
    }
    return Text;
}

// Each test here may change the format settings; they are put back after it.
class DateTextFormat : public testing::Test {
protected:
    void SetUp() override { Saved = DateFormatSettings(); }
    void TearDown() override { DateFormatSettings() = Saved; }
    TDateFormatSettings Saved;
};

struct PatternRow {
    const char* Name;
    const char* Pattern;
    int Year, Month, Day;
    const char* Text;
};

class FormatPatterns : public testing::TestWithParam<PatternRow> {};

TEST_P(FormatPatterns, WriteDateWithEnglishFallbacks) {
    const PatternRow& R = GetParam();
    const TDateFormatSettings Saved = DateFormatSettings();
    DateFormatSettings() = TDateFormatSettings{};
    const TDateTime Date = Ymd(R.Year, R.Month, R.Day);
    EXPECT_EQ(FormatDateText(R.Pattern, Date), R.Text);
    EXPECT_EQ(TableText(TDateTable(TDatePattern(R.Pattern)), Date), R.Text);
    DateFormatSettings() = Saved;
}

// 5 January 2004 is a Monday; 16 March 2002 a Saturday.
INSTANTIATE_TEST_SUITE_P(
    Patterns, FormatPatterns,
    testing::Values(
        PatternRow{"FallbackLongPattern", "mmmm d, yyyy", 2002, 3, 16, "March 16, 2002"},
        PatternRow{"LeadingZerosWithSeparator", "dd/mm/yy", 2004, 1, 5, "05/01/04"},
        PatternRow{"NoLeadingZeros", "d/m/yyyy", 2004, 1, 5, "5/1/2004"},
        PatternRow{"ShortNames", "ddd d mmm yyy", 2004, 1, 5, "Mon 5 Jan 2004"},
        PatternRow{"LongNames", "dddd, d mmmm yyyy", 2002, 3, 16, "Saturday, 16 March 2002"},
        PatternRow{"UpperCaseLetters", "DDDD D MMMM YYYY", 2004, 1, 5, "Monday 5 January 2004"},
        PatternRow{"MixedCaseRun", "Dd mM yY", 2004, 1, 5, "05 01 04"},
        PatternRow{"FiveYsAreFourDigits", "yyyyy", 2004, 1, 5, "2004"},
        PatternRow{"FourDigitYearPadded", "yyyy", 1, 1, 1, "0001"},
        PatternRow{"TwoDigitYearPadded", "yy", 2001, 1, 1, "01"},
        PatternRow{"SingleQuotedTextCopied", "'day' d 'of' mmmm", 2004, 1, 5, "day 5 of January"},
        PatternRow{"DoubleQuotedLettersNotCodes", "\"dd mm\" dd", 2004, 1, 5, "dd mm 05"},
        PatternRow{"QuotedSlashStaysSlash", "d'/'m", 2004, 1, 5, "5/1"},
        PatternRow{"UnclosedQuoteRunsToEnd", "d 'mm yy", 2004, 1, 5, "5 mm yy"},
        PatternRow{"OtherCharactersCopied", "d.m.yyyy - ok!", 2004, 1, 5, "5.1.2004 - ok!"},
        PatternRow{"SixDsAreTheLongDatePattern", "dddddd", 2002, 3, 16, "March 16, 2002"},
        PatternRow{"EmptyPattern", "", 2004, 1, 5, ""}),
    RowName{});

TEST_F(DateTextFormat, LongDateTextUsesTheSettingsPattern) {
    DateFormatSettings().LongDatePattern = "yyyy/mm/dd";
    DateFormatSettings().DateSeparator = "-";
    EXPECT_EQ(LongDateText(Ymd(2004, 2, 29)), "2004-02-29");
}

TEST_F(DateTextFormat, NamesOfAnotherLanguageComeFromTheSettings) {
    TDateFormatSettings& S = DateFormatSettings();
    S.LongDatePattern = "dddd, d. mmmm yyyy";
    S.DateSeparator = ".";
    S.LongMonthNames = {"Januar", "Februar", "M\xc3\xa4rz", "April",   "Mai",      "Juni",
                        "Juli",   "August",  "September",   "Oktober", "November", "Dezember"};
    S.ShortMonthNames = {"Jan", "Feb", "M\xc3\xa4r", "Apr", "Mai", "Jun",
                         "Jul", "Aug", "Sep",        "Okt", "Nov", "Dez"};
    S.LongDayNames = {"Sonntag",    "Montag",  "Dienstag", "Mittwoch",
                      "Donnerstag", "Freitag", "Samstag"};
    S.ShortDayNames = {"So", "Mo", "Di", "Mi", "Do", "Fr", "Sa"};
    // 2 March 2004 is a Tuesday.
    EXPECT_EQ(LongDateText(Ymd(2004, 3, 2)), "Dienstag, 2. M\xc3\xa4rz 2004");
    EXPECT_EQ(FormatDateText("ddd dd/mm/yyyy mmm", Ymd(2004, 3, 2)), "Di 02.03.2004 M\xc3\xa4r");
    EXPECT_EQ(FormatDateText("'Heute:' dddddd", Ymd(2004, 12, 26)),
              "Heute: Sonntag, 26. Dezember 2004");
}

TEST_F(DateTextFormat, PatternThatNamesItselfDoesNotRecurse) {
    DateFormatSettings() = TDateFormatSettings{};
    DateFormatSettings().LongDatePattern = "dddddd d";
    EXPECT_EQ(LongDateText(Ymd(2004, 1, 5)), "Monday 5 5");
}

TEST_F(DateTextFormat, DatesOutsideYears1To9999AreWrittenWithoutFailing) {
    DateFormatSettings() = TDateFormatSettings{};
    EXPECT_EQ(LongDateText(Ymd(9999, 12, 31) + 1), "January 1, 10000");
    // Before year 1 the date splits into zeros and has no month name.
    EXPECT_EQ(LongDateText(Ymd(1, 1, 1) - 1), " 0, 0000");
    EXPECT_EQ(FormatDateText("dd/mm/yy mmm", Ymd(1, 1, 1) - 400), "00/00/00 ");
    const TDateTable Table{TDatePattern("dddddd")};
    EXPECT_EQ(TableText(Table, Ymd(9999, 12, 31) + 1), "January 1, 10000");
    EXPECT_EQ(TableText(Table, Ymd(1, 1, 1) - 1), " 0, 0000");
}

// The table writes every day as its pattern does: over a whole 400-year
// cycle and the first and last years, for patterns with names of another
// language, a year written twice and in two digits, and one whose year
// comes three times (which no table holds).
TEST_F(DateTextFormat, TableWritesEveryDayAsItsPattern) {
    TDateFormatSettings& S = DateFormatSettings();
    S.LongMonthNames = {"Januar", "Februar", "M\xc3\xa4rz", "April",   "Mai",      "Juni",
                        "Juli",   "August",  "September",   "Oktober", "November", "Dezember"};
    S.LongDayNames = {"Sonntag",    "Montag",  "Dienstag", "Mittwoch",
                      "Donnerstag", "Freitag", "Samstag"};
    S.DateSeparator = ".";
    std::int64_t Checked = 0;
    for (const char* Pattern : {"dddd, d. mmmm yyyy", "yyyy'年'm'月'd'日' dddd (yy)",
                                "dd/mm/yy ddd", "yyyy yy yyyy mmmm"}) {
        const TDatePattern Written(Pattern);
        const TDateTable Table(Written);
        const auto Walk = [&](TDateTime First, TDateTime Last) {
            for (TDateTime D = First; D <= Last; ++D) {
                std::string Text(Written.MaxLength(), '\0');
                Text.resize(static_cast<std::size_t>(Written.Write(Text.data(), D) - Text.data()));
                ASSERT_EQ(TableText(Table, D), Text) << Pattern << " " << Show(D);
                ++Checked;
            }
        };
        Walk(Ymd(1, 1, 1), Ymd(3, 12, 31));
        Walk(Ymd(2001, 1, 1), Ymd(2400, 12, 31));
        Walk(Ymd(9999, 1, 1), Ymd(9999, 12, 31));
    }
    EXPECT_EQ(Checked, 4 * (3 * 365 + 146097 + 365));
}

} // namespace
