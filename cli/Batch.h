// Batch mode of morvane-calc: one calculation per line of standard input,
// one result per line of standard output.
#pragma once

#include "Calculations.h"
#include "Output.h"

// Reads lines "diff START END" or "add START N N N N N N" (words separated by
// blanks; blank lines are skipped) from standard input until its end and
// writes each result as one line in Format: a difference as its six counts
// and phrase separated by tabs (or a JSON object), a new date as in a single
// calculation. A failing line writes "line <n>: <error>" to standard error
// and, in its place on standard output, an empty line (in JSON
// {"line":<n>,"error":"<error>"}), so that every line that is not blank has
// one output line; the run goes on. Returns kExitDone when every line gave a result,
// kExitFailed when any failed, and kExitStreamFailed as soon as standard
// input cannot be read or standard output written (the run stops there).
int RunBatch(TResultFormat Format, TOutput& Output);
