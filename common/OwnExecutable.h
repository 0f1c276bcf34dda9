// Where the running program's own file is: where its version strings are
// read from when its image in memory holds none (ReadOwnVersionStrings).
#pragma once

#include <string>

// The path of the running executable's file, as the bytes the system takes.
// On Linux /proc/self/exe opens that file whatever its name, even after it
// was moved or replaced. Elsewhere the path Qt reports is turned back into
// bytes, which works only while the name is valid in the locale's encoding.
std::string OwnExecutableFile();
