// TIcalCalendar (IcalCalendar.h). libical's parser is fed one content line
// at a time, so that the line of the first one it refuses is known. What it
// accepts but a calendar cannot hold (a 31 April, a rule it cannot follow)
// shows in the components read; the line is then found by reading the
// component's lines again one by one.
#include "IcalCalendar.h"

#include "DateRoutines.h"

#include <libical/ical.h>

#include <algorithm>
#include <cstring>
#include <new>
#include <numeric>
#include <optional>
#include <unordered_map>
#include <utility>

namespace {

// The Gregorian calendar repeats every 400 years (146097 days, a whole
// number of weeks): a recurrence from a date 400 years later falls on the
// same dates 400 years later.
constexpr int kCycleYears = 400;
constexpr std::int64_t kCycleDays = 146097;
// libical counts weekdays by the Julian calendar before 1583 and ends every
// recurrence after 2582. So a rule is followed in a frame moved by whole
// cycles to start in the years 1600 to 1999; once it reaches kRestartYear
// there, it starts afresh from the occurrence reached (a rule gives the same
// dates from any of its occurrences on), in a frame of its own. Any gap of
// up to 432 years between two occurrences is followed so, up to year 9999.
constexpr int kFrameFirstYear = 1600;
constexpr int kRestartYear = 2150;
constexpr int kLastYear = 9999;
// The longest event kept, in days: the years 1 to 9999 hold fewer.
constexpr std::int64_t kLongestSpan = 3652059;

// The start a recurrence rule is checked with when its event has none.
constexpr int kCheckYear = 2000;

// An all-day event that is a holiday, with what repeats it.
struct TEvent {
    std::int32_t Start;   // the day of DTSTART
    int Year, Month, Day; // the same as libical's rules take it
    std::int64_t Span;    // days of each instance, 1 or more
    std::vector<icalrecurrencetype> Rules;
    std::vector<std::int32_t> Dates;    // RDATE starts, ascending
    std::vector<std::int32_t> Excluded; // EXDATEs and moved instances, ascending
};

// libical reports errors through icalerrno and the components; none of them
// may end the process while a calendar is read or followed.
class TNonFatalErrors {
public:
    TNonFatalErrors() : FWere(icalerror_get_errors_are_fatal()) {
        icalerror_set_errors_are_fatal(0);
    }
    ~TNonFatalErrors() { icalerror_set_errors_are_fatal(FWere); }
    TNonFatalErrors(const TNonFatalErrors&) = delete;
    TNonFatalErrors& operator=(const TNonFatalErrors&) = delete;

private:
    int FWere;
};

struct TBufferFree {
    void operator()(char* Buffer) const { icalmemory_free_buffer(Buffer); }
};
struct TParserFree {
    void operator()(icalparser* Parser) const { icalparser_free(Parser); }
};
struct TComponentFree {
    void operator()(icalcomponent* Component) const { icalcomponent_free(Component); }
};
struct TIteratorFree {
    void operator()(icalrecur_iterator* Iterator) const { icalrecur_iterator_free(Iterator); }
};
using TComponentPtr = std::unique_ptr<icalcomponent, TComponentFree>;

std::int64_t FloorDiv(std::int64_t A, std::int64_t B) {
    return A / B - (A % B < 0 ? 1 : 0);
}

// A DATE value. (Not from icaltime_null_date, whose time of day is -1:
// libical's rules would take that to the day before.)
icaltimetype DateValue(int Year, int Month, int Day) {
    icaltimetype T{};
    T.year = Year;
    T.month = Month;
    T.day = Day;
    T.is_date = 1;
    return T;
}

// True when T's year, month and day are a date of the proleptic Gregorian
// calendar (year 0 included); libical keeps 20240231 as it is written.
bool IsDate(const icaltimetype& T) {
    return T.year >= 0 && T.month >= 1 && T.month <= 12 && T.day >= 1 &&
           T.day <= MonthLength(T.year, T.month);
}

// The day number of a date of the years 1 to 9999.
std::int64_t DayOf(int Year, int Month, int Day) {
    return static_cast<std::int64_t>(MakeDate(Year, Month, Day));
}

// The day of T (a checked date), nothing before year 1.
std::optional<std::int32_t> DayIn(const icaltimetype& T) {
    if (T.year < 1 || T.year > kLastYear || !IsDate(T))
        return std::nullopt;
    return static_cast<std::int32_t>(DayOf(T.year, T.month, T.day));
}

// The first day of an RDATE, which is a date, a time or a period.
icaltimetype RdateStart(icalproperty* P) {
    const icaldatetimeperiodtype V = icalproperty_get_rdate(P);
    return icaltime_is_null_time(V.time) ? V.period.start : V.time;
}

// True when one of the values of a BYxxx list (ended by
// ICAL_RECURRENCE_ARRAY_MAX unless full) meets Test.
template <std::size_t Size, class F> bool AnyListed(const short (&List)[Size], F Test) {
    for (std::size_t I = 0; I < Size && List[I] != ICAL_RECURRENCE_ARRAY_MAX; ++I) {
        if (Test(List[I]))
            return true;
    }
    return false;
}

// True for the rules that libical 3.0 reads but follows to wrong dates
// (against RFC 5545, as python3-dateutil's rrule shows): a daily rule with
// a day counted from the month's end, a weekly rule of given days every
// few weeks whose weeks start Wednesday to Saturday, and week numbers
// whose weeks may cross the turn of the year or start on another day than
// Monday. Such a rule is refused rather than followed wrong.
bool FollowedWrong(const icalrecurrencetype& Rule) {
    if (Rule.freq == ICAL_DAILY_RECURRENCE &&
        AnyListed(Rule.by_month_day, [](short Day) { return Day < 0; }))
        return true;
    if (Rule.freq == ICAL_WEEKLY_RECURRENCE && Rule.interval > 1 &&
        Rule.by_day[0] != ICAL_RECURRENCE_ARRAY_MAX && Rule.week_start >= ICAL_WEDNESDAY_WEEKDAY)
        return true;
    const bool EdgeWeek = AnyListed(Rule.by_week_no, [](short Week) {
        return Week == 1 || Week == -1 || Week >= 52 || Week <= -52;
    });
    return EdgeWeek || (Rule.by_week_no[0] != ICAL_RECURRENCE_ARRAY_MAX &&
                        Rule.week_start != ICAL_MONDAY_WEEKDAY);
}

// True when libical follows Rule right from Start (a checked date), moved
// by whole cycles into libical's years as FollowRule moves it.
bool RuleFollows(const icalrecurrencetype& Rule, icaltimetype Start) {
    if (!icaltime_is_null_time(Rule.until) && !IsDate(Rule.until))
        return false;
    if (FollowedWrong(Rule))
        return false;
    Start.year -=
        static_cast<int>(kCycleYears * FloorDiv(Start.year - kFrameFirstYear, kCycleYears));
    const std::unique_ptr<icalrecur_iterator, TIteratorFree> It(
        icalrecur_iterator_new(Rule, Start));
    return It != nullptr;
}

// What is wrong with property P, if anything: a line libical refused
// (X-LIC-ERROR) in any component; in an event, a date that is none, a rule
// libical cannot follow from the event's Start, or an all-day start in year
// 0.
std::optional<THolidayProblem> PropertyProblem(icalproperty* P, bool InEvent,
                                               const icaltimetype& Start) {
    const icalproperty_kind Kind = icalproperty_isa(P);
    if (Kind == ICAL_XLICERROR_PROPERTY)
        return hpBadCalendar;
    if (!InEvent)
        return std::nullopt;
    icaltimetype T;
    bool FirstDay = false; // the first day of a holiday, when all-day
    switch (Kind) {
    case ICAL_DTSTART_PROPERTY:
        T = icalproperty_get_dtstart(P);
        FirstDay = true;
        break;
    case ICAL_RDATE_PROPERTY:
        T = RdateStart(P);
        FirstDay = true;
        break;
    case ICAL_DTEND_PROPERTY:
        T = icalproperty_get_dtend(P);
        break;
    case ICAL_EXDATE_PROPERTY:
        T = icalproperty_get_exdate(P);
        break;
    case ICAL_RECURRENCEID_PROPERTY:
        T = icalproperty_get_recurrenceid(P);
        break;
    case ICAL_RRULE_PROPERTY:
        if (!RuleFollows(icalproperty_get_rrule(P), Start))
            return hpBadCalendar;
        return std::nullopt;
    default:
        return std::nullopt;
    }
    if (!IsDate(T))
        return hpBadCalendar;
    if (FirstDay && T.is_date && T.year < 1)
        return hpOutOfYears;
    return std::nullopt;
}

// The start that an event's rules are checked from: its DTSTART when that
// is a date of the calendar, else a start in kCheckYear.
icaltimetype RuleStart(icalcomponent* C) {
    if (icalproperty* P = icalcomponent_get_first_property(C, ICAL_DTSTART_PROPERTY)) {
        const icaltimetype T = icalproperty_get_dtstart(P);
        if (IsDate(T))
            return T;
    }
    return DateValue(kCheckYear, 1, 1);
}

std::optional<THolidayProblem> ComponentProblem(icalcomponent* C, bool InEvent,
                                                const icaltimetype& Start) {
    for (icalproperty* P = icalcomponent_get_first_property(C, ICAL_ANY_PROPERTY); P;
         P = icalcomponent_get_next_property(C, ICAL_ANY_PROPERTY)) {
        if (const auto Problem = PropertyProblem(P, InEvent, Start))
            return Problem;
    }
    return std::nullopt;
}

// The file's lines for icalparser_get_line, one at a time, in pieces as
// long as its buffer takes, with the line of each piece noted. The parser
// holds one piece ahead (to see whether the next line continues the content
// line, RFC 5545 folding), so a content line it hands back starts on the
// line of the piece it held before the call.
struct TLineSource {
    const char* Pos;
    const char* End;
    int Line = 1;      // the line of the next piece
    int PieceLine = 0; // the line of the piece handed out last
};

char* NextPiece(char* Out, std::size_t Size, void* Data) {
    TLineSource& S = *static_cast<TLineSource*>(Data);
    Out[0] = '\0';
    if (S.Pos == S.End)
        return nullptr;
    const auto* NewLine =
        static_cast<const char*>(std::memchr(S.Pos, '\n', static_cast<std::size_t>(S.End - S.Pos)));
    std::size_t Length = static_cast<std::size_t>((NewLine ? NewLine + 1 : S.End) - S.Pos);
    Length = std::min(Length, Size - 1);
    std::memcpy(Out, S.Pos, Length);
    Out[Length] = '\0';
    S.Pos += Length;
    S.PieceLine = S.Line;
    if (Out[Length - 1] == '\n')
        ++S.Line;
    return Out;
}

// As libical's parser tells blank lines, which it passes over.
bool IsBlank(const char* Line) {
    return Line[std::strspn(Line, " \t\r\n")] == '\0';
}

// True when the content line is an END line: its name, before ";" or ":",
// is END in any case.
bool IsEndLine(const char* Line) {
    std::size_t Length = std::strcspn(Line, ";:");
    while (Length > 0 && (Line[Length - 1] == ' ' || Line[Length - 1] == '\t'))
        --Length;
    return Length == 3 && strncasecmp(Line, "END", 3) == 0;
}

// A component's lines as read: its BEGIN line and its own content lines.
struct TComponentLines {
    int BeginLine;
    std::string BeginText;
    std::vector<std::pair<int, std::string>> Lines;
};

// The components under Root, Root first, depth first: the order of their
// BEGIN lines, as the parser adds each component to its parent at its END.
void CollectComponents(icalcomponent* Root, std::vector<icalcomponent*>& Out) {
    Out.push_back(Root);
    for (icalcomponent* C = icalcomponent_get_first_component(Root, ICAL_ANY_COMPONENT); C;
         C = icalcomponent_get_next_component(Root, ICAL_ANY_COMPONENT))
        CollectComponents(C, Out);
}

// The first of Lines that shows a problem read alone, in an event of its own
// (a rule is checked from Start, the start of the component's rules); the
// BEGIN line, with Problem, when none does (a problem only the whole
// component shows).
TIcalRefusal LineOfProblem(const TComponentLines& Lines, bool InEvent, const icaltimetype& Start,
                           THolidayProblem Problem) {
    for (const auto& [Line, Text] : Lines.Lines) {
        const std::unique_ptr<icalparser, TParserFree> Parser(icalparser_new());
        if (!Parser)
            throw std::bad_alloc();
        std::string Begin = "BEGIN:VEVENT", Content = Text, End = "END:VEVENT";
        icalparser_add_line(Parser.get(), Begin.data());
        icalparser_add_line(Parser.get(), Content.data());
        const TComponentPtr Alone(icalparser_add_line(Parser.get(), End.data()));
        if (!Alone)
            return {hpBadCalendar, Line, Text};
        if (const auto Found = ComponentProblem(Alone.get(), InEvent, Start))
            return {*Found, Line, Text};
    }
    return {Problem, Lines.BeginLine, Lines.BeginText};
}

// Raises the refusal of the earliest line among the components that hold a
// problem. Components and Lines are in the same order.
void CheckComponents(const std::vector<icalcomponent*>& Components,
                     const std::vector<TComponentLines>& Lines) {
    std::optional<TIcalRefusal> First;
    for (std::size_t I = 0; I < Components.size(); ++I) {
        const bool InEvent = icalcomponent_isa(Components[I]) == ICAL_VEVENT_COMPONENT;
        const icaltimetype Start = RuleStart(Components[I]);
        const auto Problem = ComponentProblem(Components[I], InEvent, Start);
        if (!Problem)
            continue;
        TIcalRefusal Found = I < Lines.size() ? LineOfProblem(Lines[I], InEvent, Start, *Problem)
                                              : TIcalRefusal{*Problem, 0, {}};
        if (!First || Found.Line < First->Line)
            First = std::move(Found);
    }
    if (First)
        throw *First;
}

// The days of each instance of event E, which starts on day Start: to its
// DTEND (exclusive, when a date), for its DURATION (whole days, rounded
// up), or one.
std::int64_t SpanOf(icalcomponent* E, std::int64_t Start) {
    if (icalproperty* End = icalcomponent_get_first_property(E, ICAL_DTEND_PROPERTY)) {
        const icaltimetype T = icalproperty_get_dtend(End);
        const auto Day = T.is_date ? DayIn(T) : std::nullopt;
        return Day ? std::clamp<std::int64_t>(*Day - Start, 1, kLongestSpan) : 1;
    }
    if (icalproperty* Length = icalcomponent_get_first_property(E, ICAL_DURATION_PROPERTY)) {
        const icaldurationtype L = icalproperty_get_duration(Length);
        if (L.is_neg)
            return 1;
        const std::int64_t Seconds =
            ((static_cast<std::int64_t>(L.weeks) * 7 + L.days) * 24 + L.hours) * 3600 +
            static_cast<std::int64_t>(L.minutes) * 60 + L.seconds;
        return std::clamp<std::int64_t>((Seconds + 86399) / 86400, 1, kLongestSpan);
    }
    return 1;
}

// The units of a rule's frequency in one cycle of 400 years.
std::int64_t UnitsPerCycle(icalrecurrencetype_frequency Frequency) {
    switch (Frequency) {
    case ICAL_YEARLY_RECURRENCE:
        return kCycleYears;
    case ICAL_MONTHLY_RECURRENCE:
        return kCycleYears * 12;
    case ICAL_WEEKLY_RECURRENCE:
        return kCycleDays / 7;
    case ICAL_HOURLY_RECURRENCE:
        return kCycleDays * 24;
    case ICAL_MINUTELY_RECURRENCE:
        return kCycleDays * 24 * 60;
    case ICAL_SECONDLY_RECURRENCE:
        return kCycleDays * 24 * 60 * 60;
    default:
        return kCycleDays;
    }
}

// The years after which a rule without a count repeats its dates: whole
// cycles (so that every date falls on the same weekday) that hold a whole
// number of its intervals (so that its intervals start on the same days).
std::int64_t PeriodYears(const icalrecurrencetype& Rule) {
    const std::int64_t Interval = std::max<std::int64_t>(Rule.interval, 1);
    return kCycleYears * (Interval / std::gcd(UnitsPerCycle(Rule.freq), Interval));
}

// Appends to Out the days from Low to High on which Rule falls from the date
// Year-Month-Day, up to year 9999. A rule without a count is started a whole
// number of periods (PeriodYears) later, where one period or less is left
// before Low: its dates from there on are the same.
void FollowRule(const icalrecurrencetype& Rule, int Year, int Month, int Day, std::int64_t Low,
                std::int64_t High, std::vector<std::int32_t>& Out) {
    const bool Until = !icaltime_is_null_time(Rule.until);
    const std::int64_t RestartDay = DayOf(kRestartYear, 1, 1);
    int Remaining = Rule.count; // 0: no end by count
    if (Remaining == 0) {
        const std::int64_t Period = PeriodYears(Rule);
        const std::int64_t PeriodDays = Period / kCycleYears * kCycleDays;
        const std::int64_t Ahead = Low - DayOf(Year, Month, Day);
        if (Ahead > PeriodDays)
            Year += static_cast<int>(Ahead / PeriodDays * Period);
    }
    while (Year <= kLastYear) {
        const int Cycles = static_cast<int>(FloorDiv(Year - kFrameFirstYear, kCycleYears));
        const int Shift = Cycles * kCycleYears;
        const std::int64_t ShiftDays = Cycles * kCycleDays;
        icalrecurrencetype Framed = Rule;
        Framed.count = Remaining;
        if (Until)
            Framed.until.year -= Shift;
        const icaltimetype Start = DateValue(Year - Shift, Month, Day);
        const std::int64_t StartDay = DayOf(Start.year, Month, Day);
        const std::unique_ptr<icalrecur_iterator, TIteratorFree> It(
            icalrecur_iterator_new(Framed, Start));
        if (!It)
            return;
        // Without a count, straight to the first day that matters or to the
        // restart: each step of libical's costs microseconds. (Where libical
        // declines, it goes on from the start.)
        const std::int64_t Target = std::min(Low - ShiftDays, RestartDay);
        if (Remaining == 0 && Target > StartDay) {
            const TDateParts P = SplitDate(static_cast<TDateTime>(Target));
            icalrecur_iterator_set_start(It.get(),
                                         DateValue(static_cast<int>(P.Year), P.Month, P.Day));
        }
        int Seen = 0;
        bool Restart = false;
        for (icaltimetype T = icalrecur_iterator_next(It.get()); !icaltime_is_null_time(T);
             T = icalrecur_iterator_next(It.get())) {
            ++Seen;
            if (T.year + Shift > kLastYear)
                return;
            if (T.year < 1 || !IsDate(T))
                continue;
            const std::int64_t FrameDay = DayOf(T.year, T.month, T.day);
            const std::int64_t D = FrameDay + ShiftDays;
            if (D > High)
                return;
            if (T.year >= kRestartYear && FrameDay > StartDay) {
                Year = T.year + Shift;
                Month = T.month;
                Day = T.day;
                if (Remaining > 0)
                    Remaining -= Seen - 1; // the new start is the first of the rest
                Restart = true;
                break;
            }
            if (D >= Low)
                Out.push_back(static_cast<std::int32_t>(D));
        }
        if (!Restart)
            return;
    }
}

// The events of Roots that are holidays (see IcalCalendar.h).
std::vector<TEvent> ReadEvents(const std::vector<icalcomponent*>& Roots) {
    std::vector<icalcomponent*> Found;
    for (icalcomponent* Root : Roots) {
        if (icalcomponent_isa(Root) == ICAL_VEVENT_COMPONENT)
            Found.push_back(Root);
        for (icalcomponent* C = icalcomponent_get_first_component(Root, ICAL_VEVENT_COMPONENT); C;
             C = icalcomponent_get_next_component(Root, ICAL_VEVENT_COMPONENT))
            Found.push_back(C);
    }
    std::vector<TEvent> Events;
    // By UID: the instances that a RECURRENCE-ID moves or cancels, and the
    // events that repeat.
    std::unordered_map<std::string, std::vector<std::int32_t>> Moved;
    std::vector<std::pair<std::size_t, std::string>> Series;
    for (icalcomponent* E : Found) {
        icalproperty* StartProperty = icalcomponent_get_first_property(E, ICAL_DTSTART_PROPERTY);
        if (!StartProperty)
            continue; // no day at all
        const char* Uid = icalcomponent_get_uid(E);
        icalproperty* Instance = icalcomponent_get_first_property(E, ICAL_RECURRENCEID_PROPERTY);
        if (Instance && Uid) {
            if (const auto Day = DayIn(icalproperty_get_recurrenceid(Instance)))
                Moved[Uid].push_back(*Day);
        }
        const icaltimetype S = icalproperty_get_dtstart(StartProperty);
        if (!S.is_date || icalcomponent_get_status(E) == ICAL_STATUS_CANCELLED)
            continue;
        TEvent Event{static_cast<std::int32_t>(DayOf(S.year, S.month, S.day)),
                     S.year,
                     S.month,
                     S.day,
                     1,
                     {},
                     {},
                     {}};
        Event.Span = SpanOf(E, Event.Start);
        if (!Instance) {
            for (icalproperty* P = icalcomponent_get_first_property(E, ICAL_ANY_PROPERTY); P;
                 P = icalcomponent_get_next_property(E, ICAL_ANY_PROPERTY)) {
                switch (icalproperty_isa(P)) {
                case ICAL_RRULE_PROPERTY:
                    Event.Rules.push_back(icalproperty_get_rrule(P));
                    break;
                case ICAL_RDATE_PROPERTY:
                    if (const auto Day = DayIn(RdateStart(P)))
                        Event.Dates.push_back(*Day);
                    break;
                case ICAL_EXDATE_PROPERTY:
                    if (const auto Day = DayIn(icalproperty_get_exdate(P)))
                        Event.Excluded.push_back(*Day);
                    break;
                default:
                    break;
                }
            }
            if (Uid)
                Series.emplace_back(Events.size(), Uid);
        }
        Events.push_back(std::move(Event));
    }
    for (const auto& [Index, Uid] : Series) {
        if (const auto It = Moved.find(Uid); It != Moved.end())
            Events[Index].Excluded.insert(Events[Index].Excluded.end(), It->second.begin(),
                                          It->second.end());
    }
    for (TEvent& Event : Events) {
        std::sort(Event.Dates.begin(), Event.Dates.end());
        std::sort(Event.Excluded.begin(), Event.Excluded.end());
    }
    return Events;
}

} // namespace

struct TIcalCalendar::TData {
    std::vector<icalcomponent*> Roots; // owned: the events' rules point into them
    std::vector<TEvent> Events;

    TData() = default;
    TData(const TData&) = delete;
    TData& operator=(const TData&) = delete;
    ~TData() {
        for (icalcomponent* Root : Roots)
            icalcomponent_free(Root);
    }
};

TIcalCalendar::TIcalCalendar(std::string_view Text) : F(std::make_unique<TData>()) {
    const TNonFatalErrors NonFatal;
    // libical reads C strings: a NUL would end the line unseen.
    if (const std::size_t Nul = Text.find('\0'); Nul != std::string_view::npos) {
        const std::size_t From = Text.rfind('\n', Nul);
        const std::size_t Start = From == std::string_view::npos ? 0 : From + 1;
        const auto Line = 1 + std::count(Text.begin(), Text.begin() + Nul, '\n');
        throw TIcalRefusal{hpBadCalendar, static_cast<int>(Line),
                           std::string(Text.substr(Start, Nul - Start))};
    }
    if (Text.starts_with("\xEF\xBB\xBF"))
        Text.remove_prefix(3);
    TLineSource Source{Text.data(), Text.data() + Text.size()};
    const std::unique_ptr<icalparser, TParserFree> Parser(icalparser_new());
    if (!Parser)
        throw std::bad_alloc();
    icalparser_set_gen_data(Parser.get(), &Source);

    std::vector<TComponentLines> Lines; // in the order of their BEGIN lines
    std::vector<std::size_t> Open;      // the components begun and not ended
    for (;;) {
        const int Line = Source.PieceLine;
        const std::unique_ptr<char, TBufferFree> Content(
            icalparser_get_line(Parser.get(), NextPiece));
        if (!Content)
            break;
        if (IsBlank(Content.get()))
            continue;
        // An END with nothing open: libical would warn on the standard error.
        if (Open.empty() && IsEndLine(Content.get()))
            throw TIcalRefusal{hpBadCalendar, Line, Content.get()};
        if (icalcomponent* Root = icalparser_add_line(Parser.get(), Content.get()))
            F->Roots.push_back(Root);
        switch (icalparser_get_state(Parser.get())) {
        case ICALPARSER_ERROR:
            throw TIcalRefusal{hpBadCalendar, Line, Content.get()};
        case ICALPARSER_BEGIN_COMP:
            Open.push_back(Lines.size());
            Lines.push_back({Line, Content.get(), {}});
            break;
        case ICALPARSER_END_COMP:
        case ICALPARSER_SUCCESS:
            Open.pop_back();
            break;
        default:
            if (Open.empty()) // libical sets an error for a line outside any component
                throw TIcalRefusal{hpBadCalendar, Line, Content.get()};
            Lines[Open.back()].Lines.emplace_back(Line, Content.get());
            break;
        }
    }
    if (!Open.empty() || F->Roots.empty())
        throw TIcalRefusal{hpUnfinishedCalendar, 0, {}};

    std::vector<icalcomponent*> Components;
    for (icalcomponent* Root : F->Roots)
        CollectComponents(Root, Components);
    CheckComponents(Components, Lines);
    F->Events = ReadEvents(F->Roots);
}

TIcalCalendar::~TIcalCalendar() = default;

void TIcalCalendar::AddDaysIn(int FirstYear, int LastYear, std::vector<std::int32_t>& Days) const {
    const TNonFatalErrors NonFatal;
    const std::int64_t First = DayOf(FirstYear, 1, 1);
    const std::int64_t Last = DayOf(LastYear, 12, 31);
    std::vector<std::int32_t> Starts;
    for (const TEvent& E : F->Events) {
        // The instances that start up to Span - 1 days early reach into the
        // years.
        const std::int64_t Low = First - (E.Span - 1);
        Starts.clear();
        if (E.Start >= Low && E.Start <= Last)
            Starts.push_back(E.Start);
        for (auto D = std::lower_bound(E.Dates.begin(), E.Dates.end(), Low);
             D != E.Dates.end() && *D <= Last; ++D)
            Starts.push_back(*D);
        for (const icalrecurrencetype& Rule : E.Rules)
            FollowRule(Rule, E.Year, E.Month, E.Day, Low, Last, Starts);
        std::sort(Starts.begin(), Starts.end());
        Starts.erase(std::unique(Starts.begin(), Starts.end()), Starts.end());
        for (const std::int32_t S : Starts) {
            if (std::binary_search(E.Excluded.begin(), E.Excluded.end(), S))
                continue;
            const std::int64_t To = std::min<std::int64_t>(S + E.Span - 1, Last);
            for (std::int64_t D = std::max<std::int64_t>(S, First); D <= To; ++D)
                Days.push_back(static_cast<std::int32_t>(D));
        }
    }
}
