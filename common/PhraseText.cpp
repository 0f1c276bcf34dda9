#include "PhraseText.h"

#include "Translations.h"

#include <QStringList>

#include <array>

namespace {

struct TUnitText {
    const char* Source;
    const char* Comment;
};

// The units, years to days, on their own and in the phrase for the past,
// where a language may need another case ("vor 2 Jahren").
constexpr std::array<TUnitText, 4> kUnits = {{
    //: A part of the distance between two dates, such as "2 years, 2
    //: months and 1 day".
    QT_TRANSLATE_N_NOOP3("DiffPhrase", "%n year(s)", "distance"),
    //: A part of the distance between two dates.
    QT_TRANSLATE_N_NOOP3("DiffPhrase", "%n month(s)", "distance"),
    //: A part of the distance between two dates.
    QT_TRANSLATE_N_NOOP3("DiffPhrase", "%n week(s)", "distance"),
    //: A part of the distance between two dates.
    QT_TRANSLATE_N_NOOP3("DiffPhrase", "%n day(s)", "distance"),
}};
constexpr std::array<TUnitText, 4> kUnitsAgo = {{
    //: A part of the distance to an earlier date, put into "%1 ago" with
    //: the other parts: the form that pattern needs.
    QT_TRANSLATE_N_NOOP3("DiffPhrase", "%n year(s)", "distance ago"),
    //: A part of the distance to an earlier date, put into "%1 ago".
    QT_TRANSLATE_N_NOOP3("DiffPhrase", "%n month(s)", "distance ago"),
    //: A part of the distance to an earlier date, put into "%1 ago".
    QT_TRANSLATE_N_NOOP3("DiffPhrase", "%n week(s)", "distance ago"),
    //: A part of the distance to an earlier date, put into "%1 ago".
    QT_TRANSLATE_N_NOOP3("DiffPhrase", "%n day(s)", "distance ago"),
}};

} // namespace

QString DiffPhraseText(TDateTime StartDate, TDateTime EndDate) {
    const TDiffParts P = DiffPhraseParts(StartDate, EndDate);
    const std::array<std::int32_t, 4> Counts = {P.Years, P.Months, P.Weeks, P.Days};
    const std::array<TUnitText, 4>& Units = P.Ago ? kUnitsAgo : kUnits;
    QStringList Parts;
    for (std::size_t K = 0; K < Counts.size(); ++K)
        if (Counts[K] > 0)
            Parts += Translate("DiffPhrase", Units[K].Source, Units[K].Comment, Counts[K]);
    if (Parts.isEmpty())
        return {};
    QString Phrase = Parts.front();
    for (qsizetype K = 1; K + 1 < Parts.size(); ++K)
        //: Joins the parts of a distance but the last: "2 years, 2 months".
        Phrase = Translate("DiffPhrase", "%1, %2").arg(Phrase, Parts[K]);
    if (Parts.size() > 1)
        //: Joins the last part of a distance to those before it: "2 years,
        //: 2 months and 1 day".
        Phrase = Translate("DiffPhrase", "%1 and %2").arg(Phrase, Parts.back());
    if (P.Ago)
        //: The distance to an earlier date: "2 years and 1 day ago".
        Phrase = Translate("DiffPhrase", "%1 ago").arg(Phrase);
    return Phrase;
}
