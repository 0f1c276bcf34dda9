// Which language the environment asks for, read from the variables alone:
// toolkit-free, so that morvane-calc knows an English or C session before
// it loads anything that could translate.
#pragma once

// True when the locale for messages (the first of LC_ALL, LC_MESSAGES and
// LANG that is set) is unset, C, C.<codeset> or POSIX: as with gettext,
// the texts are then English whatever LANGUAGE says.
bool MessagesLocaleIsC();

// True when the environment alone shows that the user's first language is
// English, or that there is none: the locale for messages is C
// (MessagesLocaleIsC), or the first entry of LANGUAGE (or, without one, the
// locale for messages) is English ("en", "en_GB.UTF-8", "en-GB", "en@euro").
// A caller whose texts are English as written (morvane-calc) then needs no
// catalog and no system locale. False leaves the choice to the catalogs
// (LoadTranslations in Translations.h).
bool EnglishFirst();
