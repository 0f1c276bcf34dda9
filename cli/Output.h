// What morvane-calc writes: results to standard output, gathered and written
// in whole lines, and messages to standard error.
#pragma once

#include "TextWriting.h"

#include <string>
#include <string_view>

// The exit statuses.
enum TExitStatus : int {
    kExitDone = 0,         // every result written
    kExitFailed = 1,       // a calculation (in batch mode: a line) failed
    kExitUsage = 2,        // the command line could not be read
    kExitStreamFailed = 3, // standard input or output failed or is closed
};

// Standard output and standard error, written in whole pieces. Results are
// gathered in one buffer that is written only at line boundaries; when a
// write fails part way (a full disk, a file-size limit) a regular file is
// cut back to the end of its last whole line, so that no result is written
// in part. Once a write to standard output has failed, nothing more is
// written there.
class TOutput {
public:
    TOutput();

    // The buffer results are appended to; Flush writes it.
    TTextBuffer Text;

    // Writes Text to standard output and empties it, then the messages
    // gathered. Returns false when this or an earlier write failed (the
    // text is dropped).
    bool Flush();

    // Flushes the results; when a write failed, says why on standard error
    // and returns false.
    bool Finish();

    // Writes Message to standard error as "morvane-calc: <Message>" and a
    // line break, after the results so far: at once, or, while messages are
    // gathered, at the next Flush.
    void Error(std::string_view Message);

    // Gathers messages until the next Flush, unless standard output and
    // standard error go to the same place (a terminal, a file, a pipe),
    // where the order of results and messages must hold line for line: a
    // batch run, where writing each message at once would cost more than
    // its line's calculation.
    void GatherMessages();

private:
    TTextBuffer FMessages;
    bool FGather = false;
    bool FShared = false; // standard output and error go to the same place
    int FWriteError = 0;  // the errno of the failed write
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
