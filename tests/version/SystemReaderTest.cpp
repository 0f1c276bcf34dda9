// Windows builds: ReadVersionStrings reads through the system's version
// functions, ReadPortableVersionStrings through the portable ones. Both read
// every PE fixture and must give the same entries, the system's text taken
// from the ANSI code page to UTF-8.
#include "GetFileVerInfo.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "Fixtures.h"

namespace {

// A copy of complete_pe64.dll whose CompanyName text claims 0xFFFF UTF-16
// units, far past its node: the system's A function has no room to convert
// so many and reports length 0, though the text is there.
std::string CopyWithLongCompanyName() {
    auto Bytes = fixtures::ReadBytes(fixtures::Path("complete_pe64.dll"));
    const std::string Key("C\0o\0m\0p\0a\0n\0y\0N\0a\0m\0e\0\0\0", 24);
    const auto At = std::search(Bytes.begin(), Bytes.end(), Key.begin(), Key.end());
    EXPECT_NE(At, Bytes.end());
    At[-4] = At[-3] = 0xFF; // wValueLength
    const std::string File = testing::TempDir() + "version_test_long_value_" +
                             std::to_string(GetCurrentProcessId()) + ".dll";
    std::ofstream(File, std::ios::binary)
        .write(reinterpret_cast<const char*>(Bytes.data()), std::streamsize(Bytes.size()));
    return File;
}

} // namespace

TEST(SystemAndPortableReaders, GiveTheSameEntriesForEveryPeFile) {
    const std::string LongValue = CopyWithLongCompanyName();
    struct Row {
        const char* Name;
        std::string File;
        std::size_t Entries; // so that two empty answers can't pass for agreement
    };
    using fixtures::Path;
    const Row Rows[] = {
        {"PE32+, llvm-rc and lld-link", Path("complete_pe64.dll"), 10},
        {"PE32, llvm-rc and lld-link", Path("complete_pe32.dll"), 10},
        {"PE32+, this toolchain's compiler and linker", Path("complete_mingw.dll"), 10},
        {"this test executable", fixtures::OwnFile(), 10},
        {"empty value as llvm-rc writes it", Path("empty_value_pe64.dll"), 10},
        {"empty value as this toolchain writes it", Path("empty_value_mingw.dll"), 10},
        {"a missing key", Path("no_copyright_pe64.dll"), 9},
        {"keys and table name in other letter case", Path("mixed_case_pe64.dll"), 10},
        {"a Release key", Path("release_pe64.dll"), 11},
        {"table under another code page", Path("other_codepage_pe64.dll"), 0},
        {"table under another language", Path("other_language_pe64.dll"), 0},
        {"no resources", Path("none_pe64.dll"), 0},
        {"a text whose stored length runs far past its node", LongValue, 10},
    };
    for (const Row& R : Rows) {
        SCOPED_TRACE(R.Name);
        const auto System = fixtures::InUtf8(fixtures::Entries(ReadVersionStrings, R.File));
        const auto Portable = fixtures::Entries(ReadPortableVersionStrings, R.File);
        EXPECT_EQ(System, Portable);
        EXPECT_EQ(Portable.size(), R.Entries);
    }
    std::filesystem::remove(LongValue);
}

namespace {

// A copy of complete_pe64.dll whose COFF header claims 65535 sections: the
// system refuses it, the portable reader finds the resources in the
// sections the file does hold.
std::string CopyWithManySections() {
    auto Bytes = fixtures::ReadBytes(fixtures::Path("complete_pe64.dll"));
    const std::size_t Coff = (Bytes.at(0x3C) | Bytes.at(0x3D) << 8) + 4u;
    Bytes.at(Coff + 2) = Bytes.at(Coff + 3) = 0xFF; // NumberOfSections
    const std::string File = testing::TempDir() + "version_test_many_sections_" +
                             std::to_string(GetCurrentProcessId()) + ".dll";
    std::ofstream(File, std::ios::binary)
        .write(reinterpret_cast<const char*>(Bytes.data()), std::streamsize(Bytes.size()));
    return File;
}

struct ToolRun {
    int Status;
    std::size_t Lines;
};

// Runs morvane-verinfo.exe on File: its exit status and the lines it prints.
ToolRun RunTool(std::string File) {
    std::string Tool = MORVANE_VERINFO;
    std::replace(Tool.begin(), Tool.end(), '/', '\\');
    std::replace(File.begin(), File.end(), '/', '\\');
    // cmd.exe drops the outer quotes.
    const std::string Command = "\"\"" + Tool + "\" \"" + File + "\" 2>nul\"";
    std::FILE* Out = _popen(Command.c_str(), "r");
    EXPECT_NE(Out, nullptr) << Command;
    if (Out == nullptr) {
        return {-1, 0};
    }
    std::size_t Lines = 0;
    for (int C; (C = std::fgetc(Out)) != EOF;) {
        Lines += C == '\n';
    }
    return {_pclose(Out), Lines};
}

} // namespace

// morvane-verinfo.exe prints what the system reads, and takes the portable
// reader only for the ELF files the system can't read.
TEST(SystemAndPortableReaders, TheToolTakesThePortableReaderForElfFilesOnly) {
    const std::string ManySections = CopyWithManySections();
    // The two readers differ on this file, or the row below proves nothing.
    ASSERT_EQ(fixtures::Entries(ReadVersionStrings, ManySections).size(), 0u);
    ASSERT_EQ(fixtures::Entries(ReadPortableVersionStrings, ManySections).size(), 10u);
    struct Row {
        const char* Name;
        std::string File;
        ToolRun Expected;
    };
    const Row Rows[] = {
        {"a PE file the system reads", fixtures::Path("complete_pe64.dll"), {0, 10}},
        {"an ELF file, which the system can't read", fixtures::Path("complete_elf64.so"), {0, 10}},
        {"a PE file the system refuses", ManySections, {1, 0}},
        {"a text file", MORVANE_FIXTURE_SOURCE_DIR "/complete.rc", {1, 0}},
    };
    for (const Row& R : Rows) {
        SCOPED_TRACE(R.Name);
        const ToolRun Got = RunTool(R.File);
        EXPECT_EQ(Got.Status, R.Expected.Status);
        EXPECT_EQ(Got.Lines, R.Expected.Lines);
    }
    std::filesystem::remove(ManySections);
}

// Text outside the ANSI code page (1252 here) can't agree by design: the
// system's A functions put the code page's closest letter where it has one
// (best fit: Greek capital omega becomes "O") and "?" elsewhere, the portable
// reader keeps every character in UTF-8.
TEST(SystemAndPortableReaders, DifferByDesignOutsideTheAnsiCodePage) {
    ASSERT_EQ(GetACP(), 1252u);
    const std::string File = fixtures::Path("outside_ansi_pe64.dll");
    auto System = fixtures::kComplete;
    System[7] = "Fixture Product ??";
    System[9] = "Written for the tests O";
    auto Portable = fixtures::kComplete;
    Portable[7] = "Fixture Product \u65e5\u672c";
    Portable[9] = "Written for the tests \u03a9";
    EXPECT_EQ(fixtures::InUtf8(fixtures::Entries(ReadVersionStrings, File)), System);
    EXPECT_EQ(fixtures::Entries(ReadPortableVersionStrings, File), Portable);
}
