#include "GetFileVerInfo.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#ifndef _WIN32
#include <sys/stat.h>
#include <unistd.h>
#endif

#include "Fixtures.h"

namespace {

// The entries ReadVersionStrings appends, in UTF-8.
std::vector<std::string> Read(const std::string& FileName) {
#ifdef _WIN32
    return fixtures::InUtf8(fixtures::Entries(ReadVersionStrings, FileName));
#else
    return fixtures::Entries(ReadVersionStrings, FileName);
#endif
}

std::vector<std::string> CompleteWith(int Index, const std::string& Value) {
    auto V = fixtures::kComplete;
    V[static_cast<std::size_t>(Index)] = Value;
    return V;
}

std::vector<std::string> CompleteWithout(int Index) {
    auto V = fixtures::kComplete;
    V.erase(V.begin() + Index);
    return V;
}

std::vector<std::string> CompletePlus(const std::string& Value) {
    auto V = fixtures::kComplete;
    V.push_back(Value);
    return V;
}

#ifndef _WIN32
// A named pipe with no writer: opening it to read would wait for one.
class NamedPipe {
public:
    NamedPipe() {
        ::unlink(Path.c_str());
        EXPECT_EQ(::mkfifo(Path.c_str(), 0600), 0) << Path;
    }
    ~NamedPipe() { ::unlink(Path.c_str()); }
    NamedPipe(const NamedPipe&) = delete;
    NamedPipe& operator=(const NamedPipe&) = delete;

    const std::string Path =
        testing::TempDir() + "/version_test_no_writer_" + std::to_string(::getpid()) + ".fifo";
};
#endif

// The program's own strings, as resources/version.rc.in sets them.
const std::vector<std::string> kProgramStrings = {
    "Brelmont",
    "Date Calculator",
    MORVANE_VERSION_TEXT,
    "Morvane",
    "Copyright \u00a9 2026 Brelmont",
    "Free software under the MIT licence: see the LICENSE file",
    "morvane",
    "Brelmont Date Calculator",
    MORVANE_VERSION_TEXT,
    "Written by the Brelmont team",
};

} // namespace

TEST(ReadVersionStrings, AppendsTheValuesInKeyTableOrder) {
    using fixtures::Path;
#ifndef _WIN32
    const NamedPipe Pipe;
#endif
    struct Row {
        const char* Name;
        std::string File;
        std::vector<std::string> Expected;
    };
    const Row Rows[] = {
        {"ten standard keys, PE32+ DLL", Path("complete_pe64.dll"), fixtures::kComplete},
        {"ten standard keys, PE32 DLL", Path("complete_pe32.dll"), fixtures::kComplete},
#ifdef _WIN32
        // The system's functions read PE files only; these DLLs are linked
        // by the toolchain, their resources compiled by its own compiler.
        {"ten standard keys, DLL of this toolchain", Path("complete_mingw.dll"),
         fixtures::kComplete},
        {"empty InternalName reads (unknown), DLL of this toolchain", Path("empty_value_mingw.dll"),
         CompleteWith(3, "(unknown)")},
#else
        {"ten standard keys, ELF64 shared object", Path("complete_elf64.so"), fixtures::kComplete},
        {"ten standard keys, ELF32 object", Path("complete_elf32.o"), fixtures::kComplete},
        {"ten standard keys, big-endian ELF64 object", Path("complete_elf64be.o"),
         fixtures::kComplete},
        {"ten standard keys, big-endian ELF32 object", Path("complete_elf32be.o"),
         fixtures::kComplete},
        {"empty InternalName reads (unknown), ELF", Path("empty_value_elf64.so"),
         CompleteWith(3, "(unknown)")},
        {"ELF without a version section", Path("none_elf64.so"), {}},
#endif
        {"empty InternalName reads (unknown), PE", Path("empty_value_pe64.dll"),
         CompleteWith(3, "(unknown)")},
        {"no LegalCopyright moves later values up", Path("no_copyright_pe64.dll"),
         CompleteWithout(4)},
        {"keys and table name in other letter case", Path("mixed_case_pe64.dll"),
         fixtures::kComplete},
        {"a Release key makes eleven", Path("release_pe64.dll"), CompletePlus("R7")},
        {"table under code page 04B0", Path("other_codepage_pe64.dll"), {}},
        {"table under language 0809", Path("other_language_pe64.dll"), {}},
        {"PE without resources", Path("none_pe64.dll"), {}},
        {"a text file", MORVANE_FIXTURE_SOURCE_DIR "/complete.rc", {}},
        {"a directory", MORVANE_FIXTURE_DIR, {}},
#ifndef _WIN32
        {"a named pipe with no writer", Pipe.Path, {}},
#endif
        {"a missing file", Path("no such file.dll"), {}},
        {"an empty file name", "", {}},
    };
    for (const Row& R : Rows) {
        SCOPED_TRACE(R.Name);
        EXPECT_EQ(Read(R.File), R.Expected);
    }
}

TEST(ReadVersionStrings, LegalTrademarksIsAtPositionFive) {
    TStringList List;
    ReadVersionStrings(fixtures::Path("complete_pe64.dll"), List);
    ASSERT_EQ(List.Count(), 10);
    EXPECT_EQ(List[5], "See LICENSE");
    EXPECT_THROW((void)List[10], TStringListError);
}

TEST(ReadVersionStrings, OnlyAppendsToWhatTheListHolds) {
    TStringList List;
    List.Add("kept");
    ReadVersionStrings(fixtures::Path("release_pe64.dll"), List);
    ASSERT_EQ(List.Count(), 12);
    EXPECT_EQ(List[0], "kept");
    EXPECT_EQ(List[1], "Fixture Works");
    EXPECT_EQ(List[11], "R7");
}

// The test executable embeds the program's version script through
// morvane_embed_version_resource(), exactly as the program does.
TEST(EmbeddedVersionResource, ReadsTheProgramStringsFromItsOwnFileAndImage) {
    EXPECT_EQ(Read(fixtures::OwnFile()), kProgramStrings);
    // From memory alone: the file to fall back on does not exist.
    EXPECT_EQ(fixtures::Entries(ReadOwnVersionStrings, fixtures::Path("no such file")),
              kProgramStrings);
}

#ifndef _WIN32
// The ELF builds' own section (a Windows resource is part of the image): a
// small program carrying the program's version section, built as the
// program is, linked with --gc-sections by GNU ld, gold and lld and stripped
// in each way packagers strip programs; every result still reads back the
// ten strings.
TEST(EmbeddedVersionResource, SurvivesEveryLinkerAndStrip) {
    namespace fs = std::filesystem;
    std::string Objects;
    std::ifstream List(MORVANE_FIXTURE_DIR "/probe_objects.txt");
    for (std::string Line; std::getline(List, Line);) {
        Objects += " '" + Line + "'";
    }
    ASSERT_FALSE(Objects.empty());
    const fs::path Dir =
        fs::path(testing::TempDir()) / ("version_link_strip_" + std::to_string(::getpid()));
    fs::create_directories(Dir);

    const char* const Linkers[] = {"bfd", "gold", "lld"};
    struct Strip {
        const char* Name;
        std::string Command; // run on the file in place; empty: left as linked
    };
    const std::string StripTool = MORVANE_STRIP;
    const Strip Strips[] = {
        {"not stripped", ""},
        {"strip --strip-all", StripTool + " --strip-all"},
        {"strip --strip-unneeded", StripTool + " --strip-unneeded"},
        {"as Debian's packaging strips programs",
         StripTool + " --remove-section=.comment --remove-section=.note --strip-unneeded"},
        {"llvm-objcopy --strip-sections", MORVANE_OBJCOPY " --strip-sections"},
    };
    for (const char* Linker : Linkers) {
        const fs::path Linked = Dir / (std::string("linked_") + Linker);
        const std::string Link = std::string(MORVANE_CC) + " -fuse-ld=" + Linker +
                                 " -Wl,--gc-sections" + Objects + " -o '" + Linked.string() + "'";
        ASSERT_EQ(std::system(Link.c_str()), 0) << Link;
        for (const Strip& S : Strips) {
            SCOPED_TRACE(std::string(Linker) + ", " + S.Name);
            const fs::path Out = Dir / "stripped";
            fs::copy_file(Linked, Out, fs::copy_options::overwrite_existing);
            if (!S.Command.empty()) {
                const std::string Command = S.Command + " '" + Out.string() + "'";
                ASSERT_EQ(std::system(Command.c_str()), 0) << Command;
                EXPECT_LT(fs::file_size(Out), fs::file_size(Linked)) << "nothing was stripped";
            }
            EXPECT_EQ(Read(Out.string()), kProgramStrings);
        }
    }
    fs::remove_all(Dir);
}
#endif
