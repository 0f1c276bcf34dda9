// Batch mode of morvane-calc: one calculation per line of standard input,
// one result per line of standard output.
#pragma once

#include "Calculations.h"

#include <cstddef>
#include <string>

// Standard output and standard error, written in whole pieces. A result line
// goes out whole or not at all: results are gathered in one buffer that is
// written only at line boundaries.
class TOutput {
public:
    // The buffer results are appended to; Flush writes it.
    std::string Text;

    // True once a write to standard output has failed.
    bool Lost = false;

    // Writes Text to standard output and empties it. A failed write sets
    // Lost (the text is dropped).
    void Flush();

    // Flushes the results; when any write failed, says so on standard error
    // and returns false.
    bool Finish();

    // Flushes the results so far, then writes Message to standard error as
    // "morvane-calc: <Message>" and a line break.
    void Error(const std::string& Message);
};

// The text of a calculation's error as the window shows it: What with the
// full stop that the error display adds.
std::string ShownError(const char* What);

// Reads lines "diff START END" or "add START N N N N N N" (words separated by
// blanks; blank lines are skipped) from standard input until its end and
// writes each result as one line in Format: a difference as its six counts
// and phrase separated by tabs (or a JSON object), a new date as in a single
// calculation. A failing line writes "line <n>: <error>" to standard error
// and the run goes on. Returns 0 when every line gave a result, 1 when any
// failed or the output could not be written.
int RunBatch(TResultFormat Format, TOutput& Output);
