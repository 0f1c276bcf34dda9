// Calendar primitives: building and splitting dates, the weekday, the leap
// year rule, whole and fractional parts, and the local clock.
#include "DateRoutines.h"

#include <chrono>
#include <cmath>
#include <ctime>
#include <limits>

namespace morvane::date_internal {

void RaiseEncodeError() {
    throw TConvertError("Invalid argument to date encode");
}

TDateParts SplitOutsideFastRange(std::int64_t Day) {
    if (Day <= kLastDayOfYear0) {
        return {0, 0, 0};
    }
    // Millions of years on: whole 400-year cycles are taken off first, so
    // that the rest fits the 32-bit conversion. The unsigned sum also covers
    // days near INT64_MAX.
    const std::uint64_t N = static_cast<std::uint64_t>(Day) + kShift;
    const std::uint64_t Cycles = N / kDaysPer400Years; // < 2^47
    const Civil C = CivilFromShifted(static_cast<std::uint32_t>(N - Cycles * kDaysPer400Years));
    return {static_cast<std::int64_t>(Cycles * 400 + C.Year), static_cast<int>(C.Month),
            static_cast<int>(C.Day)};
}

TParts SplitWideValue(long double x) {
    const long double Fraction = x - std::trunc(x);
    if (std::fabs(x) < 0x1p63L) {
        return {static_cast<std::int64_t>(x), Fraction};
    }
    if (x > 0) {
        return {std::numeric_limits<std::int64_t>::max(), Fraction};
    }
    if (x < 0) {
        return {std::numeric_limits<std::int64_t>::min(), Fraction};
    }
    return {0, Fraction}; // NaN
}

std::int64_t DayNumberOfOther(double D) {
    constexpr double kMsPerDay = 86400000.0;
    const TParts P = SplitValue(D);
    const auto Fraction = static_cast<double>(P.Fraction); // a double's, so exact
    // A fraction within half a millisecond of the next day rounds up to it.
    if (std::round(std::fabs(Fraction) * kMsPerDay) >= kMsPerDay) {
        return Fraction > 0 ? P.Whole + 1 : P.Whole - 1;
    }
    return P.Whole;
}

} // namespace morvane::date_internal

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
    const double MsOfDay = ((Local.tm_hour * 60.0 + Local.tm_min) * 60.0 + Local.tm_sec) * 1000.0 +
                           static_cast<double>(Millis);
    return MakeDate(Local.tm_year + std::int64_t{1900}, Local.tm_mon + 1, Local.tm_mday) +
           MsOfDay / 86400000.0;
}
