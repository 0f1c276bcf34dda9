#include "HolidaySet.h"

#include "DateRoutines.h"
#include "OwnExecutable.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <map>
#include <new>

#include <dlfcn.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

const char kIcalModulePath[] = MORVANE_ICAL_MODULE;

namespace {

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";
constexpr std::string_view kSpace = " \t\r\v\f";
constexpr int kFirstYear = 1;
constexpr int kLastYear = 9999;

// The English of what(), for logs.
std::string Description(THolidayProblem Problem, int Errno) {
    switch (Problem) {
    case hpUnreadable:
        return std::string("cannot read the file: ") + std::strerror(Errno);
    case hpBadDate:
        return "not a date YYYY-MM-DD or a range YYYY-MM-DD..YYYY-MM-DD";
    case hpBadRange:
        return "the range ends before it starts";
    case hpOutOfYears:
        return "a holiday outside the years 1 to 9999";
    case hpBadCalendar:
        return "not a valid iCalendar line";
    case hpUnfinishedCalendar:
        return "the iCalendar file ends before END:VCALENDAR";
    case hpNoIcalModule:
        return "the iCalendar module cannot be loaded";
    }
    return "holiday file problem";
}

std::string WhatOf(const std::string& File, int Line, THolidayProblem Problem,
                   const std::string& Text, int Errno) {
    std::string What = File;
    if (Line > 0)
        What += ":" + std::to_string(Line);
    What += ": " + Description(Problem, Errno);
    if (!Text.empty())
        What += ": " + Text;
    return What;
}

std::string_view Trimmed(std::string_view S) {
    const std::size_t First = S.find_first_not_of(kSpace);
    if (First == std::string_view::npos)
        return {};
    return S.substr(First, S.find_last_not_of(kSpace) - First + 1);
}

// True when the first line of Text that is not blank is BEGIN:VCALENDAR
// (names in iCalendar are case-insensitive).
bool IsCalendar(std::string_view Text) {
    constexpr std::string_view kBegin = "BEGIN:VCALENDAR";
    while (!Text.empty()) {
        const std::size_t End = Text.find('\n');
        const std::string_view Line = Trimmed(Text.substr(0, End));
        if (!Line.empty())
            return Line.size() == kBegin.size() &&
                   strncasecmp(Line.data(), kBegin.data(), kBegin.size()) == 0;
        if (End == std::string_view::npos)
            break;
        Text.remove_prefix(End + 1);
    }
    return false;
}

// The day number of the date YYYY-MM-DD that Text is, exactly; raises
// hpBadDate (or hpOutOfYears for year 0) with Entry, the list line.
std::int32_t ListDate(std::string_view Text, const std::string& Name, int Line,
                      std::string_view Entry) {
    const auto Fail = [&](THolidayProblem Problem) {
        return THolidayFileError(Name, Line, Problem, std::string(Entry));
    };
    const std::optional<TDateParts> P = ReadIsoDate(Text);
    if (!P)
        throw Fail(hpBadDate);
    if (P->Year < kFirstYear)
        throw Fail(hpOutOfYears);
    return static_cast<std::int32_t>(MakeDate(P->Year, P->Month, P->Day));
}

std::string ReadWhole(const std::string& Path) {
    const int Fd = ::open(Path.c_str(), O_RDONLY | O_CLOEXEC);
    if (Fd < 0)
        throw THolidayFileError(Path, 0, hpUnreadable, {}, errno);
    std::string Text;
    struct stat Status {};
    if (::fstat(Fd, &Status) == 0 && S_ISREG(Status.st_mode))
        Text.reserve(static_cast<std::size_t>(Status.st_size));
    char Buffer[1 << 16];
    for (;;) {
        const ssize_t Got = ::read(Fd, Buffer, sizeof Buffer);
        if (Got < 0 && errno == EINTR)
            continue;
        if (Got < 0) {
            const int Error = errno;
            ::close(Fd);
            throw THolidayFileError(Path, 0, hpUnreadable, {}, Error);
        }
        if (Got == 0)
            break;
        Text.append(Buffer, static_cast<std::size_t>(Got));
    }
    ::close(Fd);
    return Text;
}

// The module at Path, loaded once and never unloaded; nullptr with Why
// filled in when it is missing or of another build.
const TIcalModule* LoadIcalModule(const std::string& Path, std::string& Why) {
    static std::map<std::string, const TIcalModule*> Loaded;
    if (const auto It = Loaded.find(Path); It != Loaded.end())
        return It->second;
    const TIcalModule* const Module = LoadModule<TIcalModule>(
        Path, kIcalModuleSymbol, kIcalModuleVersion, RTLD_NOW | RTLD_LOCAL, Why);
    if (Module)
        Loaded[Path] = Module;
    return Module;
}

} // namespace

THolidayFileError::THolidayFileError(std::string File, int Line, THolidayProblem Problem,
                                     std::string Text, int Errno)
    : std::runtime_error(WhatOf(File, Line, Problem, Text, Errno)), FFile(std::move(File)),
      FLine(Line), FProblem(Problem), FText(std::move(Text)), FErrno(Errno) {}

THolidaySet::THolidaySet(std::string IcalModule) : FModulePath(std::move(IcalModule)) {}

THolidaySet::THolidaySet(const TIcalModule* Module) : FModule(Module) {}

void THolidaySet::AddFile(const std::string& Path) {
    AddText(ReadWhole(Path), Path);
}

void THolidaySet::AddText(std::string_view Text, const std::string& Name) {
    if (IsCalendar(Text.starts_with(kByteOrderMark) ? Text.substr(kByteOrderMark.size()) : Text))
        AddCalendar(Text, Name);
    else
        AddList(Text, Name);
}

void THolidaySet::AddList(std::string_view Text, const std::string& Name) {
    if (Text.starts_with(kByteOrderMark))
        Text.remove_prefix(kByteOrderMark.size());
    std::vector<std::pair<std::int32_t, std::int32_t>> Ranges;
    for (int Line = 1; !Text.empty(); ++Line) {
        const std::size_t End = Text.find('\n');
        std::string_view Entry = Text.substr(0, End);
        Text.remove_prefix(End == std::string_view::npos ? Text.size() : End + 1);
        Entry = Trimmed(Entry.substr(0, Entry.find('#')));
        if (Entry.empty())
            continue;
        const std::size_t Dots = Entry.find("..");
        if (Dots == std::string_view::npos) {
            const std::int32_t Day = ListDate(Entry, Name, Line, Entry);
            Ranges.emplace_back(Day, Day);
            continue;
        }
        const std::int32_t First = ListDate(Trimmed(Entry.substr(0, Dots)), Name, Line, Entry);
        const std::int32_t Last = ListDate(Trimmed(Entry.substr(Dots + 2)), Name, Line, Entry);
        if (Last < First)
            throw THolidayFileError(Name, Line, hpBadRange, std::string(Entry));
        Ranges.emplace_back(First, Last);
    }
    // Merged with what the set holds: runs that meet or overlap become one.
    Ranges.insert(Ranges.end(), FRanges.begin(), FRanges.end());
    std::sort(Ranges.begin(), Ranges.end());
    std::vector<std::pair<std::int32_t, std::int32_t>> Merged;
    for (const auto& R : Ranges) {
        if (!Merged.empty() && R.first <= Merged.back().second + 1)
            Merged.back().second = std::max(Merged.back().second, R.second);
        else
            Merged.push_back(R);
    }
    FRanges = std::move(Merged);
}

void THolidaySet::AddCalendar(std::string_view Text, const std::string& Name) {
    if (!FModule) {
        std::string Why;
        FModule = FModulePath.empty() ? nullptr : LoadIcalModule(FModulePath, Why);
        if (!FModule)
            throw THolidayFileError(Name, 0, hpNoIcalModule, FModulePath.empty() ? "" : Why);
    }
    TIcalProblem Problem{};
    void* const Calendar = FModule->Read(Text.data(), Text.size(), &Problem);
    if (!Calendar)
        throw THolidayFileError(Name, Problem.Line, static_cast<THolidayProblem>(Problem.Problem),
                                std::string(Problem.Text, Problem.TextSize), Problem.Errno);
    const TIcalModule* const Module = FModule;
    FCalendars.emplace_back(Calendar, [Module](void* C) { Module->Release(C); });
}

std::vector<std::int32_t> THolidaySet::DaysIn(int FirstYear, int LastYear) const {
    FirstYear = std::max(FirstYear, kFirstYear);
    LastYear = std::min(LastYear, kLastYear);
    std::vector<std::int32_t> Days;
    if (FirstYear > LastYear)
        return Days;
    const auto First = static_cast<std::int32_t>(MakeDate(FirstYear, 1, 1));
    const auto Last = static_cast<std::int32_t>(MakeDate(LastYear, 12, 31));
    auto R =
        std::lower_bound(FRanges.begin(), FRanges.end(), First,
                         [](const auto& Range, std::int32_t Day) { return Range.second < Day; });
    for (; R != FRanges.end() && R->first <= Last; ++R) {
        for (std::int32_t D = std::max(R->first, First), To = std::min(R->second, Last); D <= To;
             ++D)
            Days.push_back(D);
    }
    for (const auto& Calendar : FCalendars) {
        TIcalDays Got{};
        if (!FModule->DaysIn(Calendar.get(), FirstYear, LastYear, &Got))
            throw std::bad_alloc();
        Days.insert(Days.end(), Got.Days, Got.Days + Got.Count);
    }
    if (!FCalendars.empty()) {
        std::sort(Days.begin(), Days.end());
        Days.erase(std::unique(Days.begin(), Days.end()), Days.end());
    }
    return Days;
}
