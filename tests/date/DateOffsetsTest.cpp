// Moving a date by days, weekdays, weeks, fortnights, months and years.
#include "DateTestSupport.h"

#include <cmath>
#include <cstdint>
#include <limits>
#include <vector>

namespace {

struct OffsetRow {
    const char* Name;
    int Year, Month, Day;
    TDateKind Kind;
    long double Amount;
    int ToYear, ToMonth, ToDay;
};

class CalendarOffsets : public testing::TestWithParam<OffsetRow> {};

TEST_P(CalendarOffsets, LandOnDate) {
    const OffsetRow& R = GetParam();
    const TDateTime Got = AddDateUnits(R.Kind, Ymd(R.Year, R.Month, R.Day), R.Amount);
    EXPECT_EQ(Got, Ymd(R.ToYear, R.ToMonth, R.ToDay)) << Show(Got);
}

INSTANTIATE_TEST_SUITE_P(
    MonthEnds, CalendarOffsets,
    testing::Values(
        OffsetRow{"Jan31PlusMonthInLeapYearIsFeb29", 2004, 1, 31, dkMonths, 1, 2004, 2, 29},
        OffsetRow{"Jan31PlusMonthInCommonYearIsFeb28", 2003, 1, 31, dkMonths, 1, 2003, 2, 28},
        OffsetRow{"Mar31PlusMonthIsApr30", 2004, 3, 31, dkMonths, 1, 2004, 4, 30},
        OffsetRow{"Mar31MinusMonthIsFeb29", 2004, 3, 31, dkMonths, -1, 2004, 2, 29},
        OffsetRow{"Jan30PlusMonthIsFeb29", 2004, 1, 30, dkMonths, 1, 2004, 2, 29},
        OffsetRow{"Feb29InCenturyYear2000IsKept", 2000, 1, 31, dkMonths, 1, 2000, 2, 29},
        OffsetRow{"Feb28InCenturyYear1900", 1900, 1, 31, dkMonths, 1, 1900, 2, 28},
        OffsetRow{"May31PlusMonthIsJun30", 2004, 5, 31, dkMonths, 1, 2004, 6, 30},
        OffsetRow{"Oct31MinusMonthIsSep30", 2004, 10, 31, dkMonths, -1, 2004, 9, 30},
        OffsetRow{"Dec31MinusMonthIsNov30", 2004, 12, 31, dkMonths, -1, 2004, 11, 30},
        OffsetRow{"Jul31PlusMonthKeeps31InAugust", 2004, 7, 31, dkMonths, 1, 2004, 8, 31}),
    RowName{});

INSTANTIATE_TEST_SUITE_P(
    YearCarries, CalendarOffsets,
    testing::Values(
        OffsetRow{"MinusThirteenMonthsCrossesTwoYears", 2004, 1, 15, dkMonths, -13, 2002, 12, 15},
        OffsetRow{"DecemberPlusMonthIsJanuary", 2004, 12, 15, dkMonths, 1, 2005, 1, 15},
        OffsetRow{"DecemberMinusTwelveMonths", 2004, 12, 15, dkMonths, -12, 2003, 12, 15},
        OffsetRow{"JanuaryMinusOneMonthIsDecember", 2004, 1, 15, dkMonths, -1, 2003, 12, 15},
        OffsetRow{"FebruaryMinusTwelveMonths", 2004, 2, 15, dkMonths, -12, 2003, 2, 15},
        OffsetRow{"JanuaryMinusTwelveMonths", 2004, 1, 15, dkMonths, -12, 2003, 1, 15},
        OffsetRow{"JanuaryPlusTwelveMonths", 2004, 1, 15, dkMonths, 12, 2005, 1, 15},
        OffsetRow{"JanuaryPlusElevenMonths", 2004, 1, 15, dkMonths, 11, 2004, 12, 15},
        OffsetRow{"DecemberPlusTwelveMonths", 2004, 12, 15, dkMonths, 12, 2005, 12, 15},
        OffsetRow{"ManyMonthsForward", 2004, 6, 15, dkMonths, 1200, 2104, 6, 15},
        OffsetRow{"ManyMonthsBack", 2004, 6, 15, dkMonths, -24006, 3, 12, 15},
        OffsetRow{"ZeroMonths", 2004, 6, 15, dkMonths, 0, 2004, 6, 15},
        OffsetRow{"LastDayOfYear9999", 9998, 12, 31, dkMonths, 12, 9999, 12, 31},
        OffsetRow{"FirstDayOfYear1", 2, 1, 1, dkMonths, -12, 1, 1, 1}),
    RowName{});

INSTANTIATE_TEST_SUITE_P(
    LeapDays, CalendarOffsets,
    testing::Values(
        OffsetRow{"Feb29PlusYearIsFeb28", 2004, 2, 29, dkYears, 1, 2005, 2, 28},
        OffsetRow{"Feb29PlusFourYearsStaysFeb29", 2004, 2, 29, dkYears, 4, 2008, 2, 29},
        OffsetRow{"Feb29PlusHundredYearsIsFeb28", 2000, 2, 29, dkYears, 100, 2100, 2, 28},
        OffsetRow{"Feb29PlusFourHundredYears", 2000, 2, 29, dkYears, 400, 2400, 2, 29},
        OffsetRow{"Feb29MinusYearIsFeb28", 2004, 2, 29, dkYears, -1, 2003, 2, 28},
        OffsetRow{"Feb29PlusTwelveMonthsIsFeb28", 2004, 2, 29, dkMonths, 12, 2005, 2, 28},
        OffsetRow{"Feb28PlusYearStaysFeb28", 2003, 2, 28, dkYears, 1, 2004, 2, 28},
        OffsetRow{"Mar31PlusYear", 2004, 3, 31, dkYears, 1, 2005, 3, 31},
        OffsetRow{"ZeroYears", 2004, 2, 29, dkYears, 0, 2004, 2, 29}),
    RowName{});

INSTANTIATE_TEST_SUITE_P(
    Weekdays, CalendarOffsets,
    // 2 January 2004 is a Friday, 3 January a Saturday, 4 January a Sunday.
    testing::Values(
        OffsetRow{"FridayPlusOneIsMonday", 2004, 1, 2, dkWeekdays, 1, 2004, 1, 5},
        OffsetRow{"SaturdayPlusOneIsMonday", 2004, 1, 3, dkWeekdays, 1, 2004, 1, 5},
        OffsetRow{"SundayPlusOneIsMonday", 2004, 1, 4, dkWeekdays, 1, 2004, 1, 5},
        OffsetRow{"MondayMinusOneIsFriday", 2004, 1, 5, dkWeekdays, -1, 2004, 1, 2},
        OffsetRow{"SundayMinusOneIsFriday", 2004, 1, 4, dkWeekdays, -1, 2004, 1, 2},
        OffsetRow{"SaturdayMinusOneIsFriday", 2004, 1, 3, dkWeekdays, -1, 2004, 1, 2},
        OffsetRow{"WednesdayPlusFiveIsWednesday", 2004, 1, 7, dkWeekdays, 5, 2004, 1, 14},
        OffsetRow{"SaturdayPlusZeroStaysSaturday", 2004, 1, 3, dkWeekdays, 0, 2004, 1, 3},
        OffsetRow{"SundayPlusFractionStaysSunday", 2004, 1, 4, dkWeekdays, 0.9L, 2004, 1, 4},
        OffsetRow{"SundayMinusFractionStaysSunday", 2004, 1, 4, dkWeekdays, -0.9L, 2004, 1, 4},
        OffsetRow{"FractionOfWeekdayDropped", 2004, 1, 2, dkWeekdays, 2.9L, 2004, 1, 6}),
    RowName{});

INSTANTIATE_TEST_SUITE_P(
    PlainDays, CalendarOffsets,
    testing::Values(OffsetRow{"DaysAcrossLeapDay", 2004, 2, 28, dkDays, 2, 2004, 3, 1},
                    OffsetRow{"NegativeDays", 2004, 1, 1, dkDays, -1, 2003, 12, 31},
                    OffsetRow{"Weeks", 2004, 1, 1, dkWeeks, 3, 2004, 1, 22},
                    OffsetRow{"NegativeFortnights", 2004, 1, 1, dkFortnights, -2, 2003, 12, 4}),
    RowName{});

// A clamp is not undone by a later step.
TEST(AddMonthsClamped, ClampIsNotUndoneByNextMonth) {
    const TDateTime Sep30 = AddDateUnits(dkMonths, Ymd(2004, 8, 31), 1);
    EXPECT_EQ(Sep30, Ymd(2004, 9, 30));
    EXPECT_EQ(AddDateUnits(dkMonths, Sep30, 1), Ymd(2004, 10, 30));
    EXPECT_EQ(AddMonthsClamped(Ymd(2004, 8, 31), 2), Ymd(2004, 10, 31));
}

struct RaiseRow {
    const char* Name;
    TDateTime Start;
    TDateKind Kind;
    long double Amount;
};

class OffsetsOutsideYears1To9999 : public testing::TestWithParam<RaiseRow> {};

TEST_P(OffsetsOutsideYears1To9999, RaiseEncodeError) {
    const RaiseRow& R = GetParam();
    EXPECT_CONVERT_ERROR(AddDateUnits(R.Kind, R.Start, R.Amount), kEncodeError);
}

const TDateTime kJune15Of2004 = 38153;       // 15 June 2004
const TDateTime kAfterYear9999 = 2958466;    // 1 January 10000
const TDateTime kBeforeYear1 = -693594;      // 31 December of year 0

INSTANTIATE_TEST_SUITE_P(
    Steps, OffsetsOutsideYears1To9999,
    testing::Values(
        RaiseRow{"YearPastYear9999", 2958101 /* 1 January 9999 */, dkYears, 1},
        RaiseRow{"MonthBeforeYear1", -693593 /* 1 January 0001 */, dkMonths, -1},
        RaiseRow{"YearsBeyond16Bits", kJune15Of2004, dkYears, 65537},
        RaiseRow{"MonthsBeyond16BitYears", kJune15Of2004, dkMonths, 786432},
        RaiseRow{"YearsFarBelowYear1", kJune15Of2004, dkYears, -2147483647.0L},
        RaiseRow{"YearsBeyond64Bits", kJune15Of2004, dkYears, 1e30L},
        RaiseRow{"MonthsBeyond64Bits", kJune15Of2004, dkMonths, 1e30L},
        RaiseRow{"MonthsBelow64Bits", kJune15Of2004, dkMonths, -1e30L},
        RaiseRow{"MonthsJustBelowInt64Max", kJune15Of2004, dkMonths, 9223372036854775800.0L},
        RaiseRow{"InfiniteYears", kJune15Of2004, dkYears,
                 std::numeric_limits<long double>::infinity()},
        RaiseRow{"ZeroMonthsAfterYear9999", kAfterYear9999, dkMonths, 0},
        RaiseRow{"ZeroYearsAfterYear9999", kAfterYear9999, dkYears, 0},
        RaiseRow{"ZeroMonthsBeforeYear1", kBeforeYear1, dkMonths, 0},
        RaiseRow{"ZeroYearsBeforeYear1", kBeforeYear1, dkYears, 0},
        RaiseRow{"YearsIntoRangeFromBeforeYear1", kBeforeYear1, dkYears, 5},
        RaiseRow{"MonthsIntoRangeFromBeforeYear1", kBeforeYear1, dkMonths, 60}),
    RowName{});

// Years are added in full width: a date beyond 9999 can be brought back.
// 10000 years are 25 cycles of 146097 days, so this is 15 June 19999.
TEST(AddDateUnits, YearsBringFarDateBackIntoRange) {
    const TDateTime June15Of19999 = Ymd(9999, 6, 15) + 25 * 146097.0;
    EXPECT_EQ(SplitDate(June15Of19999), (TDateParts{19999, 6, 15}));
    EXPECT_EQ(AddDateUnits(dkYears, June15Of19999, -10000), Ymd(9999, 6, 15));
    EXPECT_EQ(AddDateUnits(dkMonths, June15Of19999, -120000), Ymd(9999, 6, 15));
}

TEST(AddDateUnits, DaysWeeksAndFortnightsLeaveTheYearRangeWithoutRaising) {
    EXPECT_EQ(AddDateUnits(dkDays, Ymd(9999, 12, 31), 1), 2958466);
    EXPECT_EQ(AddDateUnits(dkWeeks, Ymd(1, 1, 1), -1), -693600);
    EXPECT_EQ(AddDateUnits(dkFortnights, 0, 1e15L), 1.4e16);
    EXPECT_EQ(AddDateUnits(dkWeekdays, Ymd(1, 1, 1), -1), -693596); // Friday of year 0
}

// Amounts too large for a date saturate to an infinite date; nothing wraps.
TEST(AddDateUnits, HugeLongDoubleAmountsGiveInfiniteDays) {
    const long double Huge = 1e4000L;
    EXPECT_EQ(AddDateUnits(dkDays, 0, Huge), std::numeric_limits<double>::infinity());
    EXPECT_EQ(AddDateUnits(dkWeeks, 0, -Huge), -std::numeric_limits<double>::infinity());
    EXPECT_EQ(AddDateUnits(dkFortnights, 0, Huge), std::numeric_limits<double>::infinity());
    EXPECT_GT(AddDateUnits(dkWeekdays, 0, Huge), 1e19);
    EXPECT_LT(AddDateUnits(dkWeekdays, 0, -Huge), -1e19);
    EXPECT_EQ(AddDateUnits(dkWeekdays, 5, std::numeric_limits<long double>::quiet_NaN()), 5);
}

struct FractionRow {
    const char* Name;
    TDateTime Start;
    TDateKind Kind;
    long double Amount;
    double Expected;
};

class FractionalAmounts : public testing::TestWithParam<FractionRow> {};

TEST_P(FractionalAmounts, AddTheirShare) {
    const FractionRow& R = GetParam();
    EXPECT_DOUBLE_EQ(AddDateUnits(R.Kind, R.Start, R.Amount), R.Expected);
}

// 1 January 2004 is day 37987, 1 January 2005 day 38353, 15 February 2004
// day 38032, 15 January 2004 day 38001, 15 December 2003 day 37970.
INSTANTIATE_TEST_SUITE_P(
    Amounts, FractionalAmounts,
    testing::Values(
        FractionRow{"HalfDay", 37987, dkDays, 1.5L, 37988.5},
        FractionRow{"HalfWeek", 37987, dkWeeks, 0.5L, 37990.5},
        FractionRow{"MinusHalfFortnight", 37987, dkFortnights, -0.5L, 37980},
        FractionRow{"YearAndAHalfIs36525HundredthsOfADayMore", 37987, dkYears, 1.5L,
                    38353 + 182.625},
        FractionRow{"NegativeYearFraction", 38353, dkYears, -1.5L, 37987 - 182.625},
        FractionRow{"MonthAndAHalfIsFifteenDaysMore", 38001, dkMonths, 1.5L, 38032 + 15},
        FractionRow{"NegativeMonthFraction", 38001, dkMonths, -1.25L, 37970 - 7.5},
        FractionRow{"TimeOfDayCarriedByMonths", 38001.25, dkMonths, 1, 38032.25},
        FractionRow{"TimeOfDayCarriedByYears", 37987.75, dkYears, 1, 38353.75},
        FractionRow{"TimeOfDayCarriedByWeekdays", 37987.5, dkWeekdays, 1, 37988.5}),
    RowName{});

// The stepping rule, one day at a time, exactly as stated: each step moves a
// day and then past a Saturday and a Sunday (forwards) or a Sunday and a
// Saturday (backwards).
TDateTime StepOnce(TDateTime D, bool Forward) {
    if (Forward) {
        D += 1;
        if (WeekdayOf(D) == 7) {
            D += 1;
        }
        if (WeekdayOf(D) == 1) {
            D += 1;
        }
    } else {
        D -= 1;
        if (WeekdayOf(D) == 1) {
            D -= 1;
        }
        if (WeekdayOf(D) == 7) {
            D -= 1;
        }
    }
    return D;
}

// Every start weekday and every amount from -3000 to 3000 against the
// stepping rule; the literal result for N + 1 steps is the one for N stepped
// once more.
TEST(WeekdayOffsets, MatchSteppingRuleForEveryStartAndAmount) {
    int Checked = 0;
    for (TDateTime Start = Ymd(2004, 1, 3); Start < Ymd(2004, 1, 10); ++Start) {
        for (bool Forward : {true, false}) {
            TDateTime Literal = Start;
            for (int N = 1; N <= 3000; ++N) {
                Literal = StepOnce(Literal, Forward);
                const int Amount = Forward ? N : -N;
                ASSERT_EQ(AddDateUnits(dkWeekdays, Start, Amount), Literal)
                    << "from " << Show(Start) << " by " << Amount;
                ++Checked;
            }
        }
        ASSERT_EQ(AddDateUnits(dkWeekdays, Start, 0), Start);
        ++Checked;
    }
    EXPECT_EQ(Checked, 7 * 6001);
}

struct HugeWeekdayRow {
    const char* Name;
    TDateTime Start;
    long double Amount;
    double Days;
};

class HugeWeekdayAmounts : public testing::TestWithParam<HugeWeekdayRow> {};

TEST_P(HugeWeekdayAmounts, MoveByDerivedDays) {
    const HugeWeekdayRow& R = GetParam();
    EXPECT_EQ(AddDateUnits(dkWeekdays, R.Start, R.Amount), R.Start + R.Days);
}

// Derivations. Five weekdays from a Monday-to-Friday day are exactly one
// week (7 days). From a weekend day the first step is special: Saturday + 1
// and Sunday + 1 are the Monday after (2 and 1 days); Sunday - 1 and
// Saturday - 1 are the Friday before (2 and 1 days).
//  * Monday + 100,000,000 = 20,000,000 x 5 weekdays: 140,000,000 days.
//  * Saturday + 100,000,000: 1 step to Monday (+2), then 99,999,999 =
//    19,999,999 x 5 + 4: Monday + 4 = Friday (+4), and 19,999,999 weeks:
//    2 + 4 + 139,999,993 = 139,999,999 days.
//  * Sunday - 100,000,000: 1 step to Friday (-2), 99,999,999 more =
//    19,999,999 x 5 + 4: Friday - 4 = Monday (-4): -139,999,999 days.
//  * Wednesday + 2,147,483,647 (INT32_MAX = 429,496,729 x 5 + 2): Friday
//    (+2) and 429,496,729 weeks (3,006,477,103 days): 3,006,477,105.
//  * Friday - 2,147,483,648 (INT32_MIN = -(429,496,729 x 5 + 3)): Friday - 3
//    = Tuesday (-3), and 429,496,729 weeks back: -3,006,477,106 days.
//  * Sunday + 2,147,483,647: Monday (+1), then 2,147,483,646 = 429,496,729 x 5
//    + 1: Tuesday (+1) and the weeks: 3,006,477,105 days.
//  * Monday + 10^15 (a long double amount) = 2 x 10^14 x 5: 1.4 x 10^15 days.
//  * Saturday - (10^15 + 1): Friday (-1), then 10^15 weeks' worth of five:
//    -1 - 1.4 x 10^15 days.
// 5 January 2004 is a Monday; 3 January a Saturday, 4 January a Sunday,
// 7 January a Wednesday, 9 January a Friday.
INSTANTIATE_TEST_SUITE_P(
    Derived, HugeWeekdayAmounts,
    testing::Values(
        HugeWeekdayRow{"MondayPlusHundredMillion", 37991, 1e8L, 140000000},
        HugeWeekdayRow{"SaturdayPlusHundredMillion", 37989, 1e8L, 139999999},
        HugeWeekdayRow{"SundayMinusHundredMillion", 37990, -1e8L, -139999999},
        HugeWeekdayRow{"WednesdayPlusInt32Max", 37993, 2147483647.0L, 3006477105.0},
        HugeWeekdayRow{"FridayMinusInt32Min", 37995, -2147483648.0L, -3006477106.0},
        HugeWeekdayRow{"SundayPlusInt32Max", 37990, 2147483647.0L, 3006477105.0},
        HugeWeekdayRow{"MondayPlusTenToThe15", 37991, 1e15L, 1.4e15},
        HugeWeekdayRow{"SaturdayMinusTenToThe15PlusOne", 37989, -1000000000000001.0L,
                       -1400000000000001.0}),
    RowName{});

} // namespace
