// The texts morvane-calc shows its user, each in one place: the messages of
// standard error, the help and the words of the completions. A "%1" or "%2"
// in a text stands for what Fill puts there, so that a text can be
// translated as a whole. Each is shown in the user's language (Tr in
// UserLocale.h), from the catalogs of translations/ (context kCalcContext);
// the results of --iso and --json, the "error" of a JSON result among them,
// stay in English in every language, as the scripts that read them expect.
// No toolkit header: lupdate finds the marked texts by their macro alone.
#pragma once

#include <initializer_list>
#include <string>
#include <string_view>

#ifndef QT_TRANSLATE_NOOP
#define QT_TRANSLATE_NOOP(scope, x) x
#endif

// The catalogs' context of the texts below.
inline constexpr char kCalcContext[] = "MorvaneCalc";

// --help: the heading of the summary of the command lines, which Help.h
// writes from the table of options below it; then the introduction, the
// options with their descriptions, and the exit statuses.
//: The heading of morvane-calc's usage summary in --help and after a
//: message about a command line it cannot read; the command lines follow on
//: lines of their own, indented by two.
inline constexpr const char* kUsageHeading = QT_TRANSLATE_NOOP("MorvaneCalc", "Usage:");
//: The last line after a message about a command line morvane-calc cannot
//: read.
inline constexpr const char* kTryHelp =
    QT_TRANSLATE_NOOP("MorvaneCalc", "Try 'morvane-calc --help' for more.");
//: morvane-calc --help, between the usage lines and the list of options,
//: ending in the heading of that list. Keep what the user types as it is:
//: the commands (diff, add, -), START, END, N, YYYY-MM-DD, today,
//: yesterday, tomorrow, and the JSON example. Keep the two columns aligned
//: as they are (descriptions from column 19) in lines of at most 80
//: columns; a wide character (Chinese, Japanese) takes two.
inline constexpr const char* kHelpIntro = QT_TRANSLATE_NOOP(
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
    "In batch mode every input line gives one output line: a line that fails\n"
    "gives an empty one (in JSON {\"line\":N,\"error\":\"...\"}) and its message on\n"
    "standard error, a blank line an empty one (in JSON an \"error\" too).\n"
    "\n"
    "Options:\n");
//: The end of morvane-calc --help, after the list of options. Lines of at
//: most 80 columns; a wide character (Chinese, Japanese) takes two.
inline constexpr const char* kExitStatusHelp = QT_TRANSLATE_NOOP(
    "MorvaneCalc", "\n"
                   "Exit status: 0 done, 1 a calculation failed, 2 a bad command line,\n"
                   "3 standard input or output failed.\n");

// The descriptions of the options in --help (after the option, from column
// 21) and in the completions of the shells (on one line).
//: The description of the options --days to --years in morvane-calc
//: --help. Each description there starts in column 21: lines of at most
//: 60 columns, a line break between them (a wide character takes two).
inline constexpr const char* kAmountsHelp =
    QT_TRANSLATE_NOOP("MorvaneCalc", "the amounts to add (negative to take away)");
//: The description of --iso in morvane-calc --help: lines of at most 60
//: columns. YYYY-MM-DD stays as it is.
inline constexpr const char* kIsoHelp =
    QT_TRANSLATE_NOOP("MorvaneCalc", "a new date as YYYY-MM-DD, a difference as one line of\n"
                                     "tab-separated values");
//: The description of --json in morvane-calc --help: lines of at most 60
//: columns.
inline constexpr const char* kJsonHelp =
    QT_TRANSLATE_NOOP("MorvaneCalc", "each result as one JSON object on one line");
//: The description of --format FMT in morvane-calc --help: lines of at most
//: 60 columns. Keep the %-codes and FMT as they are.
inline constexpr const char* kFormatHelp =
    QT_TRANSLATE_NOOP("MorvaneCalc", "a new date written with FMT: %Y year, %m month, %d day,\n"
                                     "%e day padded with a space, %j day of the year, %A %a\n"
                                     "weekday name, %B %b month name, %u ISO weekday (1 is\n"
                                     "Monday), %V ISO week, %G its year, %F %Y-%m-%d, %% %");
//: The description of --units LIST in morvane-calc --help: lines of at
//: most 60 columns. Keep the names (days ... phrase) as they are: the user
//: types them.
inline constexpr const char* kUnitsHelp =
    QT_TRANSLATE_NOOP("MorvaneCalc", "what a difference shows, in this order, separated by\n"
                                     "commas: days, weekdays, weeks, fortnights, months,\n"
                                     "years, phrase");
//: The description of --phrase-only in morvane-calc --help: lines of at
//: most 60 columns.
inline constexpr const char* kPhraseOnlyHelp =
    QT_TRANSLATE_NOOP("MorvaneCalc", "a difference in words only");
//: The description of --holidays FILE in morvane-calc --help: lines of at
//: most 60 columns. A holiday is a day that is no working day. Keep
//: YYYY-MM-DD and the range's form as they are: the user types them.
inline constexpr const char* kHolidaysHelp =
    QT_TRANSLATE_NOOP("MorvaneCalc", "days that are no working days, for the weekdays count\n"
                                     "and step: a list of dates YYYY-MM-DD or ranges\n"
                                     "YYYY-MM-DD..YYYY-MM-DD, or an iCalendar file; may be\n"
                                     "given more than once");
//: The description of --weekend DAYS in morvane-calc --help: lines of at
//: most 60 columns. Keep mon, sat, sun, locale and none as they are (the
//: user types them); the user may also type the day names of your
//: language.
inline constexpr const char* kWeekendHelp =
    QT_TRANSLATE_NOOP("MorvaneCalc", "the days that are never working days, separated by\n"
                                     "commas: names (mon, monday, ...), ISO numbers 1 to 7\n"
                                     "(1 is Monday), locale (the weekend of the user's\n"
                                     "locale) or none; sat,sun when not given");
//: The description of -h, --help in morvane-calc --help.
inline constexpr const char* kHelpHelp = QT_TRANSLATE_NOOP("MorvaneCalc", "show this help");
//: The description of -v, --version in morvane-calc --help.
inline constexpr const char* kVersionHelp =
    QT_TRANSLATE_NOOP("MorvaneCalc", "show the version and copyright");

// What the shells' completions say of the commands.
//: Said of the command diff where a shell completes morvane-calc's
//: command line.
inline constexpr const char* kDiffCommandHelp =
    QT_TRANSLATE_NOOP("MorvaneCalc", "how far apart two dates are");
//: Said of the command add where a shell completes morvane-calc's command
//: line.
inline constexpr const char* kAddCommandHelp =
    QT_TRANSLATE_NOOP("MorvaneCalc", "the date the amounts lead to");
//: Said of the command - (the batch mode) where a shell completes
//: morvane-calc's command line.
inline constexpr const char* kBatchCommandHelp =
    QT_TRANSLATE_NOOP("MorvaneCalc", "one calculation per line of standard input");

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

// A message about an amount that is not a whole number: of an option (%1
// its name), of a column of a batch line (%1 the line number, %2 the
// column), and in a JSON batch result (never translated, %1 the unit).
//: A message about the value of an option: %1 is the option's name (days,
//: weeks, ...; not translated), %2 what is wrong with its value.
inline constexpr const char* kOptionAmountMessage = QT_TRANSLATE_NOOP("MorvaneCalc", "--%1: %2");
//: A message about an amount in a line of standard input: %1 is the line's
//: number, %2 the amount's name (one of the six names below: days,
//: weekdays, ...), %3 what is wrong with it.
inline constexpr const char* kLineAmountMessage =
    QT_TRANSLATE_NOOP("MorvaneCalc", "line %1, %2: %3");
inline constexpr const char* kAmountMessage = "%1: %2";

// The names of the six amounts in a message about a column of a batch
// line, in TDateKind order.
//: The first amount of a batch line "add START N N N N N N", named in the
//: message "line %1, %2: %3" as %2: the number of days to add.
inline constexpr const char* kDaysName = QT_TRANSLATE_NOOP("MorvaneCalc", "days");
//: The second amount of a batch line, named in "line %1, %2: %3": the
//: number of working days (Monday to Friday) to add.
inline constexpr const char* kWeekdaysName = QT_TRANSLATE_NOOP("MorvaneCalc", "weekdays");
//: The third amount of a batch line, named in "line %1, %2: %3": the
//: number of weeks to add.
inline constexpr const char* kWeeksName = QT_TRANSLATE_NOOP("MorvaneCalc", "weeks");
//: The fourth amount of a batch line, named in "line %1, %2: %3": the
//: number of fortnights (periods of 14 days) to add.
inline constexpr const char* kFortnightsName = QT_TRANSLATE_NOOP("MorvaneCalc", "fortnights");
//: The fifth amount of a batch line, named in "line %1, %2: %3": the
//: number of calendar months to add.
inline constexpr const char* kMonthsName = QT_TRANSLATE_NOOP("MorvaneCalc", "months");
//: The sixth amount of a batch line, named in "line %1, %2: %3": the
//: number of years to add.
inline constexpr const char* kYearsName = QT_TRANSLATE_NOOP("MorvaneCalc", "years");
inline constexpr const char* kAmountNames[6] = {kDaysName,       kWeekdaysName, kWeeksName,
                                                kFortnightsName, kMonthsName,   kYearsName};

// A command line that can't be read.
//: A message about the command line; %1 is the option as it was typed.
inline constexpr const char* kUnknownOption =
    QT_TRANSLATE_NOOP("MorvaneCalc", "unknown option '%1'");
//: A message about the command line; %1 is the option's name (days,
//: format, ...).
inline constexpr const char* kMissingValue = QT_TRANSLATE_NOOP("MorvaneCalc", "--%1 takes a value");
//: A message about the command line; %1 is the option's name (iso, json,
//: ...).
inline constexpr const char* kNoValue = QT_TRANSLATE_NOOP("MorvaneCalc", "--%1 takes no value");
//: A message about the command line: it holds options but none of the
//: commands diff, add or -.
inline constexpr const char* kNoCommand = QT_TRANSLATE_NOOP("MorvaneCalc", "no command given");
//: %1 is what was typed for a date. YYYY-MM-DD, today, yesterday and
//: tomorrow are what the user types: keep them as they are.
inline constexpr const char* kInvalidDate = QT_TRANSLATE_NOOP(
    "MorvaneCalc",
    "invalid date '%1' (YYYY-MM-DD with a year from 0001 to 9999, today, yesterday or tomorrow)");
//: %1 is the word typed where diff, add or - belongs.
inline constexpr const char* kUnknownCommand =
    QT_TRANSLATE_NOOP("MorvaneCalc", "unknown command '%1'");
//: A message about the command line; %1 is the option's name.
inline constexpr const char* kGivenTwice =
    QT_TRANSLATE_NOOP("MorvaneCalc", "--%1 given more than once");
//: A message about the command line: at most one of the three options may
//: be given.
inline constexpr const char* kFormatsExclude =
    QT_TRANSLATE_NOOP("MorvaneCalc", "--iso, --json and --format exclude each other");
//: A message about the command line: at most one of the two options may be
//: given.
inline constexpr const char* kItemsExclude =
    QT_TRANSLATE_NOOP("MorvaneCalc", "--units and --phrase-only exclude each other");
//: A message about the command line. The amounts are the options --days to
//: --years; add is the command.
inline constexpr const char* kAmountsWithAdd =
    QT_TRANSLATE_NOOP("MorvaneCalc", "the amounts go with add only");
//: A message about the command line. diff is the command, - the batch mode
//: (one calculation per input line).
inline constexpr const char* kItemsWithDiff =
    QT_TRANSLATE_NOOP("MorvaneCalc", "--units and --phrase-only go with diff or - only");
//: A message about the command line. add is the command, - the batch mode
//: (one calculation per input line).
inline constexpr const char* kFormatWithAdd =
    QT_TRANSLATE_NOOP("MorvaneCalc", "--format goes with add or - only");
//: A message about the command line: --format was given an empty FMT,
//: which would write nothing for each date. Keep --format and FMT as they
//: are.
inline constexpr const char* kEmptyFormat =
    QT_TRANSLATE_NOOP("MorvaneCalc", "--format needs a FMT of at least one character");
//: A message about the command line. - is the batch mode: one calculation
//: per line of standard input.
inline constexpr const char* kBatchAlone =
    QT_TRANSLATE_NOOP("MorvaneCalc", "- takes no further arguments");
//: A message about the command line; diff is the command.
inline constexpr const char* kDiffDates =
    QT_TRANSLATE_NOOP("MorvaneCalc", "diff takes a start date and an end date");
//: A message about the command line. - stands for the dates of standard
//: input; the amounts are the options --days to --years.
inline constexpr const char* kAddDate =
    QT_TRANSLATE_NOOP("MorvaneCalc", "add takes one start date, or -; the amounts are options");

//: A message about the command line: %1 is what was typed in the list of
//: --weekend. Keep --weekend, mon, monday, locale and none as they are.
inline constexpr const char* kUnknownWeekday = QT_TRANSLATE_NOOP(
    "MorvaneCalc",
    "unknown day '%1' in --weekend (a name such as mon or monday, 1 to 7, locale or none)");
//: A message about the command line: --weekend named all seven days of the
//: week, so that no day is a working day and no working day can be added.
inline constexpr const char* kNoWorkingDay =
    QT_TRANSLATE_NOOP("MorvaneCalc", "--weekend holds all seven days: no day is a working day");

// The holiday files of --holidays: %1 is the file's name as typed, %2 the
// number of the line, %3 the line's text.
//: A message about a file given with --holidays: %1 is its name, %2 the
//: system's reason.
inline constexpr const char* kHolidaysUnreadable =
    QT_TRANSLATE_NOOP("MorvaneCalc", "cannot read the holiday file '%1': %2");
//: A message about a line of a file given with --holidays: %1 is the
//: file's name, %2 the line's number, %3 its text. Keep YYYY-MM-DD and the
//: range's form as they are.
inline constexpr const char* kHolidayBadLine = QT_TRANSLATE_NOOP(
    "MorvaneCalc", "%1, line %2: '%3' is no date YYYY-MM-DD or range YYYY-MM-DD..YYYY-MM-DD");
//: A message about a line of a file given with --holidays: a range of
//: dates (first..last) whose last date comes before its first. %1 is the
//: file's name, %2 the line's number, %3 the range.
inline constexpr const char* kHolidayBadRange =
    QT_TRANSLATE_NOOP("MorvaneCalc", "%1, line %2: the range '%3' ends before it starts");
//: A message about a file given with --holidays that holds an iCalendar
//: (.ics) calendar that cannot be read: %1 is the file's name, %2 the number
//: of the line where the reading failed, %3 the line's text.
inline constexpr const char* kHolidayBadCalendar =
    QT_TRANSLATE_NOOP("MorvaneCalc", "%1, line %2: malformed iCalendar data: '%3'");
//: A message about a file given with --holidays that starts as an
//: iCalendar (.ics) calendar but ends before its last line, END:VCALENDAR
//: (keep that as it is): cut short, say. %1 is the file's name.
inline constexpr const char* kHolidayUnfinishedCalendar =
    QT_TRANSLATE_NOOP("MorvaneCalc", "%1: the iCalendar data ends before END:VCALENDAR");
//: A message about a line of a file given with --holidays: a holiday on a
//: date the program cannot count with. %1 is the file's name, %2 the line's
//: number, %3 the line's text.
inline constexpr const char* kHolidayOutOfRange =
    QT_TRANSLATE_NOOP("MorvaneCalc", "%1, line %2: '%3' lies outside the years 0001 to 9999");
//: A message about a file given with --holidays that holds an iCalendar
//: calendar: the part of morvane-calc that reads such files, %2 (a file
//: name), is missing from the installation. %1 is the holiday file's name.
inline constexpr const char* kCalendarModuleMissing =
    QT_TRANSLATE_NOOP("MorvaneCalc", "%1: iCalendar files cannot be read without %2");

// Batch mode: a message about one input line.
//: A message about a line of standard input: %1 is its number, %2 what is
//: wrong with it.
inline constexpr const char* kLineMessage = QT_TRANSLATE_NOOP("MorvaneCalc", "line %1: %2");
//: Said of a line of standard input, after "line %1: ".
inline constexpr const char* kLineTooLong = QT_TRANSLATE_NOOP("MorvaneCalc", "longer than 1 MiB");
//: Said of a line of standard input; the quoted forms are what the user
//: types: keep them as they are.
inline constexpr const char* kLineForms =
    QT_TRANSLATE_NOOP("MorvaneCalc", "expected 'diff START END' or 'add START N N N N N N'");
//: Said of a line of standard input that should hold one date.
inline constexpr const char* kDateLineForm = QT_TRANSLATE_NOOP("MorvaneCalc", "expected one date");
// The "error" of the JSON object that stands for a blank input line.
inline constexpr const char* kBlankLine = "blank line";

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

// Results.
//: The distance in words between a date and itself, where the text form
//: of a difference shows it (the phrase's line, and --phrase-only): the
//: number 0 and the unit of a day, as the phrase writes a count of days.
inline constexpr const char* kSameDayPhrase = QT_TRANSLATE_NOOP("MorvaneCalc", "0 days");

//: The label of the count of working days in the text form of a
//: difference when --holidays or --weekend is given: the weekend given and
//: the holidays left out. It replaces the label of the Monday-to-Friday
//: count ("Weekdays:" in the window), and must read differently from your
//: translation of that one, so that a reader sees that the holidays were
//: taken out. End it as your translation of the window's labels ends (a
//: colon).
inline constexpr const char* kWorkingDaysLabel = QT_TRANSLATE_NOOP("MorvaneCalc", "Working days:");

// Returns Text with each "%<n>" (n from 1 to 9) replaced by the n-th of Args.
std::string Fill(std::string_view Text, std::initializer_list<std::string_view> Args);

// Appends the same to Out.
void AppendFilled(std::string& Out, std::string_view Text,
                  std::initializer_list<std::string_view> Args);
