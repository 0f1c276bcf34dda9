#include "Calculations.h"

#include "CountLabels.h"
#include "Messages.h"
#include "TextWriting.h"
#include "Translations.h"

#include <algorithm>
#include <cstring>

namespace {

// The JSON keys of a difference's items in alphabetical order, as they are
// written: a JSON object's keys have no order of their own, and these keep
// the one that earlier versions wrote. Each with its quotes, the colon and
// the comma before it, kept in sixteen characters copied whole.
struct TJsonKey {
    std::size_t Item;
    char Text[16];
    std::size_t Length;
};
constexpr std::array<TJsonKey, 7> kJsonKeys = {{{0, ",\"days\":", 8},
                                                {3, ",\"fortnights\":", 14},
                                                {4, ",\"months\":", 10},
                                                {kPhraseItem, ",\"phrase\":", 10},
                                                {1, ",\"weekdays\":", 12},
                                                {2, ",\"weeks\":", 9},
                                                {5, ",\"years\":", 9}}};

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

// Date in the long date format, from its parts P.
void AppendLongDate(TTextBuffer& Out, TDateTime Date, const TDateParts& P,
                    const TResultStyle& Style) {
    Out.Commit(Style.LongDate.Write(Out.Room(Style.LongDate.MaxLength()), Date, P));
}

// The first and the last day that a months or years step can rebuild.
const TDateTime kFirstDay = MakeDate(1, 1, 1);
const TDateTime kLastDay = MakeDate(9999, 12, 31);

// Moves Date by Amount units of Kind, as AddDateUnits does. A step of 0
// leaves a date of the years 1 to 9999 as it is, so only a step that moves
// the date, or a months or years step of 0 that refuses a date outside
// those years, goes to AddDateUnits.
TDateTime ApplyStep(std::size_t Kind, TDateTime Date, std::int32_t Amount) {
    if (Amount == 0 && (Kind < dkMonths || (Date >= kFirstDay && Date <= kLastDay)))
        return Date;
    return AddDateUnits(static_cast<TDateKind>(Kind), Date, Amount);
}

// Caption as its label shows it: each access-key marker "&" dropped, "&&"
// shown as one "&", as the window draws it.
std::string ShownCaption(const QString& Caption) {
    QString Shown;
    for (qsizetype I = 0; I < Caption.size(); ++I) {
        if (Caption[I] == u'&' && I + 1 < Caption.size())
            ++I;
        Shown += Caption[I];
    }
    return Shown.toStdString();
}

} // namespace

void AppendIso(TTextBuffer& Out, const TDateParts& P) {
    const auto Year = static_cast<unsigned>(P.Year);
    const auto Month = static_cast<unsigned>(P.Month);
    const auto Day = static_cast<unsigned>(P.Day);
    const char Text[10] = {static_cast<char>('0' + Year / 1000),
                           static_cast<char>('0' + Year / 100 % 10),
                           static_cast<char>('0' + Year / 10 % 10),
                           static_cast<char>('0' + Year % 10),
                           '-',
                           static_cast<char>('0' + Month / 10),
                           static_cast<char>('0' + Month % 10),
                           '-',
                           static_cast<char>('0' + Day / 10),
                           static_cast<char>('0' + Day % 10)};
    Out += std::string_view(Text, sizeof Text);
}

TUsageError::TUsageError(const char* Text, std::string_view Arg)
    : std::runtime_error(Fill(Text, {Arg})), FText(Text), FArg(Arg) {}

std::string TUsageError::Translated() const {
    return Fill(Tr(FText), {FArg});
}

std::array<std::string, 7> EnglishLabels() {
    std::array<std::string, 7> Labels;
    std::copy(kCountLabels.begin(), kCountLabels.end(), Labels.begin());
    return Labels;
}

void SpeakUserLanguage(TResultStyle& Style) {
    if (!InUserLanguage())
        return;
    // The window's labels, by the texts its form gives them.
    for (std::size_t Item = 0; Item < Style.Labels.size(); ++Item)
        Style.Labels[Item] = ShownCaption(Translate("TfrmMainForm", kCountLabelSources[Item]));
    Style.Phrase = std::make_unique<TPhraseText>();
}

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

TDateTime ParseIsoDate(std::string_view Text) {
    if (Text.size() == 10 && Text[4] == '-' && Text[7] == '-') {
        // Each character's distance from '0'; a character that is no digit
        // gives a distance above 9.
        const auto D = [&](std::size_t I) { return static_cast<unsigned char>(Text[I] - '0'); };
        if (D(0) < 10 && D(1) < 10 && D(2) < 10 && D(3) < 10 && D(5) < 10 && D(6) < 10 &&
            D(8) < 10 && D(9) < 10) {
            const int Year = ((D(0) * 10 + D(1)) * 10 + D(2)) * 10 + D(3);
            const int Month = D(5) * 10 + D(6);
            const int Day = D(8) * 10 + D(9);
            if (Year >= 1 && Month >= 1 && Month <= 12 && Day >= 1 &&
                Day <= MonthLength(Year, Month))
                return MakeDate(Year, Month, Day);
        }
    }
    throw TUsageError(kInvalidDate, ShownText(Text));
}

TDateTime LocalToday() {
    return static_cast<TDateTime>(WholePart(CurrentDateTime()));
}

void AppendDifference(TTextBuffer& Out, TDateTime Start, TDateTime End, const TResultStyle& Style,
                      TDiffLayout Layout) {
    const std::array<std::int32_t, 6> Counts = DateCountsBetween(Start, End);
    // The phrase in English, as --iso and --json write it in every language.
    const auto AppendPhrase = [&] {
        Out.Commit(WriteDiffPhrase(Out.Room(kMaxDiffPhraseLength), Start, End));
    };
    const auto AppendValue = [&](std::size_t Item) {
        if (Item != kPhraseItem)
            AppendInt(Out, Counts[Item]);
        else if (Style.Phrase && Style.Format == TResultFormat::Text)
            Out += Style.Phrase->Text(Start, End);
        else
            AppendPhrase();
    };
    if (Style.Format == TResultFormat::Json) {
        unsigned Chosen = 0; // a bit for each item written
        for (const std::size_t Item : Style.DiffItems)
            Chosen |= 1u << Item;
        const std::size_t Start = Out.Size();
        for (const TJsonKey& Key : kJsonKeys) {
            if ((Chosen >> Key.Item & 1) == 0)
                continue;
            char* const Room = Out.Room(sizeof Key.Text);
            std::memcpy(Room, Key.Text, sizeof Key.Text);
            Out.Commit(Room + Key.Length);
            if (Key.Item == kPhraseItem)
                AppendJsonText(Out, AppendPhrase);
            else
                AppendInt(Out, Counts[Key.Item]);
        }
        Out += "}\n";
        Out.Patch(Start, '{'); // the object opens where the first key's comma is
        return;
    }
    if (Layout == TDiffLayout::OneLine || Style.Format == TResultFormat::Iso) {
        bool First = true;
        for (const std::size_t Item : Style.DiffItems) {
            if (!First)
                Out += '\t';
            First = false;
            AppendValue(Item);
        }
        Out += '\n';
        return;
    }
    for (const std::size_t Item : Style.DiffItems) {
        const std::string& Label = Style.Labels[Item];
        Out += Label;
        // A label is followed by a space, unless the phrase after it is empty
        // or the label ends in a full-width colon ("\uFF1A"), which holds
        // its own room.
        const std::size_t Mark = Out.Size();
        if (!Label.ends_with("\uFF1A"))
            Out += ' ';
        AppendValue(Item);
        if (Out.Size() == Mark + 1 && Out.View().back() == ' ')
            Out.Truncate(Mark);
        Out += '\n';
    }
}

std::int32_t AmountOf(std::string_view Text) {
    try {
        return TextToInt(std::string(Text));
    } catch (const TConvertError&) {
        // The message quotes the text; when it holds bytes that can't be
        // printed, or is huge, the message is that of the text as shown. The
        // shown text fails too: it holds a backslash or "...".
        const std::string Shown = ShownText(Text);
        if (Shown != Text)
            TextToInt(Shown);
        throw;
    }
}

namespace {

// The K-th amount of Texts, converted; raises TAmountError.
std::int32_t AmountAt(const TAmountTexts& Texts, std::size_t K) {
    try {
        return AmountOf(Texts[K]);
    } catch (const TConvertError& E) {
        throw TAmountError(K, E);
    }
}

} // namespace

TAmounts AmountsOf(const TAmountTexts& Texts) {
    TAmounts Amounts{};
    for (std::size_t K = 0; K < Texts.size(); ++K)
        Amounts[K] = AmountAt(Texts, K);
    return Amounts;
}

TDateTime ApplyAmounts(TDateTime Start, const TAmountTexts& Amounts) {
    TDateTime Date = Start;
    for (std::size_t K = 0; K < Amounts.size(); ++K)
        Date = ApplyStep(K, Date, AmountAt(Amounts, K));
    return Date;
}

TDateTime ApplyAmounts(TDateTime Start, const TAmounts& Amounts) {
    TDateTime Date = Start;
    for (std::size_t K = 0; K < Amounts.size(); ++K)
        Date = ApplyStep(K, Date, Amounts[K]);
    return Date;
}

void AppendNewDate(TTextBuffer& Out, TDateTime Date, const TResultStyle& Style) {
    const TDateParts P = SplitDate(Date);
    switch (Style.Format) {
    case TResultFormat::Text:
        if (Style.DateFormat)
            Style.DateFormat->AppendTo(Out, Date);
        else
            AppendLongDate(Out, Date, P, Style);
        break;
    case TResultFormat::Iso:
        AppendIso(Out, P);
        break;
    case TResultFormat::Json:
        Out += "{\"date\":\"";
        AppendIso(Out, P);
        Out += "\",\"dayNumber\":";
        AppendInt(Out, static_cast<std::int64_t>(Date));
        Out += ",\"longDate\":";
        if (Style.LongDateIsPlain) {
            Out += '"';
            AppendLongDate(Out, Date, P, Style);
            Out += '"';
        } else {
            AppendJsonText(Out, [&] { AppendLongDate(Out, Date, P, Style); });
        }
        Out += '}';
        break;
    }
    Out += '\n';
}
