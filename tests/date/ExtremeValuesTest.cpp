// Values the program never produces: infinities, NaN and numbers beyond 64
// or 32 bits (amounts reach the core as 32-bit integers). The core answers
// them by saturating, and the sanitizer build checks that it does so without
// undefined behaviour. Table rows with such values stay in their own tables
// (SplitDateCases, CalendarOffsets); every other such test is here.
#include "DateTestSupport.h"

#include <cmath>
#include <cstdint>
#include <limits>

namespace {

constexpr long double kNaN = std::numeric_limits<long double>::quiet_NaN();
constexpr long double kInfinity = std::numeric_limits<long double>::infinity();

struct PartsRow {
    const char* Name;
    long double X;
    std::int64_t Whole;
    long double Fraction; // NaN: FractionPart gives NaN
};

class WholeAndFractionPart : public testing::TestWithParam<PartsRow> {};

TEST_P(WholeAndFractionPart, SplitTowardsZero) {
    const PartsRow& R = GetParam();
    EXPECT_EQ(WholePart(R.X), R.Whole);
    if (std::isnan(R.Fraction)) {
        EXPECT_TRUE(std::isnan(FractionPart(R.X)));
    } else {
        EXPECT_EQ(FractionPart(R.X), R.Fraction);
    }
}

const std::int64_t kInt64Max = std::numeric_limits<std::int64_t>::max();
const std::int64_t kInt64Min = std::numeric_limits<std::int64_t>::min();

const PartsRow kParts[] = {
    {"PositiveFraction", 2.75L, 2, 0.75L},
    {"NegativeFractionKeepsSign", -2.75L, -2, -0.75L},
    {"WholeNumber", 36526.0L, 36526, 0.0L},
    {"BelowOne", 0.5L, 0, 0.5L},
    {"LargestExactBelow2To63", 9223372036854775807.0L - 1.0L, 9223372036854775806, 0.0L},
    {"BeyondInt64SaturatesHigh", 1e30L, kInt64Max, 0.0L},
    {"BeyondInt64SaturatesLow", -1e30L, kInt64Min, 0.0L},
    {"ExactlyMinus2To63", -9223372036854775808.0L, kInt64Min, 0.0L},
    {"NotANumberGivesZero", kNaN, 0, kNaN},
    {"InfinitySaturatesHigh", kInfinity, kInt64Max, kNaN},
};
INSTANTIATE_TEST_SUITE_P(Values, WholeAndFractionPart, testing::ValuesIn(kParts), RowName{});

TEST(SplitDate, ValuesBeyond64BitsSaturateWithoutFailing) {
    const TDateParts Huge = SplitDate(1e300);
    EXPECT_GT(Huge.Year, std::int64_t{1} << 54);
    EXPECT_GE(Huge.Month, 1);
    EXPECT_LE(Huge.Month, 12);
    EXPECT_EQ(SplitDate(std::numeric_limits<double>::infinity()), Huge);
}

TEST(WeekdayOf, SaturatedDaysStayInRange) {
    for (double D : {1e300, -1e300, std::numeric_limits<double>::quiet_NaN()}) {
        const int W = WeekdayOf(D);
        EXPECT_GE(W, 1);
        EXPECT_LE(W, 7);
    }
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

TEST(DateUnitsBetween, CountsBeyond32BitsSaturate) {
    EXPECT_EQ(DateUnitsBetween(dkDays, 0, 1e12), 2147483647);
    EXPECT_EQ(DateUnitsBetween(dkDays, 1e12, 0), -2147483647 - 1);
    EXPECT_EQ(DateUnitsBetween(dkWeeks, -1e300, 1e300), 2147483647);
    EXPECT_EQ(DateUnitsBetween(dkWeekdays, 1e300, -1e300), -2147483647 - 1);
    EXPECT_EQ(DateUnitsBetween(dkMonths, 0, 1e12), 2147483647);
    // 89,407,088,697 days after 1 January of year 1: 611,970 whole 400-year
    // cycles of 146,097 days (244,788,000 years) and 107,607 days more, which
    // from 1 January of year 1 reach 15 August of year 295. So the far date
    // is 15 August 244,788,295: some 2.9 thousand million months, beyond 32
    // bits, but 244,788,294 whole years, which fit.
    const TDateTime Year1 = Ymd(1, 1, 1);
    const TDateTime Far = Year1 + 89407088697.0;
    EXPECT_EQ(SplitDate(Far), (TDateParts{244788295, 8, 15}));
    EXPECT_EQ(DateUnitsBetween(dkMonths, Year1, Far), 2147483647);
    EXPECT_EQ(DateUnitsBetween(dkYears, Year1, Far), 244788294);
    EXPECT_EQ(DateUnitsBetween(dkYears, Far, Year1), -244788294);
}

} // namespace
