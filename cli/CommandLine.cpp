#include "CommandLine.h"

#include "Calculations.h"
#include "Messages.h"
#include "TextWriting.h"

#include <algorithm>
#include <array>
#include <string>

namespace {

// The options that take a value, and those that take none.
constexpr std::array<std::string_view, 8> kValueOptions = {
    "days", "weekdays", "weeks", "fortnights", "months", "years", "format", "units"};
constexpr std::array<std::string_view, 5> kFlagOptions = {"iso", "json", "phrase-only", "help",
                                                          "version"};

bool Listed(const auto& Names, std::string_view Name) {
    return std::find(Names.begin(), Names.end(), Name) != Names.end();
}

} // namespace

TCommandLine::TCommandLine(int argc, char* argv[]) {
    bool OptionsEnded = false;
    for (int I = 1; I < argc; ++I) {
        const std::string_view Argument = argv[I];
        if (OptionsEnded || Argument.size() < 2 || Argument[0] != '-') {
            FWords.push_back(Argument);
            continue;
        }
        if (Argument == "--") {
            OptionsEnded = true;
            continue;
        }
        std::string_view Name;
        if (Argument == "-h" || Argument == "-v")
            Name = Argument == "-h" ? "help" : "version";
        else if (Argument.starts_with("--"))
            Name = Argument.substr(2, Argument.find('=') - 2);
        const bool Valued = Listed(kValueOptions, Name);
        if (!Valued && !Listed(kFlagOptions, Name))
            throw TUsageError(kUnknownOption, ShownText(Argument));
        const std::size_t Equals = Argument.find('=');
        if (Equals != std::string_view::npos) {
            if (!Valued)
                throw TUsageError(kNoValue, Name);
            FOptions.emplace_back(Name, Argument.substr(Equals + 1));
        } else if (Valued) {
            if (I + 1 == argc)
                throw TUsageError(kMissingValue, Name);
            FOptions.emplace_back(Name, argv[++I]);
        } else {
            FOptions.emplace_back(Name, std::string_view());
        }
    }
}

bool TCommandLine::Has(std::string_view Name) const {
    return std::any_of(FOptions.begin(), FOptions.end(),
                       [&](const auto& Option) { return Option.first == Name; });
}

std::optional<std::string_view> TCommandLine::Value(std::string_view Name) const {
    std::optional<std::string_view> Found;
    for (const auto& [OptionName, OptionValue] : FOptions) {
        if (OptionName != Name)
            continue;
        if (Found)
            throw TUsageError(kGivenTwice, Name);
        Found = OptionValue;
    }
    return Found;
}
