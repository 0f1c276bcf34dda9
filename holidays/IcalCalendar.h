// The holidays of an iCalendar file, read with libical: its all-day events
// (DTSTART;VALUE=DATE) that are not cancelled, each lasting to its DTEND
// (exclusive) or for its DURATION, one day without either, and repeated by
// its RRULEs and RDATEs less its EXDATEs and the instances that a
// RECURRENCE-ID of the same UID moves or cancels. Timed events are no
// holidays. The calendar is read and checked whole when it is made; the
// recurrences are followed only for the years asked for. Part of the
// iCalendar module (IcalModule.h); the unit tests link it directly.
#pragma once

#include "HolidayProblem.h"

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

// Why a calendar was refused: the problem, the line (1-based, of the file;
// 0 when the problem is not tied to one) and the offending text (the
// content line, unfolded).
struct TIcalRefusal {
    THolidayProblem Problem;
    int Line;
    std::string Text;
};

class TIcalCalendar {
public:
    // Reads the iCalendar file Text, which may start with a UTF-8 byte order
    // mark and have CR LF line ends and folded lines. Raises TIcalRefusal:
    // hpBadCalendar at the first line that libical refuses, or whose date is
    // no date of the calendar or whose recurrence rule libical cannot
    // follow; hpOutOfYears for an all-day event or RDATE in year 0;
    // hpUnfinishedCalendar (line 0) when the file ends inside a component.
    explicit TIcalCalendar(std::string_view Text);
    ~TIcalCalendar();
    TIcalCalendar(const TIcalCalendar&) = delete;
    TIcalCalendar& operator=(const TIcalCalendar&) = delete;

    // Appends to Days the day numbers (whole parts of TDateTime) of the
    // holidays in the years FirstYear to LastYear (1 <= FirstYear <=
    // LastYear <= 9999), in no particular order and possibly repeated.
    void AddDaysIn(int FirstYear, int LastYear, std::vector<std::int32_t>& Days) const;

private:
    struct TData;
    std::unique_ptr<TData> F;
};
