// What morvane-calc writes: results to standard output, gathered and written
// in whole lines, and messages to standard error.
#pragma once

#include <string>

// Standard output and standard error, written in whole pieces. A result line
// goes out whole or not at all: results are gathered in one buffer that is
// written only at line boundaries.
class TOutput {
public:
    // The buffer results are appended to; Flush writes it.
    std::string Text;

    // Writes Text to standard output and empties it. A failed write sets
    // Lost (the text is dropped).
    void Flush();

    // True once a write to standard output has failed.
    bool Lost = false;

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
