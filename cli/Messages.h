// The texts morvane-calc shows its user, each in one place: the messages of
// standard error and the help. A "%1" or "%2" in a text stands for what
// Fill puts there, so that a text can be translated as a whole. Each is
// shown in the user's language (Tr), from the catalogs of translations/
// (context kCalcContext); the results of --iso and --json, the "error" of
// a JSON result among them, stay in English in every language, as the
// scripts that read them expect.
#pragma once

#include <QtGlobal>

#include <initializer_list>
#include <string>
#include <string_view>

// The catalogs' context of the texts below.
inline constexpr char kCalcContext[] = "MorvaneCalc";

// Returns Text, one of the texts below, in the user's language: the
// catalog LoadTranslations chooses for UserLanguages(), Text itself in
// English or a C locale.
std::string Tr(const char* Text);

// True when the user's language is one the program is translated into, not
// English. Asked at the first text that needs it, so that a run that shows
// none (a calculation written as ISO or JSON) reads neither the locale nor a
// catalog.
bool InUserLanguage();

// The summary of the command line that --help and a usage error show.
//: The first part of morvane-calc --help, also shown after a message about
//: a command line it cannot read. Keep the command words (diff, add), the
//: options, START, END, N, LIST and FMT as they are: the user types them.
//: Lines of at most 80 columns: "Usage:" on a line of its own, the commands
//: below it indented by two, a continued line starting under its "add".
inline constexpr const char* kUsage = QT_TRANSLATE_NOOP(
    "MorvaneCalc",
    "Usage: morvane-calc diff START END [--iso | --json] [--units LIST | --phrase-only]\n"
    "       morvane-calc add START [--days N] [--weekdays N] [--weeks N]\n"
    "                    [--fortnights N] [--months N] [--years N]\n"
    "                    [--iso | --json | --format FMT]\n"
    "       morvane-calc add [--days N] ... [--years N] [--iso | --json | --format FMT] -\n"
    "       morvane-calc [--iso | --json | --format FMT] [--units LIST | --phrase-only] -\n");
//: The last line after a message about a command line morvane-calc cannot
//: read.
inline constexpr const char* kTryHelp =
    QT_TRANSLATE_NOOP("MorvaneCalc", "Try 'morvane-calc --help' for more.");

// The rest of --help, after kUsage.
//: The rest of morvane-calc --help, after its usage lines. Keep what the
//: user types as it is: the commands (diff, add, -), the options, START,
//: END, N, FMT, LIST, YYYY-MM-DD, today, yesterday, tomorrow, the %-codes of
//: --format and the names of --units, and the JSON example. Keep the two
//: columns aligned as they are (descriptions from column 19 in the first
//: list, column 21 under "Options:") in lines of at most 80 columns; a
//: wide character (Chinese, Japanese) takes two.
inline constexpr const char* kHelp = QT_TRANSLATE_NOOP(
    "MorvaneCalc",
    "\n"
    "The two calculators of the Brelmont Date Calculator window, for terminals\n"
    "and scripts.\n"
    "\n"
    "  diff START END  the days, weekdays, weeks, fortnights, months and years\n"
    "                  from START to END, and the distance in words\n"
    "  add START       START moved by the amounts, applied days first and years\n"
    "                  last, shown in the long date format of the user's locale\n"
    "  add -           the same amounts applied to each date of standard input,\n"
    "                  one date per line\n"
    "  -               one calculation per line of standard input,\n"
    "                  \"diff START END\" or \"add START N N N N N N\", one result\n"
    "                  per line (a difference as tab-separated values)\n"
    "\n"
    "A date is YYYY-MM-DD (years 0001 to 9999), today, yesterday or tomorrow;\n"
    "an amount is a whole number as the window takes it (\" 12\", \"-3\", \"$1F\").\n"
    "In batch mode every line that is not blank gives one output line; a line\n"
    "that fails gives an empty one (in JSON {\"line\":N,\"error\":\"...\"}) and its\n"
    "message on standard error.\n"
    "\n"
    "Options:\n"
    "  --days N, --weekdays N, --weeks N, --fortnights N, --months N, --years N\n"
    "                    the amounts to add (negative to take away)\n"
    "  --iso             a new date as YYYY-MM-DD, a difference as one line of\n"
    "                    tab-separated values\n"
    "  --json            each result as one JSON object on one line\n"
    "  --format FMT      a new date written with FMT: %Y year, %m month, %d day,\n"
    "                    %e day padded with a space, %j day of the year, %A %a\n"
    "                    weekday name, %B %b month name, %u ISO weekday (1 is\n"
    "                    Monday), %V ISO week, %G its year, %F %Y-%m-%d, %% %\n"
    "  --units LIST      what a difference shows, in this order, separated by\n"
    "                    commas: days, weekdays, weeks, fortnights, months,\n"
    "                    years, phrase\n"
    "  --phrase-only     a difference in words only\n"
    "  -h, --help        show this help\n"
    "  -v, --version     show the version and copyright\n"
    "\n"
    "Exit status: 0 done, 1 a calculation failed, 2 a bad command line,\n"
    "3 standard input or output failed.\n");

// Every message on standard error starts with this, in every language.
inline constexpr const char* kMessageStart = "morvane-calc: ";

// Reading and writing the standard streams.
//: A message on standard error; %1 is the system's reason.
inline constexpr const char* kCannotWrite =
    QT_TRANSLATE_NOOP("MorvaneCalc", "cannot write to standard output: %1");
//: A message on standard error; %1 is the system's reason.
inline constexpr const char* kCannotRead =
    QT_TRANSLATE_NOOP("MorvaneCalc", "cannot read standard input: %1");
//: A message on standard error.
inline constexpr const char* kInputClosed =
    QT_TRANSLATE_NOOP("MorvaneCalc", "standard input is closed");
//: A message on standard error.
inline constexpr const char* kOutputClosed =
    QT_TRANSLATE_NOOP("MorvaneCalc", "standard output is closed");

// A message about an amount (%1 its unit, "days" to "years") that is not a
// whole number: of an option, of a column of a batch line (%1 the line
// number), and in a JSON batch result (never translated).
//: A message about the value of an option: %1 is the option's name (days,
//: weeks, ...; not translated), %2 what is wrong with its value.
inline constexpr const char* kOptionAmountMessage = QT_TRANSLATE_NOOP("MorvaneCalc", "--%1: %2");
//: A message about an amount in a line of standard input: %1 is the line's
//: number, %2 the amount's name as the options call it (days, weeks, ...;
//: not translated), %3 what is wrong with it.
inline constexpr const char* kLineAmountMessage =
    QT_TRANSLATE_NOOP("MorvaneCalc", "line %1, %2: %3");
inline constexpr const char* kAmountMessage = "%1: %2";

// A command line that can't be read.
//: %1 is the option as it was typed.
inline constexpr const char* kUnknownOption =
    QT_TRANSLATE_NOOP("MorvaneCalc", "unknown option '%1'");
//: %1 is the option's name (days, format, ...).
inline constexpr const char* kMissingValue = QT_TRANSLATE_NOOP("MorvaneCalc", "--%1 takes a value");
//: %1 is the option's name (iso, json, ...).
inline constexpr const char* kNoValue = QT_TRANSLATE_NOOP("MorvaneCalc", "--%1 takes no value");
//: A message on standard error: the command line names none of the
//: commands diff, add and -.
inline constexpr const char* kNoCommand = QT_TRANSLATE_NOOP("MorvaneCalc", "no command given");
//: %1 is what was typed for a date. YYYY-MM-DD, today, yesterday and
//: tomorrow are what the user types: keep them as they are.
inline constexpr const char* kInvalidDate = QT_TRANSLATE_NOOP(
    "MorvaneCalc",
    "invalid date '%1' (YYYY-MM-DD with a year from 0001 to 9999, today, yesterday or tomorrow)");
//: %1 is the word typed where diff, add or - belongs.
inline constexpr const char* kUnknownCommand =
    QT_TRANSLATE_NOOP("MorvaneCalc", "unknown command '%1'");
//: %1 is the option's name.
inline constexpr const char* kGivenTwice =
    QT_TRANSLATE_NOOP("MorvaneCalc", "--%1 given more than once");
//: A message on standard error; the options are typed as shown: keep them.
inline constexpr const char* kFormatsExclude =
    QT_TRANSLATE_NOOP("MorvaneCalc", "--iso, --json and --format exclude each other");
//: A message on standard error; the options are typed as shown: keep them.
inline constexpr const char* kItemsExclude =
    QT_TRANSLATE_NOOP("MorvaneCalc", "--units and --phrase-only exclude each other");
//: The amounts are the options --days to --years; add is the command.
inline constexpr const char* kAmountsWithAdd =
    QT_TRANSLATE_NOOP("MorvaneCalc", "the amounts go with add only");
//: diff is the command, - the batch mode (one calculation per input line).
inline constexpr const char* kItemsWithDiff =
    QT_TRANSLATE_NOOP("MorvaneCalc", "--units and --phrase-only go with diff or - only");
//: A message on standard error; add is the command and - the batch mode (one
//: calculation per input line): keep them and the option as typed.
inline constexpr const char* kFormatWithAdd =
    QT_TRANSLATE_NOOP("MorvaneCalc", "--format goes with add or - only");
//: - is the batch mode: one calculation per line of standard input.
inline constexpr const char* kBatchAlone =
    QT_TRANSLATE_NOOP("MorvaneCalc", "- takes no further arguments");
//: A message on standard error; diff is the command: keep it as typed.
inline constexpr const char* kDiffDates =
    QT_TRANSLATE_NOOP("MorvaneCalc", "diff takes a start date and an end date");
//: - stands for the dates of standard input; the amounts are the options
//: --days to --years.
inline constexpr const char* kAddDate =
    QT_TRANSLATE_NOOP("MorvaneCalc", "add takes one start date, or -; the amounts are options");

// Batch mode: a message about one input line.
//: A message about a line of standard input: %1 is its number, %2 what is
//: wrong with it.
inline constexpr const char* kLineMessage = QT_TRANSLATE_NOOP("MorvaneCalc", "line %1: %2");
//: Said of a line of standard input.
inline constexpr const char* kLineTooLong = QT_TRANSLATE_NOOP("MorvaneCalc", "longer than 1 MiB");
//: Said of a line of standard input; the quoted forms are what the user
//: types: keep them as they are.
inline constexpr const char* kLineForms =
    QT_TRANSLATE_NOOP("MorvaneCalc", "expected 'diff START END' or 'add START N N N N N N'");
//: Said of a line of standard input that should hold one date.
inline constexpr const char* kDateLineForm = QT_TRANSLATE_NOOP("MorvaneCalc", "expected one date");

// --format and --units.
//: %1 is the code typed (such as %q); keep the codes listed as they are.
inline constexpr const char* kUnknownFormatCode = QT_TRANSLATE_NOOP(
    "MorvaneCalc",
    "unknown code '%1' in --format (known: %Y %m %d %e %j %A %a %B %b %u %V %G %F %%)");
//: %1 is the name typed; keep the names listed as they are.
inline constexpr const char* kUnknownUnit =
    QT_TRANSLATE_NOOP("MorvaneCalc", "unknown item '%1' in --units (known: days, weekdays, "
                                     "weeks, fortnights, months, years, phrase)");
//: %1 is the name given twice.
inline constexpr const char* kRepeatedUnit =
    QT_TRANSLATE_NOOP("MorvaneCalc", "'%1' given twice in --units");

// Returns Text with each "%<n>" (n from 1 to 9) replaced by the n-th of Args.
std::string Fill(std::string_view Text, std::initializer_list<std::string_view> Args);
