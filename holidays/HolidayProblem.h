// What a holiday file can be refused for: the problem ids that a
// THolidayFileError carries and that the iCalendar module hands back across
// its C interface, so that the program words each in the user's language.
#pragma once

#include <cstdint>

enum THolidayProblem : std::uint8_t {
    hpUnreadable = 0,         // the file cannot be opened or read (with the errno)
    hpBadDate = 1,            // a list line holds no date YYYY-MM-DD or range of two
    hpBadRange = 2,           // a list range ends before it starts
    hpOutOfYears = 3,         // a holiday before year 1 (a list date, an event's first day)
    hpBadCalendar = 4,        // an iCalendar line that libical or the reader refuses
    hpUnfinishedCalendar = 5, // an iCalendar file that ends before END:VCALENDAR
    hpNoIcalModule = 6,       // the iCalendar module is missing or of another build
};
