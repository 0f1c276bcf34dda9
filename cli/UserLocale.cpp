#include "UserLocale.h"

#include "LanguageChoice.h"
#include "Messages.h"
#include "OwnExecutable.h"

#include <cerrno>
#include <clocale>
#include <cstring>
#include <unordered_map>

#include <dlfcn.h>
#include <libintl.h>

namespace {

const TLocaleModule* LoadLocaleModule() {
    const std::string Path = BesideOwnExecutable(MORVANE_LOCALE_MODULE);
    if (Path.empty())
        return nullptr;
    // Never unloaded: the toolkit it brings keeps state until the program
    // ends. Its calls into the C++ library are bound as they are first made,
    // as the toolkit loads its own plugins: binding all of them at once took
    // about a quarter of the whole load.
    std::string Why; // without the module, the texts are English: no message
    return LoadModule<TLocaleModule>(Path, kLocaleModuleSymbol, kLocaleModuleVersion,
                                     RTLD_LAZY | RTLD_LOCAL, Why);
}

// The module, loaded at the first call; nullptr where it is missing.
const TLocaleModule* Module() {
    static const TLocaleModule* const Loaded = LoadLocaleModule();
    return Loaded;
}

std::string ToString(TModuleText Text) {
    return std::string(Text.Data, Text.Size);
}

} // namespace

bool InUserLanguage() {
    static const bool Translated = [] {
        if (EnglishFirst() || !Module() || !Module()->LoadTranslations())
            return false;
        // The C library's messages (strerror) in the same language, in
        // UTF-8 like every other text, while numbers and the rest stay C.
        std::setlocale(LC_MESSAGES, "");
        ::bind_textdomain_codeset("libc", "UTF-8");
        return true;
    }();
    return Translated;
}

const std::string& Tr(const char* Text) {
    static std::unordered_map<const char*, std::string> Looked;
    const auto [Entry, New] = Looked.try_emplace(Text);
    if (New)
        Entry->second = InUserLanguage() ? ToString(Module()->Translate(kCalcContext, Text)) : Text;
    return Entry->second;
}

std::string TrIn(const char* Context, const char* Source) {
    return InUserLanguage() ? ToString(Module()->Translate(Context, Source)) : Source;
}

void LoadUserDateNames() {
    static bool Loaded = false;
    if (Loaded || !Module()) {
        Loaded = true;
        return;
    }
    Loaded = true;
    TModuleLocaleNames Names{};
    Module()->LocaleNames(&Names);
    TDateFormatSettings& S = DateFormatSettings();
    S.LongDatePattern = ToString(Names.LongDatePattern);
    S.DateSeparator = ToString(Names.DateSeparator);
    for (std::size_t I = 0; I < 12; ++I) {
        S.LongMonthNames[I] = ToString(Names.LongMonthNames[I]);
        S.ShortMonthNames[I] = ToString(Names.ShortMonthNames[I]);
    }
    for (std::size_t I = 0; I < 7; ++I) {
        S.LongDayNames[I] = ToString(Names.LongDayNames[I]);
        S.ShortDayNames[I] = ToString(Names.ShortDayNames[I]);
    }
}

std::optional<std::string_view> UserPhrase(TDateTime Start, TDateTime End) {
    TModuleText Phrase{};
    if (!InUserLanguage() || !Module()->Phrase(Start, End, &Phrase))
        return std::nullopt;
    return std::string_view(Phrase.Data, Phrase.Size);
}

std::string TranslatedError(TModuleError Error, std::string_view Text, int Position) {
    return ToString(Module()->ErrorText(Error, std::string(Text).c_str(), Position));
}

std::string SystemReason(int Error) {
    InUserLanguage(); // which sets the C library's language
    return std::strerror(Error);
}

std::optional<int> UserWeekendDays() {
    if (!Module())
        return std::nullopt;
    return Module()->WeekendDays();
}
