// Helpers shared by the holiday tests: dates as ISO text, and files written
// for a test in a folder of its own.
#pragma once

#include "../TableNames.h"
#include "DateRoutines.h"

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <string>
#include <string_view>
#include <vector>

#include <unistd.h>

// The day number of YYYY-MM-DD.
inline std::int32_t IsoDay(std::string_view Text) {
    const auto Part = [&](std::size_t At, std::size_t Length) {
        return std::stoi(std::string(Text.substr(At, Length)));
    };
    return static_cast<std::int32_t>(MakeDate(Part(0, 4), Part(5, 2), Part(8, 2)));
}

// Day numbers as YYYY-MM-DD, for readable failures.
inline std::vector<std::string> IsoTexts(const std::vector<std::int32_t>& Days) {
    std::vector<std::string> Texts;
    for (const std::int32_t Day : Days) {
        char Text[10];
        WriteIsoDate(Text, SplitDate(Day));
        Texts.emplace_back(Text, 10);
    }
    return Texts;
}

// A folder for one test's files, removed with everything in it.
class TScratchFolder {
public:
    explicit TScratchFolder(const std::string& Name)
        : FPath(std::filesystem::temp_directory_path() /
                (Name + "-" + std::to_string(::getpid()))) {
        std::filesystem::create_directories(FPath);
    }
    ~TScratchFolder() { std::filesystem::remove_all(FPath); }
    TScratchFolder(const TScratchFolder&) = delete;
    TScratchFolder& operator=(const TScratchFolder&) = delete;

    // Writes Text, bytes as they are, to the file Name in the folder.
    std::string Write(const std::string& Name, std::string_view Text) const {
        const std::string Path = (FPath / Name).string();
        std::ofstream(Path, std::ios::binary).write(Text.data(), Text.size());
        return Path;
    }
    std::string Path() const { return FPath.string(); }

private:
    std::filesystem::path FPath;
};
