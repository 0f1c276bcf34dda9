#include "Calculations.h"

#include "CountLabels.h"
#include "TextWriting.h"

#include <algorithm>

namespace {

// The JSON keys of a difference's items in alphabetical order, as they are
// written: a JSON object's keys have no order of their own, and these keep
// the one that earlier versions wrote.
constexpr std::array<std::size_t, 7> kJsonOrder = {0, 3, 4, kPhraseItem, 1, 2, 5};

const char* ItemName(std::size_t Item) {
    return Item == kPhraseItem ? kPhraseName : kUnitNames[Item];
}

int Digits(std::string_view Text, std::size_t Pos, std::size_t Count) {
    int Value = 0;
    for (std::size_t I = Pos; I < Pos + Count; ++I) {
        if (Text[I] < '0' || Text[I] > '9')
            return -1;
        Value = Value * 10 + (Text[I] - '0');
    }
    return Value;
}

// Date as YYYY-MM-DD. Every date that leaves ApplyAmounts lies in the years
// 1 to 9999: its months and years steps refuse any other.
void AppendIso(std::string& Out, TDateTime Date) {
    const TDateParts P = SplitDate(Date);
    AppendInt(Out, P.Year, 4);
    Out += '-';
    AppendInt(Out, P.Month, 2);
    Out += '-';
    AppendInt(Out, P.Day, 2);
}

// Moves Date by Amount units of Kind, as AddDateUnits does.
TDateTime ApplyStep(std::size_t Kind, TDateTime Date, std::int32_t Amount) {
    return AddDateUnits(static_cast<TDateKind>(Kind), Date, Amount);
}

} // namespace

TDateTime ParseIsoDate(std::string_view Text) {
    if (Text.size() == 10 && Text[4] == '-' && Text[7] == '-') {
        const int Year = Digits(Text, 0, 4);
        const int Month = Digits(Text, 5, 2);
        const int Day = Digits(Text, 8, 2);
        if (Year >= 1 && Month >= 1 && Month <= 12 && Day >= 1 && Day <= MonthLength(Year, Month))
            return MakeDate(Year, Month, Day);
    }
    throw TUsageError("invalid date '" + ShownText(Text) +
                      "' (YYYY-MM-DD with a year from 0001 to 9999, today, yesterday or tomorrow)");
}

TDateTime LocalToday() {
    return static_cast<TDateTime>(WholePart(CurrentDateTime()));
}

void AppendDifference(std::string& Out, TDateTime Start, TDateTime End, const TResultStyle& Style,
                      TDiffLayout Layout) {
    std::array<std::int32_t, 6> Counts{};
    std::string Phrase;
    for (const std::size_t Item : Style.DiffItems) {
        if (Item == kPhraseItem)
            Phrase = DiffPhrase(Start, End);
        else
            Counts[Item] = DateUnitsBetween(static_cast<TDateKind>(Item), Start, End);
    }

    if (Style.Format == TResultFormat::Json) {
        char Separator = '{';
        for (const std::size_t Item : kJsonOrder) {
            if (std::find(Style.DiffItems.begin(), Style.DiffItems.end(), Item) ==
                Style.DiffItems.end())
                continue;
            Out += Separator;
            Separator = ',';
            Out += '"';
            Out += ItemName(Item);
            Out += "\":";
            if (Item == kPhraseItem)
                AppendJsonString(Out, Phrase);
            else
                AppendInt(Out, Counts[Item]);
        }
        Out += "}\n";
        return;
    }
    if (Style.Format == TResultFormat::Iso)
        Layout = TDiffLayout::OneLine;
    bool First = true;
    for (const std::size_t Item : Style.DiffItems) {
        if (Layout == TDiffLayout::OneLine && !First)
            Out += '\t';
        First = false;
        if (Layout == TDiffLayout::Lines) {
            Out += kCountLabels[Item];
            if (Item != kPhraseItem || !Phrase.empty())
                Out += ' ';
        }
        if (Item == kPhraseItem)
            Out += Phrase;
        else
            AppendInt(Out, Counts[Item]);
        if (Layout == TDiffLayout::Lines)
            Out += '\n';
    }
    if (Layout == TDiffLayout::OneLine)
        Out += '\n';
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
        throw TAmountError(K, E.what());
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

void AppendNewDate(std::string& Out, TDateTime Date, const TResultStyle& Style) {
    switch (Style.Format) {
    case TResultFormat::Text:
        if (Style.DateFormat)
            Style.DateFormat->AppendTo(Out, Date);
        else
            Out += LongDateText(Date);
        break;
    case TResultFormat::Iso:
        AppendIso(Out, Date);
        break;
    case TResultFormat::Json:
        Out += "{\"date\":\"";
        AppendIso(Out, Date);
        Out += "\",\"dayNumber\":";
        AppendInt(Out, static_cast<std::int64_t>(Date));
        Out += ",\"longDate\":";
        AppendJsonString(Out, LongDateText(Date));
        Out += '}';
        break;
    }
    Out += '\n';
}
