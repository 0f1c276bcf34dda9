// --format: a new date written with strftime-style codes, the names in the
// user's locale as the long date has them.
#pragma once

#include "DateRoutines.h"
#include "TextWriting.h"

#include <string>
#include <string_view>
#include <vector>

// A format read once, to write many dates with. Its codes:
//   %Y year (four digits)       %m month (01-12)      %d day (01-31)
//   %e day, space-padded ( 1)   %j day of the year (001-366)
//   %A weekday name             %a short weekday name
//   %B month name               %b short month name
//   %u ISO weekday (1 Monday - 7 Sunday)
//   %V ISO week (01-53)         %G year of the ISO week
//   %F %Y-%m-%d                 %% a percent sign
// Any other text is copied. The names come from DateFormatSettings() when a
// date is written; the calendar facts from the date core.
class TDateFormat {
public:
    // Reads Format. Raises TUsageError for an empty format, which would
    // write nothing, and for a code not listed above.
    explicit TDateFormat(std::string_view Format);

    // True when the format writes a weekday's or a month's name.
    bool WritesNames() const { return FWritesNames; }

    // Appends Date (of the years 1 to 9999, split into P) written with the
    // format.
    void AppendTo(TTextBuffer& Out, TDateTime Date, const TDateParts& P) const;

private:
    // A code letter, or 0 for the literal text Literals[Start, Start + Length).
    struct TPiece {
        char Code;
        std::size_t Start, Length;
    };
    std::vector<TPiece> FPieces;
    std::string FLiterals;
    bool FWritesNames = false;
};
