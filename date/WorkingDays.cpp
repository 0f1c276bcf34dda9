#include "WorkingDays.h"

#include "internal/DayCount.h"

#include <algorithm>
#include <bit>

namespace {

using morvane::date_internal::DayNumberOf;
using morvane::date_internal::SplitValue;
using morvane::date_internal::ToCount;

// Day numbers and amounts are held within these bounds, where every sum and
// product below stays exact in 64 bits; days that far out are beyond any
// calendar anyway, and counts saturate at the 32-bit limits long before.
constexpr std::int64_t kFarDay = std::int64_t{1} << 59;

std::int64_t Bounded(std::int64_t X) {
    return std::clamp(X, -kFarDay, kFarDay);
}

// A / B rounded down (B > 0), for days and ordinals before 0 as well.
std::int64_t FloorDiv(std::int64_t A, std::int64_t B) {
    return A >= 0 ? A / B : -((B - 1 - A) / B);
}

// The weekday (1 = Sunday ... 7 = Saturday) of the day at position R
// (0 to 6) of a week that starts on a Saturday, as day 0 does.
constexpr int WeekdayAtPosition(int R) {
    return (R + 6) % 7 + 1;
}

} // namespace

TWorkingCalendar::TWorkingCalendar(TWeekdaySet Weekend, const std::vector<std::int32_t>& Holidays)
    : FWeekend{static_cast<std::uint8_t>(Weekend.Bits & 0x7F)} {
    if (FWeekend.AllDays()) {
        throw TWorkingDayError(wpNoWorkingDay, "The weekend leaves no working day");
    }
    FPerWeek = 7 - std::popcount(FWeekend.Bits);
    int Count = 0;
    for (int R = 0; R < 7; ++R) {
        if (!FWeekend.Has(WeekdayAtPosition(R))) {
            FPosition[static_cast<std::size_t>(Count++)] = static_cast<std::int8_t>(R);
        }
        FUpTo[static_cast<std::size_t>(R)] = static_cast<std::int8_t>(Count);
    }
    FHolidays.reserve(Holidays.size());
    for (const std::int32_t H : Holidays) {
        if (!FWeekend.Has(WeekdayOf(H))) {
            FHolidays.push_back(H);
        }
    }
    std::sort(FHolidays.begin(), FHolidays.end());
    FHolidays.erase(std::unique(FHolidays.begin(), FHolidays.end()), FHolidays.end());
    FShiftedOrdinals.reserve(FHolidays.size());
    for (std::size_t I = 0; I < FHolidays.size(); ++I) {
        FShiftedOrdinals.push_back(Ordinal(FHolidays[I]) - static_cast<std::int64_t>(I));
    }
    if (!FHolidays.empty()) {
        FFirstBlockDay = FHolidays.front();
        const std::int64_t Blocks = ((FHolidays.back() - FFirstBlockDay) >> kBlockShift) + 1;
        FBlockFirst.resize(static_cast<std::size_t>(Blocks));
        std::size_t I = 0;
        for (std::int64_t B = 0; B < Blocks; ++B) {
            const std::int64_t Start = FFirstBlockDay + (B << kBlockShift);
            while (FHolidays[I] < Start) // the last holiday lies in the last block
                ++I;
            FBlockFirst[static_cast<std::size_t>(B)] = static_cast<std::uint32_t>(I);
        }
    }
}

std::int64_t TWorkingCalendar::HolidaysUpTo(std::int64_t Day) const {
    if (FHolidays.empty() || Day < FFirstBlockDay)
        return 0;
    if (Day >= FHolidays.back())
        return static_cast<std::int64_t>(FHolidays.size());
    // A block holds at most 32 holidays, most often none or one.
    std::size_t I = FBlockFirst[static_cast<std::size_t>((Day - FFirstBlockDay) >> kBlockShift)];
    while (FHolidays[I] <= Day)
        ++I;
    return static_cast<std::int64_t>(I);
}

std::int64_t TWorkingCalendar::Ordinal(std::int64_t X) const {
    const std::int64_t W = FloorDiv(X, 7);
    return FPerWeek * W + FUpTo[static_cast<std::size_t>(X - 7 * W)];
}

std::int64_t TWorkingCalendar::DayOfOrdinal(std::int64_t O) const {
    const std::int64_t W = FloorDiv(O - 1, FPerWeek);
    return 7 * W + FPosition[static_cast<std::size_t>(O - 1 - FPerWeek * W)];
}

std::int64_t TWorkingCalendar::Between(std::int64_t Start, std::int64_t End) const {
    const bool Swapped = Start > End;
    const std::int64_t Early = Bounded(Swapped ? End : Start);
    const std::int64_t Late = Bounded(Swapped ? Start : End);
    // The days off the weekend after Early up to Late, less the holidays
    // among them.
    const std::int64_t Count =
        Ordinal(Late) - Ordinal(Early) - (HolidaysUpTo(Late) - HolidaysUpTo(Early));
    return Swapped ? -Count : Count;
}

// With Q(i) = Ordinal(holiday i) - i, never decreasing: forwards, the
// holidays after Day that the result steps over are those i past the ones
// up to Day (I0 of them) with Ordinal(holiday i) <= Ordinal(Day) + N + (i -
// I0), that is Q(i) <= Ordinal(Day) + N - I0, which a binary search finds.
// Backwards the same with the holidays before Day, from the other end.
std::int64_t TWorkingCalendar::Add(std::int64_t Day, std::int64_t N) const {
    if (N == 0) {
        return Day;
    }
    Day = Bounded(Day);
    N = Bounded(N);
    const std::int64_t Count = static_cast<std::int64_t>(FShiftedOrdinals.size());
    const auto Q = [&](std::int64_t I) { return FShiftedOrdinals[static_cast<std::size_t>(I)]; };
    if (N > 0) {
        const std::int64_t I0 = HolidaysUpTo(Day);
        const std::int64_t Base = Ordinal(Day);
        // The first I at or after I0 with Q(I) > Base + N - I0: searched in
        // growing steps from I0, as a short step meets few holidays.
        const std::int64_t Limit = Base + N - I0;
        std::int64_t Low = I0, Step = 1; // Q(i) <= Limit for every i < Low
        while (Low + Step <= Count && Q(Low + Step - 1) <= Limit) {
            Low += Step;
            Step *= 2;
        }
        const std::int64_t High = std::min(Count, Low + Step);
        const std::int64_t End = std::upper_bound(FShiftedOrdinals.begin() + Low,
                                                  FShiftedOrdinals.begin() + High, Limit) -
                                 FShiftedOrdinals.begin();
        return DayOfOrdinal(Base + N + (End - I0));
    }
    // The M-th day off the weekend before Day has ordinal Last - M + 1; the
    // holidays it steps over are those i before I1 with Q(i) >= Last - M + 2
    // - I1, searched in growing steps down from I1.
    const std::int64_t M = -N;
    const std::int64_t I1 = HolidaysBefore(Day);
    const std::int64_t Last = Ordinal(Day - 1);
    const std::int64_t Limit = Last - M + 2 - I1;
    std::int64_t High = I1, Step = 1; // Q(i) >= Limit for every i in [High, I1)
    while (High - Step >= 0 && Q(High - Step) >= Limit) {
        High -= Step;
        Step *= 2;
    }
    const std::int64_t Low = std::max<std::int64_t>(0, High - Step);
    const std::int64_t Start =
        std::lower_bound(FShiftedOrdinals.begin() + Low, FShiftedOrdinals.begin() + High, Limit) -
        FShiftedOrdinals.begin();
    return DayOfOrdinal(Last - M + 1 - (I1 - Start));
}

std::int32_t WorkingDaysBetween(const TWorkingCalendar& Calendar, TDateTime StartDate,
                                TDateTime EndDate) {
    // The full values decide which date is the earlier, as for every count.
    const bool Swapped = StartDate > EndDate;
    const std::int64_t Early = DayNumberOf(Swapped ? EndDate : StartDate);
    const std::int64_t Late = DayNumberOf(Swapped ? StartDate : EndDate);
    const std::int64_t Count = Calendar.Between(Early, Late);
    return ToCount(Swapped ? -Count : Count);
}

TDateTime AddWorkingDays(const TWorkingCalendar& Calendar, TDateTime ADate, long double Amount) {
    const std::int64_t N = SplitValue(Amount).Whole;
    if (N == 0) {
        return ADate;
    }
    const std::int64_t Day = Bounded(DayNumberOf(ADate));
    const std::int64_t Moved = Calendar.Add(Day, N) - Day;
    return static_cast<TDateTime>(static_cast<long double>(ADate) +
                                  static_cast<long double>(Moved));
}
