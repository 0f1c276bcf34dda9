#include "CommandLine.h"

#include "Messages.h"
#include "TextWriting.h"
#include "UsageError.h"

#include <algorithm>

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
        const TOption* Option = nullptr;
        if (Argument.size() == 2)
            Option = FindShortOption(Argument[1]);
        else if (Argument.starts_with("--"))
            Option = FindOption(Argument.substr(2, Argument.find('=') - 2));
        if (!Option)
            throw TUsageError(kUnknownOption, ShownText(Argument));
        const bool Valued = Option->Value != TValueKind::None;
        std::string_view Value;
        if (const std::size_t Equals = Argument.find('='); Equals != std::string_view::npos) {
            if (!Valued)
                throw TUsageError(kNoValue, Option->Name);
            Value = Argument.substr(Equals + 1);
        } else if (Valued) {
            if (I + 1 == argc)
                throw TUsageError(kMissingValue, Option->Name);
            Value = argv[++I];
        }
        if (Valued && !Option->Repeatable && Has(Option->Name))
            throw TUsageError(kGivenTwice, Option->Name);
        FOptions.emplace_back(Option, Value);
    }
}

bool TCommandLine::Has(std::string_view Name) const {
    return std::any_of(FOptions.begin(), FOptions.end(),
                       [&](const auto& Given) { return Given.first->Name == Name; });
}

std::optional<std::string_view> TCommandLine::Value(std::string_view Name) const {
    for (const auto& [Option, Value] : FOptions)
        if (Option->Name == Name)
            return Value;
    return std::nullopt;
}

std::vector<std::string_view> TCommandLine::Values(std::string_view Name) const {
    std::vector<std::string_view> Values;
    for (const auto& [Option, Value] : FOptions)
        if (Option->Name == Name)
            Values.push_back(Value);
    return Values;
}

TCommand TCommandLine::Form() const {
    if (FWords.empty())
        throw TUsageError(kNoCommand);
    const TCommands Forms = FormsOf(FWords, true);
    if (Forms == 0)
        throw TUsageError(kUnknownCommand, ShownText(FWords.front()));
    return static_cast<TCommand>(Forms);
}

void TCommandLine::CheckOptionsGoWith(TCommand Form) const {
    for (const auto& Given : FOptions)
        if ((Given.first->Commands & Form) == 0)
            throw TUsageError(Given.first->WrongCommand);
    for (const auto& Given : FOptions)
        for (const auto& Other : FOptions)
            if (Given.first->Group != 0 && Given.first->Group == Other.first->Group &&
                Given.first != Other.first)
                throw TUsageError(kGroupMessages[Given.first->Group - 1]);
}

std::vector<std::string_view> ListItems(std::string_view Value) {
    std::vector<std::string_view> Items;
    for (std::size_t Pos = 0; Pos <= Value.size();) {
        const std::size_t Comma = std::min(Value.find(',', Pos), Value.size());
        Items.push_back(Value.substr(Pos, Comma - Pos));
        Pos = Comma + 1;
    }
    return Items;
}

TCommands FormsOf(const std::vector<std::string_view>& Words, bool OperandsComplete) {
    if (Words.empty())
        return 0;
    const std::string_view Command = Words.front();
    if (Command == "diff")
        return cmDiff;
    if (Command == "-")
        return cmBatch;
    if (Command != "add")
        return 0;
    if (Words.size() == 1)
        return OperandsComplete ? cmAdd : cmAdd | cmAddBatch;
    return Words.size() == 2 && Words[1] == "-" ? cmAddBatch : cmAdd;
}
