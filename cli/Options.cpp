#include "Options.h"

#include "Messages.h"
#include "WorkingDayOptions.h"

#include <algorithm>

namespace {

// The exclusive groups.
enum : std::uint8_t { kNoGroup, kFormGroup, kItemsGroup };

// The names --units takes: the six counts and the phrase.
std::vector<std::string> ItemNames() {
    std::vector<std::string> Names;
    for (std::size_t Item = 0; Item < kDiffItemCount; ++Item)
        Names.emplace_back(DiffItemName(static_cast<TDiffItem>(Item)));
    return Names;
}

constexpr TCommands kAmountCommands = cmAdd | cmAddBatch;
constexpr TCommands kNewDateCommands = cmAdd | cmAddBatch | cmBatch;
constexpr TCommands kDifferenceCommands = cmDiff | cmBatch;

// clang-format off
constexpr TOption kOptionRows[] = {
    // Name          Short  Value                  ValueName Commands             Group        Repeatable Help             WrongCommand     Names
    {"days",         0,     TValueKind::Number,    "N",      kAmountCommands,     kNoGroup,    false,     kAmountsHelp,    kAmountsWithAdd, nullptr},
    {"weekdays",     0,     TValueKind::Number,    "N",      kAmountCommands,     kNoGroup,    false,     nullptr,         kAmountsWithAdd, nullptr},
    {"weeks",        0,     TValueKind::Number,    "N",      kAmountCommands,     kNoGroup,    false,     nullptr,         kAmountsWithAdd, nullptr},
    {"fortnights",   0,     TValueKind::Number,    "N",      kAmountCommands,     kNoGroup,    false,     nullptr,         kAmountsWithAdd, nullptr},
    {"months",       0,     TValueKind::Number,    "N",      kAmountCommands,     kNoGroup,    false,     nullptr,         kAmountsWithAdd, nullptr},
    {"years",        0,     TValueKind::Number,    "N",      kAmountCommands,     kNoGroup,    false,     nullptr,         kAmountsWithAdd, nullptr},
    {"iso",          0,     TValueKind::None,      "",       kAllCommands,        kFormGroup,  false,     kIsoHelp,        nullptr,         nullptr},
    {"json",         0,     TValueKind::None,      "",       kAllCommands,        kFormGroup,  false,     kJsonHelp,       nullptr,         nullptr},
    {"format",       0,     TValueKind::Text,      "FMT",    kNewDateCommands,    kFormGroup,  false,     kFormatHelp,     kFormatWithAdd,  nullptr},
    {"units",        0,     TValueKind::List,      "LIST",   kDifferenceCommands, kItemsGroup, false,     kUnitsHelp,      kItemsWithDiff,  ItemNames},
    {"phrase-only",  0,     TValueKind::None,      "",       kDifferenceCommands, kItemsGroup, false,     kPhraseOnlyHelp, kItemsWithDiff,  nullptr},
    {"holidays",     0,     TValueKind::File,      "FILE",   kAllCommands,        kNoGroup,    true,      kHolidaysHelp,   nullptr,         nullptr},
    {"weekend",      0,     TValueKind::List,      "DAYS",   kAllCommands,        kNoGroup,    false,     kWeekendHelp,    nullptr,         WeekendNames},
    {"help",         'h',   TValueKind::None,      "",       0,                   kNoGroup,    false,     kHelpHelp,       nullptr,         nullptr},
    {"version",      'v',   TValueKind::None,      "",       0,                   kNoGroup,    false,     kVersionHelp,    nullptr,         nullptr},
};
// clang-format on

} // namespace

const std::array<const char*, 2> kGroupMessages = {kFormatsExclude, kItemsExclude};

const std::span<const TOption> kOptions = kOptionRows;

const TOption* FindOption(std::string_view Name) {
    const auto Found = std::find_if(kOptions.begin(), kOptions.end(),
                                    [&](const TOption& O) { return O.Name == Name; });
    return Found == kOptions.end() ? nullptr : &*Found;
}

const TOption* FindShortOption(char Letter) {
    const auto Found = std::find_if(kOptions.begin(), kOptions.end(),
                                    [&](const TOption& O) { return O.Short == Letter; });
    return Found == kOptions.end() || Letter == 0 ? nullptr : &*Found;
}

const TOption& AmountOption(TDateKind Kind) {
    return *FindOption(kUnitNames[Kind]);
}
