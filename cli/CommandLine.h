// morvane-calc's command line, read against the table of its options
// (Options.h) into options and words.
#pragma once

#include "Options.h"

#include <optional>
#include <string_view>
#include <utility>
#include <vector>

// The arguments of one run: the options given, each by its row of
// kOptions, with its value, and the other words ("add", a date, "-") in
// their order. "--" ends the options; "-" alone is a word.
class TCommandLine {
public:
    // Reads the arguments after the program's name. An option is "--NAME",
    // "--NAME VALUE" or "--NAME=VALUE" for one that takes a value (the next
    // argument is its value even when it starts with "-", as "-3" does), and
    // "-X" for one with a short letter. Raises TUsageError for an unknown
    // option, a missing value, a value given to an option that takes none,
    // and an option with a value given twice that may be given once.
    TCommandLine(int argc, char* argv[]);

    // True when the option Name was given.
    bool Has(std::string_view Name) const;

    // The value of the option Name, when given.
    std::optional<std::string_view> Value(std::string_view Name) const;

    // Every value of the option Name, in the order given.
    std::vector<std::string_view> Values(std::string_view Name) const;

    const std::vector<std::string_view>& Words() const { return FWords; }

    // The form that the words ask for: diff, add with a date, add with "-",
    // or "-". Raises TUsageError when there is no word, or the first is no
    // command.
    TCommand Form() const;

    // Raises TUsageError for an option given that does not go with Form,
    // and for two options given of one exclusive group.
    void CheckOptionsGoWith(TCommand Form) const;

private:
    std::vector<std::pair<const TOption*, std::string_view>> FOptions;
    std::vector<std::string_view> FWords;
};

// The items of the value of an option that takes a list (TValueKind::List):
// the texts between its commas, empty ones included ("a,,b" has three).
std::vector<std::string_view> ListItems(std::string_view Value);

// The forms that Words (a command word and the operands after it) can be
// the start of: one form; none when the first word is no command; or, for
// "add" alone, cmAdd | cmAddBatch unless OperandsComplete says that no
// operand follows (a command line), when it is cmAdd.
TCommands FormsOf(const std::vector<std::string_view>& Words, bool OperandsComplete);
