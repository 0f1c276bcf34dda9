#include "UsageError.h"

#include "Messages.h"
#include "UserLocale.h"

namespace {

// Text with Args in its "%1" to "%3"; a marker beyond Args stays as it is.
std::string FillArgs(std::string_view Text, const std::vector<std::string>& Args) {
    switch (Args.size()) {
    case 0:
        return Fill(Text, {});
    case 1:
        return Fill(Text, {Args[0]});
    case 2:
        return Fill(Text, {Args[0], Args[1]});
    default:
        return Fill(Text, {Args[0], Args[1], Args[2]});
    }
}

} // namespace

TUsageError::TUsageError(const char* Text, std::string_view Arg)
    : TUsageError(Text, std::vector<std::string>{std::string(Arg)}) {}

TUsageError::TUsageError(const char* Text, std::vector<std::string> Args)
    : std::runtime_error(FillArgs(Text, Args)), FText(Text), FArgs(std::move(Args)) {}

std::string TUsageError::Translated() const {
    return FillArgs(Tr(FText), FArgs);
}
