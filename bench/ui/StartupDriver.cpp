// Times start-up to first paint and reads the peak memory of the program's
// start-up probe and of a bare Qt window with as many widgets, each in a
// process of its own, alternating between the two. Prints the medians and
// their ratios. Usage: bench_ui_startup [runs]   (default 21)
// The children run on the offscreen platform unless QT_QPA_PLATFORM is set.
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

namespace {

struct TRun {
    double Ms;    // fork to the "painted" line
    long PeakKiB; // the child's peak resident set
};

// Runs Program once; false when it did not report its first paint.
bool RunOnce(const char* Program, TRun& Out) {
    int Pipe[2];
    if (pipe(Pipe) != 0)
        return false;
    const auto Start = std::chrono::steady_clock::now();
    const pid_t Child = fork();
    if (Child < 0)
        return false;
    if (Child == 0) {
        dup2(Pipe[1], STDOUT_FILENO);
        close(Pipe[0]);
        close(Pipe[1]);
        execl(Program, Program, static_cast<char*>(nullptr));
        _exit(127);
    }
    close(Pipe[1]);
    std::string Seen;
    char Buffer[256];
    bool Painted = false;
    double Ms = 0;
    for (ssize_t N; (N = read(Pipe[0], Buffer, sizeof Buffer)) > 0;) {
        Seen.append(Buffer, static_cast<std::size_t>(N));
        if (!Painted && Seen.find("painted\n") != std::string::npos) {
            Ms = std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - Start)
                     .count();
            Painted = true;
        }
    }
    close(Pipe[0]);
    int Status = 0;
    rusage Usage{};
    wait4(Child, &Status, 0, &Usage);
    Out = {Ms, Usage.ru_maxrss};
    return Painted && WIFEXITED(Status) && WEXITSTATUS(Status) == 0;
}

template <class T> T Median(std::vector<T> V) {
    std::sort(V.begin(), V.end());
    return V[V.size() / 2];
}

} // namespace

int main(int argc, char* argv[]) {
    const int Runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 21;
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    const char* Programs[2] = {MORVANE_PROBE, BARE_PROBE};
    std::vector<double> Ms[2];
    std::vector<long> KiB[2];
    for (int R = 0; R < Runs + 1; ++R) {
        for (int P = 0; P < 2; ++P) {
            TRun Run{};
            if (!RunOnce(Programs[P], Run)) {
                std::fprintf(stderr, "%s did not report its first paint\n", Programs[P]);
                return 1;
            }
            if (R == 0)
                continue; // the first round warms the file cache
            Ms[P].push_back(Run.Ms);
            KiB[P].push_back(Run.PeakKiB);
        }
    }
    const double TimeM = Median(Ms[0]), TimeB = Median(Ms[1]);
    const long MemM = Median(KiB[0]), MemB = Median(KiB[1]);
    std::printf("platform: %s, %d runs each, medians\n", std::getenv("QT_QPA_PLATFORM"), Runs);
    std::printf("| start-up to first paint | %.1f ms | %.1f ms | %.2fx |\n", TimeM, TimeB,
                TimeM / TimeB);
    std::printf("| peak resident memory | %.1f MiB | %.1f MiB | %.2fx |\n", MemM / 1024.0,
                MemB / 1024.0, double(MemM) / double(MemB));
    const bool Within = TimeM <= 1.5 * TimeB && MemM <= 1.25 * MemB;
    std::printf("%s\n",
                Within ? "within 1.5x time and 1.25x memory" : "OUTSIDE 1.5x time or 1.25x memory");
    return Within ? 0 : 2;
}
