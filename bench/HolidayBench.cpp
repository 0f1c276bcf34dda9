// Speed of working days with holiday files (THolidayCalendar, whose years
// are covered as calculations reach them): 100,000,000 working days added
// over a list of 10,000 holidays (target: well under a millisecond a call),
// and working days counted over a calendar of 500 holidays against the
// same count without holidays (for information: a morvane-calc batch with
// holidays may cost 1.3x one without, reading and writing included). The
// lists are read as a holiday file is; the first call of each benchmark
// covers the years, which then stay covered.
#include "HolidayCalendar.h"

#include <benchmark/benchmark.h>

#include <cstdint>
#include <cstdio>
#include <map>
#include <random>
#include <set>
#include <string>
#include <vector>

namespace {

// Count holidays on random days Monday to Friday from 2000 to 2099, as a
// plain list.
THolidaySet HolidayList(std::size_t Count) {
    std::mt19937 Random(static_cast<unsigned>(Count));
    std::uniform_int_distribution<std::int32_t> Days(
        static_cast<std::int32_t>(MakeDate(2000, 1, 1)),
        static_cast<std::int32_t>(MakeDate(2099, 12, 31)));
    std::set<std::int32_t> Holidays;
    while (Holidays.size() < Count) {
        const std::int32_t D = Days(Random);
        if (WeekdayOf(D) != 1 && WeekdayOf(D) != 7)
            Holidays.insert(D);
    }
    std::string Text;
    for (const std::int32_t D : Holidays) {
        char Iso[11];
        WriteIsoDate(Iso, SplitDate(D));
        Iso[10] = '\n';
        Text.append(Iso, 11);
    }
    THolidaySet Set;
    Set.AddText(Text, "benchmark");
    return Set;
}

// Random days of the years 2000 to 2099.
std::vector<double> RandomDays(unsigned Seed) {
    std::mt19937 Random(Seed);
    std::uniform_int_distribution<std::int32_t> Days(
        static_cast<std::int32_t>(MakeDate(2000, 1, 1)),
        static_cast<std::int32_t>(MakeDate(2099, 12, 31)));
    std::vector<double> V(4096);
    for (double& D : V)
        D = Days(Random);
    return V;
}

// State.range(0) working days added to random days, forwards and back.
void BM_HolidayAdd(benchmark::State& State) {
    THolidayCalendar Calendar(HolidayList(10000));
    const std::vector<double> Starts = RandomDays(1);
    const auto N = static_cast<long double>(State.range(0));
    std::size_t I = 0;
    for (auto _ : State) {
        TDateTime D = Calendar.Add(Starts[I], I % 2 ? N : -N);
        benchmark::DoNotOptimize(D);
        I = (I + 1) % Starts.size();
    }
}
BENCHMARK(BM_HolidayAdd)->Arg(100000000);

// Working days between random days within a few months, as a batch of
// dates near each other asks, with State.range(0) holidays.
void BM_HolidayBetween(benchmark::State& State) {
    THolidayCalendar Calendar(State.range(0) ? HolidayList(static_cast<std::size_t>(State.range(0)))
                                             : THolidaySet());
    const std::vector<double> Starts = RandomDays(2);
    std::vector<double> Ends(Starts.size());
    std::mt19937 Random(3);
    for (std::size_t I = 0; I < Starts.size(); ++I)
        Ends[I] = Starts[I] + std::uniform_int_distribution<int>(-120, 120)(Random);
    std::size_t I = 0;
    for (auto _ : State) {
        std::int32_t N = Calendar.Between(Starts[I], Ends[I]);
        benchmark::DoNotOptimize(N);
        I = (I + 1) % Starts.size();
    }
}
BENCHMARK(BM_HolidayBetween)->Arg(0)->Arg(500);

// Prints each benchmark's time a call, then the summary against the
// targets.
class SummaryReporter : public benchmark::ConsoleReporter {
public:
    void ReportRuns(const std::vector<Run>& Reports) override {
        for (const Run& R : Reports) {
            if (R.run_type == Run::RT_Iteration)
                NsPerCall[R.benchmark_name()] = R.GetAdjustedCPUTime();
        }
        ConsoleReporter::ReportRuns(Reports);
    }

    void PrintSummary() const {
        std::printf("\nSummary (CPU ns per call)\n");
        const auto Add = NsPerCall.find("BM_HolidayAdd/100000000");
        if (Add != NsPerCall.end())
            std::printf("  100,000,000 working days added, 10,000 holidays: %8.1f ns   target "
                        "well under 1,000,000 ns: %s\n",
                        Add->second, Add->second < 10000 ? "met" : "MISSED");
        const auto Plain = NsPerCall.find("BM_HolidayBetween/0");
        const auto Holidays = NsPerCall.find("BM_HolidayBetween/500");
        if (Plain != NsPerCall.end() && Holidays != NsPerCall.end())
            std::printf("  Working days counted, 500 holidays vs none:     %6.2f / %6.2f ns = "
                        "%4.2fx\n",
                        Holidays->second, Plain->second, Holidays->second / Plain->second);
    }

private:
    std::map<std::string, double> NsPerCall;
};

} // namespace

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    SummaryReporter Reporter;
    benchmark::RunSpecifiedBenchmarks(&Reporter);
    Reporter.PrintSummary();
    benchmark::Shutdown();
    return 0;
}
