// The entry points of morvane-calc's iCalendar module: iCalendar files read
// with libical, in a shared object of its own (morvane-calc-ical.so) that
// THolidaySet loads from beside the program only at the first iCalendar
// file, so that a run without one never loads libical and the libraries it
// brings. A C interface, as the locale module's: plain numbers and texts
// cross it, no C++ object, no exception.
//
// A new entry point goes at the end of TIcalModule, with kIcalModuleVersion
// raised by one, so that a program never calls into a module of another
// build.
#pragma once

#include <cstddef>
#include <cstdint>

extern "C" {

// Why a calendar was refused: a THolidayProblem (HolidayProblem.h), the
// line (1-based; 0 when the problem is not tied to one), the offending
// text (UTF-8, owned by the module and valid until the next call into it)
// and, for hpUnreadable, the errno (ENOMEM when memory ran out).
struct TIcalProblem {
    int Problem;
    int Line;
    const char* Text;
    std::size_t TextSize;
    int Errno;
};

// Day numbers (whole parts of TDateTime) owned by a calendar, valid until
// the next call on it.
struct TIcalDays {
    const std::int32_t* Days;
    std::size_t Count;
};

struct TIcalModule {
    int Version; // kIcalModuleVersion of the build that made the module

    // Reads the iCalendar file Text (Size bytes, the whole file). Returns the
    // calendar, to be given to DaysIn and Release; or null with *Problem
    // filled in.
    void* (*Read)(const char* Text, std::size_t Size, TIcalProblem* Problem);

    // The holidays of Calendar in the years FirstYear to LastYear (within 1
    // to 9999) into *Days: ascending, each once. False when memory ran out.
    bool (*DaysIn)(void* Calendar, int FirstYear, int LastYear, TIcalDays* Days);

    // Frees a calendar that Read returned.
    void (*Release)(void* Calendar);
};

// The one symbol the program looks up in the module, the only one the
// module shows.
__attribute__((visibility("default"))) const TIcalModule* MorvaneCalcIcalModule();
}

inline constexpr int kIcalModuleVersion = 1;
inline constexpr char kIcalModuleSymbol[] = "MorvaneCalcIcalModule";
