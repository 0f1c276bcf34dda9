// The working-day calendar against numpy's busday functions on random
// weekends and holidays, and at the rules a peer does not share. (That it is
// the weekday unit for Saturday and Sunday without holidays is tested
// through the holiday calendar that morvane-calc uses.)
#include "WorkingDays.h"
#include "DateTestSupport.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <random>
#include <sstream>
#include <string>
#include <vector>

#include <unistd.h>

namespace {

// Set by main() from the command line: the numpy oracle and the Python that
// runs it.
std::string OracleScript;
std::string Python = "/usr/bin/python3";

// Day numbers from 1 January 1600 to 31 December 2400, where the random
// cases fall.
const std::int32_t kFirstDay = static_cast<std::int32_t>(Ymd(1600, 1, 1));
const std::int32_t kLastDay = static_cast<std::int32_t>(Ymd(2400, 12, 31));

// One random calendar and its questions, as lines for the oracle.
struct TCase {
    TWorkingCalendar Calendar;
    std::string Lines;
    std::vector<std::int64_t> Answers; // ours, in the order of the questions
};

TCase RandomCase(std::mt19937& Random) {
    std::uniform_int_distribution<int> Bits(0, 126); // never all seven days
    const TWeekdaySet Weekend{static_cast<std::uint8_t>(Bits(Random))};
    // Holidays clustered in a window of a few years, so that questions meet
    // runs of them, holidays at the weekend and repeats.
    std::uniform_int_distribution<std::int32_t> Start(kFirstDay, kLastDay - 2000);
    const std::int32_t WindowStart = Start(Random);
    std::uniform_int_distribution<std::int32_t> InWindow(WindowStart, WindowStart + 1500);
    std::vector<std::int32_t> Holidays(std::uniform_int_distribution<std::size_t>(0, 300)(Random));
    for (auto& H : Holidays)
        H = InWindow(Random);
    TCase Case{TWorkingCalendar(Weekend, Holidays), {}, {}};
    // numpy's weekmask: Monday first, 1 for a working day.
    std::string Mask;
    for (const int Weekday : {2, 3, 4, 5, 6, 7, 1})
        Mask += Weekend.Has(Weekday) ? '0' : '1';
    Case.Lines = "C " + Mask + " ";
    for (std::size_t I = 0; I < Holidays.size(); ++I)
        Case.Lines += (I ? "," : "") + std::to_string(Holidays[I]);
    Case.Lines += '\n';
    std::uniform_int_distribution<std::int32_t> Around(WindowStart - 400, WindowStart + 1900);
    std::uniform_int_distribution<int> Amount(-1200, 1200);
    for (int Q = 0; Q < 60; ++Q) {
        const std::int32_t A = Around(Random);
        const std::int32_t B = Q % 4 ? Around(Random) : A + Amount(Random) % 9;
        Case.Lines += "B " + std::to_string(A) + " " + std::to_string(B) + "\n";
        Case.Answers.push_back(WorkingDaysBetween(Case.Calendar, A, B));
        const int N = Q % 5 ? Amount(Random) : Amount(Random) % 4;
        Case.Lines += "A " + std::to_string(A) + " " + std::to_string(N) + "\n";
        Case.Answers.push_back(static_cast<std::int64_t>(AddWorkingDays(Case.Calendar, A, N)));
    }
    return Case;
}

// Random weekend masks and holiday lists: every count and every add equals
// numpy's busday_count and busday_offset, with their conventions mapped to
// this program's in the oracle script.
TEST(WorkingDaysAgainstNumpy, RandomWeekendsAndHolidays) {
    ASSERT_FALSE(OracleScript.empty()) << "no oracle script given";
    std::mt19937 Random(7122026);
    std::vector<TCase> Cases;
    std::string Input;
    for (int C = 0; C < 300; ++C) {
        Cases.push_back(RandomCase(Random));
        Input += Cases.back().Lines;
    }
    const auto Dir = std::filesystem::temp_directory_path();
    const auto In = Dir / ("busday-in-" + std::to_string(::getpid()));
    const auto Out = Dir / ("busday-out-" + std::to_string(::getpid()));
    std::ofstream(In) << Input;
    const std::string Command =
        Python + " " + OracleScript + " < " + In.string() + " > " + Out.string();
    ASSERT_EQ(std::system(Command.c_str()), 0) << Command;
    std::ifstream Answers(Out);
    std::size_t Compared = 0;
    std::istringstream Lines(Input);
    std::string Line;
    for (const TCase& Case : Cases) {
        std::getline(Lines, Line); // the calendar line
        for (const std::int64_t Ours : Case.Answers) {
            std::getline(Lines, Line);
            std::int64_t Theirs = 0;
            ASSERT_TRUE(Answers >> Theirs) << "the oracle stopped at: " << Line;
            ASSERT_EQ(Ours, Theirs)
                << "question " << Line << " on calendar of " << Case.Calendar.Holidays().size()
                << " holidays, weekend bits " << int(Case.Calendar.Weekend().Bits);
            ++Compared;
        }
    }
    EXPECT_EQ(Compared, 300u * 120u);
    std::filesystem::remove(In);
    std::filesystem::remove(Out);
}

// The rules numpy has no word for: a step of 0 stays put even on a day off,
// time of day is kept, a fraction of a step is dropped, and holidays at the
// weekend or given twice count once.
struct TRuleRow {
    const char* Name;
    TWeekdaySet Weekend;
    std::vector<std::int32_t> Holidays;
    TDateTime Start;
    long double Amount;
    TDateTime Expected;
};

TEST(WorkingDaysRules, StepsThatNumpyDoesNotTake) {
    const auto Day = [](int Y, int M, int D) { return static_cast<std::int32_t>(Ymd(Y, M, D)); };
    // 25 December 2026 is a Friday, 1 January 2027 a Friday too.
    const std::vector<std::int32_t> Christmas = {Day(2026, 12, 25), Day(2026, 12, 26),
                                                 Day(2026, 12, 25), Day(2027, 1, 1)};
    const TWeekdaySet FridaySaturday = TWeekdaySet{}.With(6).With(7);
    const TRuleRow Rows[] = {
        {"zero on a holiday stays", kSaturdaySunday, Christmas, Ymd(2026, 12, 25), 0,
         Ymd(2026, 12, 25)},
        {"fraction below one stays", kSaturdaySunday, Christmas, Ymd(2026, 12, 25), 0.9L,
         Ymd(2026, 12, 25)},
        {"time of day kept", kSaturdaySunday, Christmas, Ymd(2026, 12, 24) + 0.75, 1,
         Ymd(2026, 12, 28) + 0.75},
        {"fraction dropped", kSaturdaySunday, Christmas, Ymd(2026, 12, 24), 1.99L,
         Ymd(2026, 12, 28)},
        {"back over a holiday", kSaturdaySunday, Christmas, Ymd(2027, 1, 4), -1, Ymd(2026, 12, 31)},
        {"Friday-Saturday weekend", FridaySaturday, {}, Ymd(2026, 12, 3), 1, Ymd(2026, 12, 6)},
        {"Friday-Saturday weekend, back",
         FridaySaturday,
         {},
         Ymd(2026, 12, 6),
         -1,
         Ymd(2026, 12, 3)},
    };
    for (const TRuleRow& Row : Rows) {
        const TWorkingCalendar Calendar(Row.Weekend, Row.Holidays);
        EXPECT_EQ(AddWorkingDays(Calendar, Row.Start, Row.Amount), Row.Expected) << Row.Name;
    }
    // The duplicate and the Saturday holiday are kept once and not at all.
    EXPECT_EQ(TWorkingCalendar(kSaturdaySunday, Christmas).Holidays(),
              (std::vector<std::int32_t>{Day(2026, 12, 25), Day(2027, 1, 1)}));
}

TEST(WorkingDaysRules, AllSevenDaysOffIsRefused) {
    const TWeekdaySet All{0x7F};
    try {
        TWorkingCalendar Calendar(All);
        ADD_FAILURE() << "a weekend of seven days was taken";
    } catch (const TWorkingDayError& Error) {
        EXPECT_EQ(Error.Problem, wpNoWorkingDay);
    }
    // Six days off leave one working day a week.
    const TWorkingCalendar OneDay(TWeekdaySet{0x7F}.Without(4)); // Wednesday works
    EXPECT_EQ(AddWorkingDays(OneDay, Ymd(2026, 12, 2), 2), Ymd(2026, 12, 16));
    EXPECT_EQ(WorkingDaysBetween(OneDay, Ymd(2026, 12, 16), Ymd(2026, 12, 1)), -3);
}

} // namespace

int main(int argc, char** argv) {
    ::testing::InitGoogleTest(&argc, argv);
    if (argc > 1)
        OracleScript = argv[1];
    if (argc > 2)
        Python = argv[2];
    return RUN_ALL_TESTS();
}
