// Paths and expected values of the version fixtures (fixtures/*.rc, built
// into PE and ELF files by tests/version/CMakeLists.txt).
#pragma once

#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "GetFileVerInfo.h"

#ifdef _WIN32
#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>
#endif

namespace fixtures {

inline std::string Path(const std::string& Name) {
    return std::string(MORVANE_FIXTURE_DIR "/") + Name;
}

inline std::vector<unsigned char> ReadBytes(const std::string& FileName) {
    std::ifstream In(FileName, std::ios::binary);
    return {std::istreambuf_iterator<char>(In), std::istreambuf_iterator<char>()};
}

// The entries Reader (ReadVersionStrings or a reader of its kind) appends
// to an empty list for FileName.
inline std::vector<std::string> Entries(void (*Reader)(const std::string&, TStringList&),
                                        const std::string& FileName) {
    TStringList List;
    Reader(FileName, List);
    std::vector<std::string> Out;
    for (int I = 0; I < List.Count(); ++I) {
        Out.push_back(List[I]);
    }
    return Out;
}

// The running test executable, which carries the program's version
// information.
inline std::string OwnFile() {
#ifdef _WIN32
    char Name[MAX_PATH + 1] = {};
    GetModuleFileNameA(nullptr, Name, MAX_PATH);
    return Name;
#else
    return "/proc/self/exe";
#endif
}

#ifdef _WIN32
// Entries in the ANSI code page, as the system's functions give them, in
// UTF-8.
inline std::vector<std::string> InUtf8(std::vector<std::string> Entries) {
    for (std::string& S : Entries) {
        const int Units = MultiByteToWideChar(CP_ACP, 0, S.data(), int(S.size()), nullptr, 0);
        std::wstring Wide(std::size_t(Units), L'\0');
        MultiByteToWideChar(CP_ACP, 0, S.data(), int(S.size()), Wide.data(), Units);
        const int Bytes =
            WideCharToMultiByte(CP_UTF8, 0, Wide.data(), Units, nullptr, 0, nullptr, nullptr);
        S.assign(std::size_t(Bytes), '\0');
        WideCharToMultiByte(CP_UTF8, 0, Wide.data(), Units, S.data(), Bytes, nullptr, nullptr);
    }
    return Entries;
}
#endif

// The values of fixtures/complete.rc in VersionKeys order (no Release).
inline const std::vector<std::string> kComplete = {
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
