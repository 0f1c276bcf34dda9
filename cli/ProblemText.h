// The messages of a calculation that failed (a TProblem): in English, as a
// JSON result carries them, and as standard error shows them, in the
// user's language.
#pragma once

#include "Calculations.h"

#include <string>

// Appends the message of Problem in English to Out, with the full stop the
// window's error texts get, and without naming the amount it is about.
void AppendEnglishProblem(std::string& Out, const TProblem& Problem);

// Appends the same in the user's language to Out, as standard error shows
// it.
void AppendShownProblem(std::string& Out, const TProblem& Problem);
