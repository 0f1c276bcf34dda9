// The calculation of one line of morvane-calc's batch input.
#pragma once

#include "Calculations.h"

#include <string>
#include <string_view>

// Works the lines "diff START END" and "add START N N N N N N" (words
// separated by blanks). "today" is read from the clock once, at the first
// line that names it, so every line of a run means the same day.
class TBatchLine {
public:
    explicit TBatchLine(TResultFormat Format);

    // Appends the result of Line to Out in the batch layout, ending in a line
    // break. Raises TUsageError for a line that is neither form, and what the
    // calculation raises (TConvertError); Out is left as it was then.
    void Run(std::string_view Line, std::string& Out);

private:
    TResultFormat FFormat;
    TDateTime FToday = 0;
    bool FTodayKnown = false;
    TAmountTexts FAmounts; // reused from line to line, so its strings keep their room

    TDateTime Today();
};
