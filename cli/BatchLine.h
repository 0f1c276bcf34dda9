// The calculation of one line of morvane-calc's batch input.
#pragma once

#include "Calculations.h"

#include <optional>
#include <string_view>

// Works the lines "diff START END" and "add START N N N N N N" (words
// separated by blanks) or, given shared amounts, lines that hold one date
// each, which are moved by those amounts. "today" is read from the clock
// once, at the first line that needs it, so every line of a run means the
// same day.
class TBatchLine {
public:
    TBatchLine(const TResultStyle& Style, std::optional<TAmounts> Shared);

    // Appends the result of Line, which is not blank, to Out in the batch
    // layout, ending in a line break, and returns true. Returns false with
    // the problem of a line of the wrong form or a calculation that fails;
    // Out is then left with part of a line at most, which the caller takes
    // back.
    bool Run(std::string_view Line, TTextBuffer& Out, TProblem& Problem);

private:
    const TResultStyle& FStyle;
    std::optional<TAmounts> FShared;
    TDateTime FToday = 0;
    bool FTodayKnown = false;

    TDateTime Today();
};
