// Working days: the days of the week that are not the weekend, less a set of
// holidays. The weekday unit of the date core counts Monday to Friday; these
// routines count and step over the working days of any weekend and any
// holidays by the same rules:
// * A count never counts the earlier date and counts the later one when it is
//   a working day; it is signed like every other count.
// * Adding N working days gives the N-th working day after the date (before it
//   for a negative N), the date itself not counted; 0 leaves the date alone,
//   even on a holiday or at the weekend.
// Both work on whole weeks plus a remainder, less the holidays in range found
// by binary search: constant time in the distance, logarithmic in the
// holidays. Toolkit-free.
#pragma once

#include "DateRoutines.h"

#include <array>
#include <cstdint>
#include <stdexcept>
#include <vector>

// A set of days of the week: bit WeekdayOf(D) - 1, so bit 0 is Sunday and
// bit 6 Saturday.
struct TWeekdaySet {
    std::uint8_t Bits = 0;

    // Weekday: 1 (Sunday) to 7 (Saturday), as WeekdayOf gives.
    constexpr bool Has(int Weekday) const { return (Bits >> (Weekday - 1)) & 1; }
    constexpr TWeekdaySet With(int Weekday) const {
        return {static_cast<std::uint8_t>(Bits | 1u << (Weekday - 1))};
    }
    constexpr TWeekdaySet Without(int Weekday) const {
        return {static_cast<std::uint8_t>(Bits & ~(1u << (Weekday - 1)))};
    }
    constexpr bool AllDays() const { return (Bits & 0x7F) == 0x7F; }
    friend constexpr bool operator==(TWeekdaySet, TWeekdaySet) = default;
};

// Saturday and Sunday: the weekend of the weekday unit.
inline constexpr TWeekdaySet kSaturdaySunday{(1u << 0) | (1u << 6)};

// What a TWorkingDayError reports, for callers that word the message in
// another language.
enum TWorkingDayProblem : std::uint8_t {
    wpNoWorkingDay = 0, // the weekend holds all seven days
};

struct TWorkingDayError : std::runtime_error {
    TWorkingDayProblem Problem;
    TWorkingDayError(TWorkingDayProblem P, const char* What)
        : std::runtime_error(What), Problem(P) {}
};

// A weekend and the holidays that fall on the other days.
class TWorkingCalendar {
public:
    // Raises TWorkingDayError(wpNoWorkingDay) when Weekend holds every day.
    // Holidays are day numbers (whole parts of TDateTime) in any order, with
    // repeats; those that fall on the weekend are dropped, as they are no
    // working days anyway.
    explicit TWorkingCalendar(TWeekdaySet Weekend = kSaturdaySunday,
                              const std::vector<std::int32_t>& Holidays = {});

    TWeekdaySet Weekend() const { return FWeekend; }
    // The holidays kept: sorted, each once, none at the weekend.
    const std::vector<std::int32_t>& Holidays() const { return FHolidays; }

    // The days of a week that are not at the weekend, 1 to 7.
    int WorkingDaysPerWeek() const { return FPerWeek; }

    // The working days from day Start to day End (see the notes above),
    // exact in 64 bits for every pair of day numbers below 2^60 in size.
    std::int64_t Between(std::int64_t Start, std::int64_t End) const;

    // The day N working days from day Day (see the notes above). Precondition:
    // |Day| and |N| below 2^60.
    std::int64_t Add(std::int64_t Day, std::int64_t N) const;

private:
    // Ordinal of day X among the days that are not at the weekend: one more
    // for each such day, counted from a fixed day; increasing.
    std::int64_t Ordinal(std::int64_t X) const;
    // The day of the not-weekend day with ordinal O.
    std::int64_t DayOfOrdinal(std::int64_t O) const;
    // The holidays up to day Day (Before: before it), by the block index.
    std::int64_t HolidaysUpTo(std::int64_t Day) const;
    std::int64_t HolidaysBefore(std::int64_t Day) const { return HolidaysUpTo(Day - 1); }

    // Ordinals of the holidays less their index: never decreasing, so the
    // holidays that an add steps over are found by one search.
    std::vector<std::int64_t> FShiftedOrdinals;
    std::vector<std::int32_t> FHolidays;
    // A block index of the holidays: FBlockFirst[B] is the index of the first
    // holiday on or after day FFirstBlockDay + B * kBlockDays, so that the
    // holidays up to a day are found by one look-up and a short scan instead
    // of a binary search, which a batch of counts would pay on every line.
    static constexpr int kBlockShift = 5; // blocks of 32 days
    std::vector<std::uint32_t> FBlockFirst;
    std::int64_t FFirstBlockDay = 0;
    TWeekdaySet FWeekend;
    int FPerWeek = 5;                       // working days in a week
    std::array<std::int8_t, 7> FUpTo{};     // not-weekend days among the first 1 to 7 of a week
    std::array<std::int8_t, 7> FPosition{}; // the J-th not-weekend day of a week, from 0
};

// The working days from StartDate to EndDate, by their day numbers, signed
// and saturated at the 32-bit limits like WeekdaysBetween (which equals it
// for a calendar of Saturday and Sunday without holidays).
std::int32_t WorkingDaysBetween(const TWorkingCalendar& Calendar, TDateTime StartDate,
                                TDateTime EndDate);

// ADate moved by the whole part of Amount working days, keeping its time of
// day, like AddDateUnits(dkWeekdays, ...) for a calendar of Saturday and
// Sunday without holidays.
TDateTime AddWorkingDays(const TWorkingCalendar& Calendar, TDateTime ADate, long double Amount);
