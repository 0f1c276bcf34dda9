#include "PhraseText.h"

#include "Translations.h"

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

enum TPattern : std::size_t { kList, kLast, kAgo };

} // namespace

QString DiffPhraseText(TDateTime StartDate, TDateTime EndDate) {
    TPhraseText Phrase;
    const std::string_view Text = Phrase.Text(StartDate, EndDate);
    return QString::fromUtf8(Text.data(), static_cast<qsizetype>(Text.size()));
}

std::string_view TPhraseText::Text(TDateTime StartDate, TDateTime EndDate) {
    const TDiffParts P = DiffPhraseParts(StartDate, EndDate);
    const std::array<std::int32_t, 4> Counts = {P.Years, P.Months, P.Weeks, P.Days};
    std::array<const std::string*, 4> Parts;
    std::size_t N = 0;
    for (std::size_t K = 0; K < Counts.size(); ++K)
        if (Counts[K] > 0)
            Parts[N++] = &Unit(K, P.Ago, Counts[K]);
    FPhrase.clear();
    if (N == 0)
        return FPhrase;
    FPhrase = *Parts[0];
    for (std::size_t K = 1; K + 1 < N; ++K)
        Join(Pattern(kList), *Parts[K]);
    if (N > 1)
        Join(Pattern(kLast), *Parts[N - 1]);
    if (P.Ago)
        Join(Pattern(kAgo), {});
    return FPhrase;
}

const std::string& TPhraseText::Unit(std::size_t K, bool Ago, std::int32_t Count) {
    const std::uint64_t Key =
        std::uint64_t{Ago ? K + 4 : K} << 32 | static_cast<std::uint32_t>(Count);
    std::string& Text = FUnits[Key];
    if (Text.empty()) {
        const TUnitText& U = (Ago ? kUnitsAgo : kUnits)[K];
        Text = Translate("DiffPhrase", U.Source, U.Comment, Count).toStdString();
    }
    return Text;
}

const std::string& TPhraseText::Pattern(std::size_t K) {
    std::string& Text = FPatterns[K];
    if (!Text.empty())
        return Text;
    switch (K) {
    case kList:
        //: Joins the parts of a distance but the last: "2 years, 2 months".
        Text = Translate("DiffPhrase", "%1, %2").toStdString();
        break;
    case kLast:
        //: Joins the last part of a distance to those before it: "2 years,
        //: 2 months and 1 day".
        Text = Translate("DiffPhrase", "%1 and %2").toStdString();
        break;
    default:
        //: The distance to an earlier date: "2 years and 1 day ago".
        Text = Translate("DiffPhrase", "%1 ago").toStdString();
        break;
    }
    return Text;
}

void TPhraseText::Join(const std::string& Pattern, std::string_view Part) {
    FJoined.clear();
    for (std::size_t I = 0; I < Pattern.size(); ++I) {
        const char Next = I + 1 < Pattern.size() ? Pattern[I + 1] : '\0';
        if (Pattern[I] == '%' && (Next == '1' || Next == '2')) {
            FJoined += Next == '1' ? std::string_view(FPhrase) : Part;
            ++I;
        } else {
            FJoined += Pattern[I];
        }
    }
    FPhrase.swap(FJoined);
}
