#include "WorkingDayOptions.h"

#include "Messages.h"
#include "OwnExecutable.h"
#include "TextWriting.h"
#include "UsageError.h"
#include "UserLocale.h"

#include <algorithm>

namespace {

// The English names, Sunday first as WeekdayOf counts: the date core's
// fallbacks, which the user's locale's names replace in DateFormatSettings.
// Made at the first call, not at every start of the program.
const TDateFormatSettings& English() {
    static const TDateFormatSettings Names;
    return Names;
}

// Name as it is compared: Latin capitals made small, a final full stop
// dropped ("Sa." and "sa" are one name).
std::string Folded(std::string_view Name) {
    if (Name.ends_with('.'))
        Name.remove_suffix(1);
    std::string Out(Name);
    for (char& C : Out)
        if (C >= 'A' && C <= 'Z')
            C = static_cast<char>(C - 'A' + 'a');
    return Out;
}

// The weekday (1 = Sunday ... 7 = Saturday) that Name names among the day
// names of Names, long or short, or 0.
int FindIn(const std::string& Name, const TDateFormatSettings& Names) {
    for (std::size_t I = 0; I < 7; ++I)
        if (Name == Folded(Names.LongDayNames[I]) || Name == Folded(Names.ShortDayNames[I]))
            return static_cast<int>(I) + 1;
    return 0;
}

// The weekday that Item names, or 0: an ISO number, an English name, or one
// of the user's locale, whose names are loaded only for a word that is none
// of the others.
int WeekdayNamed(std::string_view Item) {
    if (Item.size() == 1 && Item[0] >= '1' && Item[0] <= '7')
        return WeekdayOfIso(Item[0] - '0');
    const std::string Name = Folded(Item);
    if (Name.empty())
        return 0;
    if (const int Day = FindIn(Name, English()))
        return Day;
    LoadUserDateNames();
    return FindIn(Name, DateFormatSettings());
}

// The message of a holiday file's problem, and what fills it in.
TFileUsageError FileError(const THolidayFileError& E, const std::string& ModulePath) {
    const std::string File = ShownText(E.File(), std::string::npos);
    const std::string Line = std::to_string(E.Line());
    const std::string Text = ShownText(E.Text());
    switch (E.Problem()) {
    case hpUnreadable:
        return TFileUsageError(kHolidaysUnreadable, {File, SystemReason(E.Errno())});
    case hpBadDate:
        return TFileUsageError(kHolidayBadLine, {File, Line, Text});
    case hpBadRange:
        return TFileUsageError(kHolidayBadRange, {File, Line, Text});
    case hpOutOfYears:
        return TFileUsageError(kHolidayOutOfRange, {File, Line, Text});
    case hpBadCalendar:
        return TFileUsageError(kHolidayBadCalendar, {File, Line, Text});
    case hpUnfinishedCalendar:
        return TFileUsageError(kHolidayUnfinishedCalendar, File);
    case hpNoIcalModule:
        break;
    }
    return TFileUsageError(kCalendarModuleMissing,
                           {File, ShownText(ModulePath, std::string::npos)});
}

} // namespace

std::optional<THolidayCalendar> WorkingDaysOf(const TCommandLine& Line) {
    const std::optional<std::string_view> Weekend = Line.Value("weekend");
    const std::vector<std::string_view> Files = Line.Values("holidays");
    if (!Weekend && Files.empty())
        return std::nullopt;
    const TWeekdaySet Days = Weekend ? WeekendOf(*Weekend) : kSaturdaySunday;
    const std::string ModulePath = BesideOwnExecutable(kIcalModulePath);
    THolidaySet Holidays(ModulePath);
    try {
        for (const std::string_view File : Files)
            Holidays.AddFile(std::string(File));
    } catch (const THolidayFileError& E) {
        throw FileError(E, ModulePath);
    }
    return THolidayCalendar(std::move(Holidays), Days);
}

TWeekdaySet WeekendOf(std::string_view List) {
    TWeekdaySet Weekend;
    for (const std::string_view Item : ListItems(List)) {
        if (Item == "none") // no day of its own: "none" alone is a week without a weekend
            continue;
        if (Item == "locale") {
            // Without the locale module, the weekend of most of the world.
            Weekend.Bits |=
                static_cast<std::uint8_t>(UserWeekendDays().value_or(kSaturdaySunday.Bits) & 0x7F);
            continue;
        }
        const int Day = WeekdayNamed(Item);
        if (Day == 0)
            throw TUsageError(kUnknownWeekday, ShownText(Item));
        Weekend = Weekend.With(Day);
    }
    if (Weekend.AllDays())
        throw TUsageError(kNoWorkingDay);
    return Weekend;
}

std::vector<std::string> WeekendNames() {
    std::vector<std::string> Names;
    for (std::size_t I = 1; I <= 7; ++I) // Monday first
        Names.push_back(Folded(English().ShortDayNames[I % 7]));
    Names.emplace_back("locale");
    Names.emplace_back("none");
    if (InUserLanguage()) {
        LoadUserDateNames();
        const TDateFormatSettings& S = DateFormatSettings();
        for (std::size_t I = 1; I <= 7; ++I) {
            const std::string& Name = S.ShortDayNames[I % 7];
            if (!Name.empty() && Folded(Name) != Folded(English().ShortDayNames[I % 7]) &&
                Name.find(',') == std::string::npos)
                Names.push_back(Name);
        }
    }
    return Names;
}
