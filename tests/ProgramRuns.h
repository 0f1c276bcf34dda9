// Starting a program the ways users start programs, for the tests of the
// version strings a program reads about itself: through the dynamic loader,
// without /proc, as another user, from a folder whose name is not UTF-8.
// Shared by the About window's and morvane-calc's tests. Paths are kept as
// bytes (no QString could hold such a folder's name).
#pragma once

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include <fcntl.h>
#include <link.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

namespace runs {

// What a finished program left: its exit status (-1 when it did not exit
// normally or could not be started), standard output and standard error.
struct TRunResult {
    int Status = -1;
    std::string Out;
    std::string Err;
};

// Runs Argv (Argv[0] is looked up in PATH), waits for it and returns what it
// left. Its standard output and error go to files in Dir.
inline TRunResult Run(const std::vector<std::string>& Argv, const std::filesystem::path& Dir) {
    std::vector<char*> Args;
    for (const std::string& A : Argv)
        Args.push_back(const_cast<char*>(A.c_str()));
    Args.push_back(nullptr);
    const std::filesystem::path Out = Dir / "run.out", Err = Dir / "run.err";
    posix_spawn_file_actions_t Files;
    posix_spawn_file_actions_init(&Files);
    posix_spawn_file_actions_addopen(&Files, 1, Out.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
    posix_spawn_file_actions_addopen(&Files, 2, Err.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
    pid_t Child = 0;
    const int Spawned = posix_spawnp(&Child, Args[0], &Files, nullptr, Args.data(), environ);
    posix_spawn_file_actions_destroy(&Files);
    TRunResult Result;
    int Status = 0;
    if (Spawned == 0 && waitpid(Child, &Status, 0) == Child && WIFEXITED(Status))
        Result.Status = WEXITSTATUS(Status);
    const auto Text = [](const std::filesystem::path& File) {
        std::ifstream In(File, std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(In), std::istreambuf_iterator<char>());
    };
    Result.Out = Text(Out);
    Result.Err = Text(Err);
    return Result;
}

// The dynamic loader named by this program's PT_INTERP header: the one that
// starts the programs of this build too. Empty for a static program.
inline std::string DynamicLoader() {
    std::string Loader;
    dl_iterate_phdr(
        [](dl_phdr_info* Info, std::size_t, void* Found) {
            for (int I = 0; I < Info->dlpi_phnum; ++I)
                if (Info->dlpi_phdr[I].p_type == PT_INTERP)
                    *static_cast<std::string*>(Found) =
                        reinterpret_cast<const char*>(Info->dlpi_addr + Info->dlpi_phdr[I].p_vaddr);
            return 1; // the first object is the program itself
        },
        &Loader);
    return Loader;
}

// The words that start a program with /proc hidden: in a mount namespace of
// its own (and, unless root runs it, a user namespace, which lets any user
// mount there), an empty file system is mounted over /proc. The program and
// its arguments follow.
inline std::vector<std::string> WithoutProc() {
    std::vector<std::string> Words = {"unshare", "--mount", "sh", "-c",
                                      "mount -t tmpfs none /proc && exec \"$0\" \"$@\""};
    if (geteuid() != 0)
        Words.insert(Words.begin() + 1, "--map-root-user");
    return Words;
}

// True when WithoutProc works on this machine (the kernel or a container may
// refuse the namespaces).
inline bool CanHideProc(const std::filesystem::path& Dir) {
    std::vector<std::string> Probe = WithoutProc();
    Probe.insert(Probe.end(), {"sh", "-c", "test ! -e /proc/self"});
    return Run(Probe, Dir).Status == 0;
}

// The words that start a program as the user nobody (65534), who owns none
// of the build's files; only root may do so.
inline const std::vector<std::string> kAsNobody = {"setpriv", "--reuid=65534", "--regid=65534",
                                                   "--clear-groups"};

} // namespace runs
