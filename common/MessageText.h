// The text rule every error message follows when it is shown, in the
// window's message box and on the command-line tool's standard error alike.
#pragma once

#include <QString>

// Returns Message with "." appended when it is not empty and its last
// character's code is greater than that of "." (a letter or a digit, say),
// unless that character is a punctuation mark beyond ASCII that ends a
// sentence or closes a bracket or quotation ("。", "！", "？", "…", "）",
// "」", "»"): a translation's own ending. A message ending in ")" or "."
// comes back unchanged.
QString WithFullStop(const QString& Message);
