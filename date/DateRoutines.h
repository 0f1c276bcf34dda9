// The date core: the date value, the calendar primitives, moving a date by
// an amount of one unit, counting the units between two dates, and the phrase
// that describes a difference. Toolkit-free; every routine is stateless apart
// from the date-format settings that LongDateText reads.
//
// The hub of all arithmetic is one serial day count: a TDateTime's whole part
// is the day number counted from 30 December 1899 (day 0). Everything else is
// converted to it, worked on as integers, and converted back.
//
// Case study: what happens at the awkward ends of the calendar
// ------------------------------------------------------------
// * Month ends. 31 January + 1 month could mean 28/29 February, 2 or 3 March,
//   or an error. We clamp: the day becomes the last day of the target month,
//   so 31 January 2004 + 1 month = 29 February 2004, 31 January 2003 + 1
//   month = 28 February 2003, 31 March + 1 month = 30 April. A clamp is not
//   undone later: 31 August + 1 month = 30 September, + 1 more = 30 October.
// * 29 February. Adding years keeps month and day, except that 29 February
//   becomes 28 February in a common year: 29 February 2004 + 1 year = 28
//   February 2005, + 4 years = 29 February 2008; + 12 months gives 28 February
//   2005 as well. Counting whole months, a month is complete only once the
//   earlier date's day of the month is reached: from 29 February 2004, 28
//   February 2005 is 11 months and 1 March 2005 is 12.
// * Weekends. Weekday steps never land on a Saturday or Sunday: Friday + 1 =
//   Monday, Saturday + 1 = Monday, Sunday - 1 = Friday. An amount of 0 (or a
//   fraction below 1) leaves the date alone, even on a weekend. Weekday counts
//   never count the earlier date and count the later one when it is a weekday.
// * Below year 1 and above 9999. Only years 1 to 9999 can be built (MakeDate
//   raises "Invalid argument to date encode" otherwise). Days, weekdays, weeks
//   and fortnights are plain day arithmetic and may leave that range without
//   an error; a month or year step then raises, even a step of 0, because the
//   date has to be rebuilt. SplitDate still answers: years above 9999 come back
//   in full, and every day on or before 31 December of year 0 splits into
//   {0, 0, 0}, which no routine can rebuild. FormatDateText and LongDateText
//   write such a date with its numbers (0 for year, month and day below
//   year 1) and leave the month name empty.
// * Out-of-range numbers. Values beyond what the types hold saturate instead
//   of wrapping: WholePart of a value beyond the 64-bit range gives the
//   nearest 64-bit limit (NaN gives 0), day counts beyond the 32-bit range
//   give the nearest 32-bit limit, and a day number beyond the double range
//   becomes an infinity.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

// A date: whole part = day number (day 0 is 30 December 1899, day 1 is
// 31 December 1899, day -1 is 29 December 1899); fraction = time of day.
using TDateTime = double;

// What a TConvertError reports, for callers that word the message in
// another language.
enum TConvertProblem : std::uint8_t {
    cpNotInteger = 0, // TextToInt: the text is no 32-bit whole number
    cpDateEncode = 1, // MakeDate: no such date in the years 1 to 9999
};

// Marks Text as a source text of the program's catalogs, in Context: the
// catalog tools (lupdate) read this marker as they read Qt's
// QT_TRANSLATE_NOOP. It is Text itself, so the core holds its English
// messages once, for what() and for the catalogs, without the toolkit.
#ifndef MORVANE_TRANSLATABLE
#define MORVANE_TRANSLATABLE(Context, Text) (Text)
#endif

// The English messages of TConvertError by problem; "%1" stands for the text
// refused.

//: An error message; %1 is the text that was entered. When it is shown, a
//: full stop follows unless the message ends in punctuation of its own (such
//: as "。").
inline constexpr const char* kNotIntegerMessage =
    MORVANE_TRANSLATABLE("ErrorText", "'%1' is not a valid integer value");
//: An error message: a calculated date lies outside the years 1 to 9999 (a
//: result too far in the past or the future). The English wording is fixed;
//: a translation may say that plainly. When it is shown, a full stop follows
//: unless the message ends in punctuation of its own (such as "。").
inline constexpr const char* kDateEncodeMessage =
    MORVANE_TRANSLATABLE("ErrorText", "Invalid argument to date encode");

// Raised by MakeDate (kDateEncodeMessage: "Invalid argument to date
// encode") and by TextToInt (kNotIntegerMessage: "'<text>' is not a valid
// integer value"); what() is exactly that text. Problem() and Text() say the
// same for a message in another language.
class TConvertError : public std::runtime_error {
public:
    // Text is the text that TextToInt refused (cpNotInteger only).
    explicit TConvertError(TConvertProblem Problem, const std::string& Text = {});

    TConvertProblem Problem() const noexcept { return FProblem; }
    const std::string& Text() const noexcept { return FText; }

private:
    TConvertProblem FProblem;
    std::string FText;
};

// The six date units, in their fixed order. Stored in one byte.
enum TDateKind : std::uint8_t {
    dkDays = 0,
    dkWeekdays = 1,
    dkWeeks = 2,
    dkFortnights = 3,
    dkMonths = 4,
    dkYears = 5,
};

// Year, month and day as SplitDate returns them, the year in full width.
struct TDateParts {
    std::int64_t Year;
    int Month;
    int Day;
    friend bool operator==(const TDateParts&, const TDateParts&) = default;
};

// ---------------------------------------------------------------------------
// Date-format settings read by LongDateText. They start as the fallbacks
// (pattern "mmmm d, yyyy", separator "/", English names); the program fills
// them from the user's locale at start-up and whenever the locale changes.
// All text is UTF-8.
struct TDateFormatSettings {
    std::string LongDatePattern = "mmmm d, yyyy";
    std::string DateSeparator = "/";
    std::array<std::string, 12> LongMonthNames{"January",   "February", "March",    "April",
                                               "May",       "June",     "July",     "August",
                                               "September", "October",  "November", "December"};
    std::array<std::string, 12> ShortMonthNames{"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                                "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
    // Index 0 is Sunday, as WeekdayOf(D) - 1.
    std::array<std::string, 7> LongDayNames{"Sunday",   "Monday", "Tuesday", "Wednesday",
                                            "Thursday", "Friday", "Saturday"};
    std::array<std::string, 7> ShortDayNames{"Sun", "Mon", "Tue", "Wed", "Thu", "Fri", "Sat"};
};

// The settings in force. The program writes them from its one thread.
TDateFormatSettings& DateFormatSettings();

// ---------------------------------------------------------------------------
// Calendar primitives

// Returns the day number of Year-Month-Day in the proleptic Gregorian calendar.
// Valid: 1 <= Year <= 9999, 1 <= Month <= 12, 1 <= Day <= MonthLength(Year, Month).
// Raises TConvertError("Invalid argument to date encode") for anything else.
inline TDateTime MakeDate(std::int64_t Year, int Month, int Day);

// Returns the Gregorian year, month and day of D, rounded to the nearest
// millisecond, then taken towards zero. Valid for every D (see the notes above
// on years outside 1 to 9999 and on out-of-range numbers). Never raises.
inline TDateParts SplitDate(TDateTime D);

// Returns 1 (Sunday) to 7 (Saturday) for the day of D, for every day number,
// also before year 1. Day 0 is a Saturday. Never raises.
inline int WeekdayOf(TDateTime D);

// Returns 1 (Monday) to 7 (Sunday), the ISO 8601 weekday of the day of D,
// for every day number. Never raises.
inline int IsoWeekdayOf(TDateTime D);

// Returns the WeekdayOf number (1 Sunday ... 7 Saturday) of the ISO weekday
// IsoWeekday (1 Monday ... 7 Sunday).
constexpr int WeekdayOfIso(int IsoWeekday) {
    return IsoWeekday % 7 + 1;
}

// Returns 1 to 366: the day of the year of P, a date of the years 1 to 9999
// as SplitDate gives it (1 for 1 January). Never raises.
inline int DayOfYear(const TDateParts& P);

// The ISO 8601 week of a date: the year it belongs to, which is that of its
// Thursday, and its number in that year, 1 to 53 (week 1 holds the year's
// first Thursday). So 1 January 2005, a Saturday, is in week 53 of 2004.
struct TIsoWeek {
    std::int64_t Year;
    int Week;
    friend bool operator==(const TIsoWeek&, const TIsoWeek&) = default;
};

// Returns the ISO week of the day of D. Valid for the days of the years 1
// to 9999; never raises.
TIsoWeek IsoWeekOf(TDateTime D);

// Writes the date of P as YYYY-MM-DD (ten characters) at Out and returns
// the end. P is a date of the years 1 to 9999, as SplitDate gives it.
char* WriteIsoDate(char* Out, const TDateParts& P);

// Reads Text written as WriteIsoDate writes a date: YYYY-MM-DD, with digits
// in their places. Gives the year (0 to 9999), month and day when that day
// exists in the proleptic Gregorian calendar (year 0 included, so that a
// caller can tell a year before 1 from text that is no date), and nothing
// for anything else. Never raises.
inline std::optional<TDateParts> ReadIsoDate(std::string_view Text);

// True when Year is divisible by 4 and either not by 100 or by 400.
inline bool YearIsLeap(std::int64_t Year);

// Returns 28 to 31: the length of Month (1 to 12) in Year; 0 for any other
// month number, so that no day of it is valid.
inline int MonthLength(std::int64_t Year, int Month);

// Returns the integer part of x, towards zero, saturated (see the notes above).
inline std::int64_t WholePart(long double x);

// Returns x minus its integer part; it has the sign of x.
inline long double FractionPart(long double x);

// The current local date and time from the local clock.
TDateTime CurrentDateTime();

// Returns D written with Pattern, in the pattern language of the long date
// format: d, dd (day), ddd, dddd (short and long weekday name), m, mm (month
// number), mmm, mmmm (short and long month name), y or yy (two-digit year),
// yyy or more (four-digit year), "/" (date separator), text in single or
// double quotes copied as it stands; letters in either case; any other
// character copied. Five or more d stand for the whole long date pattern
// (inside it, five or more d are the long weekday name). Names and separator
// come from DateFormatSettings(). Raises nothing.
std::string FormatDateText(const std::string& Pattern, TDateTime D);

// Returns D in the user's long date format (the "dddddd" format code):
// FormatDateText(DateFormatSettings().LongDatePattern, D). Raises nothing.
std::string LongDateText(TDateTime D);

// A pattern of the long date format language (see FormatDateText) read once,
// to write many dates with: FormatDateText reads its pattern anew for every
// date. The date separator, the names, and the long date pattern that five
// or more d stand for are those of DateFormatSettings() when it is made.
class TDatePattern {
public:
    explicit TDatePattern(const std::string& Pattern);

    // The most characters that Write writes for a date of the years 1 to 9999
    // (and for any other).
    std::size_t MaxLength() const { return FMaxLength; }

    // Writes D with the pattern at Out, as FormatDateText writes it, and
    // returns the end of what it wrote. Out must have room for MaxLength()
    // characters. Raises nothing.
    char* Write(char* Out, TDateTime D) const;

    // The same for a caller that has split D already: Parts is SplitDate(D).
    // (The weekday is D's; year, month and day are taken from Parts.)
    char* Write(char* Out, TDateTime D, const TDateParts& Parts) const;

    // Appends D written with the pattern to Out.
    void AppendTo(std::string& Out, TDateTime D) const;

private:
    enum class TPieceKind : std::uint8_t {
        Literal,   // FTexts[Start, Start + Length)
        Day,       // the day, at least Length digits
        DayName,   // FDayNames[Start + weekday], Sunday 0 (Start 0 short, 7 long)
        Month,     // the month number, at least Length digits
        MonthName, // FMonthNames[Start + month - 1] (Start 0 short, 12 long)
        Year,      // Length 2: the last two digits; 4: at least four
    };
    struct TPiece {
        TPieceKind Kind;
        std::uint32_t Start, Length;
    };
    // A piece of FTexts.
    struct TText {
        std::uint32_t Start, Length;
    };
    std::vector<TPiece> FPieces;
    // The names, then the literal text, then room for Write's wide copies.
    std::string FTexts;
    std::array<TText, 14> FDayNames;
    std::array<TText, 24> FMonthNames;
    std::size_t FMaxLength = 0;

    TText AddText(const std::string& Text);
    void Read(const std::string& Pattern, bool Expand);
    void AddLiteral(const std::string& Text, std::size_t Start, std::size_t Length);
    void AddPiece(TPieceKind Kind, std::uint32_t Start, std::uint32_t Length);
};

// A pattern's texts made once for every weekday and month, and for days of
// one digit and of two, so that a date of the years 1 to 9999 is written as
// one copy and the digits of its year and day: for a program that writes a
// great many dates with one pattern (morvane-calc's batches), where the
// pattern's pieces one by one would cost more than the rest of the
// calculation. Making it writes some 500 texts; the table is small enough
// to stay in the processor's nearest cache.
class TDateTable {
public:
    // Makes the table of Pattern, and keeps a copy of Pattern for the dates
    // outside the years 1 to 9999. When Pattern writes its year or its day
    // more often than the table has room for, or writes more than
    // kMaxLength characters, there is no table and Write takes the
    // pattern's pieces.
    explicit TDateTable(const TDatePattern& Pattern);

    // The most characters Write writes, as TDatePattern::MaxLength.
    std::size_t MaxLength() const { return FMaxLength; }

    // Writes D, split into Parts, exactly as the pattern writes it, and
    // returns the end. Out must have room for MaxLength() characters. Raises
    // nothing.
    inline char* Write(char* Out, TDateTime D, const TDateParts& Parts) const;

    // The same for a caller that has written D as YYYY-MM-DD (WriteIsoDate)
    // at Iso already, whose digits it takes.
    inline char* Write(char* Out, TDateTime D, const TDateParts& Parts, const char* Iso) const;

    // The longest text a table holds.
    static constexpr std::size_t kMaxLength = 112;

private:
    // Where a text holds the digits of its year (up to two years of four
    // digits, or two for "yy") and of its day (up to two days of two
    // digits): each position with the digit's place, 0 to 3 in the year
    // (thousands to ones), 4 and 5 in the day (tens, ones). Most patterns
    // write the year once, in four digits, and the day once: then YearAt is
    // where the year starts and DayAt where the day does (kNone otherwise),
    // and the two are written without the lists.
    struct TEntry {
        std::uint8_t Length;
        std::uint8_t Digits;
        std::uint8_t YearAt;
        std::uint8_t DayAt;
        std::uint8_t DayDigits;
        std::uint8_t Position[12];
        std::uint8_t Place[12];
    };
    static constexpr std::uint8_t kNone = 0xFF;
    // The short road for most patterns, whose texts hold one year of four
    // digits and one day and fit 60 characters: each text with where its
    // year and day stand in one line of the processor's cache, so that a
    // date costs one read of memory.
    struct alignas(64) TLine {
        char Text[60];
        std::uint8_t Length;
        std::uint8_t YearAt;
        std::uint8_t DayAt;
        std::uint8_t DayDigits;
    };
    std::vector<TLine> FLines;    // by weekday, month and days of two digits
    std::vector<TEntry> FEntries; // the same, for any pattern
    std::vector<char> FTexts;     // FStride characters for each entry
    std::size_t FStride = 0;
    std::size_t FMaxLength = 0;
    TDatePattern FPattern;

    static std::size_t IndexOf(int Weekday, int Month, int Day) {
        return (static_cast<std::size_t>(Weekday - 1) * 12 + static_cast<std::size_t>(Month - 1)) *
                   2 +
               (Day >= 10 ? 1 : 0);
    }
    // Write for every date the short road does not take.
    char* WriteOther(char* Out, TDateTime D, const TDateParts& Parts) const;
};

// Decimal text of N, with a leading "-" when negative, no digit grouping.
std::string IntToText(std::int32_t N);

// Returns the 32-bit integer that S holds. Accepted: leading spaces, then
// either an optional sign and decimal digits within the 32-bit range, or an
// unsigned hexadecimal number after "$", "x", "X", "0x" or "0X" with at most
// eight significant digits, read as signed 32 bits ("$FFFFFFFF" is -1).
// Nothing may follow. Raises TConvertError("'S' is not a valid integer value").
std::int32_t TextToInt(const std::string& S);

// The same without raising, for callers that meet many texts that fail:
// true with the integer in Value, or false (Value unchanged) where
// TextToInt raises.
bool TryTextToInt(std::string_view S, std::int32_t& Value) noexcept;

// ---------------------------------------------------------------------------
// Date offsets

// Returns ADate moved by Amount units of Kind, keeping its time of day (see the
// notes above); a fraction of a weekday is dropped, one of a year adds its
// share of 365.25 days. Months and years raise TConvertError outside the years
// 1 to 9999.
TDateTime AddDateUnits(TDateKind Kind, TDateTime ADate, long double Amount);

// The same without raising, for callers that meet many dates that fail:
// the date AddDateUnits returns, or nothing where it raises.
std::optional<TDateTime> TryAddDateUnits(TDateKind Kind, TDateTime ADate,
                                         long double Amount) noexcept;

// Returns ADate moved by WholePart(Amount) calendar months (see the notes
// above on month ends), plus FractionPart(Amount) x 30 days. Raises
// TConvertError outside the years 1 to 9999.
TDateTime AddMonthsClamped(TDateTime ADate, long double Amount);

// ---------------------------------------------------------------------------
// Date differences. Every count is signed: >= 0 when EndDate is after
// StartDate, <= 0 when it is before; whole units only, divisions truncate
// towards zero (-9 days are -1 week and 0 fortnights). The full values decide
// which date is earlier; the whole days are counted. Counts saturate (see the
// notes above). None of these raises.

// The count of whole units of Kind from StartDate to EndDate.
std::int32_t DateUnitsBetween(TDateKind Kind, TDateTime StartDate, TDateTime EndDate);

// The counts of all six kinds at once, in TDateKind order: what
// DateUnitsBetween gives for each, with each date split only once.
std::array<std::int32_t, 6> DateCountsBetween(TDateTime StartDate, TDateTime EndDate);

// Whole calendar months from StartDate to EndDate (see the notes above on
// 29 February).
std::int32_t WholeMonthsBetween(TDateTime StartDate, TDateTime EndDate);

// Monday-to-Friday days from StartDate to EndDate (see the notes above on
// weekends). Constant time.
std::int32_t WeekdaysBetween(TDateTime StartDate, TDateTime EndDate);

// ---------------------------------------------------------------------------
// Difference phrase

// The numbers a difference phrase is made of: whole years, then months, then
// weeks peeled off the earlier date, and the days left; all >= 0. Ago: the
// end date is the earlier one (by full values, so also on the same day when
// the start has the later time).
struct TDiffParts {
    std::int32_t Years = 0;
    std::int32_t Months = 0;
    std::int32_t Weeks = 0;
    std::int32_t Days = 0;
    bool Ago = false;
    friend bool operator==(const TDiffParts&, const TDiffParts&) = default;
};

// Returns the parts of the distance from StartDate to EndDate that DiffPhrase
// puts into words (one algorithm for the phrase in every language). Years,
// months and weeks are peeled off the earlier date with AddDateUnits, so
// twelve months can remain after the years. Raises TConvertError when the
// earlier date, or a years or months step from it, lies outside the years 1
// to 9999.
TDiffParts DiffPhraseParts(TDateTime StartDate, TDateTime EndDate);

// Returns the distance from StartDate to EndDate in English words, such as
// "2 years, 2 months, 2 weeks and 1 day", with " ago" when EndDate is the
// earlier; empty for the same day, whatever the times. The numbers are
// DiffPhraseParts' ("1 year and 12 months" can occur). Raises as
// DiffPhraseParts.
std::string DiffPhrase(TDateTime StartDate, TDateTime EndDate);

// Writes DiffPhrase(StartDate, EndDate) at Out, which must have room for
// kMaxDiffPhraseLength characters, and returns the end of what it wrote; or
// raises as DiffPhrase does, before writing anything.
inline constexpr std::size_t kMaxDiffPhraseLength = 96;
char* WriteDiffPhrase(char* Out, TDateTime StartDate, TDateTime EndDate);

// The same for the parts P that DiffPhraseParts gave. Raises nothing.
char* WriteDiffPhrase(char* Out, const TDiffParts& P);

// A whole difference: the six counts and the phrase's parts.
struct TDifference {
    std::array<std::int32_t, 6> Counts;
    TDiffParts Phrase;
};

// Returns DateCountsBetween(StartDate, EndDate) and DiffPhraseParts(StartDate,
// EndDate) at once, each date split once for both. Raises as DiffPhraseParts.
TDifference DateDifference(TDateTime StartDate, TDateTime EndDate);

// Definitions of the inline calendar primitives above.
#include "DateCalendarInline.h"
