// morvane-calc's commands and options, each described once, as data: the
// command line is read against these tables (CommandLine.h), --help lists
// and summarises them (Help.h), and the shells complete from them
// (Completion.h). An option is added as one row of kOptions (and, when it
// takes a list of names or a file, the names or the file kind), its help
// text in every catalog, and a line in the manual page.
#pragma once

#include "DateRoutines.h"

#include <array>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

// The forms of a calculation the command line can ask for, as a set of bits.
enum TCommand : std::uint8_t {
    cmDiff = 1,     // diff START END
    cmAdd = 2,      // add START
    cmAddBatch = 4, // add -: the same amounts for each date read
    cmBatch = 8,    // -: one calculation per line read
};
using TCommands = std::uint8_t;
inline constexpr TCommands kAllCommands = cmDiff | cmAdd | cmAddBatch | cmBatch;

// How one form is written: its words before the options and after them,
// as the help's summary shows it ("diff START END [options]", "[options] -"),
// and what the completion calls it.
struct TCommandForm {
    TCommand Command;
    std::string_view Before;
    std::string_view After;
};
inline constexpr std::array<TCommandForm, 4> kCommandForms = {{
    {cmDiff, "diff START END", ""},
    {cmAdd, "add START", ""},
    {cmAddBatch, "add", "-"},
    {cmBatch, "", "-"},
}};

// What an option's value is, which says how it is completed.
enum class TValueKind : std::uint8_t {
    None,   // a flag: takes no value
    Number, // a whole number: not completed
    Text,   // free text, such as a format: not completed
    List,   // names separated by commas, from the option's Names
    File,   // the name of a file: completed from the file system
};

// One option. Options of one exclusive group (Group > 0) exclude each
// other; an option that goes with no command (Commands 0) stands alone, as
// --help does, and ends the reading of the command line.
struct TOption {
    std::string_view Name;      // given as --Name
    char Short;                 // given as -Short too, or 0
    TValueKind Value;           // TValueKind::None for a flag
    std::string_view ValueName; // what the help calls the value: "N", "FMT", ...
    TCommands Commands;         // the forms it goes with
    std::uint8_t Group;         // its exclusive group (kGroupMessages), or 0
    bool Repeatable;            // may be given more than once
    // Its description in --help and in the completions, a text of
    // Messages.h; nullptr: it shares the description of the row before,
    // whose line in the help lists it too.
    const char* Help;
    // The message when it comes with a form it does not go with.
    const char* WrongCommand;
    // For a List: the names it takes, as the completions offer them.
    std::vector<std::string> (*Names)();
};

// The six units in their fixed order (TDateKind), as the options of the
// amounts, the columns of a batch line, the names of --units and the JSON
// keys of a difference name them.
inline constexpr std::array<std::string_view, 6> kUnitNames = {"days",       "weekdays", "weeks",
                                                               "fortnights", "months",   "years"};

// What a difference shows: one of the six counts, by its TDateKind, or the
// phrase.
enum TDiffItem : std::uint8_t {
    diDays = dkDays,
    diWeekdays = dkWeekdays,
    diWeeks = dkWeeks,
    diFortnights = dkFortnights,
    diMonths = dkMonths,
    diYears = dkYears,
    diPhrase,
};
inline constexpr std::size_t kDiffItemCount = diPhrase + 1;

// The name of a difference item in --units and in JSON.
constexpr std::string_view DiffItemName(TDiffItem Item) {
    return Item == diPhrase ? "phrase" : kUnitNames[Item];
}

// The exclusive groups, by their number less one: the message when two of
// a group are given.
extern const std::array<const char*, 2> kGroupMessages;

// Every option, in the order --help lists them.
extern const std::span<const TOption> kOptions;

// The option named Name (without "--"), or nullptr.
const TOption* FindOption(std::string_view Name);

// The option of the short letter Letter, or nullptr.
const TOption* FindShortOption(char Letter);

// The options given as amounts, by TDateKind.
const TOption& AmountOption(TDateKind Kind);
