// Holiday files read into a THolidaySet: plain lists in the forms they may
// take, iCalendar files as calendar programs and publishers write them
// (data/), every way a file is refused, and the iCalendar module loaded as
// the program loads it.
#include "HolidaySet.h"
#include "HolidayTestSupport.h"
#include "IcalModule.h"

#include <gtest/gtest.h>

#include <cerrno>

namespace {

using ::PrintTo;

const std::string kData = MORVANE_HOLIDAY_DATA;

// A set that reads iCalendar files with the reader linked in.
THolidaySet LinkedSet() {
    return THolidaySet(MorvaneCalcIcalModule());
}

std::vector<std::string> Holidays(const THolidaySet& Set, int FirstYear, int LastYear) {
    return IsoTexts(Set.DaysIn(FirstYear, LastYear));
}

// A text and the holidays it gives in some years.
struct TFormRow {
    const char* Name;
    std::string Text;
    int FirstYear, LastYear;
    std::vector<std::string> Expected;
};

class HolidayFileForms : public ::testing::TestWithParam<TFormRow> {};

TEST_P(HolidayFileForms, GiveTheirDays) {
    const TFormRow& Row = GetParam();
    const TScratchFolder Folder("holiday-forms");
    THolidaySet Set = LinkedSet();
    Set.AddFile(Folder.Write("holidays", Row.Text));
    EXPECT_EQ(Holidays(Set, Row.FirstYear, Row.LastYear), Row.Expected);
}

INSTANTIATE_TEST_SUITE_P(
    ListsAndCalendars, HolidayFileForms,
    ::testing::ValuesIn(std::vector<TFormRow>{
        {"OneDateALine", "2024-12-26\n2024-12-25\n", 2024, 2024, {"2024-12-25", "2024-12-26"}},
        {"CommentsAndBlankLines",
         "# office holidays\n\n2024-01-01 # New Year\n   \n#2024-01-02\n",
         2024,
         2024,
         {"2024-01-01"}},
        {"ByteOrderMarkSpacesTabsAndCrLf",
         "\xEF\xBB\xBF  2024-05-01\t\r\n\t2024-05-08 \r\n",
         2024,
         2024,
         {"2024-05-01", "2024-05-08"}},
        {"NoNewLineAtTheEnd", "2024-06-01", 2024, 2024, {"2024-06-01"}},
        {"RangeBothEndsIncluded",
         "2024-12-30..2025-01-02",
         2024,
         2025,
         {"2024-12-30", "2024-12-31", "2025-01-01", "2025-01-02"}},
        {"RangeWithSpacesOverALeapDay",
         "2024-02-28 .. 2024-03-01 # fair",
         2024,
         2024,
         {"2024-02-28", "2024-02-29", "2024-03-01"}},
        {"OneDayRange", "2024-07-04..2024-07-04", 2024, 2024, {"2024-07-04"}},
        {"RepeatsAndOverlapsCountOnce",
         "2024-01-02\n2024-01-01..2024-01-03\n2024-01-03..2024-01-05\n2024-01-02\n",
         2024,
         2024,
         {"2024-01-01", "2024-01-02", "2024-01-03", "2024-01-04", "2024-01-05"}},
        {"OnlyTheYearsAskedFor",
         "2023-12-31..2024-01-01\n2025-01-01\n",
         2024,
         2024,
         {"2024-01-01"}},
        {"FirstAndLastDayOfTheCalendar",
         "9999-12-31\n0001-01-01\n",
         -5,
         20000,
         {"0001-01-01", "9999-12-31"}},
        {"EmptyFile", "", 1, 9999, {}},
        {"CalendarAfterBlankLinesWithLineFeeds",
         "\n  \nbegin:vcalendar\nVERSION:2.0\nPRODID:-//Test//EN\nBEGIN:VEVENT\nUID:x@test\n"
         "DTSTART;VALUE=DATE:20240102\nEND:VEVENT\nEND:VCALENDAR\n",
         2024,
         2024,
         {"2024-01-02"}},
        {"CalendarWithoutEvents",
         "\xEF\xBB\xBF"
         "BEGIN:VCALENDAR\r\nVERSION:2.0\r\nPRODID:-//Test//EN\r\nEND:VCALENDAR\r\n",
         1,
         9999,
         {}},
    }),
    RowName());

// A file refused: where, and why.
struct TRefusalRow {
    const char* Name;
    std::string Text;
    int Line;
    THolidayProblem Problem;
    std::string Offending;
};

class RefusedHolidayFiles : public ::testing::TestWithParam<TRefusalRow> {};

TEST_P(RefusedHolidayFiles, SayWhereAndWhy) {
    const TRefusalRow& Row = GetParam();
    const TScratchFolder Folder("holiday-refusals");
    const std::string Path = Folder.Write("holidays", Row.Text);
    THolidaySet Set = LinkedSet();
    try {
        Set.AddFile(Path);
        ADD_FAILURE() << "the file was taken";
    } catch (const THolidayFileError& Error) {
        EXPECT_EQ(Error.File(), Path);
        EXPECT_EQ(Error.Line(), Row.Line);
        EXPECT_EQ(Error.Problem(), Row.Problem);
        EXPECT_EQ(Error.Text(), Row.Offending);
        EXPECT_EQ(Error.Errno(), 0);
    }
}

// An event's lines 6 on, inside a calendar of lines 1 to 5 and its two
// closing lines.
std::string InEvent(const std::string& Lines) {
    return "BEGIN:VCALENDAR\r\nVERSION:2.0\r\nPRODID:-//Test//"
           "EN\r\nBEGIN:VEVENT\r\nUID:row@test\r\n" +
           Lines + "END:VEVENT\r\nEND:VCALENDAR\r\n";
}

const std::string kStart = "DTSTART;VALUE=DATE:20240101\r\n";

INSTANTIATE_TEST_SUITE_P(
    ListsAndCalendars, RefusedHolidayFiles,
    ::testing::ValuesIn(std::vector<TRefusalRow>{
        {"ListWord", "2024-01-01\nholiday\n", 2, hpBadDate, "holiday"},
        {"ListMonth13", "2024-13-01", 1, hpBadDate, "2024-13-01"},
        {"List31April", "2024-04-31", 1, hpBadDate, "2024-04-31"},
        {"List29FebruaryOfACommonYear", "2023-02-29", 1, hpBadDate, "2023-02-29"},
        {"ListShortYear", "24-01-01", 1, hpBadDate, "24-01-01"},
        {"ListSlashes", "2024/01/01", 1, hpBadDate, "2024/01/01"},
        {"ListSingleDigits", "# a\r\n\r\n2024-01-01\r\n2024-1-2\r\n", 4, hpBadDate, "2024-1-2"},
        {"ListCommentAfterABadDate", "2024-02-30 # typo", 1, hpBadDate, "2024-02-30"},
        {"ListRangeBackwards", "2024-01-05..2024-01-01", 1, hpBadRange, "2024-01-05..2024-01-01"},
        {"ListRangeBadEnd", "2024-01-01..2024-01-32", 1, hpBadDate, "2024-01-01..2024-01-32"},
        {"ListRangeNoEnd", "\n2024-01-01..", 2, hpBadDate, "2024-01-01.."},
        {"ListYear0", "0000-05-01", 1, hpOutOfYears, "0000-05-01"},
        {"ListRangeFromYear0", "0000-12-31..0001-01-01", 1, hpOutOfYears, "0000-12-31..0001-01-01"},
        {"EventLinesWithoutACalendar", "BEGIN:VEVENT\nEND:VEVENT\n", 1, hpBadDate, "BEGIN:VEVENT"},
        {"CalendarGarbageLine", InEvent(kStart + "this is no content line\r\n"), 7, hpBadCalendar,
         "this is no content line"},
        {"CalendarUnknownProperty", InEvent("HOLIDAY:yes\r\n" + kStart), 6, hpBadCalendar,
         "HOLIDAY:yes"},
        {"CalendarDtstartUnread", InEvent("DTSTART;VALUE=DATE:tomorrow\r\n"), 6, hpBadCalendar,
         "DTSTART;VALUE=DATE:tomorrow"},
        {"CalendarDtstartNoDay", InEvent("SUMMARY:x\r\nDTSTART;VALUE=DATE:20240230\r\n"), 7,
         hpBadCalendar, "DTSTART;VALUE=DATE:20240230"},
        {"CalendarDtendNoDay", InEvent(kStart + "DTEND;VALUE=DATE:20241301\r\n"), 7, hpBadCalendar,
         "DTEND;VALUE=DATE:20241301"},
        {"CalendarExdateNoDay",
         InEvent(kStart + "RRULE:FREQ=YEARLY\r\nEXDATE;VALUE=DATE:20250431\r\n"), 8, hpBadCalendar,
         "EXDATE;VALUE=DATE:20250431"},
        {"CalendarRruleUnread", InEvent(kStart + "RRULE:FREQ=SOMETIMES\r\n"), 7, hpBadCalendar,
         "RRULE:FREQ=SOMETIMES"},
        {"CalendarRruleUnfollowed", InEvent(kStart + "RRULE:FREQ=YEARLY;BYMONTH=13\r\n"), 7,
         hpBadCalendar, "RRULE:FREQ=YEARLY;BYMONTH=13"},
        {"CalendarEventInYear0", InEvent("DTSTART;VALUE=DATE:00000101\r\n"), 6, hpOutOfYears,
         "DTSTART;VALUE=DATE:00000101"},
        {"CalendarRdateInYear0", InEvent(kStart + "RDATE;VALUE=DATE:20240301,00000301\r\n"), 7,
         hpOutOfYears, "RDATE;VALUE=DATE:20240301,00000301"},
        {"CalendarFoldedLineAtItsFirstLine",
         InEvent("SUMMARY:fine\r\nDTSTART;VALUE=DA\r\n TE:2024013\r\n 2\r\n"), 7, hpBadCalendar,
         "DTSTART;VALUE=DATE:20240132"},
        {"CalendarAfterALongFoldedLine",
         InEvent("DESCRIPTION:" + std::string(200, 'x') + "\r\n " + std::string(100, 'y') + "\r\n" +
                 kStart + "bad line\r\n"),
         9, hpBadCalendar, "bad line"},
        {"CalendarBadLineInATimeZone",
         "BEGIN:VCALENDAR\r\nBEGIN:VTIMEZONE\r\nTZID:X\r\nBEGIN:STANDARD\r\nDTSTART:1970102\r\n"
         "END:STANDARD\r\nEND:VTIMEZONE\r\nEND:VCALENDAR\r\n",
         5, hpBadCalendar, "DTSTART:1970102"},
        {"CalendarEndWithNothingOpen", "BEGIN:VCALENDAR\r\nEND:VCALENDAR\r\nEND:VCALENDAR\r\n", 3,
         hpBadCalendar, "END:VCALENDAR"},
        {"CalendarTextAfterTheEnd", InEvent(kStart) + "\r\ntrailing words\r\n", 10, hpBadCalendar,
         "trailing words"},
        {"CalendarNulByte", InEvent(std::string("SUMMARY:a\0b\r\n", 13)), 6, hpBadCalendar,
         "SUMMARY:a"},
        {"CalendarWithoutItsEnd", "BEGIN:VCALENDAR\r\nVERSION:2.0\r\n", 0, hpUnfinishedCalendar,
         ""},
        {"CalendarEventNeverEnded",
         "BEGIN:VCALENDAR\r\nBEGIN:VEVENT\r\n" + kStart + "END:VCALENDAR\r\n", 0,
         hpUnfinishedCalendar, ""},
    }),
    RowName());

// Files that cannot be read at all keep the system's reason.
TEST(HolidayFileUnreadable, KeepsTheErrno) {
    const TScratchFolder Folder("holiday-unreadable");
    const struct {
        std::string Path;
        int Errno;
    } Rows[] = {{Folder.Path() + "/missing.txt", ENOENT}, {Folder.Path(), EISDIR}};
    for (const auto& Row : Rows) {
        THolidaySet Set = LinkedSet();
        try {
            Set.AddFile(Row.Path);
            ADD_FAILURE() << Row.Path << " was read";
        } catch (const THolidayFileError& Error) {
            EXPECT_EQ(Error.Problem(), hpUnreadable) << Row.Path;
            EXPECT_EQ(Error.Errno(), Row.Errno) << Row.Path;
            EXPECT_EQ(Error.Line(), 0) << Row.Path;
            EXPECT_EQ(Error.File(), Row.Path);
        }
    }
}

// Calendar files as they are exported and published, and the holidays they
// give in some years (worked out from the calendar by hand).
struct TCalendarRow {
    const char* Name;
    std::vector<const char*> Files;
    int FirstYear, LastYear;
    std::vector<std::string> Expected;
};

class ExportedCalendars : public ::testing::TestWithParam<TCalendarRow> {};

TEST_P(ExportedCalendars, GiveTheirHolidays) {
    const TCalendarRow& Row = GetParam();
    THolidaySet Linked = LinkedSet();
    THolidaySet Loaded(MORVANE_ICAL_MODULE_FILE); // as the program loads it
    for (const char* File : Row.Files) {
        Linked.AddFile(kData + "/" + File);
        Loaded.AddFile(kData + "/" + File);
    }
    EXPECT_EQ(Holidays(Linked, Row.FirstYear, Row.LastYear), Row.Expected);
    EXPECT_EQ(Holidays(Loaded, Row.FirstYear, Row.LastYear), Row.Expected);
}

const char* const kPublic = "public-holidays.ics";
const char* const kThunderbird = "thunderbird-export.ics";
const char* const kGnome = "gnome-calendar.ics";

INSTANTIATE_TEST_SUITE_P(
    DataFiles, ExportedCalendars,
    ::testing::ValuesIn(std::vector<TCalendarRow>{
        // New Year (from 2000), the last Monday of May (1971), the fourth
        // Thursday of November (1942), 25-26 December (1990, not 2021),
        // the first Monday of June (1965, with 2-3 June 2022), the second
        // Friday of August for three days (2019), 17 March until 2022, 7
        // October three times from 2024, a one-off and a cancelled day.
        {"PublicBeforeMostSeries", {kPublic}, 1960, 1960, {"1960-11-24"}},
        {"PublicExdateRdateUntil", {kPublic}, 2021, 2022, {"2021-01-01", "2021-03-17", "2021-05-31",
                                                           "2021-06-07", "2021-08-13", "2021-08-14",
                                                           "2021-08-15", "2021-11-25", "2022-01-01",
                                                           "2022-03-17", "2022-05-30", "2022-06-02",
                                                           "2022-06-03", "2022-06-06", "2022-08-12",
                                                           "2022-08-13", "2022-08-14", "2022-11-24",
                                                           "2022-12-25", "2022-12-26"}},
        {"PublicOneOffCancelledAndCount",
         {kPublic},
         2023,
         2024,
         {"2023-01-01", "2023-05-08", "2023-05-29", "2023-06-05", "2023-08-11",
          "2023-08-12", "2023-08-13", "2023-11-23", "2023-12-25", "2023-12-26",
          "2024-01-01", "2024-05-27", "2024-06-03", "2024-08-09", "2024-08-10",
          "2024-08-11", "2024-10-07", "2024-11-28", "2024-12-25", "2024-12-26"}},
        {"PublicCountRunsOut",
         {kPublic},
         2026,
         2027,
         {"2026-01-01", "2026-05-25", "2026-06-01", "2026-08-14", "2026-08-15", "2026-08-16",
          "2026-10-07", "2026-11-26", "2026-12-25", "2026-12-26", "2027-01-01", "2027-05-31",
          "2027-06-07", "2027-08-13", "2027-08-14", "2027-08-15", "2027-11-25", "2027-12-25",
          "2027-12-26"}},
        {"PublicFarBeyondTheStarts",
         {kPublic},
         3000,
         3000,
         {"3000-01-01", "3000-05-26", "3000-06-02", "3000-08-08", "3000-08-09", "3000-08-10",
          "3000-11-27", "3000-12-25", "3000-12-26"}},
        {"PublicLastYear",
         {kPublic},
         9999,
         9999,
         {"9999-01-01", "9999-05-31", "9999-06-07", "9999-08-13", "9999-08-14", "9999-08-15",
          "9999-11-25", "9999-12-25", "9999-12-26"}},
        // The first Friday of six months with March moved to the 4th and
        // May cancelled, a vacation to 2 August; timed events (a weekly
        // meeting, a weekend with a time zone) are none.
        {"ThunderbirdMovedCancelledAndTimed",
         {kThunderbird},
         2024,
         2024,
         {"2024-01-05", "2024-02-02", "2024-03-04", "2024-04-05", "2024-06-07", "2024-07-22",
          "2024-07-23", "2024-07-24", "2024-07-25", "2024-07-26", "2024-07-27", "2024-07-28",
          "2024-07-29", "2024-07-30", "2024-07-31", "2024-08-01", "2024-08-02"}},
        {"ThunderbirdOnlyTimedLater", {kThunderbird}, 2025, 2030, {}},
        // Every other 12 September from 2020, a closure that runs into
        // 2025, a one-off and a timed appointment.
        {"GnomeEveryOtherYear",
         {kGnome},
         2020,
         2024,
         {"2020-09-12", "2022-09-12", "2024-04-01", "2024-09-12", "2024-12-23", "2024-12-24",
          "2024-12-25", "2024-12-26", "2024-12-27", "2024-12-28", "2024-12-29", "2024-12-30",
          "2024-12-31"}},
        {"GnomeClosureFromTheYearBefore", {kGnome}, 2025, 2026, {"2025-01-01", "2026-09-12"}},
        // 1 January 2025 in both files, held once.
        {"TwoFilesMerged",
         {kGnome, kPublic},
         2025,
         2025,
         {"2025-01-01", "2025-05-26", "2025-06-02", "2025-08-08", "2025-08-09", "2025-08-10",
          "2025-10-07", "2025-11-27", "2025-12-25", "2025-12-26"}},
    }),
    RowName());

// Through the module the program loads: a refusal crosses its C interface
// whole, and without the module an iCalendar file is refused while lists
// still read.
TEST(IcalModuleLoading, RefusalsCrossAndAMissingModuleIsAnError) {
    const TScratchFolder Folder("holiday-module");
    const std::string Bad = Folder.Write("bad.ics", InEvent(kStart + "RRULE:FREQ=SOMETIMES\r\n"));
    const std::string Good = Folder.Write("good.ics", InEvent(kStart));
    const std::string List = Folder.Write("list.txt", "2024-01-02\n");
    try {
        THolidaySet(MORVANE_ICAL_MODULE_FILE).AddFile(Bad);
        ADD_FAILURE() << "the bad calendar was taken";
    } catch (const THolidayFileError& Error) {
        EXPECT_EQ(Error.Problem(), hpBadCalendar);
        EXPECT_EQ(Error.Line(), 7);
        EXPECT_EQ(Error.Text(), "RRULE:FREQ=SOMETIMES");
    }
    for (const std::string& Module : {Folder.Path() + "/no-such-module.so", std::string()}) {
        THolidaySet Set(Module);
        Set.AddFile(List);
        try {
            Set.AddFile(Good);
            ADD_FAILURE() << "read without a module";
        } catch (const THolidayFileError& Error) {
            EXPECT_EQ(Error.Problem(), hpNoIcalModule);
            EXPECT_EQ(Error.File(), Good);
            // The loader's reason names the module.
            if (!Module.empty()) {
                EXPECT_NE(Error.Text().find(Module), std::string::npos) << Error.Text();
            }
        }
        EXPECT_EQ(Holidays(Set, 2024, 2024), std::vector<std::string>{"2024-01-02"});
    }
}

} // namespace
