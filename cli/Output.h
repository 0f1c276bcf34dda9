// What morvane-calc writes: results to standard output, gathered and written
// in whole lines, and messages to standard error.
#pragma once

#include "TextWriting.h"

#include <exception>
#include <string>

// The exit statuses.
enum TExitStatus : int {
    kExitDone = 0,         // every result written
    kExitFailed = 1,       // a calculation (in batch mode: a line) failed
    kExitUsage = 2,        // the command line could not be read
    kExitStreamFailed = 3, // standard input or output failed or is closed
};

// Standard output and standard error, written in whole pieces. A result line
// goes out whole or not at all: results are gathered in one buffer that is
// written only at line boundaries. Once a write to standard output has
// failed, nothing more is written there.
class TOutput {
public:
    // The buffer results are appended to; Flush writes it.
    TTextBuffer Text;

    // Writes Text to standard output and empties it. Returns false when this
    // or an earlier write failed (the text is dropped).
    bool Flush();

    // Flushes the results; when a write failed, says why on standard error
    // and returns false.
    bool Finish();

    // Flushes the results so far, then writes Message to standard error as
    // "morvane-calc: <Message>" and a line break.
    void Error(const std::string& Message);

private:
    int FWriteError = 0; // the errno of the failed write
};

// Which of the standard streams were closed when the program started.
struct TClosedStreams {
    bool Input = false;
    bool Output = false;
};

// Opens /dev/null on each standard stream (0, 1, 2) that is closed, before
// anything else opens a file: a file opened later would otherwise take its
// number and be read or written as that stream. Returns which of standard
// input and output were closed; a closed standard error stays silent.
TClosedStreams OpenClosedStandardStreams();

// The text of a calculation's error as the window shows it: What with the
// full stop that the error display adds. In English, as a JSON result
// carries it.
std::string ShownError(const char* What);

// The same for Error, in the user's language (ErrorText): what standard
// error shows.
std::string TranslatedError(const std::exception& Error);
