// The version block of an ELF file (32 or 64 bit, either byte order): the
// descriptor of the note with owner "Morvane" and type 16, found through the
// PT_NOTE program headers or, failing that, in the section named .vsinfo.
#include <algorithm>
#include <cstring>
#include <vector>

#include "ByteOrder.h"
#include "ImageFormats.h"

namespace verinfo {

namespace {

constexpr unsigned char kElfMagic[4] = {0x7F, 'E', 'L', 'F'};
constexpr std::uint32_t kSectionNote = 7;   // SHT_NOTE
constexpr std::uint32_t kSectionNoBits = 8; // SHT_NOBITS

// The note that holds the version block: owner "Morvane", type 16 (the
// resource type of version information), the block as its descriptor.
constexpr char kNoteOwner[8] = "Morvane"; // with its NUL
constexpr std::uint64_t kNoteType = 16;

// An ELF file (32 or 64 bit, either byte order) and its file header.
struct ElfFile {
    const ByteSource& Src;
    bool Is64 = false;
    bool Big = false;
    unsigned char Header[64] = {}; // 52 bytes used in a 32-bit file

    template <std::size_t N> std::uint64_t Int(const unsigned char* P) const {
        return Decode<N>(P, Big);
    }
    // The header field at Off64 (64-bit file) or Off32 (32-bit file), an
    // address-sized one when Wide.
    std::uint64_t Field(std::size_t Off64, std::size_t Off32, bool Wide = false) const {
        if (Wide) {
            return Is64 ? Int<8>(Header + Off64) : Int<4>(Header + Off32);
        }
        return Int<2>(Header + (Is64 ? Off64 : Off32));
    }
};

std::optional<ElfFile> ReadElfHeader(const ByteSource& Source) {
    ElfFile F{Source};
    if (!Source.ReadAt(0, F.Header, 16) || std::memcmp(F.Header, kElfMagic, 4) != 0) {
        return std::nullopt;
    }
    F.Is64 = F.Header[4] == 2;
    F.Big = F.Header[5] == 2;
    if ((F.Header[4] != 1 && !F.Is64) || (F.Header[5] != 1 && !F.Big) ||
        !Source.ReadAt(16, F.Header + 16, F.Is64 ? 48 : 36)) {
        return std::nullopt;
    }
    return F;
}

// Returns the location of the version note through the program headers
// (PT_NOTE), which a linked file keeps even when its section headers are
// stripped, or nullopt.
std::optional<ResourceLocation> FindElfNote(const ElfFile& F) {
    const std::uint64_t Table = F.Field(0x20, 0x1C, true);
    const std::uint64_t EntrySize = F.Field(0x36, 0x2A);
    const std::uint64_t Count = F.Field(0x38, 0x2C);
    if (Table == 0 || EntrySize < (F.Is64 ? 56u : 32u)) {
        return std::nullopt;
    }
    const auto Headers = ReadTable(F.Src, Table, Count * EntrySize);
    if (!Headers) {
        return std::nullopt;
    }
    std::vector<NoteArea> Areas;
    for (std::uint64_t I = 0; I < Count && Areas.size() < kMaxNoteSegments; ++I) {
        const unsigned char* H = Headers->data() + I * EntrySize;
        if (F.Int<4>(H) == kProgramNote) {
            Areas.push_back({F.Is64 ? F.Int<8>(H + 8) : F.Int<4>(H + 4),
                             F.Is64 ? F.Int<8>(H + 32) : F.Int<4>(H + 16),
                             F.Is64 ? F.Int<8>(H + 48) : F.Int<4>(H + 28)});
        }
    }
    return FindVersionNoteIn(F.Src, Areas, F.Big);
}

struct ElfSection {
    std::uint64_t Name, Type, Link, Offset, Size, Align;
};

ElfSection SectionAt(const ElfFile& F, const unsigned char* H) {
    if (F.Is64) {
        return {F.Int<4>(H),      F.Int<4>(H + 4),  F.Int<4>(H + 40),
                F.Int<8>(H + 24), F.Int<8>(H + 32), F.Int<8>(H + 48)};
    }
    return {F.Int<4>(H),      F.Int<4>(H + 4),  F.Int<4>(H + 24),
            F.Int<4>(H + 16), F.Int<4>(H + 20), F.Int<4>(H + 32)};
}

// Returns the location of the block in the section named .vsinfo: the
// version note's descriptor when it is a note section, else (as builds
// before the note wrote it) the whole section. Returns nullopt when there is
// no such section or it holds no block.
std::optional<ResourceLocation> FindElfSection(const ElfFile& F) {
    const std::uint64_t FileSize = F.Src.Size();
    const std::uint64_t Table = F.Field(0x28, 0x20, true);
    const std::uint64_t EntrySize = F.Field(0x3A, 0x2E);
    std::uint64_t Count = F.Field(0x3C, 0x30);
    std::uint64_t NamesIndex = F.Field(0x3E, 0x32);
    const std::size_t Used = F.Is64 ? 64 : 40; // the bytes of an entry read here
    if (Table == 0 || Table >= FileSize || EntrySize < Used) {
        return std::nullopt;
    }

    // Extended numbering: section 0 carries the real count and string-table
    // index when they don't fit the header's 16-bit fields.
    if (Count == 0 || NamesIndex == 0xFFFF) {
        unsigned char Zero[64];
        if (!F.Src.ReadAt(Table, Zero, Used)) {
            return std::nullopt;
        }
        const ElfSection S = SectionAt(F, Zero);
        if (Count == 0) {
            Count = S.Size;
        }
        if (NamesIndex == 0xFFFF) {
            NamesIndex = S.Link;
        }
    }
    if (Count > (FileSize - Table) / EntrySize || NamesIndex >= Count) {
        return std::nullopt;
    }
    const auto Headers = ReadTable(F.Src, Table, Count * EntrySize);
    if (!Headers) {
        return std::nullopt;
    }
    const auto Section = [&](std::uint64_t I) {
        return SectionAt(F, Headers->data() + I * EntrySize);
    };
    const ElfSection NameTable = Section(NamesIndex);
    const auto Names = NameTable.Type == kSectionNoBits
                           ? std::nullopt
                           : ReadTable(F.Src, NameTable.Offset, NameTable.Size);
    if (!Names) {
        return std::nullopt;
    }

    static constexpr char Wanted[8] = ".vsinfo"; // with its NUL
    for (std::uint64_t I = 0; I < Count; ++I) {
        const ElfSection S = Section(I);
        if (!Inside(S.Name, sizeof Wanted, Names->size()) ||
            std::memcmp(Names->data() + S.Name, Wanted, sizeof Wanted) != 0) {
            continue;
        }
        if (S.Type == kSectionNoBits || S.Size == 0 || !Inside(S.Offset, S.Size, FileSize)) {
            return std::nullopt;
        }
        if (S.Type == kSectionNote) {
            const NoteArea Area{S.Offset, S.Size, S.Align};
            return FindVersionNoteIn(F.Src, std::span(&Area, 1), F.Big);
        }
        return ResourceLocation{S.Offset, S.Size};
    }
    return std::nullopt;
}

} // namespace

std::optional<ResourceLocation> FindVersionNote(std::span<const unsigned char> Notes,
                                                std::uint64_t Align, bool BigEndian) {
    const std::uint64_t Pad = Align == 8 ? 7 : 3;
    std::uint64_t P = 0;
    while (P < Notes.size() && Notes.size() - P >= 12) {
        const std::uint64_t NameSize = Decode<4>(&Notes[P], BigEndian);
        const std::uint64_t DescSize = Decode<4>(&Notes[P + 4], BigEndian);
        const std::uint64_t Desc = P + 12 + ((NameSize + Pad) & ~Pad);
        if (Desc > Notes.size() || DescSize > Notes.size() - Desc) {
            return std::nullopt;
        }
        if (Decode<4>(&Notes[P + 8], BigEndian) == kNoteType && NameSize == sizeof kNoteOwner &&
            std::memcmp(&Notes[P + 12], kNoteOwner, sizeof kNoteOwner) == 0) {
            if (DescSize == 0) {
                return std::nullopt;
            }
            return ResourceLocation{Desc, DescSize};
        }
        P = Desc + ((DescSize + Pad) & ~Pad);
    }
    return std::nullopt;
}

std::optional<ResourceLocation> FindVersionNoteIn(const ByteSource& Source,
                                                  std::span<const NoteArea> Areas, bool BigEndian) {
    std::uint64_t Budget = kMaxTableBytes;
    for (const NoteArea& Area :
         Areas.first(std::min<std::size_t>(Areas.size(), kMaxNoteSegments))) {
        if (Area.Size > Budget) {
            continue;
        }
        Budget -= Area.Size;
        if (const auto Notes = ReadTable(Source, Area.Where, Area.Size)) {
            if (const auto Found = FindVersionNote(*Notes, Area.Align, BigEndian)) {
                return ResourceLocation{Area.Where + Found->Offset, Found->Size};
            }
        }
    }
    return std::nullopt;
}

bool IsElfFile(const ByteSource& Source) {
    return ReadElfHeader(Source).has_value();
}

// Returns the location of the version block of an ELF file (see the header),
// or nullopt when Source is not an ELF file or holds no block.
std::optional<ResourceLocation> FindElfVersionResource(const ByteSource& Source) {
    const auto File = ReadElfHeader(Source);
    if (!File) {
        return std::nullopt;
    }
    // A linked file: the note its program headers list, found without the
    // section headers. An object file, or a file built before the note: the
    // section. In a file that has both, both lead to the same bytes.
    if (auto Note = FindElfNote(*File)) {
        return Note;
    }
    return FindElfSection(*File);
}

} // namespace verinfo
