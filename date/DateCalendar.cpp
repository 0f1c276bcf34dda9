// Calendar primitives: building and splitting dates, the weekday, the leap
// year rule, whole and fractional parts, and the local clock.
#include "DateRoutines.h"

#include "DayCount.h"

#include <chrono>
#include <cmath>
#include <ctime>
#include <limits>

using namespace morvane::daycount;

namespace {

// Every date on or before 31 December of year 0 has a day number at or below
// this one.
constexpr std::int64_t kLastDayOfYear0 = -693594;

[[noreturn]] [[gnu::noinline]] [[gnu::cold]] void RaiseEncodeError() {
    throw TConvertError("Invalid argument to date encode");
}

} // namespace

bool YearIsLeap(std::int64_t Year) {
    // Divisible by 4, and not by 100 unless by 400; since 100 = 4 x 25 and
    // 400 = 16 x 25, that is: divisible by 4, and not by 25 unless by 16.
    // The bit tests work for negative years too (two's complement).
    return (Year & 3) == 0 && (Year % 25 != 0 || (Year & 15) == 0);
}

int MonthLength(std::int64_t Year, int Month) {
    if (Month == 2) {
        return YearIsLeap(Year) ? 29 : 28;
    }
    if (Month < 1 || Month > 12) {
        return 0;
    }
    // 31 for January, March, May, July, August, October, December.
    return 30 + ((Month + (Month >> 3)) & 1);
}

TDateTime MakeDate(std::int64_t Year, int Month, int Day) {
    if (Year < 1 || Year > 9999 || Month < 1 || Month > 12 || Day < 1 ||
        Day > MonthLength(Year, Month)) {
        RaiseEncodeError();
    }
    const std::uint32_t Shifted =
        ShiftedFromCivil(static_cast<std::uint32_t>(Year), static_cast<std::uint32_t>(Month),
                         static_cast<std::uint32_t>(Day));
    return static_cast<TDateTime>(static_cast<std::int64_t>(Shifted) - kShift);
}

TDateParts SplitDate(TDateTime D) {
    const std::int64_t Day = DayNumberOf(D);
    if (Day <= kLastDayOfYear0) {
        return {0, 0, 0};
    }
    // Day + kShift > 0 here; the unsigned sum also covers days near INT64_MAX.
    const std::uint64_t N = static_cast<std::uint64_t>(Day) + kShift;
    if (N <= kMaxFastShifted) {
        const Civil C = CivilFromShifted(static_cast<std::uint32_t>(N));
        return {C.Year, static_cast<int>(C.Month), static_cast<int>(C.Day)};
    }
    // Beyond some 2.9 million years: take whole 400-year cycles off first.
    const std::uint64_t Cycles = N / kDaysPer400Years; // < 2^47
    const Civil C = CivilFromShifted(static_cast<std::uint32_t>(N - Cycles * kDaysPer400Years));
    return {static_cast<std::int64_t>(Cycles * 400 + C.Year), static_cast<int>(C.Month),
            static_cast<int>(C.Day)};
}

int WeekdayOf(TDateTime D) {
    // Day 0 is a Saturday (7): weekday = (day mod 7 + 6) mod 7 + 1, with the
    // remainder floored so that days before year 1 work the same way.
    std::int64_t R = DayNumberOf(D) % 7; // [-6, 6]
    if (R < 0) {
        R += 7;
    }
    R += 6;
    if (R >= 7) {
        R -= 7;
    }
    return static_cast<int>(R) + 1;
}

std::int64_t WholePart(long double x) {
    if (std::fabs(x) < 0x1p63L) {
        return static_cast<std::int64_t>(x);
    }
    if (x > 0) {
        return std::numeric_limits<std::int64_t>::max();
    }
    if (x < 0) {
        return std::numeric_limits<std::int64_t>::min();
    }
    return 0; // NaN
}

long double FractionPart(long double x) {
    return x - std::trunc(x);
}

TDateTime CurrentDateTime() {
    using namespace std::chrono;
    const system_clock::time_point Now = system_clock::now();
    const std::time_t Seconds = system_clock::to_time_t(Now);
    std::tm Local{};
#ifdef _WIN32
    localtime_s(&Local, &Seconds);
#else
    localtime_r(&Seconds, &Local);
#endif
    auto Millis = duration_cast<milliseconds>(Now.time_since_epoch()).count() % 1000;
    if (Millis < 0) {
        Millis += 1000;
    }
    const double MsOfDay =
        ((Local.tm_hour * 60.0 + Local.tm_min) * 60.0 + Local.tm_sec) * 1000.0 +
        static_cast<double>(Millis);
    return MakeDate(Local.tm_year + std::int64_t{1900}, Local.tm_mon + 1, Local.tm_mday) +
           MsOfDay / 86400000.0;
}
