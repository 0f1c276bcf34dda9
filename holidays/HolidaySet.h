// Holiday files: the days that are no working days, read from files of two
// forms, told apart by their content:
// * A plain list: one date YYYY-MM-DD a line, or a range
//   YYYY-MM-DD..YYYY-MM-DD (both ends included). "#" starts a comment that
//   runs to the end of the line; blank lines, spaces and tabs around, a
//   UTF-8 byte order mark at the start and CR LF line ends are fine.
// * An iCalendar file, whose first line that is not blank is
//   BEGIN:VCALENDAR: its all-day events and their recurrences (see
//   IcalCalendar.h). libical reads it, in morvane-calc's iCalendar module
//   (IcalModule.h), which a set loads at its first such file: a run without
//   one never loads libical and what it brings.
// Every file is read and checked whole when it is added, so that every error
// comes before any calculation; a recurrence is followed only for the years
// asked for. Toolkit-free; links no libical.
#pragma once

#include "HolidayProblem.h"
#include "IcalModule.h"

#include <cstdint>
#include <memory>
#include <stdexcept>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

// A holiday file refused: the file, the line (1-based; 0 when the problem is
// not tied to a line), the problem, the offending text (a list line without
// its comment, an iCalendar content line, or for hpNoIcalModule the
// loader's reason, which names the module) and for hpUnreadable the errno. what() says it in
// English, for logs; the program words its message from the parts, in the user's language.
class THolidayFileError : public std::runtime_error {
public:
    THolidayFileError(std::string File, int Line, THolidayProblem Problem, std::string Text,
                      int Errno = 0);

    const std::string& File() const noexcept { return FFile; }
    int Line() const noexcept { return FLine; }
    THolidayProblem Problem() const noexcept { return FProblem; }
    const std::string& Text() const noexcept { return FText; }
    int Errno() const noexcept { return FErrno; }

private:
    std::string FFile;
    int FLine;
    THolidayProblem FProblem;
    std::string FText;
    int FErrno;
};

// Where morvane-calc's iCalendar module lies, relative to the program's
// folder (set by the build, beside the locale module).
extern const char kIcalModulePath[];

// The holidays of any number of files, merged. Copies share the calendars
// read.
class THolidaySet {
public:
    // An empty set. IcalModule is the path of morvane-calc-ical.so, loaded
    // at the first iCalendar file and kept until the program ends.
    explicit THolidaySet(std::string IcalModule = {});
    // An empty set that reads iCalendar files with Module, linked in.
    explicit THolidaySet(const TIcalModule* Module);

    // Reads the holiday file Path whole and adds its holidays. Raises
    // THolidayFileError: hpUnreadable (with errno), hpBadDate, hpBadRange,
    // hpOutOfYears (a list date in year 0), hpBadCalendar,
    // hpUnfinishedCalendar, hpNoIcalModule (the module missing, or of
    // another build).
    void AddFile(const std::string& Path);

    // The same for the text of a file already read; Name stands for the file
    // in errors.
    void AddText(std::string_view Text, const std::string& Name);

    // True when no file has been added.
    bool Empty() const { return FRanges.empty() && FCalendars.empty(); }

    // The holidays in the years FirstYear to LastYear (clipped to 1 to 9999):
    // day numbers (whole parts of TDateTime), ascending, each once. Raises
    // std::bad_alloc when memory runs out.
    std::vector<std::int32_t> DaysIn(int FirstYear, int LastYear) const;

private:
    // The lists' days: first and last day of each run, ascending, apart.
    std::vector<std::pair<std::int32_t, std::int32_t>> FRanges;
    // The calendars read, released with the module's Release.
    std::vector<std::shared_ptr<void>> FCalendars;
    std::string FModulePath;
    const TIcalModule* FModule = nullptr;

    void AddList(std::string_view Text, const std::string& Name);
    void AddCalendar(std::string_view Text, const std::string& Name);
};
