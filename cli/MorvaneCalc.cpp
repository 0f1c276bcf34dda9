// morvane-calc: the window's two calculators from a terminal and in scripts.
//
//   morvane-calc diff START END [--iso | --json] [--units LIST | --phrase-only]
//   morvane-calc add START [--days N] ... [--years N] [--iso | --json | --format FMT]
//   morvane-calc add [--days N] ... [--years N] [...] -    the amounts for each date read
//   morvane-calc [...] -                                 one calculation per input line
//
// (the options as Options.h describes them). Exit status: TExitStatus
// (Output.h). The program itself needs no toolkit: what does (the user's
// language, the locale's long date) is loaded when a text first needs it
// (UserLocale.h).
#include "Batch.h"
#include "Calculations.h"
#include "CommandLine.h"
#include "Completion.h"
#include "GetFileVerInfo.h"
#include "Help.h"
#include "Messages.h"
#include "OwnExecutable.h"
#include "ProblemText.h"
#include "StringList.h"
#include "TextRules.h"
#include "UsageError.h"
#include "UserLocale.h"
#include "WorkingDayOptions.h"

#include <algorithm>
#include <exception>
#include <optional>
#include <string>
#include <vector>

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
std::vector<TDiffItem> ItemsOf(std::string_view List) {
    std::vector<TDiffItem> Items;
    for (const std::string_view Name : ListItems(List)) {
        std::size_t Item = 0;
        while (Item < kDiffItemCount && Name != DiffItemName(static_cast<TDiffItem>(Item)))
            ++Item;
        if (Item == kDiffItemCount)
            throw TUsageError(kUnknownUnit, ShownText(Name));
        if (std::find(Items.begin(), Items.end(), Item) != Items.end())
            throw TUsageError(kRepeatedUnit, Name);
        Items.push_back(static_cast<TDiffItem>(Item));
    }
    return Items;
}

// How the results of Form are written, from --iso, --json, --format, --units
// and --phrase-only. Raises TUsageError.
TResultStyle StyleOf(const TCommandLine& Line, TCommand Form) {
    TResultStyle Style;
    Style.Format = Line.Has("iso")    ? TResultFormat::Iso
                   : Line.Has("json") ? TResultFormat::Json
                                      : TResultFormat::Text;
    if (const std::optional<std::string_view> Format = Line.Value("format"))
        Style.DateFormat.emplace(*Format);
    if (const std::optional<std::string_view> Units = Line.Value("units"))
        Style.DiffItems = ItemsOf(*Units);
    if (Line.Has("phrase-only"))
        Style.DiffItems = {diPhrase};
    // The labels and the phrase of a difference written as text.
    Style.UserLanguage = Form != cmAdd && Style.Format == TResultFormat::Text;
    return Style;
}

// Writes the message of a calculation that failed: as standard error shows
// it, after the option of the amount it is about. A malformed word raises
// TUsageError, as any word of the command line that can't be read does.
int Failed(TOutput& Output, const TProblem& Problem) {
    if (Problem.Kind == TProblem::pkMessage)
        throw TUsageError(Problem.Text, ShownText(Problem.Arg));
    Output.Text.Clear(); // nothing of a failed calculation is written
    std::string Shown;
    AppendShownProblem(Shown, Problem);
    if (Problem.Kind == TProblem::pkNotInteger)
        Shown = Fill(Tr(kOptionAmountMessage), {kUnitNames[Problem.Amount], Shown});
    Output.Error(Shown);
    return kExitFailed;
}

// Runs the calculation the command line asks for. Raises TUsageError for a
// command line it can't read.
int Run(const TCommandLine& Line, TClosedStreams Closed, TOutput& Output) {
    const TCommand Form = Line.Form();
    Line.CheckOptionsGoWith(Form);
    const std::vector<std::string_view>& Words = Line.Words();
    TAmountTexts Amounts;
    for (std::size_t K = 0; K < kUnitNames.size(); ++K)
        Amounts[K] = Line.Value(kUnitNames[K]).value_or("0");
    TResultStyle Style = StyleOf(Line, Form);
    // The holiday files are read whole before anything is written.
    std::optional<THolidayCalendar> WorkingDays = WorkingDaysOf(Line);
    Style.WorkingDays = WorkingDays ? &*WorkingDays : nullptr;
    TProblem Problem;
    switch (Form) {
    case cmBatch:
    case cmAddBatch: {
        if (Form == cmBatch && Words.size() != 1)
            throw TUsageError(kBatchAlone);
        // The shared amounts of "add -" are read before any line.
        std::optional<TAmounts> Shared;
        if (Form == cmAddBatch && !AmountsOf(Amounts, Shared.emplace(), Problem))
            return Failed(Output, Problem);
        if (Closed.Input) {
            Output.Error(Tr(kInputClosed));
            return kExitStreamFailed;
        }
        return RunBatch(Style, Shared, Output);
    }
    case cmDiff: {
        if (Words.size() != 3)
            throw TUsageError(kDiffDates);
        const std::optional<TDateTime> Start = ParseDate(Words[1], LocalToday);
        if (!Start)
            return Failed(Output, InvalidDate(Words[1]));
        const std::optional<TDateTime> End = ParseDate(Words[2], LocalToday);
        if (!End)
            return Failed(Output, InvalidDate(Words[2]));
        AppendDifference(Output.Text, *Start, *End, Style, TDiffLayout::Lines);
        break;
    }
    case cmAdd: {
        if (Words.size() != 2)
            throw TUsageError(kAddDate);
        std::optional<TDateTime> Date = ParseDate(Words[1], LocalToday);
        if (!Date)
            return Failed(Output, InvalidDate(Words[1]));
        if (!ApplyAmounts(*Date, Amounts, Problem, Style.WorkingDays))
            return Failed(Output, Problem);
        AppendNewDate(Output.Text, *Date, Style);
        break;
    }
    }
    return Output.Finish() ? kExitDone : kExitStreamFailed;
}

} // namespace

int main(int argc, char* argv[]) {
    const TClosedStreams Closed = OpenClosedStandardStreams();
    TOutput Output;
    if (argc >= 2 && argv[1] == kCompleteWord) {
        const std::vector<std::string_view> Words(argv + 2, argv + argc);
        Output.Text = Completions(Words);
        return Output.Finish() ? kExitDone : kExitStreamFailed;
    }
    if (Closed.Output) {
        Output.Error(Tr(kOutputClosed));
        return kExitStreamFailed;
    }
    try {
        const TCommandLine Line(argc, argv);
        if (Line.Has("help")) {
            Output.Text = HelpText();
            return Output.Finish() ? kExitDone : kExitStreamFailed;
        }
        if (Line.Has("version")) {
            PrintVersion(Output);
            return Output.Finish() ? kExitDone : kExitStreamFailed;
        }
        return Run(Line, Closed, Output);
    } catch (const TFileUsageError& E) {
        Output.Text.Clear();
        Output.Error(E.Translated());
        return kExitUsage;
    } catch (const TUsageError& E) {
        Output.Text.Clear();
        Output.Error(E.Translated() + "\n" + UsageText() + Tr(kTryHelp));
        return kExitUsage;
    } catch (const TStringListError& E) {
        // A version string missing from the program's own information.
        Output.Text.Clear();
        std::string Message = E.what();
        if (InUserLanguage())
            Message = TranslatedError(meListIndex, {}, E.Index());
        else
            AppendFullStop(Message);
        Output.Error(Message);
        return kExitFailed;
    } catch (const std::exception& E) {
        Output.Text.Clear();
        std::string Message = E.what();
        AppendFullStop(Message);
        Output.Error(Message);
        return kExitFailed;
    }
}
