// Damaged and hostile files: every read must stay inside the bytes given
// (the sanitizer build checks that), and what is found must be either the
// true value or nothing.
#include "GetFileVerInfo.h"
#include "VersionResource.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <functional>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "Fixtures.h"

#ifndef _WIN32
#include <sys/wait.h>
#include <unistd.h>
#endif

namespace {

using Bytes = std::vector<unsigned char>;
using Found = std::vector<int>; // positions in VersionKeys that read a value

const Found kAll = {0, 1, 2, 3, 4, 5, 6, 7, 8, 9};
const Found kNone = {};

std::uint64_t Get(const Bytes& B, std::size_t Off, int Size) {
    std::uint64_t V = 0;
    for (int I = Size - 1; I >= 0; --I) {
        V = V << 8 | B.at(Off + static_cast<std::size_t>(I));
    }
    return V;
}

void Set(Bytes& B, std::size_t Off, int Size, std::uint64_t V) {
    for (int I = 0; I < Size; ++I, V >>= 8) {
        B.at(Off + static_cast<std::size_t>(I)) = static_cast<unsigned char>(V & 0xFF);
    }
}

// Reads every key the way ReadVersionStrings does, from memory.
std::vector<std::optional<std::string>> ReadKeys(const Bytes& Buffer) {
    std::vector<std::optional<std::string>> Out(VersionKeys.size());
    for (std::size_t I = 0; I < VersionKeys.size(); ++I) {
        const std::string Path = std::string("StringFileInfo\\040904E4\\") + VersionKeys[I];
        void* Value = nullptr;
        unsigned Len = 0;
        if (verinfo::QueryVersionValue(const_cast<unsigned char*>(Buffer.data()), Path.c_str(),
                                       &Value, &Len)) {
            Out[I] = static_cast<const char*>(Value);
        }
    }
    return Out;
}

std::vector<std::optional<std::string>> ReadFileKeys(const Bytes& File) {
    const verinfo::MemorySource Source(File);
    const std::uint32_t Size = verinfo::VersionInfoSize(Source);
    if (Size == 0) {
        return std::vector<std::optional<std::string>>(VersionKeys.size());
    }
    Bytes Buffer(Size);
    EXPECT_TRUE(verinfo::LoadVersionInfo(Source, Buffer.data(), Size));
    return ReadKeys(Buffer);
}

std::vector<std::optional<std::string>> ReadBlockKeys(const Bytes& Block) {
    const std::uint16_t Root =
        Block.size() >= 2 ? static_cast<std::uint16_t>(Block[0] | Block[1] << 8) : 0;
    Bytes Buffer(std::max<std::uint32_t>(verinfo::VersionBufferSize(Block.size(), Root), 2));
    verinfo::PrepareVersionBuffer(Block, Buffer.data(), static_cast<std::uint32_t>(Buffer.size()));
    return ReadKeys(Buffer);
}

void ExpectFound(const std::vector<std::optional<std::string>>& Keys, const Found& Expected) {
    for (int I = 0; I < static_cast<int>(Keys.size()); ++I) {
        const bool Wanted = std::find(Expected.begin(), Expected.end(), I) != Expected.end();
        EXPECT_EQ(Keys[static_cast<std::size_t>(I)].has_value(), Wanted)
            << VersionKeys[static_cast<std::size_t>(I)];
        if (Wanted && Keys[static_cast<std::size_t>(I)]) {
            EXPECT_EQ(*Keys[static_cast<std::size_t>(I)],
                      fixtures::kComplete[static_cast<std::size_t>(I)]);
        }
    }
}

// --- where things are in the PE32+ fixture --------------------------------

struct PeLayout {
    std::size_t Optional, SectionTable, ResourceDirEntry, RsrcSection, Root;
    std::size_t TypeEntry, NamesDir, NameEntry, LangsDir, LangEntry, DataEntry;
};

PeLayout LayOut(const Bytes& B) {
    PeLayout L{};
    const std::size_t Coff = Get(B, 0x3C, 4) + 4;
    L.Optional = Coff + 20;
    L.SectionTable = L.Optional + Get(B, Coff + 16, 2);
    L.ResourceDirEntry = L.Optional + 112 + 16;
    const std::uint64_t Rva = Get(B, L.ResourceDirEntry, 4);
    for (std::size_t S = L.SectionTable;; S += 40) {
        if (std::memcmp(&B.at(S), ".rsrc", 5) == 0) {
            L.RsrcSection = S;
            L.Root = Get(B, S + 20, 4) + (Rva - Get(B, S + 12, 4));
            break;
        }
    }
    L.TypeEntry = L.Root + 16;
    L.NamesDir = Get(B, L.TypeEntry + 4, 4) & 0x7FFFFFFF;
    L.NameEntry = L.Root + L.NamesDir + 16;
    L.LangsDir = Get(B, L.NameEntry + 4, 4) & 0x7FFFFFFF;
    L.LangEntry = L.Root + L.LangsDir + 16;
    L.DataEntry = L.Root + Get(B, L.LangEntry + 4, 4);
    return L;
}

// --- where things are in the ELF64 fixture --------------------------------

struct ElfLayout {
    std::size_t SectionTable, EntrySize, Count, Names, VersionHeader;
};

ElfLayout LayOutElf(const Bytes& B) {
    ElfLayout L{};
    L.SectionTable = Get(B, 0x28, 8);
    L.EntrySize = Get(B, 0x3A, 2);
    L.Count = Get(B, 0x3C, 2);
    const std::size_t NamesHeader = L.SectionTable + Get(B, 0x3E, 2) * L.EntrySize;
    L.Names = Get(B, NamesHeader + 24, 8);
    for (std::size_t I = 0; I < L.Count; ++I) {
        const std::size_t H = L.SectionTable + I * L.EntrySize;
        if (std::strcmp(reinterpret_cast<const char*>(&B.at(L.Names + Get(B, H, 4))), ".vsinfo") ==
            0) {
            L.VersionHeader = H;
        }
    }
    EXPECT_NE(L.VersionHeader, 0u);
    return L;
}

// The version note of a linked ELF64 file (found by its owner's name), and
// the program header of the note segment that holds it.
std::size_t VersionNote(const Bytes& B) {
    const char Owner[] = "Morvane";
    const auto It = std::search(B.begin(), B.end(), Owner, Owner + sizeof Owner);
    EXPECT_NE(It, B.end());
    return static_cast<std::size_t>(It - B.begin()) - 12;
}

std::size_t NoteSegmentHeader(const Bytes& B, std::size_t Note) {
    const std::size_t Table = Get(B, 0x20, 8);
    for (std::size_t I = 0; I < Get(B, 0x38, 2); ++I) {
        const std::size_t H = Table + I * Get(B, 0x36, 2);
        if (Get(B, H, 4) == 4 && Get(B, H + 8, 8) <= Note &&
            Note < Get(B, H + 8, 8) + Get(B, H + 32, 8)) {
            return H;
        }
    }
    ADD_FAILURE() << "no note segment holds the version note";
    return 0;
}

// Removes the section headers of an ELF64 file, as llvm-objcopy
// --strip-sections leaves it.
void RemoveSectionHeaders(Bytes& B) {
    Set(B, 0x28, 8, 0);
    Set(B, 0x3C, 2, 0);
    Set(B, 0x3E, 2, 0);
}

struct PatchRow {
    const char* Name;
    std::function<void(Bytes&)> Patch;
    Found Expected;
};

// A file of a given size that starts with Head and holds only zeros after
// it, as a sparse file does, without storing them.
class SparseSource final : public verinfo::ByteSource {
public:
    SparseSource(const Bytes& Head, std::uint64_t Size) : Start(Head), Length(Size) {}
    std::uint64_t Size() const override { return Length; }
    bool ReadAt(std::uint64_t Offset, void* Dest, std::size_t Count) const override {
        if (Count > Length || Offset > Length - Count) {
            return false;
        }
        auto* Out = static_cast<unsigned char*>(Dest);
        for (std::size_t I = 0; I < Count; ++I) {
            Out[I] = Offset + I < Start.size() ? Start[Offset + I] : 0;
        }
        return true;
    }

private:
    const Bytes& Start;
    std::uint64_t Length;
};

// Counts the reads made through it and the bytes they ask for: the work the
// reader does on a file.
class CountingSource final : public verinfo::ByteSource {
public:
    explicit CountingSource(const verinfo::ByteSource& Inner) : In(Inner) {}
    std::uint64_t Size() const override { return In.Size(); }
    bool ReadAt(std::uint64_t Offset, void* Dest, std::size_t Count) const override {
        ++Reads;
        Bytes += Count;
        return In.ReadAt(Offset, Dest, Count);
    }
    mutable std::uint64_t Reads = 0;
    mutable std::uint64_t Bytes = 0;

private:
    const verinfo::ByteSource& In;
};

} // namespace

TEST(HostileInput, TruncatedFilesYieldAllOrNothing) {
    for (const char* Name : {"complete_pe64.dll", "complete_pe32.dll", "complete_elf64.so",
                             "complete_elf32.o", "complete_elf64be.o"}) {
        SCOPED_TRACE(Name);
        const Bytes File = fixtures::ReadBytes(fixtures::Path(Name));
        ASSERT_GT(File.size(), 256u);
        ExpectFound(ReadFileKeys(File), kAll);
        std::size_t Runs = 0;
        std::size_t Complete = 0;
        for (std::size_t Length = 0; Length < File.size(); ++Length, ++Runs) {
            const Bytes Cut(File.begin(),
                            File.begin() + static_cast<long>(Length)); // exact size for ASan
            const auto Keys = ReadFileKeys(Cut);
            const bool Any =
                std::any_of(Keys.begin(), Keys.end(), [](const auto& K) { return K.has_value(); });
            if (Any) {
                ++Complete;
                ExpectFound(Keys, kAll);
            }
        }
        EXPECT_EQ(Runs, File.size());
        // PE and linked ELF: the resource or note lies before the file's end,
        // so longer cuts still hold it; ELF objects: the section table comes
        // last, so no cut does.
        if (!std::string(Name).ends_with(".o")) {
            EXPECT_GT(Complete, 0u);
        }
    }
}

TEST(HostileInput, TruncatedBlocksYieldPrefixesOfTheTrueValues) {
    const Bytes Block = fixtures::ReadBytes(fixtures::Path("complete.bin"));
    std::size_t Runs = 0;
    for (std::size_t Length = 0; Length <= Block.size(); ++Length, ++Runs) {
        const Bytes Cut(Block.begin(), Block.begin() + static_cast<long>(Length));
        const auto Keys = ReadBlockKeys(Cut);
        for (std::size_t I = 0; I < 10; ++I) {
            if (Keys[I]) {
                EXPECT_EQ(fixtures::kComplete[I].rfind(*Keys[I], 0), 0u)
                    << "length " << Length << ": " << *Keys[I];
            }
        }
    }
    EXPECT_EQ(Runs, Block.size() + 1);
}

TEST(HostileInput, PatchedPeFiles) {
    const Bytes Original = fixtures::ReadBytes(fixtures::Path("complete_pe64.dll"));
    const PeLayout L = LayOut(Original);
    const PatchRow Rows[] = {
        {"unpatched", [](Bytes&) {}, kAll},
        {"PE header offset past the end", [](Bytes& B) { Set(B, 0x3C, 4, 0xFFFFFFF0); }, kNone},
        {"PE header offset at the last bytes", [](Bytes& B) { Set(B, 0x3C, 4, B.size() - 2); },
         kNone},
        {"unknown optional header magic", [&](Bytes& B) { Set(B, L.Optional, 2, 0x30B); }, kNone},
        {"65535 sections", [&](Bytes& B) { Set(B, L.Optional - 18, 2, 0xFFFF); }, kAll},
        {"resource directory size 4 GiB",
         [&](Bytes& B) { Set(B, L.ResourceDirEntry + 4, 4, 0xFFFFFFFF); }, kAll},
        {"resource directory size ends inside the tree",
         [&](Bytes& B) { Set(B, L.ResourceDirEntry + 4, 4, 24); }, kNone},
        {"resource RVA in no section", [&](Bytes& B) { Set(B, L.ResourceDirEntry, 4, 0x7FFFFFF0); },
         kNone},
        {"resource section data past the end",
         [&](Bytes& B) { Set(B, L.RsrcSection + 20, 4, 0xFFFFFE00); }, kNone},
        {"resource section size 4 GiB",
         [&](Bytes& B) { Set(B, L.RsrcSection + 16, 4, 0xFFFFFFFF); }, kAll},
        {"root directory claims 65535 entries", [&](Bytes& B) { Set(B, L.Root + 14, 2, 0xFFFF); },
         kNone},
        {"type directory points back at the root",
         [&](Bytes& B) { Set(B, L.TypeEntry + 4, 4, 0x80000000); }, kNone},
        {"name directory points at itself",
         [&](Bytes& B) { Set(B, L.NameEntry + 4, 4, 0x80000000 | L.NamesDir); }, kNone},
        {"name directory past the section",
         [&](Bytes& B) { Set(B, L.TypeEntry + 4, 4, 0xFFFFFFF0); }, kNone},
        {"language entry is a directory",
         [&](Bytes& B) { Set(B, L.LangEntry + 4, 4, 0x80000000 | L.LangsDir); }, kNone},
        {"data entry past the section", [&](Bytes& B) { Set(B, L.LangEntry + 4, 4, 0x7FFFFFF0); },
         kNone},
        {"data size past the file", [&](Bytes& B) { Set(B, L.DataEntry + 4, 4, 0x7FFFFFFF); },
         kNone},
        {"data RVA in no section", [&](Bytes& B) { Set(B, L.DataEntry, 4, 0xFFFFFF00); }, kNone},
        {"data size 0", [&](Bytes& B) { Set(B, L.DataEntry + 4, 4, 0); }, kNone},
    };
    for (const PatchRow& R : Rows) {
        SCOPED_TRACE(R.Name);
        Bytes B = Original;
        R.Patch(B);
        ExpectFound(ReadFileKeys(B), R.Expected);
    }
}

TEST(HostileInput, PatchedElfFiles) {
    // The section headers, in an object holding the bare block in .vsinfo
    // (as earlier builds wrote it): no program header leads to the block.
    const Bytes Object = fixtures::ReadBytes(fixtures::Path("complete_bare_elf64.o"));
    const ElfLayout L = LayOutElf(Object);
    const std::size_t V = L.VersionHeader;
    const PatchRow SectionRows[] = {
        {"unpatched", [](Bytes&) {}, kAll},
        {"section table past the end", [](Bytes& B) { Set(B, 0x28, 8, B.size() + 8); }, kNone},
        {"section table offset near 2^64", [](Bytes& B) { Set(B, 0x28, 8, ~std::uint64_t(15)); },
         kNone},
        {"section entries too small", [](Bytes& B) { Set(B, 0x3A, 2, 16); }, kNone},
        {"65535 sections", [](Bytes& B) { Set(B, 0x3C, 2, 0xFFFF); }, kNone},
        {"extended section count 2^62",
         [&](Bytes& B) {
             Set(B, 0x3C, 2, 0);
             Set(B, L.SectionTable + 32, 8, std::uint64_t(1) << 62);
         },
         kNone},
        {"name table index out of range", [&](Bytes& B) { Set(B, 0x3E, 2, L.Count); }, kNone},
        {"version section offset past the end",
         [&](Bytes& B) { Set(B, V + 24, 8, std::uint64_t(1) << 63); }, kNone},
        {"version section size past the end",
         [&](Bytes& B) { Set(B, V + 32, 8, std::uint64_t(1) << 40); }, kNone},
        {"version section offset plus size wraps",
         [&](Bytes& B) {
             Set(B, V + 24, 8, 16);
             Set(B, V + 32, 8, ~std::uint64_t(7));
         },
         kNone},
        {"version section name outside the name table", [&](Bytes& B) { Set(B, V, 4, 0xFFFFFFFF); },
         kNone},
        {"version section without contents", [&](Bytes& B) { Set(B, V + 4, 4, 8); }, kNone},
        {"unknown class", [](Bytes& B) { B[4] = 3; }, kNone},
        {"unknown byte order", [](Bytes& B) { B[5] = 0; }, kNone},
    };

    // The program headers of a linked file, mostly with its section headers
    // removed as llvm-objcopy --strip-sections leaves them.
    const Bytes Linked = fixtures::ReadBytes(fixtures::Path("complete_elf64.so"));
    const std::size_t Note = VersionNote(Linked);
    const std::size_t Segment = NoteSegmentHeader(Linked, Note);
    const auto NoSections = RemoveSectionHeaders;
    const PatchRow NoteRows[] = {
        {"no section headers", NoSections, kAll},
        {"program headers past the end, the section kept",
         [](Bytes& B) { Set(B, 0x20, 8, B.size()); }, kAll},
        {"note segment past the end",
         [&](Bytes& B) {
             NoSections(B);
             Set(B, Segment + 8, 8, B.size());
         },
         kNone},
        {"note segment of 4 GiB",
         [&](Bytes& B) {
             NoSections(B);
             Set(B, Segment + 32, 8, std::uint64_t(1) << 32);
         },
         kNone},
        {"note owner size past the segment",
         [&](Bytes& B) {
             NoSections(B);
             Set(B, Note, 4, 0xFFFFFFF0);
         },
         kNone},
        {"note descriptor past the segment",
         [&](Bytes& B) {
             NoSections(B);
             Set(B, Note + 4, 4, 0xFFFFFF00);
         },
         kNone},
        // The section leads to the same note, so it is refused both ways.
        {"another note owner", [&](Bytes& B) { B.at(Note + 12) = 'X'; }, kNone},
    };
    for (const auto& [Original, Rows] : {std::pair{&Object, std::span<const PatchRow>(SectionRows)},
                                         std::pair{&Linked, std::span<const PatchRow>(NoteRows)}}) {
        for (const PatchRow& R : Rows) {
            SCOPED_TRACE(R.Name);
            Bytes B = *Original;
            R.Patch(B);
            ExpectFound(ReadFileKeys(B), R.Expected);
        }
    }
}

// A header may claim a table as large as the file (here up to 67 million
// section headers). The reader reads each table of headers at most once and
// none larger than 4 MiB, so its work stays a few reads, whatever the count.
TEST(HostileInput, ClaimedTableSizesCostAFewReads) {
    struct Row {
        const char* Name;
        const char* File;
        std::uint64_t Size;
        std::function<void(Bytes&, std::uint64_t Size)> Patch;
    };
    const Row Rows[] = {
        {"ELF, 1.5 million section headers in 100 MB", "none_elf64.so", 100'000'000,
         [](Bytes& B, std::uint64_t) {
             Set(B, 0x3C, 2, 0); // the count is in section 0's size field
             Set(B, Get(B, 0x28, 8) + 32, 8, 1'500'000);
         }},
        {"ELF, every section header a 4 GiB sparse file holds", "none_elf64.so",
         std::uint64_t(4) << 30,
         [](Bytes& B, std::uint64_t Size) {
             const std::uint64_t Table = Get(B, 0x28, 8);
             Set(B, 0x3C, 2, 0);
             Set(B, Table + 32, 8, (Size - Table) / 64);
         }},
        {"PE, 65535 sections and the resources in none", "complete_pe64.dll",
         std::uint64_t(4) << 20,
         [](Bytes& B, std::uint64_t) {
             const PeLayout L = LayOut(B);
             Set(B, L.Optional - 18, 2, 0xFFFF);
             Set(B, L.ResourceDirEntry, 4, 0x7FFFFFF0);
         }},
    };
    for (const Row& R : Rows) {
        SCOPED_TRACE(R.Name);
        Bytes Head = fixtures::ReadBytes(fixtures::Path(R.File));
        R.Patch(Head, R.Size);
        const SparseSource File(Head, R.Size);
        const CountingSource Counted(File);
        EXPECT_EQ(verinfo::VersionInfoSize(Counted), 0u);
        EXPECT_LE(Counted.Reads, 24u);
        EXPECT_LE(Counted.Bytes, std::uint64_t(4) << 20);
    }
}

TEST(HostileInput, PatchedVersionBlocks) {
    const Bytes Original = fixtures::ReadBytes(fixtures::Path("complete.bin"));
    auto NodeOf = [&](const char* Key) {
        std::string Wide;
        for (const char* P = Key;; ++P) {
            Wide += *P;
            Wide += '\0';
            if (!*P) {
                break;
            }
        }
        const auto It = std::search(Original.begin(), Original.end(), Wide.begin(), Wide.end());
        return static_cast<std::size_t>(It - Original.begin()) - 6;
    };
    // fixtures/complete.rc stores Comments and ProductName before CompanyName.
    const Found BeforeCompanyName = {7, 9};
    const Found ThroughCompanyName = {0, 7, 9};
    const Found AllButCompanyName = {1, 2, 3, 4, 5, 6, 7, 8, 9};
    const std::size_t Company = NodeOf("CompanyName");
    const std::size_t FileInfo = NodeOf("StringFileInfo");
    const std::size_t Table = NodeOf("040904E4");
    const PatchRow Rows[] = {
        {"unpatched", [](Bytes&) {}, kAll},
        {"root length 0", [](Bytes& B) { Set(B, 0, 2, 0); }, kNone},
        {"root length past the block", [](Bytes& B) { Set(B, 0, 2, 0xFFFF); }, kAll},
        {"string table length 0", [&](Bytes& B) { Set(B, Table, 2, 0); }, kNone},
        {"string table length past its parent", [&](Bytes& B) { Set(B, Table, 2, 0xFFF0); }, kAll},
        {"string length 0", [&](Bytes& B) { Set(B, Company, 2, 0); }, BeforeCompanyName},
        {"string shorter than its header", [&](Bytes& B) { Set(B, Company, 2, 5); },
         BeforeCompanyName},
        {"string ends inside its key", [&](Bytes& B) { Set(B, Company, 2, 12); },
         BeforeCompanyName},
        {"string length past the table", [&](Bytes& B) { Set(B, Company, 2, 0xFFFF); },
         ThroughCompanyName},
        {"a 4-byte node before a string is stepped over",
         [&](Bytes& B) {
             for (const std::size_t Parent : {std::size_t(0), FileInfo, Table}) {
                 Set(B, Parent, 2, Get(B, Parent, 2) + 4);
             }
             B.insert(B.begin() + static_cast<long>(Company), {4, 0, 0, 0});
         },
         kAll},
        {"a key that no longer matches", [&](Bytes& B) { Set(B, Company + 6, 2, 'K'); },
         AllButCompanyName},
    };
    for (const PatchRow& R : Rows) {
        SCOPED_TRACE(R.Name);
        Bytes B = Original;
        R.Patch(B);
        ExpectFound(ReadBlockKeys(B), R.Expected);
    }
}

#ifndef _WIN32
namespace {

// Moves the version note's segment of a linked ELF64 program to pages past
// the end of its file and has them loaded: the PT_GNU_STACK header (which
// only asks for a stack that is not executable) becomes a readable loaded
// segment of two pages there. The kernel maps such pages all the same, and
// reading them raises SIGBUS.
void MoveNoteSegmentPastTheEnd(Bytes& B) {
    constexpr std::uint64_t Page = 0x1000;
    const std::size_t Table = Get(B, 0x20, 8);
    std::size_t Stack = 0;
    std::uint64_t End = 0;
    for (std::size_t I = 0; I < Get(B, 0x38, 2); ++I) {
        const std::size_t H = Table + I * Get(B, 0x36, 2);
        if (Get(B, H, 4) == 0x6474E551) { // PT_GNU_STACK
            Stack = H;
        } else if (Get(B, H, 4) == 1) { // PT_LOAD: the kernel wants them in order
            EXPECT_EQ(Stack, 0u) << "a loaded segment after PT_GNU_STACK";
            End = std::max(End, Get(B, H + 16, 8) + Get(B, H + 40, 8));
        }
    }
    ASSERT_NE(Stack, 0u);
    const std::uint64_t Offset = (B.size() + Page - 1) / Page * Page;
    const std::uint64_t Address = (End + Page - 1) / Page * Page + 16 * Page;
    const std::size_t Segment = NoteSegmentHeader(B, VersionNote(B));
    ASSERT_LE(Get(B, Segment + 32, 8), 2 * Page);
    Set(B, Stack, 4, 1);     // PT_LOAD
    Set(B, Stack + 4, 4, 4); // PF_R
    for (const std::size_t H : {Stack, Segment}) {
        Set(B, H + 8, 8, Offset);
        Set(B, H + 16, 8, Address);
        Set(B, H + 24, 8, Address);
    }
    Set(B, Stack + 32, 8, 2 * Page);
    Set(B, Stack + 40, 8, 2 * Page);
    Set(B, Stack + 48, 8, Page);
}

} // namespace

// A program whose own version note lies where its file holds nothing reads
// its strings from wherever they can be read, and is never killed for
// reading what is not there.
TEST(HostileInput, CraftedImagesOfTheRunningProgram) {
    namespace fs = std::filesystem;
    const Bytes Original = fixtures::ReadBytes(MORVANE_OWN_PROBE);
    // What the file reader finds in the program as linked.
    const auto Strings = fixtures::Entries(ReadVersionStrings, MORVANE_OWN_PROBE);
    ASSERT_EQ(Strings.size(), 10u);
    const PatchRow Rows[] = {
        {"as linked", [](Bytes&) {}, kAll},
        // In memory the note can't be read; the file still has the section.
        {"the version note in pages past the end of the file", MoveNoteSegmentPastTheEnd, kAll},
        {"the version note past the end and no section headers",
         [](Bytes& B) {
             MoveNoteSegmentPastTheEnd(B);
             RemoveSectionHeaders(B);
         },
         kNone},
    };
    const fs::path Program =
        fs::path(testing::TempDir()) / ("version_crafted_probe_" + std::to_string(::getpid()));
    for (const PatchRow& R : Rows) {
        SCOPED_TRACE(R.Name);
        Bytes B = Original;
        R.Patch(B);
        fs::remove(Program);
        std::FILE* Out = std::fopen(Program.c_str(), "wb");
        ASSERT_NE(Out, nullptr);
        ASSERT_EQ(std::fwrite(B.data(), 1, B.size(), Out), B.size());
        ASSERT_EQ(std::fclose(Out), 0);
        fs::permissions(Program, fs::perms::owner_all);

        // The program falls back on its own file.
        const std::string Command = "'" + Program.string() + "' '" + Program.string() + "'";
        std::FILE* Run = ::popen(Command.c_str(), "r");
        ASSERT_NE(Run, nullptr);
        std::vector<std::string> Printed;
        char Line[512];
        while (std::fgets(Line, sizeof Line, Run)) {
            Printed.emplace_back(Line, std::strcspn(Line, "\n"));
        }
        const int Status = ::pclose(Run);
        // The shell reports a program killed by signal N as exit status
        // 128 + N (135 for SIGBUS).
        EXPECT_TRUE(WIFEXITED(Status) && WEXITSTATUS(Status) == 0)
            << "exit status " << WEXITSTATUS(Status);
        EXPECT_EQ(Printed, R.Expected == kAll ? Strings : std::vector<std::string>());
    }
    fs::remove(Program);
}
#endif
