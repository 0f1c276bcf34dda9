// The texts morvane-calc shows its user, each in one place: the messages of
// standard error and the help. A "%1" or "%2" in a text stands for what
// Fill puts there, so that a text can be translated as a whole.
#pragma once

#include <initializer_list>
#include <string>
#include <string_view>

// The summary of the command line that --help and a usage error show.
inline constexpr const char* kUsage =
    "Usage: morvane-calc diff START END [--iso | --json] [--units LIST | --phrase-only]\n"
    "       morvane-calc add START [--days N] [--weekdays N] [--weeks N]\n"
    "                    [--fortnights N] [--months N] [--years N]\n"
    "                    [--iso | --json | --format FMT]\n"
    "       morvane-calc add [--days N] ... [--years N] [--iso | --json | --format FMT] -\n"
    "       morvane-calc [--iso | --json | --format FMT] [--units LIST | --phrase-only] -\n";
inline constexpr const char* kTryHelp = "Try 'morvane-calc --help' for more.";

// The rest of --help, after kUsage.
inline constexpr const char* kHelp =
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
    "3 standard input or output failed.\n";

// Every message on standard error starts with this.
inline constexpr const char* kMessageStart = "morvane-calc: ";

// Reading and writing the standard streams.
inline constexpr const char* kCannotWrite = "cannot write to standard output: %1";
inline constexpr const char* kCannotRead = "cannot read standard input: %1";
inline constexpr const char* kInputClosed = "standard input is closed";
inline constexpr const char* kOutputClosed = "standard output is closed";

// A message about an amount (%1 its unit, "days" to "years") that is not a
// whole number: of an option, of a column of a batch line (%1 the line
// number), and in a JSON batch result.
inline constexpr const char* kOptionAmountMessage = "--%1: %2";
inline constexpr const char* kLineAmountMessage = "line %1, %2: %3";
inline constexpr const char* kAmountMessage = "%1: %2";

// A command line that can't be read.
inline constexpr const char* kUnknownOption = "unknown option '%1'";
inline constexpr const char* kMissingValue = "--%1 takes a value";
inline constexpr const char* kNoValue = "--%1 takes no value";
inline constexpr const char* kNoCommand = "no command given";
inline constexpr const char* kInvalidDate =
    "invalid date '%1' (YYYY-MM-DD with a year from 0001 to 9999, today, yesterday or tomorrow)";
inline constexpr const char* kUnknownCommand = "unknown command '%1'";
inline constexpr const char* kGivenTwice = "--%1 given more than once";
inline constexpr const char* kFormatsExclude = "--iso, --json and --format exclude each other";
inline constexpr const char* kItemsExclude = "--units and --phrase-only exclude each other";
inline constexpr const char* kAmountsWithAdd = "the amounts go with add only";
inline constexpr const char* kItemsWithDiff = "--units and --phrase-only go with diff or - only";
inline constexpr const char* kFormatWithAdd = "--format goes with add or - only";
inline constexpr const char* kBatchAlone = "- takes no further arguments";
inline constexpr const char* kDiffDates = "diff takes a start date and an end date";
inline constexpr const char* kAddDate = "add takes one start date, or -; the amounts are options";

// Batch mode: a message about one input line.
inline constexpr const char* kLineMessage = "line %1: %2";
inline constexpr const char* kLineTooLong = "longer than 1 MiB";
inline constexpr const char* kLineForms = "expected 'diff START END' or 'add START N N N N N N'";
inline constexpr const char* kDateLineForm = "expected one date";

// --format and --units.
inline constexpr const char* kUnknownFormatCode =
    "unknown code '%1' in --format (known: %Y %m %d %e %j %A %a %B %b %u %V %G %F %%)";
inline constexpr const char* kUnknownUnit = "unknown item '%1' in --units (known: days, weekdays, "
                                            "weeks, fortnights, months, years, phrase)";
inline constexpr const char* kRepeatedUnit = "'%1' given twice in --units";

// Returns Text with each "%<n>" (n from 1 to 9) replaced by the n-th of Args.
std::string Fill(std::string_view Text, std::initializer_list<std::string_view> Args);
