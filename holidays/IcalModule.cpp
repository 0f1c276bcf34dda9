// morvane-calc's iCalendar module: TIcalCalendar behind the C interface of
// IcalModule.h. Built as a shared object that links libical; the program
// and morvane_holidays do not.
#include "IcalModule.h"

#include "IcalCalendar.h"

#include <algorithm>
#include <cerrno>
#include <memory>
#include <new>
#include <string>
#include <vector>

namespace {

// The text handed out last, owned here until the next call.
std::string& Held() {
    static std::string Text;
    return Text;
}

// A calendar with the days it handed out last.
struct THandle {
    explicit THandle(std::string_view Text) : Calendar(Text) {}
    TIcalCalendar Calendar;
    std::vector<std::int32_t> Days;
};

void* ReadEntry(const char* Text, std::size_t Size, TIcalProblem* Problem) {
    try {
        return new THandle(std::string_view(Text, Size));
    } catch (const TIcalRefusal& Refusal) {
        Held() = Refusal.Text;
        *Problem = {Refusal.Problem, Refusal.Line, Held().data(), Held().size(), 0};
    } catch (...) {
        Held().clear();
        *Problem = {hpUnreadable, 0, Held().data(), 0, ENOMEM};
    }
    return nullptr;
}

bool DaysInEntry(void* Calendar, int FirstYear, int LastYear, TIcalDays* Days) {
    auto& Handle = *static_cast<THandle*>(Calendar);
    try {
        Handle.Days.clear();
        Handle.Calendar.AddDaysIn(FirstYear, LastYear, Handle.Days);
        std::sort(Handle.Days.begin(), Handle.Days.end());
        Handle.Days.erase(std::unique(Handle.Days.begin(), Handle.Days.end()), Handle.Days.end());
        *Days = {Handle.Days.data(), Handle.Days.size()};
        return true;
    } catch (...) {
        return false;
    }
}

void ReleaseEntry(void* Calendar) {
    delete static_cast<THandle*>(Calendar);
}

const TIcalModule kModule = {kIcalModuleVersion, ReadEntry, DaysInEntry, ReleaseEntry};

} // namespace

const TIcalModule* MorvaneCalcIcalModule() {
    return &kModule;
}
