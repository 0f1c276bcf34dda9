// Speed of the date core. Conversions are measured side by side with a
// Neri-Schneider reference (NeriSchneiderReference.h) and Howard Hinnant's
// date library; after the run a summary prints the ratios that matter:
//   SplitDate and MakeDate against the reference (target <= 1.3),
//   a weekday offset of 100,000,000 against one of 1,000 (target <= 1.2),
//   one full difference, six counts and the phrase (target < 1000 ns),
//   WeekdaysBetween over 9,000 years against one week (target <= 1.2).
#include "DateRoutines.h"
#include "NeriSchneiderReference.h"

#include <benchmark/benchmark.h>
#include <date/date.h>

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <map>
#include <random>
#include <string>
#include <vector>

namespace {

// Calls per timed iteration: the loop's own cost spreads over many calls.
constexpr std::size_t kBatch = 1024;

// Every day of the years 1 to 9999, shuffled with a fixed seed.
const std::vector<double>& ShuffledDays() {
    static const std::vector<double> Days = [] {
        std::vector<double> V;
        const auto First = static_cast<std::int64_t>(MakeDate(1, 1, 1));
        const auto Last = static_cast<std::int64_t>(MakeDate(9999, 12, 31));
        V.reserve(static_cast<std::size_t>(Last - First + 1));
        for (std::int64_t D = First; D <= Last; ++D) {
            V.push_back(static_cast<double>(D));
        }
        std::shuffle(V.begin(), V.end(), std::mt19937_64(1899));
        return V;
    }();
    return Days;
}

struct Triple {
    std::int32_t Year;
    std::int32_t Month;
    std::int32_t Day;
};

// The same shuffled days as year, month and day.
const std::vector<Triple>& ShuffledTriples() {
    static const std::vector<Triple> Triples = [] {
        std::vector<Triple> V;
        V.reserve(ShuffledDays().size());
        for (double D : ShuffledDays()) {
            const TDateParts P = SplitDate(D);
            V.push_back({static_cast<std::int32_t>(P.Year), P.Month, P.Day});
        }
        return V;
    }();
    return Triples;
}

// Reports the CPU time per call as a counter, which the summary reads.
void SetPerCall(benchmark::State& State, std::size_t CallsPerIteration) {
    State.counters["per_call"] = benchmark::Counter(static_cast<double>(CallsPerIteration),
                                                    benchmark::Counter::kIsIterationInvariantRate |
                                                        benchmark::Counter::kInvert);
}

// Runs Body(i) for kBatch consecutive indexes per iteration, wrapping
// around an input of Size entries.
template <class Body> void RunBatches(benchmark::State& State, std::size_t Size, Body&& Call) {
    std::size_t Start = 0;
    for (auto _ : State) {
        for (std::size_t k = 0; k < kBatch; ++k) {
            Call(Start + k);
        }
        Start += kBatch;
        if (Start + kBatch > Size) {
            Start = 0;
        }
    }
    SetPerCall(State, kBatch);
}

// ---------------------------------------------------------------------------
// Day number to year, month, day.

void BM_SplitDate(benchmark::State& State) {
    const std::vector<double>& Days = ShuffledDays();
    RunBatches(State, Days.size(), [&](std::size_t i) {
        TDateParts P = SplitDate(Days[i]);
        benchmark::DoNotOptimize(P);
    });
}
BENCHMARK(BM_SplitDate);

void BM_SplitDate_NeriSchneiderRef(benchmark::State& State) {
    const std::vector<double>& Days = ShuffledDays();
    RunBatches(State, Days.size(), [&](std::size_t i) {
        nsref::Date P = nsref::ToDate(static_cast<std::int32_t>(Days[i]));
        benchmark::DoNotOptimize(P);
    });
}
BENCHMARK(BM_SplitDate_NeriSchneiderRef);

void BM_SplitDate_Hinnant(benchmark::State& State) {
    const std::vector<double>& Days = ShuffledDays();
    // Day 0 of the date core is 25,569 days before 1 January 1970.
    RunBatches(State, Days.size(), [&](std::size_t i) {
        const date::sys_days D{date::days{static_cast<int>(Days[i]) - 25569}};
        date::year_month_day P{D};
        benchmark::DoNotOptimize(P);
    });
}
BENCHMARK(BM_SplitDate_Hinnant);

// ---------------------------------------------------------------------------
// Year, month, day to day number.

void BM_MakeDate(benchmark::State& State) {
    const std::vector<Triple>& T = ShuffledTriples();
    RunBatches(State, T.size(), [&](std::size_t i) {
        TDateTime D = MakeDate(T[i].Year, T[i].Month, T[i].Day);
        benchmark::DoNotOptimize(D);
    });
}
BENCHMARK(BM_MakeDate);

void BM_MakeDate_NeriSchneiderRef(benchmark::State& State) {
    const std::vector<Triple>& T = ShuffledTriples();
    RunBatches(State, T.size(), [&](std::size_t i) {
        // Out as a TDateTime, as MakeDate gives it.
        auto D = static_cast<double>(nsref::ToDayNumber(T[i].Year,
                                                        static_cast<std::uint32_t>(T[i].Month),
                                                        static_cast<std::uint32_t>(T[i].Day)));
        benchmark::DoNotOptimize(D);
    });
}
BENCHMARK(BM_MakeDate_NeriSchneiderRef);

void BM_MakeDate_Hinnant(benchmark::State& State) {
    const std::vector<Triple>& T = ShuffledTriples();
    RunBatches(State, T.size(), [&](std::size_t i) {
        const date::year_month_day P{date::year{T[i].Year},
                                     date::month{static_cast<unsigned>(T[i].Month)},
                                     date::day{static_cast<unsigned>(T[i].Day)}};
        auto D = static_cast<double>(date::sys_days{P}.time_since_epoch().count() + 25569);
        benchmark::DoNotOptimize(D);
    });
}
BENCHMARK(BM_MakeDate_Hinnant);

// ---------------------------------------------------------------------------
// Weekday offsets: the cost must not grow with the amount.

void BM_WeekdayOffset(benchmark::State& State) {
    const std::vector<double>& Days = ShuffledDays();
    const auto Amount = static_cast<long double>(State.range(0));
    RunBatches(State, Days.size(), [&](std::size_t i) {
        TDateTime D = AddDateUnits(dkWeekdays, Days[i], Amount);
        benchmark::DoNotOptimize(D);
    });
}
BENCHMARK(BM_WeekdayOffset)->Arg(1000)->Arg(100000000);

// ---------------------------------------------------------------------------
// Differences.

// Random pairs of dates in the years 100 to 9999; every fourth pair close
// together, as a user typically picks them.
const std::vector<std::pair<double, double>>& RandomPairs() {
    static const std::vector<std::pair<double, double>> Pairs = [] {
        std::mt19937_64 Random(2004);
        std::uniform_int_distribution<std::int64_t> Day(
            static_cast<std::int64_t>(MakeDate(100, 1, 1)),
            static_cast<std::int64_t>(MakeDate(9999, 12, 31)));
        std::vector<std::pair<double, double>> V;
        for (int i = 0; i < 65536; ++i) {
            const auto A = static_cast<double>(Day(Random));
            auto B = i % 4 == 0 ? A + static_cast<double>(Day(Random) % 1000)
                                : static_cast<double>(Day(Random));
            B = std::min(B, MakeDate(9999, 12, 31));
            V.emplace_back(A, B);
        }
        return V;
    }();
    return Pairs;
}

// What the difference panel does for one pair of dates.
void BM_FullDifference(benchmark::State& State) {
    const auto& Pairs = RandomPairs();
    std::size_t i = 0;
    for (auto _ : State) {
        const auto& [Start, End] = Pairs[i];
        for (int K = dkDays; K <= dkYears; ++K) {
            std::int32_t N = DateUnitsBetween(static_cast<TDateKind>(K), Start, End);
            benchmark::DoNotOptimize(N);
        }
        std::string Phrase = DiffPhrase(Start, End);
        benchmark::DoNotOptimize(Phrase);
        if (++i == Pairs.size()) {
            i = 0;
        }
    }
    SetPerCall(State, 1);
}
BENCHMARK(BM_FullDifference);

// WeekdaysBetween from shuffled days of the years 1 to 999 over a span of
// State.range(0) days.
void BM_WeekdaysBetween(benchmark::State& State) {
    std::vector<double> Starts;
    for (double D : ShuffledDays()) {
        if (D < MakeDate(1000, 1, 1)) {
            Starts.push_back(D);
        }
    }
    const auto Span = static_cast<double>(State.range(0));
    RunBatches(State, Starts.size(), [&](std::size_t i) {
        std::int32_t N = WeekdaysBetween(Starts[i], Starts[i] + Span);
        benchmark::DoNotOptimize(N);
    });
}
// One week, and 9,000 years (3,287,182 days).
BENCHMARK(BM_WeekdaysBetween)->Arg(7)->Arg(3287182);

// ---------------------------------------------------------------------------
// The summary of ratios after the run.

class SummaryReporter : public benchmark::ConsoleReporter {
public:
    void ReportRuns(const std::vector<Run>& Reports) override {
        for (const Run& R : Reports) {
            const auto Counter = R.counters.find("per_call");
            if (R.error_occurred || Counter == R.counters.end()) {
                continue;
            }
            const std::string Name = R.run_name.str();
            if (R.run_type == Run::RT_Iteration) {
                Samples[Name].push_back(Counter->second.value * 1e9);
            } else if (R.aggregate_name == "median") {
                Medians[Name] = Counter->second.value * 1e9;
            }
        }
        ConsoleReporter::ReportRuns(Reports);
    }

    void PrintSummary() {
        // With --benchmark_repetitions each benchmark has several samples;
        // the median stands for it.
        for (auto& [Name, Values] : Samples) {
            std::sort(Values.begin(), Values.end());
            NsPerCall[Name] = Values[Values.size() / 2];
        }
        for (const auto& [Name, Median] : Medians) {
            NsPerCall[Name] = Median;
        }
        std::printf("\nSummary (CPU ns per call, median of repetitions; ratio against its "
                    "yardstick, and the target)\n");
        Ratio("SplitDate vs Neri-Schneider reference", "BM_SplitDate",
              "BM_SplitDate_NeriSchneiderRef", 1.3);
        Ratio("SplitDate, Hinnant vs Neri-Schneider reference", "BM_SplitDate_Hinnant",
              "BM_SplitDate_NeriSchneiderRef", 0);
        Ratio("MakeDate vs Neri-Schneider reference", "BM_MakeDate", "BM_MakeDate_NeriSchneiderRef",
              1.3);
        Ratio("MakeDate, Hinnant vs Neri-Schneider reference", "BM_MakeDate_Hinnant",
              "BM_MakeDate_NeriSchneiderRef", 0);
        Ratio("Weekday offset 100,000,000 vs 1,000", "BM_WeekdayOffset/100000000",
              "BM_WeekdayOffset/1000", 1.2);
        Ratio("WeekdaysBetween 9,000 years vs one week", "BM_WeekdaysBetween/3287182",
              "BM_WeekdaysBetween/7", 1.2);
        const auto Full = NsPerCall.find("BM_FullDifference");
        if (Full != NsPerCall.end()) {
            std::printf("  %-50s %9.1f ns                 target < 1000 ns: %s\n",
                        "Full difference (six counts + phrase)", Full->second,
                        Full->second < 1000 ? "met" : "MISSED");
        }
    }

private:
    // Prints A / B; Target 0 means the line is for information only.
    void Ratio(const char* What, const std::string& A, const std::string& B, double Target) const {
        const auto FoundA = NsPerCall.find(A);
        const auto FoundB = NsPerCall.find(B);
        if (FoundA == NsPerCall.end() || FoundB == NsPerCall.end()) {
            return;
        }
        const double R = FoundA->second / FoundB->second;
        std::printf("  %-50s %6.2f / %6.2f ns = %5.2fx", What, FoundA->second, FoundB->second, R);
        if (Target > 0) {
            std::printf("   target <= %.1fx: %s", Target, R <= Target ? "met" : "MISSED");
        }
        std::printf("\n");
    }

    std::map<std::string, std::vector<double>> Samples;
    std::map<std::string, double> Medians;
    std::map<std::string, double> NsPerCall;
};

} // namespace

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) {
        return 1;
    }
    SummaryReporter Reporter;
    benchmark::RunSpecifiedBenchmarks(&Reporter);
    Reporter.PrintSummary();
    benchmark::Shutdown();
    return 0;
}
