// The text rule every error message follows when it is shown, in the
// window's message box and on the command-line tool's standard error alike,
// and the message of an error in the user's language.
#pragma once

#include <QString>

#include <exception>

// True when Message ends in a punctuation mark beyond ASCII that ends a
// sentence or closes a bracket or quotation ("。", "！", "？", "…", "）",
// "」", "»"): a translation's own ending, after which a Latin "." is wrong.
bool EndsInOwnPunctuation(const QString& Message);

// Returns Message with the full stop of AppendFullStop (TextRules.h), unless
// it ends in its own punctuation (EndsInOwnPunctuation). A message ending in
// ")" or "." comes back unchanged.
QString WithFullStop(const QString& Message);

// Returns the message of Error in the user's language (the translations
// installed by LoadTranslations): the date core's conversion errors and the
// version list's position error are worded from what they carry; any other
// error gives its what() text. In English each reads exactly as what().
// Raises nothing.
QString ErrorText(const std::exception& Error);
