// Prints the running program's own version strings, one per line, as
// ReadOwnVersionStrings reads them from its image in memory (else from the
// file named by the first argument). The hostile-input tests run crafted
// copies of it.
#include <cstdio>

#include "GetFileVerInfo.h"

int main(int argc, char* argv[]) {
    TStringList List;
    ReadOwnVersionStrings(argc > 1 ? argv[1] : "", List);
    for (int I = 0; I < List.Count(); ++I) {
        std::printf("%s\n", List[I].c_str());
    }
    return 0;
}
