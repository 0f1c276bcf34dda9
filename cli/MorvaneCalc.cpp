// morvane-calc: the window's two calculators from a terminal and in scripts.
//
//   morvane-calc diff START END [--json]
//   morvane-calc add START [--days N] ... [--years N] [--iso | --json]
//   morvane-calc [--iso | --json] -          one calculation per input line
//
// Exit status: 0 done; 1 a calculation raised (or, in batch mode, any line
// failed); 2 the command line could not be read.
#include "Batch.h"
#include "Calculations.h"
#include "GetFileVerInfo.h"
#include "LocaleSettings.h"
#include "OwnExecutable.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QLocale>

#include <exception>
#include <string>

namespace {

constexpr const char* kUsage =
    "Usage: morvane-calc diff START END [--json]\n"
    "       morvane-calc add START [--days N] [--weekdays N] [--weeks N]\n"
    "                    [--fortnights N] [--months N] [--years N] [--iso | --json]\n"
    "       morvane-calc [--iso | --json] -\n";

constexpr const char* kDescription =
    "The two calculators of the Brelmont Date Calculator window, for terminals\n"
    "and scripts.\n"
    "\n"
    "  diff START END  the days, weekdays, weeks, fortnights, months and years\n"
    "                  from START to END, and the distance in words\n"
    "  add START       START moved by the amounts, applied days first and years\n"
    "                  last, shown in the long date format of the user's locale\n"
    "  -               one calculation per line of standard input,\n"
    "                  \"diff START END\" or \"add START N N N N N N\", one result\n"
    "                  per line (a difference as tab-separated counts and words)\n"
    "\n"
    "A date is YYYY-MM-DD (years 0001 to 9999) or \"today\"; an amount is a\n"
    "whole number as the window takes it (\" 12\", \"-3\", \"$1F\").";

// The six amount options, in the order their amounts are applied.
constexpr std::array<const char*, 6> kAmountOptions = {"days",       "weekdays", "weeks",
                                                       "fortnights", "months",   "years"};

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

TResultFormat FormatOf(const QCommandLineParser& Parser) {
    const bool Iso = Parser.isSet(QStringLiteral("iso"));
    const bool Json = Parser.isSet(QStringLiteral("json"));
    if (Iso && Json)
        throw TUsageError("--iso and --json exclude each other");
    return Iso ? TResultFormat::Iso : Json ? TResultFormat::Json : TResultFormat::Text;
}

// Runs the calculation the command line asks for. Raises TUsageError for a
// command line it can't read, TConvertError for a calculation that fails.
int Run(const QCommandLineParser& Parser, TOutput& Output) {
    const QStringList Words = Parser.positionalArguments();
    if (Words.isEmpty())
        throw TUsageError("no command given");
    const TResultFormat Format = FormatOf(Parser);
    TAmountTexts Amounts;
    bool AnyAmount = false;
    for (std::size_t K = 0; K < kAmountOptions.size(); ++K) {
        const QStringList Values = Parser.values(QLatin1String(kAmountOptions[K]));
        if (Values.size() > 1)
            throw TUsageError(std::string("--") + kAmountOptions[K] + " given more than once");
        Amounts[K] = Values.isEmpty() ? "0" : Values.front().toStdString();
        AnyAmount = AnyAmount || !Values.isEmpty();
    }
    const std::string Command = Words.front().toStdString();
    if (Command != "add" && AnyAmount)
        throw TUsageError("the amounts go with add only");

    if (Command == "-") {
        if (Words.size() != 1)
            throw TUsageError("- takes no further arguments");
        return RunBatch(Format, Output);
    }
    if (Command == "diff") {
        if (Words.size() != 3)
            throw TUsageError("diff takes a start date and an end date");
        if (Format == TResultFormat::Iso)
            throw TUsageError("--iso goes with add or - only");
        const TDateTime Start = ParseDate(Words[1].toStdString(), LocalToday);
        const TDateTime End = ParseDate(Words[2].toStdString(), LocalToday);
        AppendDifference(Output.Text, Start, End, Format, TDiffLayout::Lines);
    } else if (Command == "add") {
        if (Words.size() != 2)
            throw TUsageError("add takes one start date; the amounts are options");
        const TDateTime Start = ParseDate(Words[1].toStdString(), LocalToday);
        AppendNewDate(Output.Text, ApplyAmounts(Start, Amounts), Format);
    } else {
        throw TUsageError("unknown command '" + Command + "'");
    }
    return Output.Finish() ? 0 : 1;
}

} // namespace

int main(int argc, char* argv[]) {
    QCoreApplication Application(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("morvane-calc"));
    // The long date format, weekday and month names, as the window reads them.
    LoadLocaleSettings(QLocale::system());

    QCommandLineParser Parser;
    Parser.setApplicationDescription(QString::fromUtf8(kDescription));
    const QCommandLineOption Help({QStringLiteral("h"), QStringLiteral("help")},
                                  QStringLiteral("Show this help."));
    const QCommandLineOption Version({QStringLiteral("v"), QStringLiteral("version")},
                                     QStringLiteral("Show the version and copyright."));
    Parser.addOption(Help);
    Parser.addOption(Version);
    for (const char* Name : kAmountOptions) {
        QString Unit = QLatin1String(Name);
        Unit[0] = Unit[0].toUpper();
        Parser.addOption({QLatin1String(Name),
                          Unit + QStringLiteral(" to add (negative to take away)."),
                          QStringLiteral("N")});
    }
    Parser.addOption({QStringLiteral("iso"), QStringLiteral("Write a new date as YYYY-MM-DD.")});
    Parser.addOption(
        {QStringLiteral("json"), QStringLiteral("Write each result as one JSON object.")});
    Parser.addPositionalArgument(QStringLiteral("command"),
                                 QStringLiteral("diff START END, add START, or -."),
                                 QStringLiteral("(diff START END | add START | -)"));

    TOutput Output;
    try {
        if (!Parser.parse(QCoreApplication::arguments()))
            throw TUsageError(Parser.errorText().toStdString());
        if (Parser.isSet(Help)) {
            Output.Text = kUsage + ("\n" + Parser.helpText().section(u'\n', 1).toStdString());
            return Output.Finish() ? 0 : 1;
        }
        if (Parser.isSet(Version)) {
            PrintVersion(Output);
            return Output.Finish() ? 0 : 1;
        }
        return Run(Parser, Output);
    } catch (const TUsageError& E) {
        Output.Text.clear();
        Output.Error(std::string(E.what()) + "\n" + kUsage + "Try 'morvane-calc --help' for more.");
        return 2;
    } catch (const std::exception& E) {
        Output.Text.clear(); // nothing of a failed calculation is written
        Output.Error(ShownError(E.what()));
        return 1;
    }
}
