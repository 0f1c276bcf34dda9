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
#include "CommandLine.h"
#include "GetFileVerInfo.h"
#include "LocaleSettings.h"
#include "Messages.h"
#include "OwnExecutable.h"
#include "TextWriting.h"

#include <QCoreApplication>
#include <QLocale>

#include <algorithm>
#include <exception>
#include <optional>
#include <string>

namespace {

// Prints the product name and version, the copyright and the licence line,
// read from this program's own version information.
void PrintVersion(TOutput& Output) {
    TStringList Strings;
    ReadOwnVersionStrings(OwnExecutableFile(), Strings);
    // One entry at a time, in this order, as the About window reads them: a
    // short list fails at the first position it lacks.
    const std::string& Product = Strings[kProductName];
    const std::string& Version = Strings[kFileVersion];
    const std::string& Copyright = Strings[kLegalCopyright];
    const std::string& Trademarks = Strings[kLegalTradeMarks];
    Output.Text =
        "morvane-calc (" + Product + ") " + Version + "\n" + Copyright + "\n" + Trademarks + "\n";
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
            throw TUsageError(kUnknownUnit, ShownText(Name));
        if (std::find(Items.begin(), Items.end(), Item) != Items.end())
            throw TUsageError(kRepeatedUnit, Name);
        Items.push_back(Item);
        Pos = Comma + 1;
    }
    return Items;
}

// How the results are written, from --iso, --json, --format, --units and
// --phrase-only. Raises TUsageError.
TResultStyle StyleOf(const TCommandLine& Line) {
    TResultStyle Style;
    const std::optional<std::string_view> Format = Line.Value("format");
    const bool Iso = Line.Has("iso");
    const bool Json = Line.Has("json");
    if (Iso + Json + Format.has_value() > 1)
        throw TUsageError(kFormatsExclude);
    Style.Format = Iso ? TResultFormat::Iso : Json ? TResultFormat::Json : TResultFormat::Text;
    if (Format)
        Style.DateFormat.emplace(*Format);
    const std::optional<std::string_view> Units = Line.Value("units");
    const bool PhraseOnly = Line.Has("phrase-only");
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
int Run(const TCommandLine& Line, TClosedStreams Closed, TOutput& Output) {
    const std::vector<std::string_view>& Words = Line.Words();
    if (Words.empty())
        throw TUsageError(kNoCommand);
    const std::string_view Command = Words.front();
    TAmountTexts Amounts;
    bool AnyAmount = false;
    for (std::size_t K = 0; K < kUnitNames.size(); ++K) {
        const std::optional<std::string_view> Value = Line.Value(kUnitNames[K]);
        Amounts[K] = Value.value_or("0");
        AnyAmount = AnyAmount || Value;
    }
    if (Command != "add" && AnyAmount)
        throw TUsageError(kAmountsWithAdd);
    if (Command == "add" && (Line.Has("units") || Line.Has("phrase-only")))
        throw TUsageError(kItemsWithDiff);
    if (Command == "diff" && Line.Has("format"))
        throw TUsageError(kFormatWithAdd);
    // The locale's names and long date are read only for a new date as text.
    if (Command != "diff" && !Line.Has("iso"))
        LoadLocaleSettings(QLocale::system());
    TResultStyle Style = StyleOf(Line);
    // The labels and the phrase of a difference written as text.
    if (Command != "add" && Style.Format == TResultFormat::Text)
        SpeakUserLanguage(Style);

    const bool Batch = Command == "-" || (Command == "add" && Words.size() == 2 && Words[1] == "-");
    if (Command == "-" && Words.size() != 1)
        throw TUsageError(kBatchAlone);
    if (Batch) {
        // The shared amounts of "add -" are read before any line.
        const std::optional<TAmounts> Shared =
            Command == "add" ? std::optional(AmountsOf(Amounts)) : std::nullopt;
        if (Closed.Input) {
            Output.Error(Tr(kInputClosed));
            return kExitStreamFailed;
        }
        return RunBatch(Style, Shared, Output);
    }
    if (Command == "diff") {
        if (Words.size() != 3)
            throw TUsageError(kDiffDates);
        const TDateTime Start = ParseDate(Words[1], LocalToday);
        const TDateTime End = ParseDate(Words[2], LocalToday);
        AppendDifference(Output.Text, Start, End, Style, TDiffLayout::Lines);
    } else if (Command == "add") {
        if (Words.size() != 2)
            throw TUsageError(kAddDate);
        const TDateTime Start = ParseDate(Words[1], LocalToday);
        AppendNewDate(Output.Text, ApplyAmounts(Start, Amounts), Style);
    } else {
        throw TUsageError(kUnknownCommand, ShownText(Command));
    }
    return Output.Finish() ? kExitDone : kExitStreamFailed;
}

} // namespace

int main(int argc, char* argv[]) {
    const TClosedStreams Closed = OpenClosedStandardStreams();
    TOutput Output;
    if (Closed.Output) {
        Output.Error(Tr(kOutputClosed));
        return kExitStreamFailed;
    }
    // No QCoreApplication, but for --version: the tool needs no event loop,
    // and building one (the locale, the event dispatcher, the logging rules)
    // would cost more than a whole calculation. Nor QCommandLineParser, for
    // the same reason.
    try {
        const TCommandLine Line(argc, argv);
        if (Line.Has("help")) {
            Output.Text = Tr(kUsage) + Tr(kHelp);
            return Output.Finish() ? kExitDone : kExitStreamFailed;
        }
        if (Line.Has("version")) {
            // Where the program's own file is, when /proc cannot say, is
            // QCoreApplication's to tell.
            const QCoreApplication Application(argc, argv);
            PrintVersion(Output);
            return Output.Finish() ? kExitDone : kExitStreamFailed;
        }
        return Run(Line, Closed, Output);
    } catch (const TUsageError& E) {
        Output.Text.Clear();
        Output.Error(E.Translated() + "\n" + Tr(kUsage) + Tr(kTryHelp));
        return kExitUsage;
    } catch (const TAmountError& E) {
        Output.Text.Clear(); // nothing of a failed calculation is written
        Output.Error(Fill(Tr(kOptionAmountMessage), {kUnitNames[E.Unit], TranslatedError(E)}));
        return kExitFailed;
    } catch (const std::exception& E) {
        Output.Text.Clear();
        Output.Error(TranslatedError(E));
        return kExitFailed;
    }
}
