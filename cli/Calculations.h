// The two calculations of morvane-calc, written as text: the difference
// between two dates and the date that six amounts lead to. They give the
// texts the window shows (IntToText, DiffPhrase, LongDateText) and follow
// the window's order of steps, so a date or amount fails here exactly where
// it fails there.
#pragma once

#include "DateFormat.h"
#include "DateRoutines.h"
#include "PhraseText.h"
#include "TextWriting.h"

#include <array>
#include <cstdint>
#include <memory>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

// A command line or batch line that can't be read: a malformed date, a
// missing or unknown word. what() is the message in English without the
// program name, as a JSON result carries it.
class TUsageError : public std::runtime_error {
public:
    // The message Text, one of Messages.h's, with Arg in its "%1".
    explicit TUsageError(const char* Text, std::string_view Arg = {});

    // The message in the user's language.
    std::string Translated() const;

private:
    const char* FText;
    std::string FArg;
};

// A calculation error that one of the six amounts caused: it is not a whole
// number. Unit is its place (0 days ... 5 years); the rest is the
// conversion's own error.
class TAmountError : public TConvertError {
public:
    TAmountError(std::size_t Unit, const TConvertError& Error) : TConvertError(Error), Unit(Unit) {}
    std::size_t Unit;
};

// The six units in their fixed order (TDateKind), as the options of the
// amounts, the columns of a batch line and the JSON keys of a difference
// name them.
inline constexpr std::array<const char*, 6> kUnitNames = {"days",       "weekdays", "weeks",
                                                          "fortnights", "months",   "years"};

// What a difference shows: one of the six counts (0 days ... 5 years, as
// TDateKind) or the phrase; its name in --units and in JSON.
inline constexpr std::size_t kPhraseItem = 6;
inline constexpr const char* kPhraseName = "phrase";

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

// The labels of a difference's six counts and of its phrase, as the window
// shows them in English.
std::array<std::string, 7> EnglishLabels();

// True when none of DateFormatSettings()'s names, its separator and its long
// date pattern holds a double quote, a backslash or a control character.
bool LongDateIsPlainText();

// Everything about how the results of one run are written.
struct TResultStyle {
    TResultFormat Format = TResultFormat::Text;
    // The new date as text: written with --format when given, else as the
    // long date of the user's locale.
    std::optional<TDateFormat> DateFormat;
    // The long date of the locale: made once the locale's settings are read.
    TDatePattern LongDate{DateFormatSettings().LongDatePattern};
    // True when no long date can hold a character that JSON escapes: none
    // of the names, the separator or the pattern holds one.
    bool LongDateIsPlain = LongDateIsPlainText();
    // The items of a difference, in the order they are written (JSON keeps
    // its keys in alphabetical order): 0 to 5 the counts, kPhraseItem.
    std::vector<std::size_t> DiffItems = {0, 1, 2, 3, 4, 5, kPhraseItem};
    // The labels of the items as the text form's "Label: value" lines show
    // them, the window's own: in English unless SpeakUserLanguage set them.
    std::array<std::string, 7> Labels = EnglishLabels();
    // The phrase of the text form in the user's language (DiffPhraseText),
    // when SpeakUserLanguage set it; else, as --iso and --json write it in
    // every language, English.
    std::unique_ptr<TPhraseText> Phrase;
};

// Sets the labels and the phrase of Style's text form to the user's
// language when that is not English: the window's labels as its catalog
// has them, looked up once here.
void SpeakUserLanguage(TResultStyle& Style);

// Returns the day number of Text: "YYYY-MM-DD" with a year from 0001 to 9999
// and a day that exists, or "today", "yesterday" or "tomorrow" (from
// Today(), the local date, asked for only then). Raises TUsageError naming
// Text for anything else.
template <class F> TDateTime ParseDate(std::string_view Text, F&& Today);
TDateTime ParseIsoDate(std::string_view Text);

// The local date as the window starts with it: today's whole day number.
TDateTime LocalToday();

// Appends the difference from Start to End, ending in a line break: the
// items of Style.DiffItems, in Style.Format (Text in Layout). Raises what
// DiffPhrase raises when the phrase is among them, with part of the line
// appended at most.
void AppendDifference(TTextBuffer& Out, TDateTime Start, TDateTime End, const TResultStyle& Style,
                      TDiffLayout Layout);

// Appends the date of parts P as YYYY-MM-DD. P's year must lie in 1 to 9999,
// as that of every date ApplyAmounts returns: its months and years steps
// refuse any other.
void AppendIso(TTextBuffer& Out, const TDateParts& P);

// The six amounts in the order they are applied: days, weekdays, weeks,
// fortnights, months, years; as text for TextToInt, or converted.
using TAmountTexts = std::array<std::string_view, 6>;
using TAmounts = std::array<std::int32_t, 6>;

// Returns the amount that Text holds, as TextToInt reads it, and raises its
// TConvertError otherwise; the message shows Text as ShownText does.
std::int32_t AmountOf(std::string_view Text);

// Returns the six amounts of Texts, converted in order. Raises TAmountError
// for the first that is not a whole number.
TAmounts AmountsOf(const TAmountTexts& Texts);

// Returns Start moved by the six amounts, each converted just before it is
// applied. Raises TConvertError like the window's new-date panel: a
// TAmountError for an amount that is not an integer, and the date core's
// error for a date outside the years 1 to 9999.
TDateTime ApplyAmounts(TDateTime Start, const TAmountTexts& Amounts);

// The same with the amounts converted already.
TDateTime ApplyAmounts(TDateTime Start, const TAmounts& Amounts);

// Appends Date in Style.Format, ending in a line break.
void AppendNewDate(TTextBuffer& Out, TDateTime Date, const TResultStyle& Style);

template <class F> TDateTime ParseDate(std::string_view Text, F&& Today) {
    if (Text.size() == 10)
        return ParseIsoDate(Text);
    if (Text == "today")
        return Today();
    if (Text == "yesterday")
        return Today() - 1;
    if (Text == "tomorrow")
        return Today() + 1;
    return ParseIsoDate(Text);
}
