// --weekend and --holidays: the working days that a run's weekday count
// and step go by, read before anything is written.
#pragma once

#include "CommandLine.h"
#include "HolidayCalendar.h"
#include "WorkingDays.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

// The days of the list of --weekend, separated by commas: English names,
// long or short ("saturday", "sat"), those of the user's locale, ISO numbers
// 1 (Monday) to 7, "locale" for the weekend of the user's locale, and
// "none", which names no day (alone, a week without a weekend).
// Names match whatever their case (of Latin letters) and with or without a
// final full stop. Raises TUsageError for a day it does not know and for a
// weekend of all seven days.
TWeekdaySet WeekendOf(std::string_view List);

// The names the completions offer after --weekend: the short English names
// from Monday, "locale" and "none", then the short names of the user's
// locale where they differ.
std::vector<std::string> WeekendNames();

// The working days that Line's --weekend and --holidays give, every holiday
// file read whole; nothing when neither is given. Raises TUsageError for a
// weekend it refuses, and TFileUsageError for a holiday file that cannot be
// read or holds what is no holiday, naming the file and the line.
std::optional<THolidayCalendar> WorkingDaysOf(const TCommandLine& Line);
