// Calendar primitives: building and splitting dates, the weekday, the leap
// year rule, whole and fractional parts, and the local clock.
#include "DateRoutines.h"

#include <chrono>
#include <cmath>
#include <ctime>
#include <limits>
#include <string>

#ifdef _WIN32
#ifndef NOMINMAX
#define NOMINMAX
#endif
#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#include <windows.h>
#endif

namespace {

std::string ConvertMessage(TConvertProblem Problem, const std::string& Text) {
    if (Problem == cpNotInteger) {
        std::string Message = kNotIntegerMessage;
        return Message.replace(Message.find("%1"), 2, Text);
    }
    return kDateEncodeMessage;
}

} // namespace

TConvertError::TConvertError(TConvertProblem Problem, const std::string& Text)
    : std::runtime_error(ConvertMessage(Problem, Text)), FProblem(Problem), FText(Text) {}

namespace morvane::date_internal {

void RaiseEncodeError() {
    throw TConvertError(cpDateEncode);
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
    // A fraction within half a millisecond of the next day rounds up to it:
    // its milliseconds round to a whole day from 86399999.5 on (halves away
    // from zero). Compared without a rounding call, which would be the only
    // reason for morvane-calc to load the math library.
    if (std::fabs(Fraction) * kMsPerDay >= kMsPerDay - 0.5) {
        return Fraction > 0 ? P.Whole + 1 : P.Whole - 1;
    }
    return P.Whole;
}

} // namespace morvane::date_internal

namespace {

// The local clock's reading, to the millisecond.
struct TLocalClock {
    std::int64_t Year;
    int Month, Day, Hour, Minute, Second, Millisecond;
};

TLocalClock ReadLocalClock() {
#ifdef _WIN32
    // The Windows clock in the user's Windows time zone.
    SYSTEMTIME Local;
    GetLocalTime(&Local);
    return {Local.wYear,   Local.wMonth,  Local.wDay,         Local.wHour,
            Local.wMinute, Local.wSecond, Local.wMilliseconds};
#else
    using namespace std::chrono;
    const system_clock::time_point Now = system_clock::now();
    const std::time_t Seconds = system_clock::to_time_t(Now);
    std::tm Local{};
    localtime_r(&Seconds, &Local);
    auto Millis = duration_cast<milliseconds>(Now.time_since_epoch()).count() % 1000;
    if (Millis < 0) {
        Millis += 1000;
    }
    return {Local.tm_year + std::int64_t{1900},
            Local.tm_mon + 1,
            Local.tm_mday,
            Local.tm_hour,
            Local.tm_min,
            Local.tm_sec,
            static_cast<int>(Millis)};
#endif
}

} // namespace

TDateTime CurrentDateTime() {
    const TLocalClock Now = ReadLocalClock();
    const double MsOfDay = ((Now.Hour * 60.0 + Now.Minute) * 60.0 + Now.Second) * 1000.0 +
                           static_cast<double>(Now.Millisecond);
    return MakeDate(Now.Year, Now.Month, Now.Day) + MsOfDay / 86400000.0;
}

TIsoWeek IsoWeekOf(TDateTime D) {
    // The week belongs to the year of its Thursday, and the Thursdays of a
    // year fall on its days 1-7, 8-14, ...: one week each.
    const TDateTime Thursday = static_cast<TDateTime>(WholePart(D) + (4 - IsoWeekdayOf(D)));
    const TDateParts P = SplitDate(Thursday);
    return {P.Year, (DayOfYear(P) - 1) / 7 + 1};
}
