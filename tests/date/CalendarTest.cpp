// Calendar primitives: building and splitting dates, weekdays, leap years,
// the local clock.
#include "DateTestSupport.h"

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <ctime>
#include <limits>
#include <string>

namespace {

bool LiteralLeap(std::int64_t Y) {
    return Y % 4 == 0 && (Y % 100 != 0 || Y % 400 == 0);
}

int LiteralMonthLength(std::int64_t Y, int M) {
    static const int Lengths[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    return Lengths[M - 1] + (M == 2 && LiteralLeap(Y) ? 1 : 0);
}

// The split by cycles of 400, 100, 4 and 1 years, then months walked one by
// one: the definition the fast conversion has to agree with.
TDateParts LiteralSplit(std::int64_t DayNumber) {
    std::int64_t T = DayNumber + 693594;
    if (T < 1) {
        return {0, 0, 0};
    }
    T -= 1;
    std::int64_t Year = 1 + 400 * (T / 146097);
    T %= 146097;
    std::int64_t Centuries = T / 36524;
    T %= 36524;
    if (Centuries == 4) {
        Centuries = 3;
        T += 36524;
    }
    Year += 100 * Centuries;
    Year += 4 * (T / 1461);
    T %= 1461;
    std::int64_t Years = T / 365;
    T %= 365;
    if (Years == 4) {
        Years = 3;
        T += 365;
    }
    Year += Years;
    int Month = 1;
    while (T >= LiteralMonthLength(Year, Month)) {
        T -= LiteralMonthLength(Year, Month);
        ++Month;
    }
    return {Year, Month, static_cast<int>(T) + 1};
}

// Every day from 1 January 0001 to 31 December 9999, in order: the day
// numbers are consecutive, building and splitting agree both ways, the
// weekday advances by one, the day of the year counts up from each 1
// January, and the ISO date reads as printf writes it. Mismatches are counted, not asserted one by
// one, so that the walk stays fast under the sanitizers.
TEST(CalendarWalk, EveryDayOfYears1To9999RoundTripsInOrder) {
    std::int64_t Expected = -693593; // 1 January 0001
    int PreviousWeekday = WeekdayOf(static_cast<TDateTime>(Expected - 1));
    std::int64_t Walked = 0;
    std::int64_t Mismatches = 0;
    int DayOfYear = 0; // counted along the walk
    std::string FirstMismatch;
    for (int Y = 1; Y <= 9999; ++Y) {
        for (int M = 1; M <= 12; ++M) {
            const int Length = LiteralMonthLength(Y, M);
            for (int D = 1; D <= Length; ++D) {
                const TDateTime Made = MakeDate(Y, M, D);
                const TDateParts Split = SplitDate(static_cast<TDateTime>(Expected));
                const int Weekday = WeekdayOf(Made);
                char Iso[11] = {};
                char Printed[32];
                std::snprintf(Printed, sizeof Printed, "%04d-%02d-%02d", Y, M, D);
                WriteIsoDate(Iso, Split);
                DayOfYear = M == 1 && D == 1 ? 1 : DayOfYear + 1;
                if (Made != static_cast<TDateTime>(Expected) || Split != TDateParts{Y, M, D} ||
                    Weekday != PreviousWeekday % 7 + 1 || std::strcmp(Iso, Printed) != 0 ||
                    ::DayOfYear(Split) != DayOfYear) {
                    if (Mismatches++ == 0) {
                        FirstMismatch =
                            std::to_string(Y) + "-" + std::to_string(M) + "-" + std::to_string(D);
                    }
                }
                PreviousWeekday = Weekday;
                ++Expected;
                ++Walked;
            }
        }
    }
    EXPECT_EQ(Walked, 3652059);
    EXPECT_EQ(Expected - 1, 2958465); // 31 December 9999
    EXPECT_EQ(Mismatches, 0) << "first at " << FirstMismatch;
}

#ifndef _WIN32
// The ISO weekday, the ISO week with its year and the day of the year as the
// C library's timegm and strftime ("%u", "%V", "%G", "%j") give them, over a
// whole 400-year cycle of the calendar (after which every weekday and week
// repeats), and over the first and the last years.
TEST(IsoCalendarFacts, AgreeWithTheCLibraryOverACycleAndTheEnds) {
    std::int64_t Checked = 0;
    std::int64_t Mismatches = 0;
    std::string FirstMismatch;
    const auto CheckYears = [&](int First, int Last) {
        for (TDateTime Day = MakeDate(First, 1, 1); Day <= MakeDate(Last, 12, 31); ++Day) {
            const TDateParts P = SplitDate(Day);
            std::tm Time{};
            Time.tm_year = static_cast<int>(P.Year) - 1900;
            Time.tm_mon = P.Month - 1;
            Time.tm_mday = P.Day;
            Time.tm_hour = 12;
            timegm(&Time); // fills in the weekday and the day of the year
            char Theirs[32];
            std::strftime(Theirs, sizeof Theirs, "%u %V %G %j", &Time);
            const TIsoWeek Week = IsoWeekOf(Day);
            char Ours[32];
            std::snprintf(Ours, sizeof Ours, "%d %02d %lld %03d", IsoWeekdayOf(Day), Week.Week,
                          static_cast<long long>(Week.Year), ::DayOfYear(P));
            if (std::strcmp(Ours, Theirs) != 0 && Mismatches++ == 0)
                FirstMismatch = Show(Day) + ": " + Ours + " against " + Theirs;
            ++Checked;
        }
    };
    CheckYears(1, 3);
    CheckYears(2001, 2400);
    CheckYears(9997, 9999);
    EXPECT_EQ(Checked, 146097 + 3 * 365 + 3 * 365);
    EXPECT_EQ(Mismatches, 0) << "first at " << FirstMismatch;
}
#endif

struct MakeDateRow {
    const char* Name;
    int Year, Month, Day;
    double DayNumber;
};

class MakeDateValid : public testing::TestWithParam<MakeDateRow> {};

TEST_P(MakeDateValid, GivesDayNumber) {
    const MakeDateRow& R = GetParam();
    EXPECT_EQ(MakeDate(R.Year, R.Month, R.Day), R.DayNumber);
}

INSTANTIATE_TEST_SUITE_P(Dates, MakeDateValid,
                         testing::Values(MakeDateRow{"DayZeroIs30December1899", 1899, 12, 30, 0},
                                         MakeDateRow{"DayOneIs31December1899", 1899, 12, 31, 1},
                                         MakeDateRow{"FirstOf1900IsDayTwo", 1900, 1, 1, 2},
                                         MakeDateRow{"LeapDayOf2000IsAccepted", 2000, 2, 29, 36585},
                                         MakeDateRow{"LeapDayOf2004IsAccepted", 2004, 2, 29, 38046},
                                         MakeDateRow{"LeapDayOfYear4", 4, 2, 29, -692439},
                                         MakeDateRow{"FirstDayOfYear1", 1, 1, 1, -693593},
                                         MakeDateRow{"LastDayOfYear9999", 9999, 12, 31, 2958465}),
                         RowName{});

struct InvalidTripleRow {
    const char* Name;
    std::int64_t Year;
    int Month, Day;
};

class MakeDateInvalid : public testing::TestWithParam<InvalidTripleRow> {};

TEST_P(MakeDateInvalid, RaisesEncodeError) {
    const InvalidTripleRow& R = GetParam();
    EXPECT_CONVERT_ERROR(MakeDate(R.Year, R.Month, R.Day), kEncodeError);
}

INSTANTIATE_TEST_SUITE_P(
    Triples, MakeDateInvalid,
    testing::Values(
        InvalidTripleRow{"LeapDayOf1900CenturyNotLeap", 1900, 2, 29},
        InvalidTripleRow{"LeapDayOf2003CommonYear", 2003, 2, 29},
        InvalidTripleRow{"Year10000", 10000, 1, 1}, InvalidTripleRow{"Year0", 0, 12, 31},
        InvalidTripleRow{"NegativeYear", -1, 6, 15},
        InvalidTripleRow{"YearBeyond32Bits", std::int64_t{1} << 40, 1, 1},
        InvalidTripleRow{"Month0", 2004, 0, 1}, InvalidTripleRow{"Month13", 2004, 13, 1},
        InvalidTripleRow{"Day0", 2004, 1, 0}, InvalidTripleRow{"Day32OfJanuary", 2004, 1, 32},
        InvalidTripleRow{"Day31OfApril", 2004, 4, 31},
        InvalidTripleRow{"Day30OfFebruaryInLeapYear", 2004, 2, 30},
        InvalidTripleRow{"NegativeDay", 2004, 1, -1},
        InvalidTripleRow{"MostNegativeMonth", 2004, std::numeric_limits<int>::min(), 1},
        InvalidTripleRow{"MostNegativeYear", std::numeric_limits<std::int64_t>::min(), 1, 1},
        InvalidTripleRow{"LeapDayOfYear1CommonYear", 1, 2, 29}),
    RowName{});

struct SplitRow {
    const char* Name;
    double D;
    TDateParts Parts;
};

class SplitDateCases : public testing::TestWithParam<SplitRow> {};

TEST_P(SplitDateCases, GivesYearMonthDay) {
    const SplitRow& R = GetParam();
    EXPECT_EQ(SplitDate(R.D), R.Parts);
}

INSTANTIATE_TEST_SUITE_P(
    Days, SplitDateCases,
    testing::Values(
        SplitRow{"DayMinusOneIs29December1899", -1, {1899, 12, 29}},
        SplitRow{"DayAfter9999IsYear10000", 2958466, {10000, 1, 1}},
        SplitRow{"FirstDayOfYear1", -693593, {1, 1, 1}},
        SplitRow{"LastDayOfYear0SplitsToZeros", -693594, {0, 0, 0}},
        SplitRow{"FarBeforeYear1SplitsToZeros", -1e18, {0, 0, 0}},
        SplitRow{"FractionIsTimeOfDay", 36585.75, {2000, 2, 29}},
        SplitRow{"NegativeFractionTakenTowardsZero", -1.5, {1899, 12, 29}},
        SplitRow{"LessThanHalfMillisecondBeforeMidnightRoundsUp", 1.0 - 1e-9, {1899, 12, 31}},
        SplitRow{"NegativeWithinHalfMillisecondRoundsToDayBefore", -1.0 + 1e-9, {1899, 12, 29}},
        SplitRow{"OneMillisecondBeforeMidnightStaysOnDay", 1.0 - 1.0 / 86400000, {1899, 12, 30}},
        SplitRow{"NotANumberIsDayZero", std::numeric_limits<double>::quiet_NaN(), {1899, 12, 30}},
        SplitRow{
            "MinusInfinitySplitsToZeros", -std::numeric_limits<double>::infinity(), {0, 0, 0}}),
    RowName{});

// Days far beyond year 9999, where the year outgrows 16 and 32 bits and the
// conversion has to take 400-year cycles off first: the fast conversion must
// agree with the cycle-by-cycle definition, and years are returned in full.
struct FarDayRow {
    const char* Name;
    double D;
};

class SplitFarDays : public testing::TestWithParam<FarDayRow> {};

TEST_P(SplitFarDays, AgreeWithCycleByCycleSplit) {
    const FarDayRow& R = GetParam();
    for (int Offset = -800; Offset <= 800; ++Offset) {
        const double D = R.D + Offset;
        ASSERT_EQ(SplitDate(D), LiteralSplit(static_cast<std::int64_t>(D))) << "day " << D;
    }
}

INSTANTIATE_TEST_SUITE_P(Days, SplitFarDays,
                         testing::Values(FarDayRow{"TwentyFourMillionDays", 24e6},
                                         FarDayRow{"EndOfThe32BitConversion", (1 << 30) - 693899.0},
                                         FarDayRow{"Beyond32BitDayNumbers", 4294967296.0},
                                         FarDayRow{"TwoToThe40", 1099511627776.0},
                                         FarDayRow{"NearTheLastWholeDouble", 9007199254740000.0}),
                         RowName{});

TEST(SplitDate, YearAbove65535ComesBackInFull) {
    const TDateParts P = SplitDate(24e6);
    EXPECT_GT(P.Year, 65535);
    EXPECT_CONVERT_ERROR(MakeDate(P.Year, P.Month, P.Day), kEncodeError);
}

struct WeekdayRow {
    const char* Name;
    double D;
    int Weekday;
};

class WeekdayOfCases : public testing::TestWithParam<WeekdayRow> {};

TEST_P(WeekdayOfCases, GivesSundayOneToSaturdaySeven) {
    const WeekdayRow& R = GetParam();
    EXPECT_EQ(WeekdayOf(R.D), R.Weekday);
}

INSTANTIATE_TEST_SUITE_P(Days, WeekdayOfCases,
                         testing::Values(WeekdayRow{"DayZeroIsSaturday", 0, 7},
                                         WeekdayRow{"DayOneIsSunday", 1, 1},
                                         WeekdayRow{"DayMinusOneIsFriday", -1, 6},
                                         WeekdayRow{"FirstOf2000IsSaturday", 36526, 7},
                                         WeekdayRow{"FirstDayOfYear1IsMonday", -693593, 2},
                                         WeekdayRow{"LastDayOfYear0IsSunday", -693594, 1},
                                         WeekdayRow{"SevenDaysBeforeYear0EndIsSunday", -693601, 1},
                                         WeekdayRow{"AfternoonKeepsTheDay", 0.75, 7}),
                         RowName{});

// Far from day 0 in both directions, consecutive days still run 1..7 in
// order (a truncated remainder would give 0 or negative weekdays there).
TEST(WeekdayOf, CyclesThroughOneToSevenFarFromDayZero) {
    for (double Start : {-1e15, -1e9 - 3, 1e9 + 5, 1e15}) {
        int Previous = WeekdayOf(Start - 1);
        for (int i = 0; i < 21; ++i) {
            const int W = WeekdayOf(Start + i);
            ASSERT_GE(W, 1);
            ASSERT_LE(W, 7);
            ASSERT_EQ(W, Previous % 7 + 1) << "day " << Start + i;
            Previous = W;
        }
    }
}

struct LeapRow {
    const char* Name;
    std::int64_t Year;
    bool Leap;
};

class YearIsLeapCases : public testing::TestWithParam<LeapRow> {};

TEST_P(YearIsLeapCases, FollowsGregorianRule) {
    EXPECT_EQ(YearIsLeap(GetParam().Year), GetParam().Leap);
}

INSTANTIATE_TEST_SUITE_P(
    Years, YearIsLeapCases,
    testing::Values(LeapRow{"DivisibleBy4", 2004, true}, LeapRow{"NotDivisibleBy4", 2003, false},
                    LeapRow{"CenturyNotBy400", 1900, false}, LeapRow{"CenturyBy400", 2000, true},
                    LeapRow{"Year0", 0, true}, LeapRow{"MinusFour", -4, true},
                    LeapRow{"MinusOneHundred", -100, false},
                    LeapRow{"MinusFourHundred", -400, true}, LeapRow{"Year2100", 2100, false},
                    LeapRow{"Year4", 4, true}, LeapRow{"HugeCenturyBy400", 400000000000, true},
                    LeapRow{"HugeCenturyNotBy400", 100000000100, false}),
    RowName{});

TEST(MonthLength, AgreesWithTheMonthTableAndRefusesOtherMonths) {
    for (std::int64_t Y : {1900, 2000, 2003, 2004}) {
        for (int M = 1; M <= 12; ++M) {
            EXPECT_EQ(MonthLength(Y, M), LiteralMonthLength(Y, M)) << Y << "-" << M;
        }
    }
    EXPECT_EQ(MonthLength(2004, 0), 0);
    EXPECT_EQ(MonthLength(2004, 13), 0);
    EXPECT_EQ(MonthLength(2004, -1), 0);
}

// The clock's date is today's local date (read before and after, so that a
// midnight in between cannot fail the test), with the time of day as fraction.
TEST(CurrentDateTime, IsTodaysLocalDate) {
    auto LocalToday = [] {
        const std::time_t Now = std::time(nullptr);
        const std::tm Local = *std::localtime(&Now); // the tests run on one thread
        return TDateParts{Local.tm_year + 1900, Local.tm_mon + 1, Local.tm_mday};
    };
    const TDateParts Before = LocalToday();
    const TDateTime Now = CurrentDateTime();
    const TDateParts After = LocalToday();
    const TDateParts Got = SplitDate(Now);
    EXPECT_TRUE(Got == Before || Got == After);
    EXPECT_GE(Now - std::floor(Now), 0.0);
    EXPECT_LT(Now - std::floor(Now), 1.0);
}

} // namespace
