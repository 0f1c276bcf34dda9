// The difference phrase in the user's language.
#pragma once

#include "DateRoutines.h"

#include <QString>

// Returns the distance from StartDate to EndDate in words in the user's
// language (the translations installed by LoadTranslations), from the
// numbers of DiffPhraseParts: each non-zero unit with its plural form, the
// units joined by the language's patterns for a list ("%1, %2" and, before
// the last, "%1 and %2") and, when EndDate is the earlier, its pattern for
// the past ("%1 ago"); empty for the same day. In English it reads exactly
// as DiffPhrase. Raises as DiffPhraseParts.
QString DiffPhraseText(TDateTime StartDate, TDateTime EndDate);
