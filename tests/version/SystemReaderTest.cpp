// Windows builds: ReadVersionStrings reads through the system's version
// functions, ReadPortableVersionStrings through the portable ones. Both read
// every PE fixture and must give the same entries, the system's text taken
// from the ANSI code page to UTF-8.
#include "GetFileVerInfo.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "Fixtures.h"

TEST(SystemAndPortableReaders, GiveTheSameEntriesForEveryPeFile) {
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
    };
    for (const Row& R : Rows) {
        SCOPED_TRACE(R.Name);
        const auto System = fixtures::InUtf8(fixtures::Entries(ReadVersionStrings, R.File));
        const auto Portable = fixtures::Entries(ReadPortableVersionStrings, R.File);
        EXPECT_EQ(System, Portable);
        EXPECT_EQ(Portable.size(), R.Entries);
    }
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
