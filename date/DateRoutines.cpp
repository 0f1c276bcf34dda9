// Moving a date by an amount of one unit, counting the units between two
// dates, and the phrase that describes a difference.
#include "DateRoutines.h"

#include <algorithm>
#include <cfloat>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <limits>
#include <optional>
#include <string>

namespace {

constexpr std::int64_t kInt64Max = std::numeric_limits<std::int64_t>::max();
constexpr std::int64_t kInt64Min = std::numeric_limits<std::int64_t>::min();

using morvane::date_internal::RaiseEncodeError;
using morvane::date_internal::SplitValue;
using morvane::date_internal::ToCount;
using morvane::date_internal::TParts;

// A long double day value as a TDateTime. Values beyond the double range
// become an infinity (a narrowing conversion out of range would be undefined).
TDateTime ToDateTime(long double x) {
    if (x > DBL_MAX) {
        return std::numeric_limits<double>::infinity();
    }
    if (x < -DBL_MAX) {
        return -std::numeric_limits<double>::infinity();
    }
    return static_cast<TDateTime>(x);
}

// The whole days of Late less those of Early, saturated at the 64-bit limits
// (the whole parts of far-out dates may be those limits themselves). Inline:
// called out of line, it cost WeekdaysBetween a fifth of its time.
inline std::int64_t WholeDaysBetween(TDateTime Early, TDateTime Late) {
    const std::int64_t A = SplitValue(Late).Whole;
    const std::int64_t B = SplitValue(Early).Whole;
    // The bounds are computed where they cannot overflow themselves.
    if (B < 0 ? A > kInt64Max + B : A < kInt64Min + B) {
        return A > B ? kInt64Max : kInt64Min;
    }
    return A - B;
}

// Days to move from a day of weekday G (1 = Sunday ... 7 = Saturday) to the
// Steps-th Monday-to-Friday day after it (Forward) or before it, one step at
// a time: a step moves one day, then past a Saturday and a Sunday (forwards)
// or past a Sunday and a Saturday (backwards). Only used at compile time, to
// fill the table below.
constexpr int DaysForWeekdaySteps(int G, int Steps, bool Forward) {
    int Days = 0;
    for (int i = 0; i < Steps; ++i) {
        if (Forward) {
            G = G % 7 + 1;
            ++Days;
            if (G == 7) { // Saturday
                G = 1;
                ++Days;
            }
            if (G == 1) { // Sunday
                G = 2;
                ++Days;
            }
        } else {
            G = G == 1 ? 7 : G - 1;
            --Days;
            if (G == 1) { // Sunday
                G = 7;
                --Days;
            }
            if (G == 7) { // Saturday
                G = 6;
                --Days;
            }
        }
    }
    return Days;
}

// kWeekdayStepDays[Forward][G - 1][Steps - 1]: the days that 1 to 5 weekday
// steps move from weekday G. A table rather than a loop: on mixed start days
// the loop's branches would often mispredict.
struct WeekdayStepTable {
    std::int8_t Days[2][7][5];
};

constexpr WeekdayStepTable MakeWeekdayStepTable() {
    WeekdayStepTable T{};
    for (int Forward = 0; Forward < 2; ++Forward) {
        for (int G = 1; G <= 7; ++G) {
            for (int Steps = 1; Steps <= 5; ++Steps) {
                T.Days[Forward][G - 1][Steps - 1] =
                    static_cast<std::int8_t>(DaysForWeekdaySteps(G, Steps, Forward == 1));
            }
        }
    }
    return T;
}

constexpr WeekdayStepTable kWeekdayStepDays = MakeWeekdayStepTable();

// kWeekdaysAfter[G - 1][N - 1]: Monday-to-Friday days after weekday G up to
// and including weekday N, within one week (N before G wraps into the next
// week): the days G + 1 to N, or to N + 7, less Saturday 7 and Sunday 8.
struct WeekdaysAfterTable {
    std::int8_t Count[7][7];
};

constexpr WeekdaysAfterTable MakeWeekdaysAfterTable() {
    WeekdaysAfterTable T{};
    for (int G = 1; G <= 7; ++G) {
        for (int N = 1; N <= 7; ++N) {
            const int Last = G > N ? N + 7 : N;
            int Count = 0;
            for (int I = G + 1; I <= Last; ++I) {
                if (I != 7 && I != 8) {
                    ++Count;
                }
            }
            T.Count[G - 1][N - 1] = static_cast<std::int8_t>(Count);
        }
    }
    return T;
}

constexpr WeekdaysAfterTable kWeekdaysAfter = MakeWeekdaysAfterTable();

// ADate moved by N Monday-to-Friday days, in constant time. Five steps from a
// Monday-to-Friday day always move exactly one week. So the first R steps
// (1 <= R <= 5, R = |N| - 5 Q) are taken from the table, which leaves a
// weekday even when ADate is a Saturday or Sunday, and the remaining 5 Q steps
// are Q whole weeks.
TDateTime AddWeekdays(TDateTime ADate, std::int64_t N) {
    if (N == 0) {
        return ADate;
    }
    const bool Forward = N > 0;
    // |N| in unsigned arithmetic, so that N = INT64_MIN has a magnitude too.
    const std::uint64_t Magnitude =
        Forward ? static_cast<std::uint64_t>(N) : 0 - static_cast<std::uint64_t>(N);
    const std::uint64_t Weeks = (Magnitude - 1) / 5;        // [0, 2^63 / 5]
    const std::uint64_t FirstSteps = Magnitude - 5 * Weeks; // [1, 5]
    const std::int64_t FirstDays =
        kWeekdayStepDays.Days[Forward ? 1 : 0][WeekdayOf(ADate) - 1][FirstSteps - 1];
    // 7 x Weeks < 2^64 is exact in a long double (64-bit mantissa).
    const long double WeekDays = 7.0L * static_cast<long double>(Weeks);
    return ToDateTime(static_cast<long double>(ADate) + static_cast<long double>(FirstDays) +
                      (Forward ? WeekDays : -WeekDays));
}

// True when x is a whole number below 2^52 in size, as every date of the
// two calculators is; tested in SSE registers, where a long double fraction
// takes the slower round trip through the x87 unit. (A larger x is whole too,
// but is left to the general steps.)
bool IsWhole(double x) {
    return std::fabs(x) < 0x1p52 && static_cast<double>(static_cast<std::int64_t>(x)) == x;
}

// True when Year + Add lies within 1 to 9999. Year is a split year (0 to
// some 2.5 x 10^16), so neither bound below can overflow, and the sum is
// only formed once it is known to be in range.
bool YearSumInRange(std::int64_t Year, std::int64_t Add) {
    return Add <= 9999 - Year && Add >= 1 - Year;
}

// The date of parts P (a split date) moved by Months whole calendar months,
// the day clamped to the end of the month (see AddMonthsClamped); nothing
// for a year outside 1 to 9999, and for the parts {0, 0, 0} of a date before
// year 1, which no step can rebuild.
std::optional<TDateParts> MonthsLater(const TDateParts& P, std::int64_t Months) {
    // C = Months + Month. Month is 0 to 12, so only Months within 12 of
    // INT64_MAX overflow, and that many months leave any year far behind.
    if (Months > kInt64Max - 12) {
        return std::nullopt;
    }
    const std::int64_t C = Months + P.Month;
    std::int64_t YearAdd = 0;
    int Month = 0;
    if (C > 12) {
        YearAdd = (C - 1) / 12;
        Month = static_cast<int>(C % 12);
        if (Month == 0) {
            Month = 12;
        }
    } else if (C >= 1) {
        Month = static_cast<int>(C);
    } else {
        // |C| mod 12 written as -(C rem 12), which needs no |C| (C may be
        // INT64_MIN). C = 0 is December of the year before, C = -12 December
        // two years before.
        YearAdd = C / 12 - 1;
        Month = 12 + static_cast<int>(C % 12);
    }
    if (!YearSumInRange(P.Year, YearAdd) || P.Day < 1) {
        return std::nullopt;
    }
    const std::int64_t Year = P.Year + YearAdd;
    return TDateParts{Year, Month, std::min(P.Day, MonthLength(Year, Month))};
}

// The date of parts P moved by Years whole years, 29 February becoming 28
// February in a common year (see AddDateUnits); nothing where MonthsLater
// gives nothing.
std::optional<TDateParts> YearsLater(const TDateParts& P, std::int64_t Years) {
    if (!YearSumInRange(P.Year, Years) || P.Month < 1) {
        return std::nullopt;
    }
    const std::int64_t Year = P.Year + Years;
    return TDateParts{Year, P.Month, std::min(P.Day, MonthLength(Year, P.Month))};
}

// The day number of the parts a step gives, or nothing.
std::optional<TDateTime> DayOf(const std::optional<TDateParts>& P) {
    if (!P) {
        return std::nullopt;
    }
    return MakeDate(P->Year, P->Month, P->Day);
}

// ADate, which splits into P, moved by Months calendar months, or nothing
// where AddMonthsClamped raises.
std::optional<TDateTime> AddMonths(TDateTime ADate, const TDateParts& P, TParts Months) {
    const std::optional<TDateTime> R = DayOf(MonthsLater(P, Months.Whole));
    // A whole date moved by whole months is the rebuilt date itself: the sum
    // below gives the same, through slower long double steps.
    if (!R || (IsWhole(ADate) && Months.Fraction == 0)) {
        return R;
    }
    return ToDateTime(SplitValue(ADate).Fraction + (Months.Fraction * 30 + *R));
}

// ADate, which splits into P, moved by Years years, or nothing where
// AddDateUnits raises.
std::optional<TDateTime> AddYears(TDateTime ADate, const TDateParts& P, TParts Years) {
    const std::optional<TDateTime> R = DayOf(YearsLater(P, Years.Whole));
    // As in AddMonths: a whole date moved by whole years is the rebuilt date.
    if (!R || (IsWhole(ADate) && Years.Fraction == 0)) {
        return R;
    }
    return ToDateTime(Years.Fraction * 365.25L + *R + SplitValue(ADate).Fraction);
}

// The date of a step that cannot fail, or the encode error of one that did.
TDateTime RaiseIfNone(std::optional<TDateTime> Date) {
    if (!Date) {
        RaiseEncodeError();
    }
    return *Date;
}

// Whole calendar months from the earlier date, split into E, to the later one,
// split into L, in 64 bits: years are below 2^55, so 12 x their difference
// fits.
std::int64_t MonthsFromTo(const TDateParts& E, const TDateParts& L) {
    std::int64_t M = 12 * (L.Year - E.Year) + (L.Month - E.Month);
    if (L.Day < E.Day) {
        --M;
    }
    return M;
}

// Whole calendar months from StartDate to EndDate in 64 bits, before any
// saturation, so that years can be counted from the full month count.
std::int64_t MonthsBetween(TDateTime StartDate, TDateTime EndDate) {
    const bool Swapped = StartDate > EndDate;
    const std::int64_t M = MonthsFromTo(SplitDate(Swapped ? EndDate : StartDate),
                                        SplitDate(Swapped ? StartDate : EndDate));
    return Swapped ? -M : M;
}

} // namespace

TDateTime AddMonthsClamped(TDateTime ADate, long double Amount) {
    return RaiseIfNone(AddMonths(ADate, SplitDate(ADate), SplitValue(Amount)));
}

std::optional<TDateTime> TryAddDateUnits(TDateKind Kind, TDateTime ADate,
                                         long double Amount) noexcept {
    switch (Kind) {
    case dkDays:
        return ToDateTime(ADate + Amount);
    case dkWeekdays:
        return AddWeekdays(ADate, SplitValue(Amount).Whole);
    case dkWeeks:
        return ToDateTime(ADate + Amount * 7);
    case dkFortnights:
        return ToDateTime(ADate + Amount * 2 * 7);
    case dkMonths:
        return AddMonths(ADate, SplitDate(ADate), SplitValue(Amount));
    case dkYears:
        return AddYears(ADate, SplitDate(ADate), SplitValue(Amount));
    }
    return ADate; // not reached: every kind is handled above
}

TDateTime AddDateUnits(TDateKind Kind, TDateTime ADate, long double Amount) {
    return RaiseIfNone(TryAddDateUnits(Kind, ADate, Amount));
}

std::int32_t WholeMonthsBetween(TDateTime StartDate, TDateTime EndDate) {
    return ToCount(MonthsBetween(StartDate, EndDate));
}

std::int32_t WeekdaysBetween(TDateTime StartDate, TDateTime EndDate) {
    const bool Swapped = StartDate > EndDate;
    const TDateTime Early = Swapped ? EndDate : StartDate;
    const TDateTime Late = Swapped ? StartDate : EndDate;
    // Whole weeks hold five weekdays each; at most 2^63 / 7 weeks, so 5 x W
    // fits in 64 bits.
    const std::int64_t W = WholeDaysBetween(Early, Late) / 7;
    std::int64_t Count = 5 * W;
    // The days left over: from the weekday after Early's up to Late's,
    // wrapping into the following week.
    Count += kWeekdaysAfter.Count[WeekdayOf(Early) - 1][WeekdayOf(Late) - 1];
    return ToCount(Swapped ? -Count : Count);
}

std::int32_t DateUnitsBetween(TDateKind Kind, TDateTime StartDate, TDateTime EndDate) {
    switch (Kind) {
    case dkDays:
        return ToCount(WholeDaysBetween(StartDate, EndDate));
    case dkWeekdays:
        return WeekdaysBetween(StartDate, EndDate);
    case dkWeeks:
        return ToCount(WholeDaysBetween(StartDate, EndDate) / 7);
    case dkFortnights:
        return ToCount(WholeDaysBetween(StartDate, EndDate) / 14);
    case dkMonths:
        return WholeMonthsBetween(StartDate, EndDate);
    case dkYears:
        // From the full month count: a years count that fits in 32 bits stays
        // exact even where the months count saturates.
        return ToCount(MonthsBetween(StartDate, EndDate) / 12);
    }
    return 0; // not reached: every kind is handled above
}

std::array<std::int32_t, 6> DateCountsBetween(TDateTime StartDate, TDateTime EndDate) {
    const std::int64_t Days = WholeDaysBetween(StartDate, EndDate);
    const std::int64_t Months = MonthsBetween(StartDate, EndDate);
    return {ToCount(Days),     WeekdaysBetween(StartDate, EndDate),
            ToCount(Days / 7), ToCount(Days / 14),
            ToCount(Months),   ToCount(Months / 12)};
}

namespace {

// A word of the phrase, stored in eight characters that are copied whole
// (one move); only the first Length count.
struct TWord {
    char Text[8];
    std::size_t Length;
};

constexpr TWord kUnitWords[4] = {{" year", 5}, {" month", 6}, {" week", 5}, {" day", 4}};
constexpr TWord kComma = {", ", 2};
constexpr TWord kAnd = {" and ", 5};
constexpr TWord kAgo = {" ago", 4};

// Appends Word to the phrase being built at End; End must have room for
// eight characters.
char* Put(char* End, const TWord& Word) {
    std::memcpy(End, Word.Text, sizeof Word.Text);
    return End + Word.Length;
}

// Appends N > 0 in decimal at End.
char* PutCount(char* End, std::int32_t N) {
    return std::to_chars(End, End + 10, N).ptr;
}

} // namespace

namespace {

// The phrase's parts from Early to Late (split into E and L), Ago telling
// whether the end date was the earlier: see DiffPhraseParts.
TDiffParts PhrasePartsOf(TDateTime Early, TDateTime Late, TDateParts E, const TDateParts& L,
                         bool Ago) {
    TDiffParts Parts;
    Parts.Ago = Ago;
    // Peel off whole years, then whole months, then whole weeks; the rest are
    // days. Each unit is the largest whole number of it that still fits.
    Parts.Years = ToCount(MonthsFromTo(E, L)) / 12;
    if (IsWhole(Early)) {
        // A whole date moved by whole years and months is the date of the
        // moved parts, so the parts are moved and the day number is made
        // once, at the end.
        const std::optional<TDateParts> AfterYears = YearsLater(E, Parts.Years);
        if (!AfterYears) {
            RaiseEncodeError();
        }
        Parts.Months = ToCount(MonthsFromTo(*AfterYears, L));
        const std::int64_t Span =
            WholeDaysBetween(RaiseIfNone(DayOf(MonthsLater(*AfterYears, Parts.Months))), Late);
        Parts.Weeks = ToCount(Span / 7);
        Parts.Days = ToCount(Span % 7);
        return Parts;
    }
    // A date with a time of day takes the general steps, the earlier date
    // split once per step, for both the count and the move.
    Early = RaiseIfNone(AddYears(Early, E, {Parts.Years, 0}));
    E = SplitDate(Early);
    Parts.Months = ToCount(MonthsFromTo(E, L));
    Early = RaiseIfNone(AddMonths(Early, E, {Parts.Months, 0}));
    const std::int64_t Span = WholeDaysBetween(Early, Late);
    const std::int64_t Weeks = Span / 7;
    Parts.Weeks = ToCount(Weeks);
    Parts.Days = ToCount(
        IsWhole(Early) ? Span - 7 * Weeks
                       : WholeDaysBetween(
                             AddDateUnits(dkWeeks, Early, static_cast<long double>(Weeks)), Late));
    return Parts;
}

} // namespace

TDiffParts DiffPhraseParts(TDateTime StartDate, TDateTime EndDate) {
    const bool Ago = StartDate > EndDate;
    const TDateTime Early = Ago ? EndDate : StartDate;
    const TDateTime Late = Ago ? StartDate : EndDate;
    return PhrasePartsOf(Early, Late, SplitDate(Early), SplitDate(Late), Ago);
}

TDifference DateDifference(TDateTime StartDate, TDateTime EndDate) {
    const bool Ago = StartDate > EndDate;
    const TDateTime Early = Ago ? EndDate : StartDate;
    const TDateTime Late = Ago ? StartDate : EndDate;
    const TDateParts E = SplitDate(Early);
    const TDateParts L = SplitDate(Late);
    const std::int64_t Days = WholeDaysBetween(StartDate, EndDate);
    const std::int64_t Months = Ago ? -MonthsFromTo(E, L) : MonthsFromTo(E, L);
    return {{ToCount(Days), WeekdaysBetween(StartDate, EndDate), ToCount(Days / 7),
             ToCount(Days / 14), ToCount(Months), ToCount(Months / 12)},
            PhrasePartsOf(Early, Late, E, L, Ago)};
}

std::string DiffPhrase(TDateTime StartDate, TDateTime EndDate) {
    char Phrase[kMaxDiffPhraseLength];
    return std::string(Phrase, WriteDiffPhrase(Phrase, StartDate, EndDate));
}

char* WriteDiffPhrase(char* Out, TDateTime StartDate, TDateTime EndDate) {
    return WriteDiffPhrase(Out, DiffPhraseParts(StartDate, EndDate));
}

char* WriteDiffPhrase(char* Out, const TDiffParts& P) {

    // The parts that are there, joined by ", " and, before the last, " and ":
    // "2 years, 2 months and 1 day". The longest, with four 10-digit counts
    // and " ago", has 77 characters; the words' whole copies reach 4 beyond.
    const std::int32_t Counts[4] = {P.Years, P.Months, P.Weeks, P.Days};
    const int Parts = (P.Years > 0) + (P.Months > 0) + (P.Weeks > 0) + (P.Days > 0);
    char* End = Out;
    int Written = 0;
    for (int I = 0; I < 4; ++I) {
        if (Counts[I] <= 0) {
            continue;
        }
        if (Written > 0) {
            End = Put(End, Written + 1 == Parts ? kAnd : kComma);
        }
        End = PutCount(End, Counts[I]);
        End = Put(End, kUnitWords[I]);
        if (Counts[I] > 1) {
            *End++ = 's';
        }
        ++Written;
    }
    // The same day reads as empty text, also when the start has a later time
    // of day than the end (" ago" alone would describe no distance at all).
    if (P.Ago && Parts > 0) {
        End = Put(End, kAgo);
    }
    return End;
}
