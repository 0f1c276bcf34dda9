#include "LocaleSettings.h"

#include "DateRoutines.h"

namespace {

bool IsPatternLetter(QChar C) {
    const char16_t L = C.toLower().unicode();
    return L == u'd' || L == u'm' || L == u'y';
}

// Appends literal text to a pattern of the date core's language.
void AppendLiteral(QString& Out, QChar C) {
    if (C == u'"')
        Out += QStringLiteral("'\"'");
    else if (IsPatternLetter(C) || C == u'/' || C == u'\'')
        Out += u'"' + QString(C) + u'"';
    else
        Out += C;
}

// Appends literal text to a toolkit display format.
void AppendQtLiteral(QString& Out, const QString& Text) {
    bool NeedsQuotes = false;
    for (QChar C : Text)
        NeedsQuotes = NeedsQuotes || C.isLetter() || C == u'\'';
    if (!NeedsQuotes) {
        Out += Text;
        return;
    }
    QString Quoted = Text;
    Quoted.replace(u'\'', QStringLiteral("''"));
    Out += u'\'' + Quoted + u'\'';
}

int RunLength(const QString& S, qsizetype I, bool CaseInsensitive) {
    const QChar C = S[I];
    qsizetype J = I;
    while (J < S.size() && (CaseInsensitive ? S[J].toLower() == C.toLower() : S[J] == C))
        ++J;
    return static_cast<int>(J - I);
}

} // namespace

QList<TQtFormatPiece> SplitQtDateFormat(const QString& Format) {
    QList<TQtFormatPiece> Pieces;
    auto AddLiteral = [&Pieces](QChar C) {
        if (Pieces.isEmpty() || !Pieces.last().Letter.isNull())
            Pieces.append(TQtFormatPiece{});
        Pieces.last().Text += C;
    };
    bool Quoted = false;
    for (qsizetype I = 0; I < Format.size();) {
        const QChar C = Format[I];
        if (C == u'\'') {
            if (I + 1 < Format.size() && Format[I + 1] == u'\'') {
                AddLiteral(C);
                I += 2;
            } else {
                Quoted = !Quoted;
                ++I;
            }
        } else if (!Quoted && (C == u'd' || C == u'M' || C == u'y')) {
            const int N = RunLength(Format, I, false);
            Pieces.append(TQtFormatPiece{C, N, QString()});
            I += N;
        } else {
            AddLiteral(C);
            ++I;
        }
    }
    return Pieces;
}

std::string QtPatternToDatePattern(const QString& QtPattern) {
    QString Out;
    for (const TQtFormatPiece& P : SplitQtDateFormat(QtPattern)) {
        if (P.Letter == u'd')
            Out += QString(std::min(P.Count, 4), u'd');
        else if (P.Letter == u'M')
            Out += QString(std::min(P.Count, 4), u'm');
        else if (P.Letter == u'y')
            Out += P.Count <= 2 ? QStringLiteral("yy") : QStringLiteral("yyyy");
        else
            for (const QChar C : P.Text)
                AppendLiteral(Out, C);
    }
    return Out.toStdString();
}

QString DatePatternToQtFormat(const std::string& Pattern, const std::string& Separator) {
    const QString S = QString::fromStdString(Pattern);
    QString Out;
    QString Literal;
    auto Flush = [&] {
        if (!Literal.isEmpty())
            AppendQtLiteral(Out, Literal);
        Literal.clear();
    };
    for (qsizetype I = 0; I < S.size();) {
        const QChar C = S[I];
        if (C == u'\'' || C == u'"') {
            qsizetype J = I + 1;
            while (J < S.size() && S[J] != C)
                Literal += S[J++];
            I = J < S.size() ? J + 1 : J;
            continue;
        }
        if (C == u'/') {
            Literal += QString::fromStdString(Separator);
            ++I;
            continue;
        }
        if (!IsPatternLetter(C)) {
            Literal += C;
            ++I;
            continue;
        }
        Flush();
        const int N = RunLength(S, I, true);
        const char16_t L = C.toLower().unicode();
        if (L == u'd')
            Out += QString(std::min(N, 4), u'd');
        else if (L == u'm')
            Out += QString(std::min(N, 4), u'M');
        else
            Out += N <= 2 ? QStringLiteral("yy") : QStringLiteral("yyyy");
        I += N;
    }
    Flush();
    return Out;
}

QString DateSeparatorOf(const QLocale& Locale) {
    const QString Short = Locale.dateFormat(QLocale::ShortFormat);
    bool Quoted = false;
    for (QChar C : Short) {
        if (C == u'\'')
            Quoted = !Quoted;
        else if (!Quoted && !C.isLetter() && !C.isSpace())
            return C;
    }
    return QStringLiteral("/");
}

void LoadLocaleSettings(const QLocale& Locale) {
    TDateFormatSettings& S = DateFormatSettings();
    S.LongDatePattern = QtPatternToDatePattern(Locale.dateFormat(QLocale::LongFormat));
    S.DateSeparator = DateSeparatorOf(Locale).toStdString();
    for (int M = 1; M <= 12; ++M) {
        S.LongMonthNames[M - 1] = Locale.monthName(M, QLocale::LongFormat).toStdString();
        S.ShortMonthNames[M - 1] = Locale.monthName(M, QLocale::ShortFormat).toStdString();
    }
    // The date core counts weekdays from Sunday (index 0), the toolkit from
    // Monday (1) to Sunday (7).
    for (int I = 0; I < 7; ++I) {
        const int QtDay = I == 0 ? 7 : I;
        S.LongDayNames[I] = Locale.dayName(QtDay, QLocale::LongFormat).toStdString();
        S.ShortDayNames[I] = Locale.dayName(QtDay, QLocale::ShortFormat).toStdString();
    }
}
