#include "HolidayCalendar.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr int kFirstYear = 1;
constexpr int kLastYear = 9999;
// Days held within this bound, where every sum below stays exact; the
// years 1 to 9999 lie well inside.
constexpr double kFarDay = 0x1p52;

// The day at or before D, bounded; 0 for NaN.
double DayFloor(double D) {
    return std::isnan(D) ? 0 : std::floor(std::clamp(D, -kFarDay, kFarDay));
}

// The year of day number Day, held within the years 1 to 9999.
int YearOf(double Day) {
    const TDateParts P = SplitDate(Day);
    return static_cast<int>(std::clamp<std::int64_t>(P.Year, kFirstYear, kLastYear));
}

} // namespace

THolidayCalendar::THolidayCalendar(THolidaySet Holidays, TWeekdaySet Weekend)
    : FHolidays(std::move(Holidays)), FWeekend(Weekend), FCalendar(Weekend) {
    // Without holidays every year is covered from the start.
    if (FHolidays.Empty()) {
        FFirstYear = kFirstYear;
        FLastYear = kLastYear;
        FLow = -std::numeric_limits<double>::infinity();
        FHigh = std::numeric_limits<double>::infinity();
    }
}

bool THolidayCalendar::Widen(TDateTime From, TDateTime To) {
    // A day more on each side, for InCover's margin.
    const int Low = YearOf(std::min(DayFloor(From), DayFloor(To)) - 1);
    const int High = YearOf(std::max(DayFloor(From), DayFloor(To)) + 2);
    int First = Low, Last = High;
    if (FFirstYear <= FLastYear) {
        // Twice as wide at least, on the side that grows.
        const int Width = FLastYear - FFirstYear + 1;
        First =
            Low < FFirstYear ? std::max(kFirstYear, std::min(Low, FFirstYear - Width)) : FFirstYear;
        Last =
            High > FLastYear ? std::min(kLastYear, std::max(High, FLastYear + Width)) : FLastYear;
        if (First == FFirstYear && Last == FLastYear)
            return false;
        std::vector<std::int32_t> Days = FHolidays.DaysIn(First, FFirstYear - 1);
        Days.insert(Days.end(), FDays.begin(), FDays.end());
        const std::vector<std::int32_t> Later = FHolidays.DaysIn(FLastYear + 1, Last);
        Days.insert(Days.end(), Later.begin(), Later.end());
        FDays = std::move(Days);
    } else {
        FDays = FHolidays.DaysIn(First, Last);
    }
    FCalendar = TWorkingCalendar(FWeekend, FDays);
    FFirstYear = First;
    FLastYear = Last;
    FLow =
        First == kFirstYear ? -std::numeric_limits<double>::infinity() : MakeDate(First, 1, 1) + 1;
    FHigh =
        Last == kLastYear ? std::numeric_limits<double>::infinity() : MakeDate(Last, 12, 31) - 1;
    return true;
}

TDateTime THolidayCalendar::AddWidening(TDateTime Date, long double Amount) {
    // Cover the start and where the weekend alone would lead, then widen to
    // each result that falls outside: holidays only push a result further,
    // so this ends, at the latest when the cover holds every year (or a
    // value that is no date, NaN, widens it no more).
    const long double N = std::trunc(std::clamp<long double>(Amount, -kFarDay, kFarDay));
    const double Reach = static_cast<double>(N * 7 / FCalendar.WorkingDaysPerWeek());
    const double Start = DayFloor(Date);
    Widen(Start, DayFloor(Start + Reach));
    for (;;) {
        const TDateTime Result = AddWorkingDays(FCalendar, Date, Amount);
        if (InCover(Result) || !Widen(Start, Result))
            return Result;
    }
}
