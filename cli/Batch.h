// Batch mode of morvane-calc: one calculation per line of standard input,
// one result per line of standard output.
#pragma once

#include "Calculations.h"
#include "Output.h"

#include <optional>

// Reads lines from standard input until its end and writes each result as
// one line in Style: "diff START END" as the difference's items separated by
// tabs (or a JSON object), "add START N N N N N N" as the new date written
// as in a single calculation; given Shared amounts, lines that hold one date
// each, moved by them. Every input line has exactly one output line, so
// that the two pair up row by row:
// - a line that fails writes "line <n>: <error>" to standard error and, in
//   its place on standard output, an empty line (in JSON
//   {"line":<n>,"error":"<error>"}), and the run goes on;
// - a blank line (an empty cell of a spreadsheet column) is no calculation
//   and no failure: an empty line, in JSON {"line":<n>,"error":"blank
//   line"}, and no message.
// Returns kExitDone when no line failed, kExitFailed when any did, and
// kExitStreamFailed as soon as standard input cannot be read or standard
// output written (the run stops there).
int RunBatch(const TResultStyle& Style, std::optional<TAmounts> Shared, TOutput& Output);
