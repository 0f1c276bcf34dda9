#include "OwnExecutable.h"

#ifdef __linux__
#include <sys/auxv.h>
#include <unistd.h>
#endif
#ifdef __unix__
#include <climits>
#include <cstdlib>

#include <dlfcn.h>
#endif

std::string OwnExecutableFile() {
#ifdef __linux__
    if (::access("/proc/self/exe", R_OK) == 0)
        return "/proc/self/exe";
    // Without /proc: the path the program was started by, which the kernel
    // hands every program (relative to the folder it started in, which the
    // programs here never leave).
    if (const auto Path = ::getauxval(AT_EXECFN))
        return reinterpret_cast<const char*>(Path);
#endif
    return {};
}

std::string BesideOwnExecutable(const std::string& Relative) {
#ifdef __unix__
    const std::string Program = OwnExecutableFile();
    char Real[PATH_MAX];
    if (Program.empty() || !::realpath(Program.c_str(), Real))
        return {};
    std::string Folder = Real;
    Folder.erase(Folder.rfind('/') + 1);
    return Folder + Relative;
#else
    (void)Relative;
    return {};
#endif
}

void* ModuleSymbol(const std::string& Path, const char* Symbol, int Flags, std::string& Why) {
#ifdef __unix__
    void* const Handle = ::dlopen(Path.c_str(), Flags);
    if (!Handle) {
        const char* const Error = ::dlerror();
        Why = Error ? Error : Path;
        return nullptr;
    }
    void* const Address = ::dlsym(Handle, Symbol);
    if (!Address)
        Why = Path + ": no " + Symbol;
    return Address;
#else
    (void)Path, (void)Symbol, (void)Flags;
    Why = "no shared objects here";
    return nullptr;
#endif
}
