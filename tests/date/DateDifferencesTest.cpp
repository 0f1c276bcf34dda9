// Counting the units between two dates, and the phrase for a difference.
#include "DateTestSupport.h"

#include <cstdint>
#include <random>
#include <sstream>
#include <string>
#include <vector>

namespace {

struct Ymd3 {
    int Year, Month, Day;
    TDateTime Date() const { return Ymd(Year, Month, Day); }
};

struct CountsRow {
    const char* Name;
    Ymd3 Start, End;
    std::int32_t Counts[6]; // days, weekdays, weeks, fortnights, months, years
};

class UnitCounts : public testing::TestWithParam<CountsRow> {};

TEST_P(UnitCounts, CountEveryKind) {
    const CountsRow& R = GetParam();
    const char* Kinds[6] = {"days", "weekdays", "weeks", "fortnights", "months", "years"};
    for (int K = dkDays; K <= dkYears; ++K) {
        EXPECT_EQ(DateUnitsBetween(static_cast<TDateKind>(K), R.Start.Date(), R.End.Date()),
                  R.Counts[K])
            << Kinds[K];
        EXPECT_EQ(DateCountsBetween(R.Start.Date(), R.End.Date())[K], R.Counts[K]) << Kinds[K];
        EXPECT_EQ(DateDifference(R.Start.Date(), R.End.Date()).Counts[K], R.Counts[K]) << Kinds[K];
    }
}

INSTANTIATE_TEST_SUITE_P(
    Pairs, UnitCounts,
    testing::Values(
        CountsRow{"SameDay", {2004, 3, 15}, {2004, 3, 15}, {0, 0, 0, 0, 0, 0}},
        CountsRow{
            "Jan31ToFeb29DoesNotReachThe31st", {2004, 1, 31}, {2004, 2, 29}, {29, 20, 4, 2, 0, 0}},
        CountsRow{"Jan31ToMar1IsOneMonth", {2004, 1, 31}, {2004, 3, 1}, {30, 21, 4, 2, 1, 0}},
        CountsRow{"DayBeforeAnniversary", {2003, 3, 15}, {2004, 3, 14}, {365, 260, 52, 26, 11, 0}},
        CountsRow{"DayBeforeAnniversarySwapped",
                  {2004, 3, 14},
                  {2003, 3, 15},
                  {-365, -260, -52, -26, -11, 0}},
        CountsRow{"Anniversary", {2003, 3, 15}, {2004, 3, 15}, {366, 261, 52, 26, 12, 1}},
        CountsRow{"LeapDayToFeb28IsElevenMonths",
                  {2004, 2, 29},
                  {2005, 2, 28},
                  {365, 261, 52, 26, 11, 0}},
        CountsRow{"LeapDayToMar1IsAYear", {2004, 2, 29}, {2005, 3, 1}, {366, 262, 52, 26, 12, 1}},
        CountsRow{
            "NineDaysBackTruncateTowardsZero", {2004, 1, 10}, {2004, 1, 1}, {-9, -6, -1, 0, 0, 0}},
        CountsRow{
            "ThirteenMonthsBack", {2005, 2, 15}, {2004, 1, 15}, {-397, -283, -56, -28, -13, -1}},
        CountsRow{"Mar31BackToFeb29IsMinusOneMonth",
                  {2004, 3, 31},
                  {2004, 2, 29},
                  {-31, -23, -4, -2, -1, 0}},
        CountsRow{"TwoYearsAndMore", {2000, 1, 1}, {2002, 3, 16}, {805, 575, 115, 57, 26, 2}},
        CountsRow{"TenDaysBack", {2004, 1, 20}, {2004, 1, 10}, {-10, -7, -1, 0, 0, 0}},
        CountsRow{"WholeRange",
                  {1, 1, 1},
                  {9999, 12, 31},
                  {3652058, 2608614, 521722, 260861, 119987, 9998}}),
    RowName{});

struct WeekdaysRow {
    const char* Name;
    Ymd3 Start, End;
    std::int32_t Count;
};

class WeekdaysBetweenCases : public testing::TestWithParam<WeekdaysRow> {};

TEST_P(WeekdaysBetweenCases, CountMondayToFriday) {
    const WeekdaysRow& R = GetParam();
    EXPECT_EQ(WeekdaysBetween(R.Start.Date(), R.End.Date()), R.Count);
}

// 2 January 2004 is a Friday, 5 January a Monday.
INSTANTIATE_TEST_SUITE_P(
    Pairs, WeekdaysBetweenCases,
    testing::Values(WeekdaysRow{"FridayToMonday", {2004, 1, 2}, {2004, 1, 5}, 1},
                    WeekdaysRow{"SaturdayToSunday", {2004, 1, 3}, {2004, 1, 4}, 0},
                    WeekdaysRow{"MondayToFriday", {2004, 1, 5}, {2004, 1, 9}, 4},
                    WeekdaysRow{"MondayToNextMonday", {2004, 1, 5}, {2004, 1, 12}, 5},
                    WeekdaysRow{"SundayToSaturday", {2004, 1, 4}, {2004, 1, 10}, 5},
                    WeekdaysRow{"MondayBackToFriday", {2004, 1, 5}, {2004, 1, 2}, -1},
                    WeekdaysRow{"SaturdayToSaturday", {2004, 1, 3}, {2004, 1, 10}, 5}),
    RowName{});

// Monday-to-Friday days after the earlier date up to the later one, counted
// one day at a time.
std::int64_t LiteralWeekdays(TDateTime Start, TDateTime End) {
    const bool Swapped = Start > End;
    const TDateTime Early = Swapped ? End : Start;
    const TDateTime Late = Swapped ? Start : End;
    std::int64_t Count = 0;
    for (TDateTime D = Early + 1; D <= Late; ++D) {
        const int W = WeekdayOf(D);
        if (W >= 2 && W <= 6) {
            ++Count;
        }
    }
    return Swapped ? -Count : Count;
}

TEST(WeekdaysBetween, MatchesDayByDayCountForShortSpans) {
    int Checked = 0;
    for (TDateTime Start = Ymd(2004, 1, 3); Start < Ymd(2004, 1, 10); ++Start) {
        for (int Span = -60; Span <= 60; ++Span) {
            ASSERT_EQ(WeekdaysBetween(Start, Start + Span), LiteralWeekdays(Start, Start + Span))
                << Show(Start) << " span " << Span;
            ++Checked;
        }
    }
    EXPECT_EQ(Checked, 7 * 121);
}

TEST(WeekdaysBetween, MatchesDayByDayCountForLongSpans) {
    int Checked = 0;
    for (TDateTime Start = Ymd(1999, 12, 25); Start < Ymd(2000, 1, 1); ++Start) {
        for (int Span : {365, 1461, 36524, 146097, 400001}) {
            for (int Sign : {1, -1}) {
                ASSERT_EQ(WeekdaysBetween(Start, Start + Sign * Span),
                          LiteralWeekdays(Start, Start + Sign * Span))
                    << Show(Start) << " span " << Sign * Span;
                ++Checked;
            }
        }
    }
    EXPECT_EQ(Checked, 7 * 10);
}

// The full values decide which date is earlier; the whole parts are counted.
TEST(DateUnitsBetween, TimeOfDayDecidesOrderButNotCounts) {
    const TDateTime Morning = Ymd(2004, 1, 5) + 0.25;
    const TDateTime Evening = Ymd(2004, 1, 5) + 0.75;
    for (int K = dkDays; K <= dkYears; ++K) {
        EXPECT_EQ(DateUnitsBetween(static_cast<TDateKind>(K), Evening, Morning), 0);
    }
    EXPECT_EQ(DiffPhrase(Evening, Morning), "");
    EXPECT_EQ(DiffPhrase(Evening, Morning + 1), "1 day");
}

// The years step rebuilds the earlier date, so it has to lie in the years 1
// to 9999; a later date beyond them is only counted.
TEST(DiffPhrase, EarlierDateOutsideYears1To9999Raises) {
    EXPECT_CONVERT_ERROR(DiffPhrase(Ymd(1, 1, 1) - 1, Ymd(2004, 1, 1)), kEncodeError);
    EXPECT_CONVERT_ERROR(DiffPhrase(Ymd(9999, 12, 31) + 400, Ymd(9999, 12, 31) + 1), kEncodeError);
    EXPECT_EQ(DiffPhrase(Ymd(9999, 12, 31) + 1, Ymd(9999, 12, 31)), "1 day ago");
}

struct PhraseRow {
    const char* Name;
    Ymd3 Start, End;
    const char* Phrase;
};

class DiffPhrases : public testing::TestWithParam<PhraseRow> {};

TEST_P(DiffPhrases, DescribeDistance) {
    const PhraseRow& R = GetParam();
    EXPECT_EQ(DiffPhrase(R.Start.Date(), R.End.Date()), R.Phrase);
}

INSTANTIATE_TEST_SUITE_P(
    Pairs, DiffPhrases,
    testing::Values(
        PhraseRow{
            "AllFourUnits", {2000, 1, 1}, {2002, 3, 16}, "2 years, 2 months, 2 weeks and 1 day"},
        PhraseRow{"AllFourUnitsAgo",
                  {2002, 3, 16},
                  {2000, 1, 1},
                  "2 years, 2 months, 2 weeks and 1 day ago"},
        PhraseRow{"OneYear", {2003, 5, 5}, {2004, 5, 5}, "1 year"},
        PhraseRow{"YearAndDays", {2003, 5, 5}, {2004, 5, 7}, "1 year and 2 days"},
        PhraseRow{"SameDayIsEmpty", {2004, 5, 5}, {2004, 5, 5}, ""},
        PhraseRow{"OneDay", {2004, 5, 5}, {2004, 5, 6}, "1 day"},
        PhraseRow{"OneDayAgo", {2004, 5, 6}, {2004, 5, 5}, "1 day ago"},
        PhraseRow{"Jan31ToFeb29", {2004, 1, 31}, {2004, 2, 29}, "4 weeks and 1 day"},
        PhraseRow{"LeapDayToFeb28", {2004, 2, 29}, {2005, 2, 28}, "11 months, 4 weeks and 2 days"},
        PhraseRow{"LeapDayToMar1", {2004, 2, 29}, {2005, 3, 1}, "1 year and 1 day"},
        PhraseRow{"TwoWeeks", {2004, 3, 1}, {2004, 3, 15}, "2 weeks"},
        PhraseRow{"WeekAndDaysAgo", {2004, 1, 20}, {2004, 1, 10}, "1 week and 3 days ago"},
        PhraseRow{"OneOfEach", {2004, 1, 1}, {2005, 2, 9}, "1 year, 1 month, 1 week and 1 day"},
        PhraseRow{"TwelveMonthsAreNotFoldedIntoAYear",
                  {2004, 2, 29},
                  {2006, 2, 28},
                  "1 year and 12 months"},
        PhraseRow{"MonthsOnly", {2004, 1, 15}, {2004, 3, 15}, "2 months"},
        PhraseRow{"YearsAndWeeks", {2000, 1, 1}, {2003, 1, 15}, "3 years and 2 weeks"}),
    RowName{});

// The parts of a phrase, read back from its text.
struct PhraseParts {
    std::int64_t Years = 0, Months = 0, Weeks = 0, Days = 0;
    bool Ago = false;
};

PhraseParts ReadPhrase(std::string Text) {
    PhraseParts P;
    const std::string AgoSuffix = " ago";
    if (Text.size() >= AgoSuffix.size() &&
        Text.compare(Text.size() - AgoSuffix.size(), AgoSuffix.size(), AgoSuffix) == 0) {
        P.Ago = true;
        Text.resize(Text.size() - AgoSuffix.size());
    }
    for (std::string::size_type At; (At = Text.find(" and ")) != std::string::npos;) {
        Text.replace(At, 5, ", ");
    }
    std::istringstream In(Text);
    std::string Part;
    while (std::getline(In, Part, ',')) {
        std::istringstream Words(Part);
        std::int64_t N = 0;
        std::string Unit;
        Words >> N >> Unit;
        if (Unit.rfind("year", 0) == 0) {
            P.Years = N;
        } else if (Unit.rfind("month", 0) == 0) {
            P.Months = N;
        } else if (Unit.rfind("week", 0) == 0) {
            P.Weeks = N;
        } else if (Unit.rfind("day", 0) == 0) {
            P.Days = N;
        } else {
            ADD_FAILURE() << "unreadable part '" << Part << "'";
        }
    }
    return P;
}

// For random pairs across the years 100 to 9999: walking the phrase's years,
// months, weeks and days forward from the earlier date lands on the later
// one; the reverse pair reads the same with " ago"; the counts change sign
// with the order of the dates, and all six at once are the same as each
// alone; and the phrase's years are the year count.
TEST(DiffPhrase, PartsWalkFromEarlierToLaterDateForRandomPairs) {
    std::mt19937_64 Random(20040229);
    std::uniform_int_distribution<std::int64_t> Day(static_cast<std::int64_t>(Ymd(100, 1, 1)),
                                                    static_cast<std::int64_t>(Ymd(9999, 12, 31)));
    int Checked = 0;
    for (int i = 0; i < 20000; ++i) {
        TDateTime A = static_cast<TDateTime>(Day(Random));
        // Every fourth pair lies close together, where weeks and days matter.
        TDateTime B = i % 4 == 0 ? A + static_cast<TDateTime>(Day(Random) % 400)
                                 : static_cast<TDateTime>(Day(Random));
        if (B > Ymd(9999, 12, 31)) {
            B = Ymd(9999, 12, 31);
        }
        const TDateTime Early = A < B ? A : B;
        const TDateTime Late = A < B ? B : A;
        const std::string Forward = DiffPhrase(Early, Late);
        const PhraseParts P = ReadPhrase(Forward);
        ASSERT_FALSE(P.Ago) << Forward;

        TDateTime Walk = AddDateUnits(dkYears, Early, static_cast<long double>(P.Years));
        Walk = AddDateUnits(dkMonths, Walk, static_cast<long double>(P.Months));
        Walk = AddDateUnits(dkWeeks, Walk, static_cast<long double>(P.Weeks));
        Walk = AddDateUnits(dkDays, Walk, static_cast<long double>(P.Days));
        ASSERT_EQ(Walk, Late) << Show(Early) << " to " << Show(Late) << ": " << Forward;
        ASSERT_LT(P.Days, 7) << Forward;
        ASSERT_EQ(P.Years, DateUnitsBetween(dkYears, Early, Late)) << Forward;

        if (Early != Late) {
            ASSERT_EQ(DiffPhrase(Late, Early), Forward + " ago");
        }
        for (int K = dkDays; K <= dkYears; ++K) {
            const auto Kind = static_cast<TDateKind>(K);
            ASSERT_EQ(DateUnitsBetween(Kind, A, B), -DateUnitsBetween(Kind, B, A))
                << "kind " << K << " " << Show(A) << " " << Show(B);
            ASSERT_EQ(DateCountsBetween(A, B)[K], DateUnitsBetween(Kind, A, B)) << "kind " << K;
        }
        const TDifference Both = DateDifference(A, B);
        ASSERT_EQ(Both.Counts, DateCountsBetween(A, B));
        ASSERT_EQ(Both.Phrase, DiffPhraseParts(A, B));
        ++Checked;
    }
    EXPECT_EQ(Checked, 20000);
}

} // namespace
