// Paths and expected values of the version fixtures (fixtures/*.rc, built
// into PE and ELF files by tests/version/CMakeLists.txt).
#pragma once

#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace fixtures {

inline std::string Path(const std::string& Name) {
    return std::string(MORVANE_FIXTURE_DIR "/") + Name;
}

inline std::vector<unsigned char> ReadBytes(const std::string& FileName) {
    std::ifstream In(FileName, std::ios::binary);
    return {std::istreambuf_iterator<char>(In), std::istreambuf_iterator<char>()};
}

// The values of fixtures/complete.rc in VersionKeys order (no Release).
inline const std::vector<std::string> Complete = {
    "Fixture Works",
    "Fixture file",
    "2.5.0.17",
    "fixture",
    "Copyright \u00a9 2026 Fixture Works",
    "See LICENSE",
    "fixture.dll",
    "Fixture Product",
    "2.5",
    "Written for the tests",
};

} // namespace fixtures
