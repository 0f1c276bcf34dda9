// Moving a date by days, weekdays, weeks, fortnights, months and years.
#include "DateTestSupport.h"

#include <cmath>
#include <cstdint>
#include <limits>
#include <optional>
#include <vector>

namespace {

// The rows of MonthEnds, LeapDays and Weekdays replay the case study at the
// top of DateRoutines.h, so that its examples cannot drift from the code.
struct OffsetRow {
    const char* Name;
    TDateTime Start;
    TDateKind Kind;
    long double Amount;
    std::optional<TDateTime> To; // kRaises: raises kEncodeError
};

constexpr std::nullopt_t kRaises = std::nullopt;

class CalendarOffsets : public testing::TestWithParam<OffsetRow> {};

TEST_P(CalendarOffsets, LandOnDateOrRaise) {
    const OffsetRow& R = GetParam();
    EXPECT_EQ(TryAddDateUnits(R.Kind, R.Start, R.Amount), R.To);
    if (!R.To) {
        EXPECT_CONVERT_ERROR(AddDateUnits(R.Kind, R.Start, R.Amount), kEncodeError);
        return;
    }
    const TDateTime Got = AddDateUnits(R.Kind, R.Start, R.Amount);
    EXPECT_EQ(Got, *R.To) << Show(Got);
}

const OffsetRow kMonthEnds[] = {
    {"Jan31PlusMonthInLeapYearIsFeb29", Ymd(2004, 1, 31), dkMonths, 1, Ymd(2004, 2, 29)},
    {"Jan31PlusMonthInCommonYearIsFeb28", Ymd(2003, 1, 31), dkMonths, 1, Ymd(2003, 2, 28)},
    {"Mar31PlusMonthIsApr30", Ymd(2004, 3, 31), dkMonths, 1, Ymd(2004, 4, 30)},
    {"Mar31MinusMonthIsFeb29", Ymd(2004, 3, 31), dkMonths, -1, Ymd(2004, 2, 29)},
    {"Jan30PlusMonthIsFeb29", Ymd(2004, 1, 30), dkMonths, 1, Ymd(2004, 2, 29)},
    {"Feb29InCenturyYear2000IsKept", Ymd(2000, 1, 31), dkMonths, 1, Ymd(2000, 2, 29)},
    {"Feb28InCenturyYear1900", Ymd(1900, 1, 31), dkMonths, 1, Ymd(1900, 2, 28)},
    {"May31PlusMonthIsJun30", Ymd(2004, 5, 31), dkMonths, 1, Ymd(2004, 6, 30)},
    {"Oct31MinusMonthIsSep30", Ymd(2004, 10, 31), dkMonths, -1, Ymd(2004, 9, 30)},
    {"Dec31MinusMonthIsNov30", Ymd(2004, 12, 31), dkMonths, -1, Ymd(2004, 11, 30)},
    {"Jul31PlusMonthKeeps31InAugust", Ymd(2004, 7, 31), dkMonths, 1, Ymd(2004, 8, 31)},
};
INSTANTIATE_TEST_SUITE_P(MonthEnds, CalendarOffsets, testing::ValuesIn(kMonthEnds), RowName{});

const OffsetRow kYearCarries[] = {
    {"MinusThirteenMonthsCrossesTwoYears", Ymd(2004, 1, 15), dkMonths, -13, Ymd(2002, 12, 15)},
    {"DecemberPlusMonthIsJanuary", Ymd(2004, 12, 15), dkMonths, 1, Ymd(2005, 1, 15)},
    {"DecemberMinusTwelveMonths", Ymd(2004, 12, 15), dkMonths, -12, Ymd(2003, 12, 15)},
    {"JanuaryMinusOneMonthIsDecember", Ymd(2004, 1, 15), dkMonths, -1, Ymd(2003, 12, 15)},
    {"FebruaryMinusTwelveMonths", Ymd(2004, 2, 15), dkMonths, -12, Ymd(2003, 2, 15)},
    {"JanuaryMinusTwelveMonths", Ymd(2004, 1, 15), dkMonths, -12, Ymd(2003, 1, 15)},
    {"JanuaryPlusTwelveMonths", Ymd(2004, 1, 15), dkMonths, 12, Ymd(2005, 1, 15)},
    {"JanuaryPlusElevenMonths", Ymd(2004, 1, 15), dkMonths, 11, Ymd(2004, 12, 15)},
    {"DecemberPlusTwelveMonths", Ymd(2004, 12, 15), dkMonths, 12, Ymd(2005, 12, 15)},
    {"ManyMonthsForward", Ymd(2004, 6, 15), dkMonths, 1200, Ymd(2104, 6, 15)},
    {"ManyMonthsBack", Ymd(2004, 6, 15), dkMonths, -24006, Ymd(3, 12, 15)},
    {"ZeroMonths", Ymd(2004, 6, 15), dkMonths, 0, Ymd(2004, 6, 15)},
    {"LastDayOfYear9999", Ymd(9998, 12, 31), dkMonths, 12, Ymd(9999, 12, 31)},
    {"FirstDayOfYear1", Ymd(2, 1, 1), dkMonths, -12, Ymd(1, 1, 1)},
};
INSTANTIATE_TEST_SUITE_P(YearCarries, CalendarOffsets, testing::ValuesIn(kYearCarries), RowName{});

const OffsetRow kLeapDays[] = {
    {"Feb29PlusYearIsFeb28", Ymd(2004, 2, 29), dkYears, 1, Ymd(2005, 2, 28)},
    {"Feb29PlusFourYearsStaysFeb29", Ymd(2004, 2, 29), dkYears, 4, Ymd(2008, 2, 29)},
    {"Feb29PlusHundredYearsIsFeb28", Ymd(2000, 2, 29), dkYears, 100, Ymd(2100, 2, 28)},
    {"Feb29PlusFourHundredYears", Ymd(2000, 2, 29), dkYears, 400, Ymd(2400, 2, 29)},
    {"Feb29MinusYearIsFeb28", Ymd(2004, 2, 29), dkYears, -1, Ymd(2003, 2, 28)},
    {"Feb29PlusTwelveMonthsIsFeb28", Ymd(2004, 2, 29), dkMonths, 12, Ymd(2005, 2, 28)},
    {"Feb28PlusYearStaysFeb28", Ymd(2003, 2, 28), dkYears, 1, Ymd(2004, 2, 28)},
    {"Mar31PlusYear", Ymd(2004, 3, 31), dkYears, 1, Ymd(2005, 3, 31)},
    {"ZeroYears", Ymd(2004, 2, 29), dkYears, 0, Ymd(2004, 2, 29)},
};
INSTANTIATE_TEST_SUITE_P(LeapDays, CalendarOffsets, testing::ValuesIn(kLeapDays), RowName{});

// 2 January 2004 is a Friday, 3 January a Saturday, 4 January a Sunday.
const OffsetRow kWeekdays[] = {
    {"FridayPlusOneIsMonday", Ymd(2004, 1, 2), dkWeekdays, 1, Ymd(2004, 1, 5)},
    {"SaturdayPlusOneIsMonday", Ymd(2004, 1, 3), dkWeekdays, 1, Ymd(2004, 1, 5)},
    {"SundayPlusOneIsMonday", Ymd(2004, 1, 4), dkWeekdays, 1, Ymd(2004, 1, 5)},
    {"MondayMinusOneIsFriday", Ymd(2004, 1, 5), dkWeekdays, -1, Ymd(2004, 1, 2)},
    {"SundayMinusOneIsFriday", Ymd(2004, 1, 4), dkWeekdays, -1, Ymd(2004, 1, 2)},
    {"SaturdayMinusOneIsFriday", Ymd(2004, 1, 3), dkWeekdays, -1, Ymd(2004, 1, 2)},
    {"WednesdayPlusFiveIsWednesday", Ymd(2004, 1, 7), dkWeekdays, 5, Ymd(2004, 1, 14)},
    {"SaturdayPlusZeroStaysSaturday", Ymd(2004, 1, 3), dkWeekdays, 0, Ymd(2004, 1, 3)},
    {"SundayPlusFractionStaysSunday", Ymd(2004, 1, 4), dkWeekdays, 0.9L, Ymd(2004, 1, 4)},
    {"SundayMinusFractionStaysSunday", Ymd(2004, 1, 4), dkWeekdays, -0.9L, Ymd(2004, 1, 4)},
    {"FractionOfWeekdayDropped", Ymd(2004, 1, 2), dkWeekdays, 2.9L, Ymd(2004, 1, 6)},
};
INSTANTIATE_TEST_SUITE_P(Weekdays, CalendarOffsets, testing::ValuesIn(kWeekdays), RowName{});

const OffsetRow kPlainDays[] = {
    {"DaysAcrossLeapDay", Ymd(2004, 2, 28), dkDays, 2, Ymd(2004, 3, 1)},
    {"NegativeDays", Ymd(2004, 1, 1), dkDays, -1, Ymd(2003, 12, 31)},
    {"Weeks", Ymd(2004, 1, 1), dkWeeks, 3, Ymd(2004, 1, 22)},
    {"NegativeFortnights", Ymd(2004, 1, 1), dkFortnights, -2, Ymd(2003, 12, 4)},
};
INSTANTIATE_TEST_SUITE_P(PlainDays, CalendarOffsets, testing::ValuesIn(kPlainDays), RowName{});

const TDateTime kJune15Of2004 = 38153;    // 15 June 2004
const TDateTime kAfterYear9999 = 2958466; // 1 January 10000
const TDateTime kBeforeYear1 = -693594;   // 31 December of year 0

const OffsetRow kOutsideYears1To9999[] = {
    {"YearPastYear9999", 2958101 /* 1 January 9999 */, dkYears, 1, kRaises},
    {"MonthBeforeYear1", -693593 /* 1 January 0001 */, dkMonths, -1, kRaises},
    {"YearsBeyond16Bits", kJune15Of2004, dkYears, 65537, kRaises},
    {"MonthsBeyond16BitYears", kJune15Of2004, dkMonths, 786432, kRaises},
    {"YearsFarBelowYear1", kJune15Of2004, dkYears, -2147483647.0L, kRaises},
    {"YearsBeyond64Bits", kJune15Of2004, dkYears, 1e30L, kRaises},
    {"MonthsBeyond64Bits", kJune15Of2004, dkMonths, 1e30L, kRaises},
    {"MonthsBelow64Bits", kJune15Of2004, dkMonths, -1e30L, kRaises},
    {"MonthsJustBelowInt64Max", kJune15Of2004, dkMonths, 9223372036854775800.0L, kRaises},
    {"InfiniteYears", kJune15Of2004, dkYears, std::numeric_limits<long double>::infinity(),
     kRaises},
    {"ZeroMonthsAfterYear9999", kAfterYear9999, dkMonths, 0, kRaises},
    {"ZeroYearsAfterYear9999", kAfterYear9999, dkYears, 0, kRaises},
    {"ZeroMonthsBeforeYear1", kBeforeYear1, dkMonths, 0, kRaises},
    {"ZeroYearsBeforeYear1", kBeforeYear1, dkYears, 0, kRaises},
    {"YearsIntoRangeFromBeforeYear1", kBeforeYear1, dkYears, 5, kRaises},
    {"MonthsIntoRangeFromBeforeYear1", kBeforeYear1, dkMonths, 60, kRaises},
};
INSTANTIATE_TEST_SUITE_P(OutsideYears1To9999, CalendarOffsets,
                         testing::ValuesIn(kOutsideYears1To9999), RowName{});

// A clamp is not undone by a later step.
TEST(AddMonthsClamped, ClampIsNotUndoneByNextMonth) {
    const TDateTime Sep30 = AddDateUnits(dkMonths, Ymd(2004, 8, 31), 1);
    EXPECT_EQ(Sep30, Ymd(2004, 9, 30));
    EXPECT_EQ(AddDateUnits(dkMonths, Sep30, 1), Ymd(2004, 10, 30));
    EXPECT_EQ(AddMonthsClamped(Ymd(2004, 8, 31), 2), Ymd(2004, 10, 31));
}

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
    testing::Values(FractionRow{"HalfDay", 37987, dkDays, 1.5L, 37988.5},
                    FractionRow{"HalfWeek", 37987, dkWeeks, 0.5L, 37990.5},
                    FractionRow{"MinusHalfFortnight", 37987, dkFortnights, -0.5L, 37980},
                    FractionRow{"YearAndAHalfIs36525HundredthsOfADayMore", 37987, dkYears, 1.5L,
                                38353 + 182.625},
                    FractionRow{"NegativeYearFraction", 38353, dkYears, -1.5L, 37987 - 182.625},
                    FractionRow{"MonthAndAHalfIsFifteenDaysMore", 38001, dkMonths, 1.5L,
                                38032 + 15},
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
    testing::Values(HugeWeekdayRow{"MondayPlusHundredMillion", 37991, 1e8L, 140000000},
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
