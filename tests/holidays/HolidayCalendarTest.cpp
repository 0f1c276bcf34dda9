// THolidayCalendar, which covers the years it has been asked about and
// widens on demand: the same answers as a working-day calendar made from
// the holidays of every year at once, whatever the order of the questions;
// without holidays, the weekday unit itself.
#include "HolidayCalendar.h"
#include "HolidayTestSupport.h"
#include "IcalModule.h"

#include <gtest/gtest.h>

#include <random>

namespace {

// Holidays in every year: a list of scattered days and runs, and the
// published calendar's yearly rules.
THolidaySet BusySet(const TScratchFolder& Folder) {
    std::mt19937 Random(9999);
    std::uniform_int_distribution<std::int32_t> Day(IsoDay("0001-01-01"), IsoDay("9999-12-31"));
    const auto Iso = [](std::int32_t D) {
        char Text[10];
        WriteIsoDate(Text, SplitDate(D));
        return std::string(Text, 10);
    };
    std::string List = "0001-01-01..0001-01-10\n9999-12-20..9999-12-31\n";
    for (int I = 0; I < 3000; ++I) {
        const std::int32_t D = Day(Random);
        // Every fiftieth a run of a week.
        List += Iso(D) + (I % 50 ? "" : ".." + Iso(std::min(D + 6, IsoDay("9999-12-31")))) + "\n";
    }
    THolidaySet Set(MorvaneCalcIcalModule());
    Set.AddFile(Folder.Write("busy.txt", List));
    Set.AddFile(std::string(MORVANE_HOLIDAY_DATA) + "/public-holidays.ics");
    return Set;
}

// Questions in random order over the whole calendar and beyond, near and
// far apart, forwards and backwards, with times of day.
TEST(HolidayCalendarCover, AnswersAsEveryYearAtOnce) {
    const TScratchFolder Folder("holiday-cover");
    const THolidaySet Set = BusySet(Folder);
    std::mt19937 Random(20261208);
    std::uniform_int_distribution<int> Weekends(0, 126);
    // From before year 1 to after year 9999.
    std::uniform_real_distribution<double> Day(-700000, 3100000);
    std::uniform_int_distribution<int> Near(-60, 60);
    std::uniform_int_distribution<int> Far(-2600000, 2600000);
    const std::vector<std::int32_t> Every = Set.DaysIn(1, 9999);
    for (int Calendar = 0; Calendar < 8; ++Calendar) {
        const TWeekdaySet Weekend{static_cast<std::uint8_t>(Calendar ? Weekends(Random) : 0x41)};
        const TWorkingCalendar Whole(Weekend, Every);
        THolidayCalendar Lazy(Set, Weekend);
        for (int Q = 0; Q < 3000; ++Q) {
            const TDateTime A = Day(Random);
            const TDateTime B = Q % 3 ? A + Near(Random) : Day(Random);
            ASSERT_EQ(Lazy.Between(A, B), WorkingDaysBetween(Whole, A, B))
                << "weekend " << int(Weekend.Bits) << ", " << A << " to " << B;
            const long double N = Q % 4 ? Near(Random) : Far(Random);
            ASSERT_EQ(Lazy.Add(A, N), AddWorkingDays(Whole, A, N))
                << "weekend " << int(Weekend.Bits) << ", " << A << " + " << double(N);
        }
    }
}

// Adds over many years in one step, both ways, from a cover of one year:
// the cover grows until it holds the result.
TEST(HolidayCalendarCover, LongAddsWidenToTheResult) {
    const TScratchFolder Folder("holiday-long-adds");
    const THolidaySet Set = BusySet(Folder);
    const TWorkingCalendar Whole(kSaturdaySunday, Set.DaysIn(1, 9999));
    const struct {
        const char* Start;
        long double Amount;
    } Rows[] = {{"2024-06-14", 2000000},  {"2024-06-14", -500000}, {"0005-03-01", 2600000},
                {"9990-01-01", -2600000}, {"2024-06-14", 1e8},     {"2024-06-14", -1e8}};
    for (const auto& Row : Rows) {
        THolidayCalendar Lazy(Set);
        const TDateTime Start = IsoDay(Row.Start) + 0.25;
        EXPECT_EQ(Lazy.Add(Start, Row.Amount), AddWorkingDays(Whole, Start, Row.Amount))
            << Row.Start << " + " << double(Row.Amount);
        // Once the cover holds the way there, the way back is inside it.
        const TDateTime End = Lazy.Add(Start, Row.Amount);
        EXPECT_EQ(Lazy.Between(Start, End), WorkingDaysBetween(Whole, Start, End)) << Row.Start;
    }
}

// An empty set with Saturday and Sunday is the weekday unit, and covers
// every year without ever widening.
TEST(HolidayCalendarEmpty, IsTheWeekdayUnit) {
    THolidayCalendar Calendar{THolidaySet()};
    EXPECT_EQ(Calendar.FirstYear(), 1);
    EXPECT_EQ(Calendar.LastYear(), 9999);
    std::mt19937 Random(5);
    std::uniform_real_distribution<double> Day(-800000, 3500000);
    std::uniform_int_distribution<int> Amount(-3000000, 3000000);
    for (int Q = 0; Q < 20000; ++Q) {
        const TDateTime A = Day(Random), B = Q % 2 ? A + Q % 40 : Day(Random);
        ASSERT_EQ(Calendar.Between(A, B), WeekdaysBetween(A, B)) << A << " to " << B;
        const long double N = Q % 3 ? Q % 11 - 5 : Amount(Random);
        ASSERT_EQ(Calendar.Add(A, N), AddDateUnits(dkWeekdays, A, N)) << A << " + " << double(N);
    }
}

} // namespace
