// INTERNAL to the date core: not part of its interface and free to change.
// Include DateRoutines.h, never this file; nothing outside date/ may use the
// namespace morvane::date_internal.
//
// The serial day count and its conversion to and from the Gregorian calendar.
// The conversions are Euclidean affine functions in the manner of Neri and
// Schneider ("Euclidean affine functions and their application to calendar
// algorithms", 2022). They work on a "computational" count of days since
// 1 March of year 0, in which each year starts on 1 March, so that the leap
// day is the last day of its year and month lengths follow one straight-line
// pattern from March to the following February.
#pragma once

#include <cmath>
#include <cstdint>

#if defined(__SSE2__) || defined(_M_X64)
#include <emmintrin.h>
#endif

namespace morvane::date_internal {

// Day 0 (30 December 1899) is day 693899 of the computational count.
inline constexpr std::int64_t kShift = 693899;

// Largest computational day the 32-bit conversion takes: 4 * N + 3 must fit
// in 32 bits.
inline constexpr std::uint32_t kMaxFastShifted = (1u << 30) - 1;

// Days in 400 Gregorian years; the calendar repeats with this period.
inline constexpr std::uint32_t kDaysPer400Years = 146097;

// Every date on or before 31 December of year 0 has a day number at or below
// this one.
inline constexpr std::int64_t kLastDayOfYear0 = -693594;
// 1 January of year 1 in the computational count (306 days after 1 March 0).
inline constexpr std::uint32_t kShiftOfYear1 = 306;
static_assert(kLastDayOfYear0 + 1 + kShift == kShiftOfYear1);

// Month lengths of a common year, January first.
inline constexpr std::uint8_t kCommonMonthLength[12] = {31, 28, 31, 30, 31, 30,
                                                        31, 31, 30, 31, 30, 31};

// Weekday (1 = Sunday) for each truncated remainder of the day number by 7,
// from -6 to 6: ((R mod 7) + 6) mod 7 + 1.
inline constexpr std::uint8_t kWeekdayOfRemainder[13] = {1, 2, 3, 4, 5, 6, 7, 1, 2, 3, 4, 5, 6};

// Raises TConvertError("Invalid argument to date encode").
[[noreturn]] void RaiseEncodeError();

struct Civil {
    std::uint32_t Year;  // [0, 1073741823 / 365]
    std::uint32_t Month; // [1, 12]
    std::uint32_t Day;   // [1, 31]
};

// Returns the civil date of computational day N (0 is 1 March of year 0).
// Precondition: N <= kMaxFastShifted.
inline Civil CivilFromShifted(std::uint32_t N) {
    // Century.
    const std::uint32_t N1 = 4 * N + 3;
    const std::uint32_t C = N1 / kDaysPer400Years;      // [0, 29392]
    const std::uint32_t NC = N1 % kDaysPer400Years / 4; // day of century, [0, 36524]
    // Year.
    const std::uint32_t N2 = 4 * NC + 3;
    const std::uint64_t P2 = std::uint64_t{2939745} * N2;         // 2939745 / 2^32 ~ 4 / 1461
    const std::uint32_t Z = static_cast<std::uint32_t>(P2 >> 32); // year of century, [0, 99]
    const std::uint32_t NY = static_cast<std::uint32_t>(P2) / 2939745 / 4; // day of year, [0, 365]
    const std::uint32_t Y = 100 * C + Z;
    // Month.
    const std::uint32_t N3 = 2141 * NY + 197913;
    const std::uint32_t M = N3 >> 16;             // [3, 14], March = 3
    const std::uint32_t D = (N3 & 0xFFFF) / 2141; // [0, 30]
    // January and February belong to the next civil year. Arithmetic rather
    // than a branch: on shuffled days a branch would miss one time in six.
    const std::uint32_t J = NY >= 306 ? 1 : 0;
    return {Y + J, M - 12 * J, D + 1};
}

// Returns the computational day of a valid civil date.
// Precondition: 1 <= Year <= 9999, Month in [1, 12], Day in [1, 31].
inline std::uint32_t ShiftedFromCivil(std::uint32_t Year, std::uint32_t Month, std::uint32_t Day) {
    // Year that starts on 1 March.
    const std::uint32_t J = Month <= 2 ? 1 : 0;
    const std::uint32_t Y = Year - J;       // [0, 9999]
    const std::uint32_t M = Month + 12 * J; // [3, 14]
    const std::uint32_t C = Y / 100;
    // Days before 1 March of year Y: 365 Y + Y/4 - Y/100 + Y/400.
    const std::uint32_t YearDays = 1461 * Y / 4 - C + C / 4;
    // Days from 1 March to the first of month M.
    const std::uint32_t MonthDays = (979 * M - 2919) / 32;
    return YearDays + MonthDays + Day - 1;
}

// Writes N (0 to 9999) as four digits at Out and returns the end: the year
// of every date of the years 1 to 9999, wherever one is written.
inline char* WriteFourDigits(char* Out, std::uint32_t N) {
    Out[0] = static_cast<char>('0' + N / 1000);
    Out[1] = static_cast<char>('0' + N / 100 % 10);
    Out[2] = static_cast<char>('0' + N / 10 % 10);
    Out[3] = static_cast<char>('0' + N % 10);
    return Out + 4;
}

// A count as a 32-bit integer, saturated at the 32-bit limits rather than
// wrapped (a wrapped count could even change its sign).
inline std::int32_t ToCount(std::int64_t N) {
    if (N > INT32_MAX) {
        return INT32_MAX;
    }
    if (N < INT32_MIN) {
        return INT32_MIN;
    }
    return static_cast<std::int32_t>(N);
}

// A value split into its integer part, taken towards zero, and the rest.
struct TParts {
    std::int64_t Whole;   // saturated at the 64-bit limits; 0 for NaN
    long double Fraction; // exactly x - trunc(x): +0 for a whole x, NaN for
                          // an infinity or NaN
};

// SplitValue of a value that no double below 2^52 holds. Kept out of line.
TParts SplitWideValue(long double x);

// Splits x into TParts. Doubles below 2^52, which hold every date and every
// amount the program passes, go through the SSE conversions; the x87
// truncation of a long double needs a slow switch of rounding mode.
inline TParts SplitValue(double x) {
    if (std::fabs(x) < 0x1p52) [[likely]] {
        const auto Whole = static_cast<std::int64_t>(x);
        // Exact. -Whole + x rather than x - Whole, so that x = -0 gives +0.
        return {Whole, static_cast<double>(-Whole) + x};
    }
    return SplitWideValue(x);
}

// A long double that a double below 2^52 holds exactly takes the double path.
inline TParts SplitValue(long double x) {
    if (std::fabs(x) < 0x1p52L && static_cast<long double>(static_cast<double>(x)) == x) {
        return SplitValue(static_cast<double>(x));
    }
    return SplitWideValue(x);
}

// The day number of a value with a fraction, or of one beyond 2^52: see
// DayNumberOf. Kept out of line so that whole days take the short road.
std::int64_t DayNumberOfOther(double D);

// Returns the day number of date value D: D rounded to the nearest
// millisecond, then its whole part taken towards zero, saturated like
// WholePart.
inline std::int64_t DayNumberOf(double D) {
#if defined(__SSE2__) || defined(_M_X64)
    // The processor's truncating conversion is defined for every input (it
    // gives INT64_MIN when D is out of range or NaN), so one conversion and
    // one comparison find the whole days without a range test.
    const std::int64_t Whole = _mm_cvttsd_si64(_mm_set_sd(D));
    if (static_cast<double>(Whole) == D) [[likely]] {
        return Whole;
    }
#else
    if (std::fabs(D) < 0x1p52) [[likely]] {
        const auto Whole = static_cast<std::int64_t>(D);
        if (static_cast<double>(Whole) == D) [[likely]] {
            return Whole;
        }
    }
#endif
    return DayNumberOfOther(D);
}

} // namespace morvane::date_internal
