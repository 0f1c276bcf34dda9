// Inline definitions of the calendar primitives that sit on hot paths:
// MakeDate, SplitDate, WeekdayOf, IsoWeekdayOf, DayOfYear, YearIsLeap,
// MonthLength, WholePart and FractionPart. Their contracts are in DateRoutines.h, which includes
// this file at its end; the rare cases (errors, fractions, days before year 1 or millions of years
// on) are out of line in DateCalendar.cpp.
#pragma once

#include "internal/DayCount.h"

#include <cstdint>
#include <cstring>

namespace morvane::date_internal {

// SplitDate of a day before year 1 or beyond the 32-bit conversion.
TDateParts SplitOutsideFastRange(std::int64_t Day);

} // namespace morvane::date_internal

inline bool YearIsLeap(std::int64_t Year) {
    // Divisible by 4, and not by 100 unless by 400; since 100 = 4 x 25 and
    // 400 = 16 x 25, that is: divisible by 4, and not by 25 unless by 16.
    // The bit tests work for negative years too (two's complement).
    return (Year & 3) == 0 && (Year % 25 != 0 || (Year & 15) == 0);
}

inline int MonthLength(std::int64_t Year, int Month) {
    if (Month == 2) {
        return YearIsLeap(Year) ? 29 : 28;
    }
    if (Month < 1 || Month > 12) {
        return 0;
    }
    // 31 for January, March, May, July, August, October, December.
    return 30 + ((Month + (Month >> 3)) & 1);
}

inline TDateTime MakeDate(std::int64_t Year, int Month, int Day) {
    using namespace morvane::date_internal;
    // Unsigned comparisons fold each lower and upper bound into one test.
    // The day is held against the month's length in a common year, and only
    // 29 February asks whether the year is a leap year: no branch depends on
    // the month or the year, which shuffled dates would often mispredict.
    const std::uint64_t Year0 = static_cast<std::uint64_t>(Year) - 1;   // valid: [0, 9998]
    const std::uint32_t Month0 = static_cast<std::uint32_t>(Month) - 1; // valid: [0, 11]
    const std::uint32_t Day0 = static_cast<std::uint32_t>(Day) - 1;     // valid: [0, length - 1]
    if ((Year0 > 9998) | (Month0 > 11)) [[unlikely]] {
        RaiseEncodeError();
    }
    if (Day0 >= kCommonMonthLength[Month0]) [[unlikely]] {
        // Past the month's end in a common year: only 29 February of a leap
        // year passes.
        if (Month0 != 1 || Day0 != 28 || !YearIsLeap(Year)) {
            RaiseEncodeError();
        }
    }
    const auto Y = static_cast<std::uint32_t>(Year);
    const std::uint32_t Shifted = ShiftedFromCivil(Y, Month0 + 1, Day0 + 1);
    return static_cast<TDateTime>(static_cast<std::int32_t>(Shifted - kShift));
}

inline TDateParts SplitDate(TDateTime D) {
    using namespace morvane::date_internal;
    const std::int64_t Day = DayNumberOf(D);
    // One unsigned comparison tells the common days, from 1 January of year 1
    // to some 2.9 million years on, from those before year 1 and far after.
    const std::uint64_t FromYear1 = static_cast<std::uint64_t>(Day) - (kLastDayOfYear0 + 1);
    if (FromYear1 <= kMaxFastShifted - kShiftOfYear1) [[likely]] {
        const Civil C = CivilFromShifted(static_cast<std::uint32_t>(FromYear1 + kShiftOfYear1));
        return {C.Year, static_cast<int>(C.Month), static_cast<int>(C.Day)};
    }
    return SplitOutsideFastRange(Day);
}

inline int WeekdayOf(TDateTime D) {
    using namespace morvane::date_internal;
    // Day 0 is a Saturday (7): the weekday is (day mod 7 + 6) mod 7 + 1, with
    // the remainder floored so that days before year 1 work the same way. The
    // truncated remainder, -6 to 6, picks the weekday from a table: no branch
    // on the sign, which mixed dates before and after 1899 would mispredict.
    return kWeekdayOfRemainder[DayNumberOf(D) % 7 + 6];
}

inline int IsoWeekdayOf(TDateTime D) {
    // Sunday (1) becomes 7, Monday (2) to Saturday (7) become 1 to 6.
    const int Weekday = WeekdayOf(D);
    return Weekday == 1 ? 7 : Weekday - 1;
}

inline int DayOfYear(const TDateParts& P) {
    // The days before the first of each month in a common year; from March
    // on, a leap year has one more.
    static constexpr std::uint16_t kDaysBefore[12] = {0,   31,  59,  90,  120, 151,
                                                      181, 212, 243, 273, 304, 334};
    const int LeapDay = P.Month > 2 && YearIsLeap(P.Year) ? 1 : 0;
    return kDaysBefore[P.Month - 1] + P.Day + LeapDay;
}

inline std::int64_t WholePart(long double x) {
    return morvane::date_internal::SplitValue(x).Whole;
}

inline long double FractionPart(long double x) {
    return morvane::date_internal::SplitValue(x).Fraction;
}

inline char* TDateTable::Write(char* Out, TDateTime D, const TDateParts& Parts,
                               const char* Iso) const {
    if (FLines.empty() || Parts.Year < 1 || Parts.Year > 9999 || Parts.Month < 1) {
        return WriteOther(Out, D, Parts);
    }
    // One line of the table, copied whole (the bytes after the text are
    // overwritten by what comes next), then the year's and the day's
    // digits.
    const TLine& Line = FLines[IndexOf(WeekdayOf(D), Parts.Month, Parts.Day)];
    std::memcpy(Out, &Line, sizeof Line);
    std::memcpy(Out + Line.YearAt, Iso, 4);
    if (Line.DayDigits == 2) {
        Out[Line.DayAt] = Iso[8];
    }
    Out[Line.DayAt + Line.DayDigits - 1] = Iso[9];
    return Out + Line.Length;
}

inline char* TDateTable::Write(char* Out, TDateTime D, const TDateParts& Parts) const {
    char Iso[10];
    if (!FLines.empty() && Parts.Year >= 1 && Parts.Year <= 9999 && Parts.Month >= 1) {
        WriteIsoDate(Iso, Parts);
    }
    return Write(Out, D, Parts, Iso);
}

inline std::optional<TDateParts> ReadIsoDate(std::string_view Text) {
    if (Text.size() != 10 || Text[4] != '-' || Text[7] != '-') {
        return std::nullopt;
    }
    // Each character's distance from '0'; a character that is no digit gives
    // a distance above 9.
    const auto D = [&](std::size_t I) { return static_cast<unsigned char>(Text[I] - '0'); };
    if (D(0) > 9 || D(1) > 9 || D(2) > 9 || D(3) > 9 || D(5) > 9 || D(6) > 9 || D(8) > 9 ||
        D(9) > 9) {
        return std::nullopt;
    }
    const int Year = ((D(0) * 10 + D(1)) * 10 + D(2)) * 10 + D(3);
    const int Month = D(5) * 10 + D(6);
    const int Day = D(8) * 10 + D(9);
    // MonthLength is 0 for a month that is none.
    if (Day < 1 || Day > MonthLength(Year, Month)) {
        return std::nullopt;
    }
    return TDateParts{Year, Month, Day};
}
