#include "Calculations.h"

#include "Caption.h"
#include "CountLabels.h"
#include "HolidayCalendar.h"
#include "Messages.h"
#include "UserLocale.h"

#include <algorithm>
#include <cstring>

namespace {

// The JSON keys of a difference's items in alphabetical order, as they are
// written: a JSON object's keys have no order of their own, and these keep
// the one that earlier versions wrote. Each with its quotes, the colon and
// the comma before it, kept in sixteen characters copied whole.
struct TJsonKey {
    TDiffItem Item;
    char Text[16];
    std::size_t Length;
};

constexpr std::array<TJsonKey, kDiffItemCount> MakeJsonKeys() {
    std::array<TDiffItem, kDiffItemCount> Items{};
    for (std::size_t I = 0; I < Items.size(); ++I)
        Items[I] = static_cast<TDiffItem>(I);
    std::sort(Items.begin(), Items.end(),
              [](TDiffItem A, TDiffItem B) { return DiffItemName(A) < DiffItemName(B); });
    std::array<TJsonKey, kDiffItemCount> Keys{};
    for (std::size_t I = 0; I < Items.size(); ++I) {
        TJsonKey& Key = Keys[I];
        Key.Item = Items[I];
        const std::string_view Name = DiffItemName(Items[I]);
        Key.Text[Key.Length++] = ',';
        Key.Text[Key.Length++] = '"';
        for (const char C : Name)
            Key.Text[Key.Length++] = C;
        Key.Text[Key.Length++] = '"';
        Key.Text[Key.Length++] = ':';
    }
    return Keys;
}
constexpr std::array<TJsonKey, kDiffItemCount> kJsonKeys = MakeJsonKeys();

// True for a character that a JSON string holds as it stands.
bool IsPlain(char C) {
    return static_cast<unsigned char>(C) >= 0x20 && C != '"' && C != '\\';
}

// The same for a whole text, eight characters at a time: subtracting a value
// from every byte of a word sets the top bit of a byte below that value
// whose own top bit is clear (a borrow only runs on from such a byte), and
// a byte equal to '"' or '\\' is a zero byte once the word is xor-ed with it.
bool IsPlain(std::string_view Text) {
    constexpr std::uint64_t kOnes = 0x0101010101010101, kTops = 0x8080808080808080;
    const auto HasZeroByte = [](std::uint64_t W) { return (W - kOnes) & ~W & kTops; };
    std::size_t I = 0;
    for (; I + 8 <= Text.size(); I += 8) {
        std::uint64_t W;
        std::memcpy(&W, Text.data() + I, 8);
        const std::uint64_t Below20 = (W - kOnes * 0x20) & ~W & kTops;
        if (Below20 | HasZeroByte(W ^ (kOnes * '"')) | HasZeroByte(W ^ (kOnes * '\\')))
            return false;
    }
    for (; I < Text.size(); ++I)
        if (!IsPlain(Text[I]))
            return false;
    return true;
}

// True when none of DateFormatSettings()'s names, its separator and its long
// date pattern holds a character that a JSON string escapes.
bool LongDateIsPlainText() {
    const TDateFormatSettings& S = DateFormatSettings();
    bool Plain = IsPlain(S.LongDatePattern) && IsPlain(S.DateSeparator);
    for (const auto* Names : {&S.LongMonthNames, &S.ShortMonthNames})
        for (const std::string& Name : *Names)
            Plain = Plain && IsPlain(Name);
    for (const auto* Names : {&S.LongDayNames, &S.ShortDayNames})
        for (const std::string& Name : *Names)
            Plain = Plain && IsPlain(Name);
    return Plain;
}

// Appends, as a JSON string, the text that Write appends to Out. The text
// seldom holds anything to escape (a quote, a backslash, a control
// character); when it does, it is taken back and written escaped.
template <class F> void AppendJsonText(TTextBuffer& Out, F&& Write) {
    Out += '"';
    const std::size_t Start = Out.Size();
    Write();
    const std::string_view Written = Out.View().substr(Start);
    if (!IsPlain(Written)) {
        const std::string Text(Written);
        Out.Truncate(Start - 1);
        AppendJsonString(Out, Text);
        return;
    }
    Out += '"';
}

// Writes Text, a literal, at Out and returns the end: a copy of known size.
template <std::size_t N> char* Put(char* Out, const char (&Text)[N]) {
    std::memcpy(Out, Text, N - 1);
    return Out + N - 1;
}

// Date in the long date format, from its parts P.
void AppendLongDate(TTextBuffer& Out, TDateTime Date, const TDateParts& P,
                    const TResultStyle& Style) {
    TLongDate& LongDate = Style.LongDate();
    Out.Commit(LongDate.Write(Out.Room(LongDate.MaxLength()), Date, P));
}

// Appends Date as YYYY-MM-DD, from its parts P.
void AppendIso(TTextBuffer& Out, const TDateParts& P) {
    Out.Commit(WriteIsoDate(Out.Room(10), P));
}

// The English text for the distance from a day to itself, and the room for
// it or for any other English phrase.
constexpr std::string_view kSameDay = kSameDayPhrase;
constexpr std::size_t kPhraseRoom = std::max(kMaxDiffPhraseLength, kSameDay.size());

// Writes the distance in words of Difference in English at Out and returns
// the end; for the same day, the text that says so, a phrase never being
// empty. Out must have room for kPhraseRoom characters.
char* WriteEnglishPhrase(char* Out, const TDifference& Difference) {
    char* const Written = WriteDiffPhrase(Out, Difference.Phrase);
    if (Written != Out)
        return Written;
    std::memcpy(Out, kSameDay.data(), kSameDay.size());
    return Out + kSameDay.size();
}

// Appends the distance in words from Start to End (whose Difference it is):
// in the user's language when Translated, else in English.
void AppendPhrase(TTextBuffer& Out, TDateTime Start, TDateTime End, const TDifference& Difference,
                  bool Translated) {
    const std::optional<std::string_view> Phrase =
        Translated ? UserPhrase(Start, End) : std::nullopt;
    if (!Phrase)
        Out.Commit(WriteEnglishPhrase(Out.Room(kPhraseRoom), Difference));
    else if (Phrase->empty())
        Out += Tr(kSameDayPhrase);
    else
        Out += *Phrase;
}

// The difference as one JSON object, all of it in one room.
void AppendJsonDifference(TTextBuffer& Out, const TDifference& Difference,
                          const TResultStyle& Style) {
    unsigned Chosen = 0; // a bit for each item written
    for (const TDiffItem Item : Style.DiffItems)
        Chosen |= 1u << Item;
    char* const Open =
        Out.Room(kDiffItemCount * (sizeof(TJsonKey::Text) + kMaxIntLength) + 2 * kPhraseRoom + 4);
    char* P = Open;
    for (const TJsonKey& Key : kJsonKeys) {
        if ((Chosen >> Key.Item & 1) == 0)
            continue;
        std::memcpy(P, Key.Text, sizeof Key.Text);
        P += Key.Length;
        if (Key.Item != diPhrase) {
            P = WriteInt(P, Difference.Counts[Key.Item]);
            continue;
        }
        // The English phrase holds nothing that JSON escapes.
        *P++ = '"';
        P = WriteEnglishPhrase(P, Difference);
        *P++ = '"';
    }
    *P++ = '}';
    *P++ = '\n';
    *Open = '{'; // the object opens where the first key's comma is
    Out.Commit(P);
}

// The difference's items on one line, separated by tabs: the counts and
// the English phrase in one room.
void AppendDifferenceLine(TTextBuffer& Out, TDateTime Start, TDateTime End,
                          const TDifference& Difference, const TResultStyle& Style) {
    const bool Translated =
        Style.UserLanguage && Style.Format == TResultFormat::Text && InUserLanguage();
    constexpr std::size_t kRoom = kDiffItemCount * (kMaxIntLength + 1) + 2 * kPhraseRoom + 1;
    char* P = Out.Room(kRoom);
    bool First = true;
    for (const TDiffItem Item : Style.DiffItems) {
        if (!First)
            *P++ = '\t';
        First = false;
        if (Item != diPhrase) {
            P = WriteInt(P, Difference.Counts[Item]);
        } else if (!Translated) {
            P = WriteEnglishPhrase(P, Difference);
        } else {
            Out.Commit(P);
            AppendPhrase(Out, Start, End, Difference, true);
            P = Out.Room(kRoom);
        }
    }
    *P++ = '\n';
    Out.Commit(P);
}

// The difference's items as "Label: value" lines.
void AppendLabelledDifference(TTextBuffer& Out, TDateTime Start, TDateTime End,
                              const TDifference& Difference, const TResultStyle& Style) {
    for (const TDiffItem Item : Style.DiffItems) {
        const std::string& Label = Style.Labels()[Item];
        Out += Label;
        // A label is followed by a space, unless it ends in a full-width
        // colon ("\uFF1A"), which holds its own room.
        if (!Label.ends_with("\uFF1A"))
            Out += ' ';
        if (Item == diPhrase)
            AppendPhrase(Out, Start, End, Difference, Style.UserLanguage);
        else
            AppendInt(Out, Difference.Counts[Item]);
        Out += '\n';
    }
}

// The first and the last day that a months or years step can rebuild.
const TDateTime kFirstDay = MakeDate(1, 1, 1);
const TDateTime kLastDay = MakeDate(9999, 12, 31);

// Moves Date by Amount units of Kind, as AddDateUnits does; false where it
// raises. A step of 0 leaves a date of the years 1 to 9999 as it is, so only
// a step that moves the date, or a months or years step of 0 that refuses a
// date outside those years, goes to the date core.
bool ApplyStep(TDateKind Kind, TDateTime& Date, std::int32_t Amount,
               THolidayCalendar* WorkingDays) {
    if (Amount == 0 && (Kind < dkMonths || (Date >= kFirstDay && Date <= kLastDay)))
        return true;
    if (Kind == dkWeekdays && WorkingDays) {
        Date = WorkingDays->Add(Date, Amount);
        return true;
    }
    const std::optional<TDateTime> Moved = TryAddDateUnits(Kind, Date, Amount);
    if (Moved)
        Date = *Moved;
    return Moved.has_value();
}

} // namespace

TLongDate::TLongDate(const std::string& Pattern)
    : FPattern(Pattern), FPlain(LongDateIsPlainText()), FMaxLength(FPattern.MaxLength()) {}

char* TLongDate::WriteBeforeTable(char* Out, TDateTime Date, const TDateParts& P) {
    if (++FWritten == kBeforeTable) {
        FTable.emplace(FPattern);
        FMaxLength = std::max(FMaxLength, FTable->MaxLength());
    }
    return FPattern.Write(Out, Date, P);
}

void TResultStyle::MakeLongDate() const {
    LoadUserDateNames();
    FLongDate.emplace(DateFormatSettings().LongDatePattern);
}

const std::array<std::string, kDiffItemCount>& TResultStyle::Labels() const {
    if (!FLabels) {
        FLabels.emplace();
        for (std::size_t Item = 0; Item < kDiffItemCount; ++Item) {
            if (Item == diWeekdays && WorkingDays) {
                (*FLabels)[Item] = UserLanguage ? Tr(kWorkingDaysLabel) : kWorkingDaysLabel;
                continue;
            }
            const std::string Caption = UserLanguage
                                            ? TrIn(kCountLabelContext, kCountLabelSources[Item])
                                            : std::string(kCountLabelSources[Item]);
            (*FLabels)[Item] = ParseCaption(Caption).Shown;
        }
    }
    return *FLabels;
}

std::optional<TDateTime> ParseIsoDate(std::string_view Text) {
    const std::optional<TDateParts> P = ReadIsoDate(Text);
    if (!P || P->Year < 1)
        return std::nullopt;
    return MakeDate(P->Year, P->Month, P->Day);
}

TProblem InvalidDate(std::string_view Text) {
    return TProblem::Message(kInvalidDate, Text);
}

TDateTime LocalToday() {
    return static_cast<TDateTime>(WholePart(CurrentDateTime()));
}

void AppendDifference(TTextBuffer& Out, TDateTime Start, TDateTime End, const TResultStyle& Style,
                      TDiffLayout Layout) {
    TDifference Difference = DateDifference(Start, End);
    if (Style.WorkingDays)
        Difference.Counts[dkWeekdays] = Style.WorkingDays->Between(Start, End);
    if (Style.Format == TResultFormat::Json)
        AppendJsonDifference(Out, Difference, Style);
    else if (Layout == TDiffLayout::OneLine || Style.Format == TResultFormat::Iso)
        AppendDifferenceLine(Out, Start, End, Difference, Style);
    else
        AppendLabelledDifference(Out, Start, End, Difference, Style);
}

bool AmountsOf(const TAmountTexts& Texts, TAmounts& Amounts, TProblem& Problem) {
    for (std::size_t K = 0; K < Texts.size(); ++K) {
        if (!TryTextToInt(Texts[K], Amounts[K])) {
            Problem = {TProblem::pkNotInteger, nullptr, Texts[K], static_cast<TDateKind>(K)};
            return false;
        }
    }
    return true;
}

bool ApplyAmounts(TDateTime& Date, const TAmountTexts& Amounts, TProblem& Problem,
                  THolidayCalendar* WorkingDays) {
    for (std::size_t K = 0; K < Amounts.size(); ++K) {
        const auto Kind = static_cast<TDateKind>(K);
        std::int32_t Amount = 0;
        if (!TryTextToInt(Amounts[K], Amount)) {
            Problem = {TProblem::pkNotInteger, nullptr, Amounts[K], Kind};
            return false;
        }
        if (!ApplyStep(Kind, Date, Amount, WorkingDays)) {
            Problem = {TProblem::pkDateEncode, nullptr, {}, Kind};
            return false;
        }
    }
    return true;
}

bool ApplyAmounts(TDateTime& Date, const TAmounts& Amounts, TProblem& Problem,
                  THolidayCalendar* WorkingDays) {
    for (std::size_t K = 0; K < Amounts.size(); ++K) {
        const auto Kind = static_cast<TDateKind>(K);
        if (!ApplyStep(Kind, Date, Amounts[K], WorkingDays)) {
            Problem = {TProblem::pkDateEncode, nullptr, {}, Kind};
            return false;
        }
    }
    return true;
}

void AppendNewDate(TTextBuffer& Out, TDateTime Date, const TResultStyle& Style) {
    const TDateParts P = SplitDate(Date);
    switch (Style.Format) {
    case TResultFormat::Text:
        if (Style.DateFormat) {
            if (Style.DateFormat->WritesNames())
                LoadUserDateNames();
            Style.DateFormat->AppendTo(Out, Date, P);
        } else {
            AppendLongDate(Out, Date, P, Style);
        }
        Out += '\n';
        return;
    case TResultFormat::Iso: {
        char* const Text = WriteIsoDate(Out.Room(11), P);
        *Text = '\n';
        Out.Commit(Text + 1);
        return;
    }
    case TResultFormat::Json:
        break;
    }
    TLongDate& LongDate = Style.LongDate();
    if (!LongDate.Plain()) {
        Out += "{\"date\":\"";
        AppendIso(Out, P);
        Out += "\",\"dayNumber\":";
        AppendInt(Out, static_cast<std::int64_t>(Date));
        Out += ",\"longDate\":";
        AppendJsonText(Out, [&] { AppendLongDate(Out, Date, P, Style); });
        Out += "}\n";
        return;
    }
    // The whole object in one room: no character of it needs escaping.
    char* Text = Out.Room(64 + LongDate.MaxLength());
    Text = Put(Text, "{\"date\":\"");
    const char* const Iso = Text;
    Text = WriteIsoDate(Text, P);
    Text = Put(Text, "\",\"dayNumber\":");
    Text = WriteInt(Text, static_cast<std::int64_t>(Date));
    Text = Put(Text, ",\"longDate\":\"");
    Text = LongDate.Write(Text, Date, P, Iso);
    Text = Put(Text, "\"}\n");
    Out.Commit(Text);
}
