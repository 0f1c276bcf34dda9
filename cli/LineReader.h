// The lines of morvane-calc's batch input, read in large blocks.
#pragma once

#include <cstddef>
#include <memory>
#include <optional>
#include <string_view>

// One input line: its text without the line break, and its number (from 1).
// An overlong line comes with an empty text.
struct TInputLine {
    std::string_view Text;
    long Number = 0;
    bool Overlong = false;
};

// Reads a file descriptor in blocks of kLimit bytes and hands out its lines.
// Next gives the complete lines that the block holds; Fill reads more. The
// caller decides what happens in between (writing the results so far before
// the program waits for more input, say). No calculation is anywhere near
// the limit: a line that fills the whole block is handed out once as
// Overlong, and the rest of it up to its line break is skipped rather than
// held in ever more memory.
class TLineReader {
public:
    static constexpr std::size_t kLimit = std::size_t{1} << 20;

    explicit TLineReader(int Fd);

    // The next line held, or nothing when the block holds no complete line
    // (at the end of the input, the last line counts as complete without its
    // line break). A line break is "\n"; a "\r" before it is dropped, and so
    // is a UTF-8 byte-order mark at the start of the input.
    std::optional<TInputLine> Next();

    // Reads more of the input, waiting only while none is there. False when
    // there is nothing more to hand out: the input has ended and every line
    // was handed out, or reading failed (Error() then holds the errno).
    bool Fill();

    int Error() const { return FError; }

private:
    int FFd;
    // The block, not cleared: only what read() fills is looked at, and a
    // short input touches only the first pages of it.
    std::unique_ptr<char[]> FBuffer;
    std::size_t FStart = 0; // the bytes not yet handed out: [FStart, FEnd)
    std::size_t FEnd = 0;
    long FNumber = 0;
    bool FEnded = false;    // the input has ended
    bool FSkipping = false; // dropping the rest of an overlong line
    bool FOverlong = false; // an overlong line waits to be handed out
    int FError = 0;

    TInputLine Take(std::size_t End, std::size_t Next);
};
