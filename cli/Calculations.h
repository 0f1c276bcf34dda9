// The two calculations of morvane-calc, written as text: the difference
// between two dates and the date that six amounts lead to. They give the
// texts the window shows (its labels, the phrase, the long date) and follow
// the window's order of steps, so a date or amount fails here exactly where
// it fails there. A calculation that fails says why in a TProblem and
// raises nothing, so that a failing line of a batch costs about what a good
// one does.
#pragma once

#include "DateFormat.h"
#include "DateRoutines.h"
#include "Options.h"
#include "TextWriting.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

class THolidayCalendar;

// Why a calculation failed.
struct TProblem {
    enum TKind : std::uint8_t {
        pkMessage,    // a message of Messages.h, with Arg (shown) in its %1
        pkNotInteger, // the amount Amount, whose text Arg is no whole number
        pkDateEncode, // a date outside the years 1 to 9999 (after Amount)
    };
    TKind Kind = pkMessage;
    const char* Text = nullptr;
    std::string_view Arg;
    TDateKind Amount = dkDays;

    // The problem told by the message Text, with Arg in its "%1".
    static TProblem Message(const char* Text, std::string_view Arg = {}) {
        return {pkMessage, Text, Arg, dkDays};
    }
};

// How a result is written.
enum class TResultFormat {
    Text, // difference: "Label: value" lines; new date: the long date text
    Iso,  // new date as YYYY-MM-DD; difference: its values on one line
    Json, // one JSON object on one line
};

// Where a difference goes: one "Label: value" line per item (a single
// calculation as text), or all on one line separated by tabs (batch mode,
// and the ISO form). JSON is one line either way.
enum class TDiffLayout { Lines, OneLine };

// The long date of the user's locale, made for writing many dates: from the
// pattern's pieces for the first few, then from a table of its texts
// (TDateTable), which takes a moment to make and pays off over a batch.
class TLongDate {
public:
    explicit TLongDate(const std::string& Pattern);

    // True when no long date can hold a character that JSON escapes: none
    // of the names, the separator or the pattern holds one.
    bool Plain() const { return FPlain; }

    // The most characters Write writes.
    std::size_t MaxLength() const { return FMaxLength; }

    // Writes Date, split into P, at Out and returns the end; given Iso, the
    // date written as YYYY-MM-DD already, it takes its digits from there.
    char* Write(char* Out, TDateTime Date, const TDateParts& P, const char* Iso = nullptr) {
        if (!FTable)
            return WriteBeforeTable(Out, Date, P);
        return Iso ? FTable->Write(Out, Date, P, Iso) : FTable->Write(Out, Date, P);
    }

private:
    // The dates written before the table is made.
    static constexpr int kBeforeTable = 64;

    TDatePattern FPattern;
    std::optional<TDateTable> FTable;
    bool FPlain;
    std::size_t FMaxLength;
    int FWritten = 0;

    // Write while there is no table, which it makes at the kBeforeTable-th
    // date.
    char* WriteBeforeTable(char* Out, TDateTime Date, const TDateParts& P);
};

// Everything about how the results of one run are written.
class TResultStyle {
public:
    TResultFormat Format = TResultFormat::Text;
    // The new date as text: written with --format when given, else as the
    // long date of the user's locale.
    std::optional<TDateFormat> DateFormat;
    // The items of a difference, in the order they are written (JSON keeps
    // its keys in alphabetical order).
    std::vector<TDiffItem> DiffItems = {diDays,   diWeekdays, diWeeks, diFortnights,
                                        diMonths, diYears,    diPhrase};
    // True when the text form's labels and phrase are in the user's
    // language, as those of a difference are; --iso and --json write the
    // phrase in English in every language.
    bool UserLanguage = false;
    // The working days of the run, when --holidays or --weekend is given:
    // the weekdays count and step go by them instead of Monday to Friday,
    // and the text form labels the count as working days.
    THolidayCalendar* WorkingDays = nullptr;

    // The long date, made from the user's locale at the first date that
    // needs it.
    TLongDate& LongDate() const {
        if (!FLongDate)
            MakeLongDate();
        return *FLongDate;
    }

    // The labels of the items as the text form's "Label: value" lines show
    // them, the window's own, made at the first call.
    const std::array<std::string, kDiffItemCount>& Labels() const;

private:
    mutable std::optional<TLongDate> FLongDate;
    mutable std::optional<std::array<std::string, kDiffItemCount>> FLabels;

    // Makes the long date: out of line, so that a date's call of LongDate
    // stays one test, with nothing saved around a call.
    void MakeLongDate() const;
};

// The day number of Text: "YYYY-MM-DD" with a year from 0001 to 9999 and a
// day that exists, or "today", "yesterday" or "tomorrow" (from Today(), the
// local date, asked for only then). Nothing for anything else.
template <class F> std::optional<TDateTime> ParseDate(std::string_view Text, F&& Today);
std::optional<TDateTime> ParseIsoDate(std::string_view Text);

// The problem of a date Text that ParseDate refused.
TProblem InvalidDate(std::string_view Text);

// The local date as the window starts with it: today's whole day number.
TDateTime LocalToday();

// Appends the difference from Start to End (dates of the years 1 to 9999),
// ending in a line break: the items of Style.DiffItems, in Style.Format
// (Text in Layout).
void AppendDifference(TTextBuffer& Out, TDateTime Start, TDateTime End, const TResultStyle& Style,
                      TDiffLayout Layout);

// The six amounts in the order they are applied: days, weekdays, weeks,
// fortnights, months, years; as text for TryTextToInt, or converted.
using TAmountTexts = std::array<std::string_view, 6>;
using TAmounts = std::array<std::int32_t, 6>;

// Converts the six amounts of Texts in order into Amounts. False, with the
// problem of the first that is no whole number, when one fails.
bool AmountsOf(const TAmountTexts& Texts, TAmounts& Amounts, TProblem& Problem);

// Moves Date by the six amounts, each converted just before it is applied,
// like the window's new-date panel: false, with its problem, for an amount
// that is no whole number or a date outside the years 1 to 9999. The
// weekdays step goes by WorkingDays when given.
bool ApplyAmounts(TDateTime& Date, const TAmountTexts& Amounts, TProblem& Problem,
                  THolidayCalendar* WorkingDays = nullptr);

// The same with the amounts converted already.
bool ApplyAmounts(TDateTime& Date, const TAmounts& Amounts, TProblem& Problem,
                  THolidayCalendar* WorkingDays = nullptr);

// Appends Date (of the years 1 to 9999) in Style.Format, ending in a line
// break.
void AppendNewDate(TTextBuffer& Out, TDateTime Date, const TResultStyle& Style);

template <class F> std::optional<TDateTime> ParseDate(std::string_view Text, F&& Today) {
    if (Text.size() == 10)
        return ParseIsoDate(Text);
    if (Text == "today")
        return Today();
    if (Text == "yesterday")
        return Today() - 1;
    if (Text == "tomorrow")
        return Today() + 1;
    return std::nullopt;
}
