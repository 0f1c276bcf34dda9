// Recurrence rules followed by the iCalendar reader (libical, carried past
// its own years by whole 400-year cycles) against python3-dateutil's rrule
// (rrule_peer.py): random rules of every frequency from random starts in
// the years 1 to 9000, and their dates in random years up to thousands of
// years after the start.
#include "HolidayTestSupport.h"
#include "IcalCalendar.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <random>
#include <sstream>

namespace {

std::mt19937 Random(4002026);

int Pick(int Low, int High) {
    return std::uniform_int_distribution<int>(Low, High)(Random);
}
bool Chance(int Percent) {
    return Pick(1, 100) <= Percent;
}

const char* const kWeekdays[] = {"MO", "TU", "WE", "TH", "FR", "SA", "SU"};

std::string Weekday() {
    return kWeekdays[Pick(0, 6)];
}
// A BYxxx list of 1 to Most different values from Value().
template <class F> std::string ListOf(int Most, F Value) {
    std::vector<std::string> Values;
    for (int I = Pick(1, Most); I > 0; --I) {
        const std::string V = Value();
        if (std::find(Values.begin(), Values.end(), V) == Values.end())
            Values.push_back(V);
    }
    std::string Text;
    for (const std::string& V : Values)
        Text += (Text.empty() ? "" : ",") + V;
    return Text;
}
std::string Signed(int Low, int High) {
    return std::to_string(Chance(25) ? -Pick(Low, High) : Pick(Low, High));
}
std::string DaysOfMonth(int Most) {
    return ListOf(Most, [] { return Signed(1, 31); });
}
std::string Month() {
    return std::to_string(Pick(1, 12));
}
std::string WeekdayOfMonth() {
    return (Chance(70) ? std::to_string(Pick(1, 4)) : "-" + std::to_string(Pick(1, 2))) + Weekday();
}

// YYYYMMDD of a random day of Year.
std::string DateText(int Year) {
    char Text[16];
    std::snprintf(Text, sizeof Text, "%04d%02d%02d", Year, Pick(1, 12), Pick(1, 28));
    return Text;
}

// A rule as calendars write them: a frequency, what narrows or widens it,
// sometimes an interval, a count or an end. Refused is set for the rules
// that libical follows to wrong dates, which the reader must refuse: a
// daily rule with a day counted from the month's end, a weekly rule of
// given days every few weeks whose weeks start Wednesday to Saturday, and
// week numbers at the turn of the year (1, 52, 53 either way) or with
// weeks that do not start on Monday.
struct TRule {
    std::string Text;
    bool Refused = false;
};

TRule RandomRule(int SeedYear) {
    TRule Rule;
    std::string& Text = Rule.Text;
    bool Daily = false, Weekly = false;
    std::string MonthDays;
    switch (Pick(0, 9)) {
    case 0:
    case 1:
    case 2:
    case 3:
        Text = "FREQ=YEARLY";
        switch (Pick(0, 5)) {
        case 0:
            break; // the start's month and day
        case 1:
            Text += ";BYMONTH=" + Month() + ";BYMONTHDAY=" + DaysOfMonth(2);
            break;
        case 2:
            Text += ";BYMONTH=" + Month() + ";BYDAY=" + WeekdayOfMonth();
            break;
        case 3:
            Text += ";BYYEARDAY=" + ListOf(2, [] { return Signed(1, 366); });
            break;
        case 4: {
            const int Week = Pick(1, 53);
            const std::string WeekStart = Chance(30) ? Weekday() : "MO";
            Rule.Refused = Week == 1 || Week >= 52 || WeekStart != "MO";
            Text += ";BYWEEKNO=" + std::to_string(Chance(25) ? -Week : Week) +
                    ";BYDAY=" + ListOf(2, Weekday) + ";WKST=" + WeekStart;
            break;
        }
        default:
            Text += ";BYMONTH=" + ListOf(2, Month) + ";BYDAY=" + ListOf(3, Weekday) +
                    ";BYSETPOS=" + Signed(1, 3);
        }
        break;
    case 4:
    case 5:
    case 6:
        Text = "FREQ=MONTHLY";
        switch (Pick(0, 4)) {
        case 0:
            break; // the start's day
        case 1:
            Text += ";BYMONTHDAY=" + DaysOfMonth(2);
            break;
        case 2:
            Text += ";BYDAY=" + WeekdayOfMonth();
            break;
        case 3:
            Text += ";BYDAY=" + ListOf(3, Weekday) + ";BYSETPOS=" + Signed(1, 3);
            break;
        default:
            Text += ";BYDAY=" + Weekday() + ";BYMONTHDAY=" + DaysOfMonth(3);
        }
        if (Chance(20))
            Text += ";BYMONTH=" + ListOf(3, Month);
        break;
    case 7:
    case 8: {
        Text = "FREQ=WEEKLY";
        Weekly = true;
        const bool ByDay = Chance(70);
        if (ByDay)
            Text += ";BYDAY=" + ListOf(3, Weekday);
        if (Chance(30)) {
            const int Start = Pick(0, 6); // Monday first
            Text += std::string(";WKST=") + kWeekdays[Start];
            Rule.Refused = ByDay && Start >= 2 && Start <= 5; // Wednesday to Saturday
        }
        if (Chance(20))
            Text += ";BYMONTH=" + ListOf(2, Month);
        break;
    }
    default:
        Text = "FREQ=DAILY";
        Daily = true;
        switch (Pick(0, 3)) {
        case 0:
            break;
        case 1:
            Text += ";BYMONTH=" + ListOf(2, Month);
            break;
        case 2:
            Text += ";BYDAY=" + ListOf(2, Weekday);
            break;
        default:
            MonthDays = DaysOfMonth(2);
            Text += ";BYMONTHDAY=" + MonthDays;
        }
    }
    int Interval = 1;
    if (Chance(40)) {
        // 3, 6, 7 and 12 years repeat only after 1200 or 2800 years.
        static const int Intervals[] = {2, 3, 4, 5, 6, 7, 10, 12};
        Interval = Intervals[Pick(0, 7)];
        Text += ";INTERVAL=" + std::to_string(Interval);
    }
    if (Weekly && Interval == 1)
        Rule.Refused = false; // the weeks' start does not matter then
    if (Daily && MonthDays.find('-') != std::string::npos)
        Rule.Refused = true;
    if (Chance(20))
        Text += ";COUNT=" + std::to_string(Pick(1, 40));
    else if (Chance(15))
        Text += ";UNTIL=" + DateText(std::min(9999, SeedYear + Pick(0, 300)));
    return Rule;
}

struct TQuestion {
    TRule Rule;
    int FirstYear, LastYear;
};

TEST(RecurrenceAgainstDateutil, RandomRulesAndYears) {
    std::vector<TQuestion> Questions;
    std::string Input;
    for (int I = 0; I < 600; ++I) {
        // Every fourth from the years libical counts in, asked some 600 to
        // 1100 years later, where libical's count has ended.
        const bool Beyond = I % 4 == 0;
        const int SeedYear = Beyond ? Pick(1600, 1999) : Pick(1, 9000);
        TQuestion Q{RandomRule(SeedYear), 0, 0};
        // Dense rules are asked nearer their start, so that the peer, which
        // walks every date from the start, stays quick.
        const std::string& Text = Q.Rule.Text;
        const int Reach = Text.starts_with("FREQ=YEARLY")    ? 4000
                          : Text.starts_with("FREQ=MONTHLY") ? 1500
                          : Text.starts_with("FREQ=WEEKLY")  ? 400
                                                             : 150;
        Q.FirstYear = SeedYear + (Beyond && Reach > 1000 ? Pick(600, 1100) : Pick(0, Reach));
        Q.FirstYear = std::min(9999, Q.FirstYear);
        Q.LastYear = std::min(9999, Q.FirstYear + Pick(0, Reach > 1000 ? 30 : 3));
        Input += Text + " " + DateText(SeedYear) + " " + std::to_string(Q.FirstYear) + " " +
                 std::to_string(Q.LastYear) + "\n";
        Questions.push_back(Q);
    }
    const TScratchFolder Folder("rrule-peer");
    const std::string In = Folder.Write("in", Input);
    const std::string Out = Folder.Path() + "/out";
    const std::string Command =
        std::string(MORVANE_PYTHON) + " " + MORVANE_RRULE_PEER + " < " + In + " > " + Out;
    ASSERT_EQ(std::system(Command.c_str()), 0) << Command;
    std::ifstream Answers(Out);
    std::size_t Compared = 0, Refused = 0, Dates = 0;
    for (const TQuestion& Q : Questions) {
        std::string Line;
        ASSERT_TRUE(std::getline(Answers, Line)) << "the peer stopped before " << Q.Rule.Text;
        std::istringstream Words(Line);
        std::string Start;
        Words >> Start;
        if (Start == "-")
            continue; // the rule gives no date: there is no start to write
        std::vector<std::int32_t> Theirs;
        for (std::string Date; Words >> Date;)
            Theirs.push_back(
                IsoDay(Date.substr(0, 4) + "-" + Date.substr(4, 2) + "-" + Date.substr(6)));
        const std::string Text = "BEGIN:VCALENDAR\r\nVERSION:2.0\r\nPRODID:-//Test//EN\r\n"
                                 "BEGIN:VEVENT\r\nUID:peer@test\r\nDTSTART;VALUE=DATE:" +
                                 Start + "\r\nRRULE:" + Q.Rule.Text +
                                 "\r\nEND:VEVENT\r\nEND:VCALENDAR\r\n";
        const std::string Where = "RRULE:" + Q.Rule.Text + " from " + Start + " in " +
                                  std::to_string(Q.FirstYear) + "-" + std::to_string(Q.LastYear);
        std::vector<std::int32_t> Ours;
        try {
            TIcalCalendar(Text).AddDaysIn(Q.FirstYear, Q.LastYear, Ours);
        } catch (const TIcalRefusal& Refusal) {
            EXPECT_TRUE(Q.Rule.Refused) << "refused at line " << Refusal.Line << ": " << Where;
            EXPECT_EQ(Refusal.Line, 7) << Where;
            ++Refused;
            continue;
        }
        EXPECT_FALSE(Q.Rule.Refused) << "taken: " << Where;
        std::sort(Ours.begin(), Ours.end());
        Ours.erase(std::unique(Ours.begin(), Ours.end()), Ours.end());
        EXPECT_EQ(IsoTexts(Ours), IsoTexts(Theirs)) << Where;
        ++Compared;
        Dates += Theirs.size();
    }
    // Most random rules give dates; the comparison must not come out empty.
    EXPECT_GT(Compared, 480u);
    EXPECT_GT(Refused, 8u);
    EXPECT_GT(Dates, 3000u);
}

} // namespace
