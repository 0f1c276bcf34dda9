// morvane-verinfo <file>
//
// Prints the version strings of <file>, as ReadVersionStrings returns them,
// one per line and in the same order (CompanyName, FileDescription, ...,
// absent keys left out, empty values shown as "(unknown)"). It lets scripts
// and the install checks see what an installed or packaged executable
// carries without starting its windows.
//
// Exit status: 0 when at least one string was read; 1 when the file can't be
// read or holds no version strings (message on stderr); 2 on wrong usage.
#include <cstdio>
#include <exception>

#include "GetFileVerInfo.h"

int main(int argc, char* argv[]) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: morvane-verinfo <file>\n");
        return 2;
    }
    try {
        TStringList List;
        ReadVersionStrings(argv[1], List);
        if (List.Count() == 0) {
            std::fprintf(stderr, "morvane-verinfo: %s: no version strings\n", argv[1]);
            return 1;
        }
        for (int I = 0; I < List.Count(); ++I)
            std::printf("%s\n", List[I].c_str());
        return std::fflush(stdout) == 0 ? 0 : 1;
    } catch (const std::exception& E) {
        std::fprintf(stderr, "morvane-verinfo: %s\n", E.what());
        return 1;
    }
}
