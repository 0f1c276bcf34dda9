// The user's language and locale, for the texts of morvane-calc that need
// them: its messages, its help, the labels and phrase of the text form, the
// long date and the names of --format. They come from the locale module
// (LocaleModule.h), which the tool loads from beside itself at the first
// text that needs one, and which brings the toolkit with it; a run that
// needs none (an English or C session writing ISO dates, say) loads
// neither. Without the module the texts are English and the long date
// keeps the date core's fallbacks.
#pragma once

#include "DateRoutines.h"
#include "LocaleModule.h"
#include "TextWriting.h"

#include <optional>
#include <string>
#include <string_view>

// True when the user's language is one the program is translated into, not
// English. Asked at the first text that needs it: English and C sessions
// (EnglishFirst) load nothing for it. Once true, the system's reasons
// (SystemReason) are in that language too.
bool InUserLanguage();

// Text, one of Messages.h's texts, in the user's language: the catalog's
// translation, or Text itself in English or a C session. Each text is
// looked up once.
const std::string& Tr(const char* Text);

// Source, a text of the catalogs' context Context (the window's labels),
// in the user's language, or Source itself.
std::string TrIn(const char* Context, const char* Source);

// Fills the date core's DateFormatSettings() from the user's locale for
// dates, once: the long date pattern, the separator and the names. Leaves
// the date core's fallbacks where the module is missing.
void LoadUserDateNames();

// The distance in words from Start to End in the user's language (valid
// until the next call), or nothing when InUserLanguage() is false or the
// dates give no phrase.
std::optional<std::string_view> UserPhrase(TDateTime Start, TDateTime End);

// An error message in the user's language with its full stop, as the window
// shows it; English is the caller's (InUserLanguage() false).
std::string TranslatedError(TModuleError Error, std::string_view Text = {}, int Position = 0);

// The system's reason for the error number Error (strerror), in the user's
// language when the texts are translated (InUserLanguage), else in
// English.
std::string SystemReason(int Error);

// The weekend of the user's locale, as a bit for each day (bit 0 Sunday ...
// bit 6 Saturday); nothing where the module is missing.
std::optional<int> UserWeekendDays();
