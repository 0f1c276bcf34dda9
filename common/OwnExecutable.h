// Where the running program's own file is: where its version strings are
// read from when its image in memory holds none (ReadOwnVersionStrings),
// and where morvane-calc finds the module it loads beside it.
#pragma once

#include <string>

// The path of the running executable's file, as the bytes the system takes.
// On Linux /proc/self/exe opens that file whatever its name, even after it
// was moved or replaced; without /proc it is the path the program was
// started by. Empty where neither is known. Toolkit-free.
std::string OwnExecutableFile();

// The file at Relative, a path relative to the folder that really holds the
// running executable (every symbolic link on the way followed, so that a
// link to the program in another folder finds the same files): where the
// build and the installation put what the program loads beside itself.
// Empty where the executable's file is unknown, and on systems without
// realpath.
std::string BesideOwnExecutable(const std::string& Relative);

// The address of Symbol in the shared object at Path, loaded with dlopen's
// Flags and never unloaded; nullptr where the object or the symbol is
// missing, with Why set to the loader's reason. Nothing on systems without
// dlopen.
void* ModuleSymbol(const std::string& Path, const char* Symbol, int Flags, std::string& Why);

// The module that the entry point Symbol of the shared object at Path
// gives, when it is one of this build (its Version is Version), so that the
// program never calls into a module of another build; nullptr otherwise,
// with Why set.
template <class TModule>
const TModule* LoadModule(const std::string& Path, const char* Symbol, int Version, int Flags,
                          std::string& Why) {
    using TEntry = const TModule* (*)();
    const auto Entry = reinterpret_cast<TEntry>(ModuleSymbol(Path, Symbol, Flags, Why));
    const TModule* const Module = Entry ? Entry() : nullptr;
    if (Module && Module->Version == Version)
        return Module;
    if (Entry)
        Why = Path + ": not a module of this build";
    return nullptr;
}
