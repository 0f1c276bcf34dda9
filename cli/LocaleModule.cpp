// morvane-calc's locale module: the toolkit's translations, the locale's
// long date and names, and the phrase and error messages in the user's
// language, behind the C interface of LocaleModule.h. Built as a shared
// object that links QtCore; the tool itself does not.
#include "LocaleModule.h"

#include "LocaleSettings.h"
#include "MessageText.h"
#include "PhraseText.h"
#include "StringList.h"
#include "Translations.h"
#include "WorkingDays.h"

#include <QByteArray>
#include <QLocale>

#include <exception>
#include <string>

namespace {

// The text handed out last, owned here until the next call.
std::string& Held() {
    static std::string Text;
    return Text;
}

TModuleText Hand(std::string Text) {
    Held() = std::move(Text);
    return {Held().data(), Held().size()};
}

TModuleText View(const std::string& Text) {
    return {Text.data(), Text.size()};
}

bool LoadTranslationsEntry() {
    try {
        return LoadTranslations(UserLanguages()) != QLatin1String("en");
    } catch (...) {
        return false;
    }
}

TModuleText TranslateEntry(const char* Context, const char* Source) {
    try {
        return Hand(Translate(Context, Source).toStdString());
    } catch (...) {
        return Hand(Source);
    }
}

void LocaleNamesEntry(TModuleLocaleNames* Names) {
    try {
        LoadLocaleSettings(QLocale::system());
    } catch (...) {
        // The date core's English fallbacks stay.
    }
    const TDateFormatSettings& S = DateFormatSettings();
    Names->LongDatePattern = View(S.LongDatePattern);
    Names->DateSeparator = View(S.DateSeparator);
    for (std::size_t I = 0; I < 12; ++I) {
        Names->LongMonthNames[I] = View(S.LongMonthNames[I]);
        Names->ShortMonthNames[I] = View(S.ShortMonthNames[I]);
    }
    for (std::size_t I = 0; I < 7; ++I) {
        Names->LongDayNames[I] = View(S.LongDayNames[I]);
        Names->ShortDayNames[I] = View(S.ShortDayNames[I]);
    }
}

bool PhraseEntry(double Start, double End, TModuleText* Phrase) {
    // Each piece is looked up once for a whole run of phrases.
    static TPhraseText Pieces;
    try {
        const std::string_view Text = Pieces.Text(Start, End);
        *Phrase = {Text.data(), Text.size()};
        return true;
    } catch (...) {
        return false;
    }
}

TModuleText ErrorTextEntry(int Error, const char* Text, int Position) {
    try {
        QString Message;
        switch (Error) {
        case meNotInteger:
            Message = ErrorText(TConvertError(cpNotInteger, Text));
            break;
        case meDateEncode:
            Message = ErrorText(TConvertError(cpDateEncode));
            break;
        default:
            Message = ErrorText(TStringListError(Position));
            break;
        }
        return Hand(WithFullStop(Message).toStdString());
    } catch (...) {
        return Hand(Text);
    }
}

int WeekendDaysEntry() {
    // The toolkit knows each locale's working days, by their ISO numbers;
    // the weekend is the rest.
    TWeekdaySet Weekend{0x7F};
    try {
        for (const Qt::DayOfWeek Day : QLocale::system().weekdays())
            Weekend = Weekend.Without(WeekdayOfIso(Day));
    } catch (...) {
        return kSaturdaySunday.Bits;
    }
    return Weekend.Bits;
}

const TLocaleModule kModule = {kLocaleModuleVersion, LoadTranslationsEntry, TranslateEntry,
                               LocaleNamesEntry,     PhraseEntry,           ErrorTextEntry,
                               WeekendDaysEntry};

} // namespace

const TLocaleModule* MorvaneCalcLocaleModule() {
    return &kModule;
}
