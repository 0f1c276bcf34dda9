// The entry points of morvane-calc's locale module: the part of the tool
// that needs the toolkit, in a shared object of its own that the tool
// loads (UserLocale.h) only at the first text that needs the user's
// language or the locale's long date and names. A C interface, so that the
// tool and the module share no C++ object: each call hands over plain
// numbers and UTF-8 texts, and no exception crosses it.
//
// A new entry point goes at the end of TLocaleModule, with
// kLocaleModuleVersion raised by one, so that a tool never calls into a
// module of another build.
#pragma once

#include <cstddef>

extern "C" {

// A UTF-8 text the module owns, valid until the next call into it.
struct TModuleText {
    const char* Data;
    std::size_t Size;
};

// The long date settings of the user's locale (as LoadLocaleSettings in
// LocaleSettings.h reads them): the long date pattern in the date core's
// language, the date separator, and the names, the weekdays from Sunday.
struct TModuleLocaleNames {
    TModuleText LongDatePattern;
    TModuleText DateSeparator;
    TModuleText LongMonthNames[12];
    TModuleText ShortMonthNames[12];
    TModuleText LongDayNames[7];
    TModuleText ShortDayNames[7];
};

// What a translated error message is about: a TConvertProblem of the date
// core (with the text refused), or a missing version string (with its
// position).
enum TModuleError : int {
    meNotInteger = 0,
    meDateEncode = 1,
    meListIndex = 2,
};

struct TLocaleModule {
    int Version; // kLocaleModuleVersion of the build that made the module

    // Loads the catalogs for the user's languages. True when the texts are
    // translated (the language is not English).
    bool (*LoadTranslations)();

    // Source, a text of Context, in the user's language; Source itself
    // where the catalogs have none.
    TModuleText (*Translate)(const char* Context, const char* Source);

    // Fills Names from the user's locale for dates.
    void (*LocaleNames)(TModuleLocaleNames* Names);

    // The distance in words from Start to End (day numbers of the years 1
    // to 9999) in the user's language into Phrase; empty for the same day.
    // False when the dates give no phrase.
    bool (*Phrase)(double Start, double End, TModuleText* Phrase);

    // An error message in the user's language, as the window shows it (with
    // its full stop): Error with Text (meNotInteger) or Position
    // (meListIndex).
    TModuleText (*ErrorText)(int Error, const char* Text, int Position);

    // The weekend of the user's locale: the days that are not its working
    // days, as a bit for each (bit 0 Sunday ... bit 6 Saturday).
    int (*WeekendDays)();
};

// The one symbol the tool looks up in the module, the only one the module
// shows.
__attribute__((visibility("default"))) const TLocaleModule* MorvaneCalcLocaleModule();
}

inline constexpr int kLocaleModuleVersion = 2;
inline constexpr char kLocaleModuleSymbol[] = "MorvaneCalcLocaleModule";
