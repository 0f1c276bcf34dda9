// morvane-calc's command line, read into options and words.
#pragma once

#include <optional>
#include <string_view>
#include <utility>
#include <vector>

// The arguments of one run: the options given, each by its long name
// ("days", "help"), with its value, and the other words ("add", a date, "-")
// in their order. "--" ends the options; "-" alone is a word.
class TCommandLine {
public:
    // Reads the arguments after the program's name. An option is "--NAME",
    // "--NAME VALUE" or "--NAME=VALUE" for one that takes a value (the next
    // argument is its value even when it starts with "-", as "-3" does), and
    // "-h" and "-v" stand for "--help" and "--version". Raises TUsageError
    // for an unknown option, a missing value and a value given to an option
    // that takes none.
    TCommandLine(int argc, char* argv[]);

    // True when the option Name was given.
    bool Has(std::string_view Name) const;

    // The value of the option Name, when given. Raises TUsageError when it
    // was given more than once.
    std::optional<std::string_view> Value(std::string_view Name) const;

    const std::vector<std::string_view>& Words() const { return FWords; }

private:
    std::vector<std::pair<std::string_view, std::string_view>> FOptions;
    std::vector<std::string_view> FWords;
};
