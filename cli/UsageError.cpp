#include "UsageError.h"

#include "Messages.h"
#include "UserLocale.h"

TUsageError::TUsageError(const char* Text, std::string_view Arg)
    : std::runtime_error(Fill(Text, {Arg})), FText(Text), FArg(Arg) {}

std::string TUsageError::Translated() const {
    return Fill(Tr(FText), {FArg});
}
