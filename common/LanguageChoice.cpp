#include "LanguageChoice.h"

#include <cstdlib>
#include <string_view>

namespace {

// The locale for messages: the first of LC_ALL, LC_MESSAGES and LANG that is
// set and not empty.
std::string_view MessagesLocale() {
    for (const char* Variable : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
        const char* Value = std::getenv(Variable);
        if (Value && *Value)
            return Value;
    }
    return {};
}

} // namespace

bool MessagesLocaleIsC() {
    const std::string_view Locale = MessagesLocale();
    return Locale.empty() || Locale == "C" || Locale.starts_with("C.") || Locale == "POSIX";
}

bool EnglishFirst() {
    if (MessagesLocaleIsC())
        return true;
    // The first language as Qt reads it, before the locale's name is taken
    // apart: "en", "en_US.UTF-8", "en-GB", "en@euro".
    const char* Languages = std::getenv("LANGUAGE");
    std::string_view First = Languages && *Languages ? Languages : MessagesLocale();
    First = First.substr(0, First.find(':'));
    return First.starts_with("en") &&
           (First.size() == 2 || std::string_view("_-.@").find(First[2]) != std::string_view::npos);
}
