// The two calculations of morvane-calc, written as text: the difference
// between two dates and the date that six amounts lead to. They give the
// texts the window shows (IntToText, DiffPhrase, LongDateText) and follow
// the window's order of steps, so a date or amount fails here exactly where
// it fails there.
#pragma once

#include "DateRoutines.h"

#include <array>
#include <stdexcept>
#include <string>
#include <string_view>

// A command line or batch line that can't be read: a malformed date, a
// missing or unknown word. what() is the message without the program name.
class TUsageError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// A calculation error that one of the six amounts caused: it is not a whole
// number. Unit is its place (0 days ... 5 years); what() is the message.
class TAmountError : public TConvertError {
public:
    TAmountError(std::size_t Unit, const char* What) : TConvertError(What), Unit(Unit) {}
    std::size_t Unit;
};

// The six units in their fixed order (TDateKind), as the options of the
// amounts, the columns of a batch line and the JSON keys of a difference
// name them.
inline constexpr std::array<const char*, 6> kUnitNames = {"days",       "weekdays", "weeks",
                                                          "fortnights", "months",   "years"};

// How a result is written.
enum class TResultFormat {
    Text, // difference: "Label: value" lines; new date: the long date text
    Iso,  // new date as YYYY-MM-DD (a difference is written as Text)
    Json, // one JSON object on one line
};

// Where a difference goes: one "Label: value" line per count and the phrase
// (a single calculation), or all on one line (batch mode): the six counts and
// the phrase separated by tabs. JSON is one line either way.
enum class TDiffLayout { Lines, OneLine };

// Returns the day number of Text: "YYYY-MM-DD" with a year from 0001 to 9999
// and a day that exists, or "today" (Today(), the local date, asked for only
// then). Raises TUsageError naming Text for anything else.
template <class F> TDateTime ParseDate(std::string_view Text, F&& Today);
TDateTime ParseIsoDate(std::string_view Text);

// The local date as the window starts with it: today's whole day number.
TDateTime LocalToday();

// Appends the difference from Start to End, ending in a line break.
void AppendDifference(std::string& Out, TDateTime Start, TDateTime End, TResultFormat Format,
                      TDiffLayout Layout);

// The six amounts in the order they are applied: days, weekdays, weeks,
// fortnights, months, years. Each is text for TextToInt.
using TAmountTexts = std::array<std::string, 6>;

// Returns the amount that Text holds, as TextToInt reads it, and raises its
// TConvertError otherwise; the message shows Text as ShownText does.
std::int32_t AmountOf(std::string_view Text);

// Returns Start moved by the six amounts, each converted just before it is
// applied. Raises TConvertError like the window's new-date panel: a
// TAmountError for an amount that is not an integer, and the date core's
// error for a date outside the years 1 to 9999.
TDateTime ApplyAmounts(TDateTime Start, const TAmountTexts& Amounts);

// Appends Date in Format, ending in a line break.
void AppendNewDate(std::string& Out, TDateTime Date, TResultFormat Format);

template <class F> TDateTime ParseDate(std::string_view Text, F&& Today) {
    if (Text == "today")
        return Today();
    return ParseIsoDate(Text);
}
