// Working days less the holidays of a THolidaySet, for calculations that
// may touch any year: the calendar covers a range of years, holds the
// holidays of those years only, and widens the range when a calculation
// reaches past it. Widening rebuilds the working-day calendar, so it grows
// at least twofold each time (a batch of dates over many years rebuilds it
// a handful of times); a calculation inside the range costs two comparisons
// more than the working-day calendar's. Years outside 1 to 9999 hold no
// holidays.
#pragma once

#include "HolidaySet.h"
#include "WorkingDays.h"

#include <cstdint>
#include <limits>
#include <vector>

class THolidayCalendar {
public:
    // Raises TWorkingDayError(wpNoWorkingDay) when Weekend holds all seven
    // days. With an empty set and Saturday and Sunday it is the weekday unit.
    explicit THolidayCalendar(THolidaySet Holidays, TWeekdaySet Weekend = kSaturdaySunday);

    // The working days from Start to End, as WorkingDaysBetween counts them
    // (signed, saturated at the 32-bit limits). May raise std::bad_alloc.
    std::int32_t Between(TDateTime Start, TDateTime End) {
        if (!(InCover(Start) && InCover(End)))
            Widen(Start, End);
        return WorkingDaysBetween(FCalendar, Start, End);
    }

    // Date moved by the whole part of Amount working days, keeping its time
    // of day, as AddWorkingDays moves it. May raise std::bad_alloc.
    TDateTime Add(TDateTime Date, long double Amount) {
        if (InCover(Date)) {
            const TDateTime Result = AddWorkingDays(FCalendar, Date, Amount);
            if (InCover(Result))
                return Result;
        }
        return AddWidening(Date, Amount);
    }

    // The years covered so far (FirstYear() > LastYear() before the first
    // calculation).
    int FirstYear() const { return FFirstYear; }
    int LastYear() const { return FLastYear; }

private:
    THolidaySet FHolidays;
    TWeekdaySet FWeekend;
    TWorkingCalendar FCalendar;
    std::vector<std::int32_t> FDays; // the holidays of the years covered
    int FFirstYear = 1, FLastYear = 0;
    // The values whose day lies a day or more inside the years covered, so
    // that however a value's day is taken (rounded or truncated) its day is
    // covered; unbounded at year 1 and year 9999.
    double FLow = std::numeric_limits<double>::infinity();
    double FHigh = -std::numeric_limits<double>::infinity();

    bool InCover(TDateTime D) const { return D >= FLow && D <= FHigh; }

    // Widens the cover to the years of the days around From and To; false
    // when it held them already.
    bool Widen(TDateTime From, TDateTime To);
    TDateTime AddWidening(TDateTime Date, long double Amount);
};
