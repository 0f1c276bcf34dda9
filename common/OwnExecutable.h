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
