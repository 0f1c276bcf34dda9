#include "Messages.h"

#include "Translations.h"

std::string Fill(std::string_view Text, std::initializer_list<std::string_view> Args) {
    std::string Out;
    for (std::size_t I = 0; I < Text.size(); ++I) {
        const std::size_t N = I + 1 < Text.size() ? static_cast<std::size_t>(Text[I + 1] - '1') : 9;
        if (Text[I] == '%' && N < Args.size()) {
            Out += Args.begin()[N];
            ++I;
        } else {
            Out += Text[I];
        }
    }
    return Out;
}

bool InUserLanguage() {
    // English, and a C locale, take no catalog (nor the system locale that
    // the choice of one reads): the texts are this file's.
    static const bool Translated =
        !EnglishFirst() && LoadTranslations(UserLanguages()) != QLatin1String("en");
    return Translated;
}

std::string Tr(const char* Text) {
    return InUserLanguage() ? Translate(kCalcContext, Text).toStdString() : std::string(Text);
}
