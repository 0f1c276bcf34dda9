// morvane-calc: the window's two calculators from a terminal and in scripts.
//
//   morvane-calc diff START END [--iso | --json] [--units LIST | --phrase-only]
//   morvane-calc add START [--days N] ... [--years N] [--iso | --json | --format FMT]
//   morvane-calc add [--days N] ... [--years N] [...] -    the amounts for each date read
//   morvane-calc [...] -                                 one calculation per input line
//
// Exit status: TExitStatus (Output.h).
#include "Batch.h"
#include "Calculations.h"
#include "GetFileVerInfo.h"
#include "LocaleSettings.h"
#include "Messages.h"
#include "OwnExecutable.h"
#include "TextWriting.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QLocale>
#include <QStringList>

#include <algorithm>
#include <exception>
#include <optional>
#include <string>

namespace {

// Prints the product name and version, the copyright and the licence line,
// read from this program's own version information.
void PrintVersion(TOutput& Output) {
    TStringList Strings;
    ReadVersionStrings(OwnExecutableFile(), Strings);
    // By position, as the About window reads them: a short list fails at
    // the first position it lacks.
    Output.Text = "morvane-calc (" + Strings[7] + ") " + Strings[2] + "\n" + Strings[4] + "\n" +
                  Strings[5] + "\n";
}

// The one value of the option Name, if given. Raises TUsageError when it
// was given more than once.
std::optional<std::string> ValueOf(const QCommandLineParser& Parser, const char* Name) {
    const QStringList Values = Parser.values(QLatin1String(Name));
    if (Values.size() > 1)
        throw TUsageError(Fill(kGivenTwice, {Name}));
    if (Values.isEmpty())
        return std::nullopt;
    return Values.front().toStdString();
}

// The items of --units: names separated by commas. Raises TUsageError for
// an unknown name and one given twice.
std::vector<std::size_t> ItemsOf(std::string_view List) {
    std::vector<std::size_t> Items;
    for (std::size_t Pos = 0; Pos <= List.size();) {
        const std::size_t Comma = std::min(List.find(',', Pos), List.size());
        const std::string_view Name = List.substr(Pos, Comma - Pos);
        std::size_t Item = 0;
        while (Item < kPhraseItem && Name != kUnitNames[Item])
            ++Item;
        if (Item == kPhraseItem && Name != kPhraseName)
            throw TUsageError(Fill(kUnknownUnit, {ShownText(Name)}));
        if (std::find(Items.begin(), Items.end(), Item) != Items.end())
            throw TUsageError(Fill(kRepeatedUnit, {Name}));
        Items.push_back(Item);
        Pos = Comma + 1;
    }
    return Items;
}

// How the results are written, from --iso, --json, --format, --units and
// --phrase-only. Raises TUsageError.
TResultStyle StyleOf(const QCommandLineParser& Parser) {
    TResultStyle Style;
    const std::optional<std::string> Format = ValueOf(Parser, "format");
    const bool Iso = Parser.isSet(QStringLiteral("iso"));
    const bool Json = Parser.isSet(QStringLiteral("json"));
    if (Iso + Json + Format.has_value() > 1)
        throw TUsageError(kFormatsExclude);
    Style.Format = Iso ? TResultFormat::Iso : Json ? TResultFormat::Json : TResultFormat::Text;
    if (Format)
        Style.DateFormat.emplace(*Format);
    const std::optional<std::string> Units = ValueOf(Parser, "units");
    const bool PhraseOnly = Parser.isSet(QStringLiteral("phrase-only"));
    if (Units && PhraseOnly)
        throw TUsageError(kItemsExclude);
    if (Units)
        Style.DiffItems = ItemsOf(*Units);
    if (PhraseOnly)
        Style.DiffItems = {kPhraseItem};
    return Style;
}

// Runs the calculation the command line asks for. Raises TUsageError for a
// command line it can't read, TConvertError for a calculation that fails.
int Run(const QCommandLineParser& Parser, TClosedStreams Closed, TOutput& Output) {
    const QStringList Words = Parser.positionalArguments();
    if (Words.isEmpty())
        throw TUsageError(kNoCommand);
    const TResultStyle Style = StyleOf(Parser);
    std::array<std::string, 6> AmountTexts;
    bool AnyAmount = false;
    for (std::size_t K = 0; K < kUnitNames.size(); ++K) {
        const std::optional<std::string> Value = ValueOf(Parser, kUnitNames[K]);
        AmountTexts[K] = Value.value_or("0");
        AnyAmount = AnyAmount || Value;
    }
    const TAmountTexts Amounts = {AmountTexts[0], AmountTexts[1], AmountTexts[2],
                                  AmountTexts[3], AmountTexts[4], AmountTexts[5]};
    const std::string Command = Words.front().toStdString();
    const bool ItemsGiven =
        Parser.isSet(QStringLiteral("units")) || Parser.isSet(QStringLiteral("phrase-only"));
    if (Command != "add" && AnyAmount)
        throw TUsageError(kAmountsWithAdd);
    if (Command == "add" && ItemsGiven)
        throw TUsageError(kItemsWithDiff);
    if (Command == "diff" && Style.DateFormat)
        throw TUsageError(kFormatWithAdd);

    const bool Batch =
        Command == "-" || (Command == "add" && Words.size() == 2 && Words[1] == u'-');
    if (Command == "-" && Words.size() != 1)
        throw TUsageError(kBatchAlone);
    if (Batch) {
        // The shared amounts of "add -" are read before any line.
        const std::optional<TAmounts> Shared =
            Command == "add" ? std::optional(AmountsOf(Amounts)) : std::nullopt;
        if (Closed.Input) {
            Output.Error(kInputClosed);
            return kExitStreamFailed;
        }
        return RunBatch(Style, Shared, Output);
    }
    if (Command == "diff") {
        if (Words.size() != 3)
            throw TUsageError(kDiffDates);
        const TDateTime Start = ParseDate(Words[1].toStdString(), LocalToday);
        const TDateTime End = ParseDate(Words[2].toStdString(), LocalToday);
        AppendDifference(Output.Text, Start, End, Style, TDiffLayout::Lines);
    } else if (Command == "add") {
        if (Words.size() != 2)
            throw TUsageError(kAddDate);
        const TDateTime Start = ParseDate(Words[1].toStdString(), LocalToday);
        AppendNewDate(Output.Text, ApplyAmounts(Start, Amounts), Style);
    } else {
        throw TUsageError(Fill(kUnknownCommand, {ShownText(Command)}));
    }
    return Output.Finish() ? kExitDone : kExitStreamFailed;
}

// The options the tool reads. Their descriptions are kHelp's.
void AddOptions(QCommandLineParser& Parser) {
    Parser.addOption({{QStringLiteral("h"), QStringLiteral("help")}, QString()});
    Parser.addOption({{QStringLiteral("v"), QStringLiteral("version")}, QString()});
    for (const char* Name : kUnitNames)
        Parser.addOption({QLatin1String(Name), QString(), QStringLiteral("N")});
    Parser.addOption({QStringLiteral("iso"), QString()});
    Parser.addOption({QStringLiteral("json"), QString()});
    Parser.addOption({QStringLiteral("format"), QString(), QStringLiteral("FMT")});
    Parser.addOption({QStringLiteral("units"), QString(), QStringLiteral("LIST")});
    Parser.addOption({QStringLiteral("phrase-only"), QString()});
}

} // namespace

int main(int argc, char* argv[]) {
    const TClosedStreams Closed = OpenClosedStandardStreams();
    TOutput Output;
    if (Closed.Output) {
        Output.Error(kOutputClosed);
        return kExitStreamFailed;
    }
    QCoreApplication Application(argc, argv);
    const QStringList Arguments = QCoreApplication::arguments();
    // The long date format, weekday and month names, as the window reads them.
    LoadLocaleSettings(QLocale::system());

    QCommandLineParser Parser;
    AddOptions(Parser);
    try {
        if (!Parser.parse(Arguments))
            throw TUsageError(Parser.errorText().toStdString());
        if (Parser.isSet(QStringLiteral("help"))) {
            Output.Text = std::string(kUsage) + kHelp;
            return Output.Finish() ? kExitDone : kExitStreamFailed;
        }
        if (Parser.isSet(QStringLiteral("version"))) {
            PrintVersion(Output);
            return Output.Finish() ? kExitDone : kExitStreamFailed;
        }
        return Run(Parser, Closed, Output);
    } catch (const TUsageError& E) {
        Output.Text.clear();
        Output.Error(std::string(E.what()) + "\n" + kUsage + kTryHelp);
        return kExitUsage;
    } catch (const TAmountError& E) {
        Output.Text.clear(); // nothing of a failed calculation is written
        Output.Error(Fill(kOptionAmountMessage, {kUnitNames[E.Unit], ShownError(E.what())}));
        return kExitFailed;
    } catch (const std::exception& E) {
        Output.Text.clear();
        Output.Error(ShownError(E.what()));
        return kExitFailed;
    }
}
