// The program's texts in the user's language: the catalogs compiled from
// translations/ into the program (":/i18n/morvane_<language>.qm") and Qt's
// own (qtbase_<language>.qm from Qt's translations folder), installed once
// the application object exists. The window and morvane-calc share them;
// morvane-calc, which builds no application object, asks the catalogs
// through Translate.
#pragma once

#include "LanguageChoice.h" // EnglishFirst: LoadTranslations then chooses English

#include <QString>
#include <QStringList>

class QTranslator;

// The user's languages for the program's texts, best first: those Qt reads
// from LANGUAGE, LC_ALL, LC_MESSAGES and LANG (QLocale::system()
// .uiLanguages()), or none while the locale for messages (the first of
// LC_ALL, LC_MESSAGES and LANG that is set) is unset, C, C.<codeset> or
// POSIX: as with gettext, LANGUAGE counts only beside a real locale, so that
// LC_ALL=C gives the English texts that scripts expect whatever the
// session's LANGUAGE says.
QStringList UserLanguages();

// Loads into Catalog the program's catalog for the first of Languages that
// the program is translated into, or the English one (which holds only the
// plural forms of the English texts) where English comes first. Returns
// the catalog's language ("de", "pt_BR", "en"); "en" too when none is
// found. Needs no application object. Raises nothing.
QString LoadProgramCatalog(QTranslator& Catalog, const QStringList& Languages = UserLanguages());

// Installs the English catalog (the plural forms of the English texts)
// once, and over it the program's catalog and Qt's own for the first of
// Languages (such as "de", "pt-BR", "zh-Hans-CN") that the program is
// translated into; a language that only differs in region or script from a
// catalog takes that catalog ("pt" takes "pt_BR"), and English or none found
// leaves the English texts. A second call replaces the catalogs of the
// first. With the application object in place they are installed for tr()
// and QCoreApplication::translate; without one they are kept for Translate
// alone, and Qt's own catalog, whose texts only Qt's widgets show, is not
// read. Returns the name of the catalog in force: "en" or one of
// ShippedLanguages(). Raises nothing.
QString LoadTranslations(const QStringList& Languages = UserLanguages());

// Returns Source, a text of Context (Comment telling it from the same text
// meant otherwise), in the language of the catalogs LoadTranslations
// loaded, or Source itself where they have none, with "%n" replaced by N
// as QCoreApplication::translate does (and its plural form chosen by N).
// With an application object it is QCoreApplication::translate; without
// one it asks the loaded catalogs directly, so that a program that builds
// none (morvane-calc, for its start-up time) speaks the user's language
// too. Raises nothing.
QString Translate(const char* Context, const char* Source, const char* Comment = nullptr,
                  int N = -1);

// The languages the program is translated into, as their catalogs are
// named ("de", "pt_BR", ...), without the English base.
QStringList ShippedLanguages();
