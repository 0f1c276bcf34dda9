#include "Calculations.h"

#include "CountLabels.h"
#include "TextWriting.h"

#include <QJsonDocument>
#include <QJsonObject>
#include <QString>

namespace {

// The window's labels of the six counts and of the phrase, in its order
// (kCountLabels, read from its description at build time).
constexpr const char* kPhraseLabel = kCountLabels[6];

int Digits(std::string_view Text, std::size_t Pos, std::size_t Count) {
    int Value = 0;
    for (std::size_t I = Pos; I < Pos + Count; ++I) {
        if (Text[I] < '0' || Text[I] > '9')
            return -1;
        Value = Value * 10 + (Text[I] - '0');
    }
    return Value;
}

void AppendDigits(std::string& Out, std::int64_t Value, int Count) {
    char Buffer[4];
    for (int I = Count - 1; I >= 0; --I) {
        Buffer[I] = static_cast<char>('0' + Value % 10);
        Value /= 10;
    }
    Out.append(Buffer, static_cast<std::size_t>(Count));
}

// Date as YYYY-MM-DD. Every date that leaves ApplyAmounts lies in the years
// 1 to 9999: its months and years steps refuse any other.
void AppendIso(std::string& Out, TDateTime Date) {
    const TDateParts P = SplitDate(Date);
    AppendDigits(Out, P.Year, 4);
    Out += '-';
    AppendDigits(Out, P.Month, 2);
    Out += '-';
    AppendDigits(Out, P.Day, 2);
}

void AppendJson(std::string& Out, const QJsonObject& Object) {
    Out += QJsonDocument(Object).toJson(QJsonDocument::Compact).toStdString();
    Out += '\n';
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
                      "' (YYYY-MM-DD with a year from 0001 to 9999, or today)");
}

TDateTime LocalToday() {
    return static_cast<TDateTime>(WholePart(CurrentDateTime()));
}

void AppendDifference(std::string& Out, TDateTime Start, TDateTime End, TResultFormat Format,
                      TDiffLayout Layout) {
    std::array<std::int32_t, 6> Counts{};
    for (std::size_t K = 0; K < Counts.size(); ++K)
        Counts[K] = DateUnitsBetween(static_cast<TDateKind>(K), Start, End);
    const std::string Phrase = DiffPhrase(Start, End);

    if (Format == TResultFormat::Json) {
        QJsonObject Object;
        for (std::size_t K = 0; K < Counts.size(); ++K)
            Object.insert(QLatin1String(kUnitNames[K]), Counts[K]);
        Object.insert(QLatin1String("phrase"), QString::fromStdString(Phrase));
        AppendJson(Out, Object);
        return;
    }
    for (std::size_t K = 0; K < Counts.size(); ++K) {
        if (Layout == TDiffLayout::Lines) {
            Out += kCountLabels[K];
            Out += ' ';
        }
        Out += IntToText(Counts[K]);
        Out += Layout == TDiffLayout::Lines ? '\n' : '\t';
    }
    if (Layout == TDiffLayout::Lines) {
        Out += kPhraseLabel;
        if (!Phrase.empty())
            Out += ' ';
    }
    Out += Phrase;
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

TDateTime ApplyAmounts(TDateTime Start, const TAmountTexts& Amounts) {
    TDateTime Date = Start;
    for (std::size_t K = 0; K < Amounts.size(); ++K) {
        std::int32_t Amount = 0;
        try {
            Amount = AmountOf(Amounts[K]);
        } catch (const TConvertError& E) {
            throw TAmountError(K, E.what());
        }
        Date = AddDateUnits(static_cast<TDateKind>(K), Date, Amount);
    }
    return Date;
}

void AppendNewDate(std::string& Out, TDateTime Date, TResultFormat Format) {
    switch (Format) {
    case TResultFormat::Text:
        Out += LongDateText(Date);
        break;
    case TResultFormat::Iso:
        AppendIso(Out, Date);
        break;
    case TResultFormat::Json: {
        std::string Iso;
        AppendIso(Iso, Date);
        QJsonObject Object;
        Object.insert(QLatin1String("date"), QString::fromStdString(Iso));
        Object.insert(QLatin1String("dayNumber"), Date);
        Object.insert(QLatin1String("longDate"), QString::fromStdString(LongDateText(Date)));
        AppendJson(Out, Object);
        return;
    }
    }
    Out += '\n';
}
