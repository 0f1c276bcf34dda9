#include "VersionResource.h"

#include <algorithm>
#include <array>
#include <cerrno>
#include <cstring>
#include <system_error>
#include <vector>

#include "ByteOrder.h"

#include <fcntl.h>
#include <sys/stat.h>
#ifdef _WIN32
#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <io.h>
#include <windows.h>
#else
#include <bit>
#include <link.h>
#include <unistd.h>
#endif

namespace verinfo {

namespace {

constexpr unsigned char kBufferTag[4] = {'F', 'E', '2', 'X'};

constexpr std::uint64_t Align4(std::uint64_t X) {
    return (X + 3) & ~std::uint64_t(3);
}

// Reads little-endian integers from a ByteSource, one field at a time. A
// read outside the source yields 0 and clears Ok; callers test Ok before
// acting on what they read.
class Reader {
public:
    explicit Reader(const ByteSource& Source) : Src(Source) {}

    std::uint16_t U16(std::uint64_t Off) { return Read<2>(Off); }
    std::uint32_t U32(std::uint64_t Off) { return Read<4>(Off); }
    bool Ok = true;

private:
    template <std::size_t N> TUnsigned<N> Read(std::uint64_t Off) {
        unsigned char B[N];
        if (!Src.ReadAt(Off, B, N)) {
            Ok = false;
            return 0;
        }
        return Le<N>(B);
    }

    const ByteSource& Src;
};

// True when [Off, Off + Count) lies inside [0, Size).
constexpr bool Inside(std::uint64_t Off, std::uint64_t Count, std::uint64_t Size) {
    return Count <= Size && Off <= Size - Count;
}

// The most bytes read for any one table of headers or names: room for
// 65,536 ELF section headers, far more than a linked program has. A larger
// table is not read, so a header that claims millions of entries costs
// nothing; every table is read in one piece, so a real one costs one read.
constexpr std::uint64_t kMaxTableBytes = std::uint64_t(4) << 20;

// Returns the Count bytes at Off of Source, read at once, or nullopt when
// they don't lie wholly inside the source or Count exceeds kMaxTableBytes.
std::optional<std::vector<unsigned char>> ReadTable(const ByteSource& Source, std::uint64_t Off,
                                                    std::uint64_t Count) {
    if (Count > kMaxTableBytes || !Inside(Off, Count, Source.Size())) {
        return std::nullopt;
    }
    std::vector<unsigned char> Bytes(static_cast<std::size_t>(Count));
    if (!Source.ReadAt(Off, Bytes.data(), Bytes.size())) {
        return std::nullopt;
    }
    return Bytes;
}

// ---------------------------------------------------------------------------
// PE

// The section table of a PE file, for turning RVAs into file offsets. The
// table is read once, as far as it lies inside the file.
class PeSections {
public:
    PeSections(const ByteSource& Source, std::uint64_t TableOffset, unsigned Count)
        : Size(Source.Size()) {
        const std::uint64_t Room = TableOffset < Size ? (Size - TableOffset) / 40 : 0;
        // At most 65535 entries of 40 bytes: within kMaxTableBytes.
        if (auto Read = ReadTable(Source, TableOffset, 40 * std::min<std::uint64_t>(Count, Room))) {
            Table = std::move(*Read);
        }
    }

    struct Mapped {
        std::uint64_t Offset;    // file offset of the RVA
        std::uint64_t Available; // bytes from Offset to the end of the section's data in the file
    };

    // Returns where Rva lies in the file: the section with
    // VirtualAddress <= Rva < VirtualAddress + SizeOfRawData. Returns nullopt
    // when no section holds it or its data lies outside the file.
    std::optional<Mapped> Map(std::uint32_t Rva) const {
        for (std::size_t Header = 0; Header < Table.size(); Header += 40) {
            const std::uint32_t VirtualAddress = Le<4>(&Table[Header + 12]);
            const std::uint32_t RawSize = Le<4>(&Table[Header + 16]);
            const std::uint32_t RawPointer = Le<4>(&Table[Header + 20]);
            if (Rva < VirtualAddress ||
                std::uint64_t(Rva) >= std::uint64_t(VirtualAddress) + RawSize) {
                continue;
            }
            const std::uint64_t Delta = Rva - VirtualAddress;
            const std::uint64_t Offset = std::uint64_t(RawPointer) + Delta;
            if (Offset >= Size) {
                return std::nullopt;
            }
            return Mapped{Offset, std::min<std::uint64_t>(RawSize - Delta, Size - Offset)};
        }
        return std::nullopt;
    }

private:
    std::vector<unsigned char> Table;
    std::uint64_t Size;
};

struct DirEntry {
    std::uint32_t Name;   // bit 31 set: string name; else the numeric id
    std::uint32_t Target; // bit 31 set: subdirectory offset; else a data entry offset
};

constexpr std::uint32_t kHighBit = 0x80000000u;

// The resource directory tree: every offset is relative to its root and must
// stay inside [0, Limit).
class PeResourceTree {
public:
    PeResourceTree(const ByteSource& Source, std::uint64_t RootOffset, std::uint64_t Limit)
        : Src(Source), Root(RootOffset), Lim(Limit) {}

    // Returns the entries of the directory at DirOff, or nullopt when its
    // header or entries run past the limit.
    std::optional<std::vector<DirEntry>> Entries(std::uint64_t DirOff) const {
        unsigned char Header[16];
        if (!Inside(DirOff, 16, Lim) || !Src.ReadAt(Root + DirOff, Header, 16)) {
            return std::nullopt;
        }
        const std::uint64_t Count = std::uint64_t{Le<2>(Header + 12)} + Le<2>(Header + 14);
        if (!Inside(DirOff + 16, 8 * Count, Lim)) {
            return std::nullopt;
        }
        std::vector<unsigned char> Raw(8 * Count);
        if (!Src.ReadAt(Root + DirOff + 16, Raw.data(), Raw.size())) {
            return std::nullopt;
        }
        std::vector<DirEntry> List(Count);
        for (std::size_t I = 0; I < Count; ++I) {
            const unsigned char* E = Raw.data() + 8 * I;
            List[I].Name = Le<4>(E);
            List[I].Target = Le<4>(E + 4);
        }
        return List;
    }

    bool ReadDataEntry(std::uint64_t Off, std::uint32_t& Rva, std::uint32_t& Size) const {
        unsigned char Entry[16];
        if (!Inside(Off, 16, Lim) || !Src.ReadAt(Root + Off, Entry, 16)) {
            return false;
        }
        Rva = Le<4>(Entry);
        Size = Le<4>(Entry + 4);
        return true;
    }

private:
    const ByteSource& Src;
    std::uint64_t Root;
    std::uint64_t Lim;
};

const DirEntry* FindId(const std::vector<DirEntry>& List, std::uint32_t Id) {
    for (const DirEntry& E : List) { // linear: ids need not be sorted
        if (E.Name == Id) {
            return &E;
        }
    }
    return nullptr;
}

// ---------------------------------------------------------------------------
// ELF

constexpr unsigned char kElfMagic[4] = {0x7F, 'E', 'L', 'F'};
constexpr std::uint32_t kProgramNote = 4;   // PT_NOTE
constexpr std::uint32_t kSectionNote = 7;   // SHT_NOTE
constexpr std::uint32_t kSectionNoBits = 8; // SHT_NOBITS

// The note that holds the version block: owner "Morvane", type 16 (the
// resource type of version information), the block as its descriptor.
constexpr char kNoteOwner[8] = "Morvane"; // with its NUL
constexpr std::uint64_t kNoteType = 16;

// The note segments looked at: the first eight, and no more than
// kMaxTableBytes of them in all. A linked program has two or three.
constexpr unsigned kMaxNoteSegments = 8;

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

// The version note found among the notes of Area (read from file offset
// Offset), or nullopt.
std::optional<ResourceLocation> FindVersionNoteAt(const ElfFile& F,
                                                  const std::vector<unsigned char>& Area,
                                                  std::uint64_t Offset, std::uint64_t Align) {
    const auto Found = FindVersionNote(Area, Align, F.Big);
    return Found ? std::optional(ResourceLocation{Offset + Found->Offset, Found->Size})
                 : std::nullopt;
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
    unsigned Segments = 0;
    std::uint64_t Budget = kMaxTableBytes;
    for (std::uint64_t I = 0; I < Count && Segments < kMaxNoteSegments; ++I) {
        const unsigned char* H = Headers->data() + I * EntrySize;
        if (F.Int<4>(H) != kProgramNote) {
            continue;
        }
        ++Segments;
        const std::uint64_t Offset = F.Is64 ? F.Int<8>(H + 8) : F.Int<4>(H + 4);
        const std::uint64_t Size = F.Is64 ? F.Int<8>(H + 32) : F.Int<4>(H + 16);
        const std::uint64_t Align = F.Is64 ? F.Int<8>(H + 48) : F.Int<4>(H + 28);
        if (Size > Budget) {
            continue;
        }
        Budget -= Size;
        if (const auto Area = ReadTable(F.Src, Offset, Size)) {
            if (auto Found = FindVersionNoteAt(F, *Area, Offset, Align)) {
                return Found;
            }
        }
    }
    return std::nullopt;
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
            const auto Area = ReadTable(F.Src, S.Offset, S.Size);
            return Area ? FindVersionNoteAt(F, *Area, S.Offset, S.Align) : std::nullopt;
        }
        return ResourceLocation{S.Offset, S.Size};
    }
    return std::nullopt;
}

// ---------------------------------------------------------------------------
// The version block

// One node of a version block: wLength, wValueLength, wType, a NUL-terminated
// UTF-16 key, the value and the children, each DWORD-aligned from the start
// of the block.
struct Node {
    std::uint32_t End;         // Start + wLength, clipped to the parent's end
    std::uint32_t Key;         // offset of the key's first unit
    std::uint32_t KeyUnits;    // units before the key's NUL
    std::uint32_t Value;       // offset of the value
    std::uint32_t ValueLength; // wValueLength: UTF-16 units of text, bytes of binary
    std::uint16_t Type;        // 0 = binary; 1 (or any other value) = text
    std::uint32_t Children;    // offset of the first child
    std::uint32_t Next;        // offset of the next sibling
};

// Returns the node at Start inside [Start, ParentEnd) of block B, or nullopt
// when the header does not fit, wLength is shorter than the header, or the
// key's NUL is not reached before the node ends.
std::optional<Node> ParseNode(const unsigned char* B, std::uint32_t Start,
                              std::uint32_t ParentEnd) {
    if (Start > ParentEnd || ParentEnd - Start < 6) {
        return std::nullopt;
    }
    const std::uint32_t Length = Le<2>(B + Start);
    if (Length < 6) {
        return std::nullopt;
    }
    Node N{};
    N.End = std::min(Start + Length, ParentEnd);
    N.Key = Start + 6;
    std::uint32_t P = N.Key;
    while (P + 2 <= N.End && Le<2>(B + P) != 0) {
        P += 2;
    }
    if (P + 2 > N.End) {
        return std::nullopt;
    }
    N.KeyUnits = (P - N.Key) / 2;
    N.Value = static_cast<std::uint32_t>(Align4(P + 2));
    N.ValueLength = Le<2>(B + Start + 2);
    N.Type = Le<2>(B + Start + 4);
    N.Children =
        static_cast<std::uint32_t>(Align4(N.Value + N.ValueLength * (N.Type != 0 ? 2u : 1u)));
    N.Next = static_cast<std::uint32_t>(Start + Align4(Length));
    return N;
}

// Decodes UTF-8 text into UTF-16 units; a malformed byte becomes U+FFFD.
std::vector<std::uint16_t> Utf8ToUtf16(const char* Text, std::size_t Size) {
    std::vector<std::uint16_t> Out;
    const auto* S = reinterpret_cast<const unsigned char*>(Text);
    std::size_t I = 0;
    while (I < Size) {
        const unsigned char C = S[I];
        std::uint32_t Cp = 0xFFFD;
        std::size_t Extra = 0;
        std::uint32_t Min = 0;
        if (C < 0x80) {
            Cp = C;
        } else if ((C & 0xE0) == 0xC0) {
            Cp = C & 0x1Fu, Extra = 1, Min = 0x80;
        } else if ((C & 0xF0) == 0xE0) {
            Cp = C & 0x0Fu, Extra = 2, Min = 0x800;
        } else if ((C & 0xF8) == 0xF0) {
            Cp = C & 0x07u, Extra = 3, Min = 0x10000;
        }
        std::size_t J = 1;
        for (; J <= Extra; ++J) {
            if (I + J >= Size || (S[I + J] & 0xC0) != 0x80) {
                break;
            }
            Cp = Cp << 6 | (S[I + J] & 0x3Fu);
        }
        if (J <= Extra ||
            (Extra > 0 && (Cp < Min || Cp > 0x10FFFF || (Cp >= 0xD800 && Cp < 0xE000)))) {
            Cp = 0xFFFD;
        }
        I += J;
        if (Cp >= 0x10000) {
            Cp -= 0x10000;
            Out.push_back(static_cast<std::uint16_t>(0xD800 | Cp >> 10));
            Out.push_back(static_cast<std::uint16_t>(0xDC00 | (Cp & 0x3FF)));
        } else {
            Out.push_back(static_cast<std::uint16_t>(Cp));
        }
    }
    return Out;
}

constexpr std::uint16_t FoldAscii(std::uint16_t U) {
    return (U >= 'a' && U <= 'z') ? static_cast<std::uint16_t>(U - 'a' + 'A') : U;
}

bool KeyMatches(const unsigned char* B, const Node& N, const std::vector<std::uint16_t>& Part) {
    if (N.KeyUnits != Part.size()) {
        return false;
    }
    for (std::uint32_t I = 0; I < N.KeyUnits; ++I) {
        if (FoldAscii(Le<2>(B + N.Key + 2 * I)) != FoldAscii(Part[I])) {
            return false;
        }
    }
    return true;
}

// Writes the UTF-8 form of code point Cp at Out if it fits before End.
// Returns the number of bytes written, 0 when it doesn't fit.
std::size_t PutUtf8(std::uint32_t Cp, unsigned char* Out, const unsigned char* End) {
    unsigned char Tmp[4];
    std::size_t N = 0;
    if (Cp < 0x80) {
        Tmp[N++] = static_cast<unsigned char>(Cp);
    } else if (Cp < 0x800) {
        Tmp[N++] = static_cast<unsigned char>(0xC0 | Cp >> 6);
        Tmp[N++] = static_cast<unsigned char>(0x80 | (Cp & 0x3F));
    } else if (Cp < 0x10000) {
        Tmp[N++] = static_cast<unsigned char>(0xE0 | Cp >> 12);
        Tmp[N++] = static_cast<unsigned char>(0x80 | (Cp >> 6 & 0x3F));
        Tmp[N++] = static_cast<unsigned char>(0x80 | (Cp & 0x3F));
    } else {
        Tmp[N++] = static_cast<unsigned char>(0xF0 | Cp >> 18);
        Tmp[N++] = static_cast<unsigned char>(0x80 | (Cp >> 12 & 0x3F));
        Tmp[N++] = static_cast<unsigned char>(0x80 | (Cp >> 6 & 0x3F));
        Tmp[N++] = static_cast<unsigned char>(0x80 | (Cp & 0x3F));
    }
    if (End - Out < static_cast<std::ptrdiff_t>(N)) {
        return 0;
    }
    std::memcpy(Out, Tmp, N);
    return N;
}

} // namespace

// ---------------------------------------------------------------------------
// Notes

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

// ---------------------------------------------------------------------------
// The running program's image

namespace {

#ifdef _WIN32
// The version resource of the executable module (the module of handle 0),
// through the resource functions, which read the loaded image.
std::span<const unsigned char> ModuleVersionResource() {
    HRSRC Found = FindResourceW(nullptr, MAKEINTRESOURCEW(1), MAKEINTRESOURCEW(16)); // RT_VERSION
    HGLOBAL Loaded = Found ? LoadResource(nullptr, Found) : nullptr;
    const void* Bytes = Loaded ? LockResource(Loaded) : nullptr;
    if (Bytes == nullptr) {
        return {};
    }
    return {static_cast<const unsigned char*>(Bytes), SizeofResource(nullptr, Found)};
}
#else
// True when the segment Note lies wholly inside a readable loaded segment of
// Object, so that its memory is mapped whatever the headers claim.
bool IsLoaded(const dl_phdr_info& Object, const ElfW(Phdr) & Note) {
    for (int I = 0; I < Object.dlpi_phnum; ++I) {
        const ElfW(Phdr)& L = Object.dlpi_phdr[I];
        if (L.p_type == PT_LOAD && (L.p_flags & PF_R) && Note.p_vaddr >= L.p_vaddr &&
            Note.p_memsz <= L.p_memsz && Note.p_vaddr - L.p_vaddr <= L.p_memsz - Note.p_memsz) {
            return true;
        }
    }
    return false;
}

// The version block among the loaded note segments of Object (the first
// kMaxNoteSegments), or an empty span.
std::span<const unsigned char> VersionNoteOf(const dl_phdr_info& Object) {
    unsigned Segments = 0;
    for (int I = 0; I < Object.dlpi_phnum && Segments < kMaxNoteSegments; ++I) {
        const ElfW(Phdr)& Note = Object.dlpi_phdr[I];
        if (Note.p_type != PT_NOTE || !IsLoaded(Object, Note)) {
            continue;
        }
        ++Segments;
        const std::span<const unsigned char> Notes(
            reinterpret_cast<const unsigned char*>(Object.dlpi_addr + Note.p_vaddr), Note.p_memsz);
        if (const auto Found =
                FindVersionNote(Notes, Note.p_align, std::endian::native == std::endian::big)) {
            return Notes.subspan(Found->Offset, Found->Size);
        }
    }
    return {};
}
#endif

} // namespace

std::span<const unsigned char> LoadedVersionBlock() {
#ifdef _WIN32
    return ModuleVersionResource();
#else
    std::span<const unsigned char> Block;
    dl_iterate_phdr(
        [](dl_phdr_info* Object, std::size_t, void* Found) {
            *static_cast<std::span<const unsigned char>*>(Found) = VersionNoteOf(*Object);
            return 1; // the first object is the main program: no other is visited
        },
        &Block);
    return Block;
#endif
}

// ---------------------------------------------------------------------------
// Sources

bool MemorySource::ReadAt(std::uint64_t Offset, void* Dest, std::size_t Count) const {
    if (!Inside(Offset, Count, Data.size())) {
        return false;
    }
    if (Count > 0) {
        std::memcpy(Dest, Data.data() + Offset, Count);
    }
    return true;
}

namespace {

// The file calls FileSource makes: POSIX, or the C runtime's on Windows
// (where a pipe or device has a name of its own, \\.\..., and is refused as
// not a regular file).
#ifdef _WIN32
using FileStatus = struct _stati64;
bool IsDirectory(unsigned Mode) {
    return (Mode & _S_IFMT) == _S_IFDIR;
}
int OpenFile(const char* Name) {
    const int Fd = ::_open(Name, _O_RDONLY | _O_BINARY);
    // The C runtime refuses a directory as "Permission denied": say what
    // it is, as POSIX systems do.
    FileStatus Status{};
    if (Fd < 0 && errno == EACCES && ::_stati64(Name, &Status) == 0 &&
        IsDirectory(Status.st_mode)) {
        errno = EISDIR;
    }
    return Fd;
}
int StatusOf(int Fd, FileStatus& Status) {
    return ::_fstati64(Fd, &Status);
}
void CloseFile(int Fd) {
    ::_close(Fd);
}
// Reads up to Count bytes at Offset: returns how many, 0 at the end, < 0 on
// an error.
long long ReadSome(int Fd, void* Out, std::size_t Count, std::uint64_t Offset) {
    if (::_lseeki64(Fd, static_cast<long long>(Offset), SEEK_SET) < 0) {
        return -1;
    }
    return ::_read(Fd, Out, static_cast<unsigned>(std::min<std::size_t>(Count, 1u << 30)));
}
bool IsRegular(unsigned Mode) {
    return (Mode & _S_IFMT) == _S_IFREG;
}
#else
using FileStatus = struct stat;
// Without waiting: opening a named pipe with no writer, or some devices,
// would otherwise wait for the other end.
int OpenFile(const char* Name) {
    return ::open(Name, O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
}
int StatusOf(int Fd, FileStatus& Status) {
    return ::fstat(Fd, &Status);
}
void CloseFile(int Fd) {
    ::close(Fd);
}
long long ReadSome(int Fd, void* Out, std::size_t Count, std::uint64_t Offset) {
    return ::pread(Fd, Out, Count, static_cast<off_t>(Offset));
}
bool IsDirectory(mode_t Mode) {
    return S_ISDIR(Mode);
}
bool IsRegular(mode_t Mode) {
    return S_ISREG(Mode);
}
#endif

} // namespace

FileSource::FileSource(const std::string& FileName) {
    const int F = OpenFile(FileName.c_str());
    if (F < 0) {
        Problem = std::generic_category().message(errno);
        return;
    }
    FileStatus Status{};
    if (StatusOf(F, Status) != 0) {
        Problem = std::generic_category().message(errno);
    } else if (IsDirectory(Status.st_mode)) {
        Problem = std::generic_category().message(EISDIR);
    } else if (!IsRegular(Status.st_mode)) {
        Problem = "not a regular file"; // a pipe, socket or device: nothing to read
    }
    if (!Problem.empty()) {
        CloseFile(F);
        return;
    }
    Fd = F;
    Length = static_cast<std::uint64_t>(Status.st_size);
}

FileSource::~FileSource() {
    if (Fd >= 0) {
        CloseFile(Fd);
    }
}

bool FileSource::ReadAt(std::uint64_t Offset, void* Dest, std::size_t Count) const {
    if (Fd < 0 || !Inside(Offset, Count, Length)) {
        return false;
    }
    auto* Out = static_cast<char*>(Dest);
    while (Count > 0) {
        const long long Got = ReadSome(Fd, Out, Count, Offset);
        if (Got < 0 && errno == EINTR) {
            continue;
        }
        if (Got <= 0) {
            return false; // an error, or the file shrank since it was opened
        }
        Out += Got;
        Offset += static_cast<std::uint64_t>(Got);
        Count -= static_cast<std::size_t>(Got);
    }
    return true;
}

// ---------------------------------------------------------------------------
// Locating the resource

namespace {

// What the headers of a PE file tell about its resources.
struct PeHeaders {
    std::uint64_t SectionTable; // file offset of the section table
    unsigned SectionCount;
    std::uint32_t ResourceRva;  // data directory 2 (nonzero)
    std::uint32_t ResourceSize; // (nonzero)
};

// Reads the headers of a PE32 or PE32+ file up to its resource directory
// entry. Returns nullopt when Source is not a PE file or lists no resources.
std::optional<PeHeaders> ReadOptionalHeader(const ByteSource& Source) {
    Reader R(Source);
    if (R.U16(0) != 0x5A4D || !R.Ok) { // "MZ"
        return std::nullopt;
    }
    const std::uint64_t Pe = R.U32(0x3C);
    if (R.U32(Pe) != 0x00004550 || !R.Ok) { // "PE\0\0"
        return std::nullopt;
    }
    const std::uint64_t Coff = Pe + 4;
    const unsigned SectionCount = R.U16(Coff + 2);
    const unsigned OptionalSize = R.U16(Coff + 16);
    const std::uint64_t Optional = Coff + 20;
    const unsigned Magic = R.U16(Optional);
    if (!R.Ok || (Magic != 0x10B && Magic != 0x20B)) { // PE32, PE32+
        return std::nullopt;
    }
    // NumberOfRvaAndSizes, then the data directories.
    const std::uint64_t CountField = Magic == 0x10B ? 92 : 108;
    const std::uint64_t Directories = CountField + 4;
    if (OptionalSize < Directories + 3 * 8 || R.U32(Optional + CountField) < 3) {
        return std::nullopt;
    }
    const std::uint32_t ResourceRva = R.U32(Optional + Directories + 2 * 8);
    const std::uint32_t ResourceSize = R.U32(Optional + Directories + 2 * 8 + 4);
    if (!R.Ok || ResourceRva == 0 || ResourceSize == 0) {
        return std::nullopt;
    }
    return PeHeaders{Optional + OptionalSize, SectionCount, ResourceRva, ResourceSize};
}

// Returns the offset of the subdirectory Entry leads to, or 0 when there is
// no Entry or it leads to a data entry (0 is the root's own offset, which no
// subdirectory may have).
std::uint32_t SubdirectoryOf(const DirEntry* Entry) {
    return Entry && (Entry->Target & kHighBit) ? Entry->Target & ~kHighBit : 0;
}

// Walks the resource tree three levels down, with no recursion: type 16 ->
// name 1 -> language (neutral 0x0000, else 0x0409, else the first entry).
// Returns the offset of the language's data entry, or nullopt. The two
// subdirectories may not be the root or each other, so a directory that
// points back at itself or its parent ends the walk.
std::optional<std::uint32_t> WalkTypeNameLanguage(const PeResourceTree& Tree) {
    const auto Types = Tree.Entries(0);
    const std::uint32_t NamesOff = Types ? SubdirectoryOf(FindId(*Types, 16)) : 0;
    const auto Names = NamesOff != 0 ? Tree.Entries(NamesOff) : std::nullopt;
    const std::uint32_t LangsOff = Names ? SubdirectoryOf(FindId(*Names, 1)) : 0;
    if (LangsOff == 0 || LangsOff == NamesOff) {
        return std::nullopt;
    }
    const auto Langs = Tree.Entries(LangsOff);
    if (!Langs || Langs->empty()) {
        return std::nullopt;
    }
    const DirEntry* Lang = FindId(*Langs, 0x0000);
    if (!Lang) {
        Lang = FindId(*Langs, 0x0409);
    }
    if (!Lang) {
        Lang = &Langs->front();
    }
    if (Lang->Target & kHighBit) { // the leaf must be a data entry
        return std::nullopt;
    }
    return Lang->Target;
}

// Returns the location of the version resource of a PE file, or nullopt when
// Source is not a PE file or holds no type 16 / id 1 resource.
std::optional<ResourceLocation> FindPeVersionResource(const ByteSource& Source) {
    const auto Headers = ReadOptionalHeader(Source);
    if (!Headers) {
        return std::nullopt;
    }
    const PeSections Sections(Source, Headers->SectionTable, Headers->SectionCount);
    const auto Root = Sections.Map(Headers->ResourceRva);
    if (!Root) {
        return std::nullopt;
    }
    const PeResourceTree Tree(Source, Root->Offset,
                              std::min<std::uint64_t>(Headers->ResourceSize, Root->Available));
    const auto Leaf = WalkTypeNameLanguage(Tree);
    std::uint32_t DataRva = 0;
    std::uint32_t DataSize = 0;
    if (!Leaf || !Tree.ReadDataEntry(*Leaf, DataRva, DataSize) || DataSize == 0) {
        return std::nullopt;
    }
    // OffsetToData is an RVA, not relative to the resource root.
    const auto Data = Sections.Map(DataRva);
    if (!Data || Data->Available < DataSize) {
        return std::nullopt;
    }
    return ResourceLocation{Data->Offset, DataSize};
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

} // namespace

std::optional<ResourceLocation> FindVersionResource(const ByteSource& Source) {
    if (auto Pe = FindPeVersionResource(Source)) {
        return Pe;
    }
    return FindElfVersionResource(Source);
}

// ---------------------------------------------------------------------------
// The buffer

std::uint32_t VersionBufferSize(std::uint64_t BlockSize, std::uint16_t RootLength) {
    const std::uint64_t Length = std::min<std::uint64_t>(BlockSize, RootLength);
    if (Length < 6) {
        return 0;
    }
    return static_cast<std::uint32_t>(3 * Align4(Length) + 4);
}

std::uint32_t VersionBufferSize(std::span<const unsigned char> Block) {
    return VersionBufferSize(Block.size(), Block.size() >= 2 ? Le<2>(Block.data()) : 0);
}

std::uint32_t VersionInfoSize(const ByteSource& Source) {
    const auto Where = FindVersionResource(Source);
    Reader R(Source);
    if (!Where) {
        return 0;
    }
    const std::uint16_t RootLength = R.U16(Where->Offset);
    return R.Ok ? VersionBufferSize(Where->Size, RootLength) : 0;
}

bool PrepareVersionBuffer(std::span<const unsigned char> Block, void* Data, std::uint32_t Len) {
    if (Data == nullptr) {
        return false;
    }
    auto* Out = static_cast<unsigned char*>(Data);
    const std::uint16_t RootLength = Block.size() >= 2 ? Le<2>(Block.data()) : std::uint16_t{0};
    const std::uint32_t Need = VersionBufferSize(Block.size(), RootLength);
    if (Need == 0 || Len < Need) {
        if (Len >= 2) {
            Out[0] = Out[1] = 0;
        }
        return false;
    }
    const auto Length = static_cast<std::uint32_t>(std::min<std::size_t>(Block.size(), RootLength));
    const auto Aligned = static_cast<std::uint32_t>(Align4(Length));
    std::memset(Out, 0, Need);
    std::memcpy(Out, Block.data(), Length);
    Out[0] = static_cast<unsigned char>(Length & 0xFF); // the root length, clamped
    Out[1] = static_cast<unsigned char>(Length >> 8);
    std::memcpy(Out + Aligned, kBufferTag, sizeof kBufferTag);
    return true;
}

bool LoadVersionInfo(const ByteSource& Source, void* Data, std::uint32_t Len) {
    const auto Where = FindVersionResource(Source);
    std::vector<unsigned char> Block;
    if (Where) {
        // The root length is 16-bit, so no more than 65535 bytes can matter.
        Block.resize(static_cast<std::size_t>(std::min<std::uint64_t>(Where->Size, 0xFFFF)));
        if (!Source.ReadAt(Where->Offset, Block.data(), Block.size())) {
            Block.clear();
        }
    }
    return PrepareVersionBuffer(Block, Data, Len);
}

// ---------------------------------------------------------------------------
// Queries

namespace {

// Returns the child of Parent whose key is Part, or nullopt. The children
// are searched in order, as the system searches them: a length of 0 ends the
// search, and a node shorter than its own header is stepped over (its key,
// which the system reads past the node's end, is not read).
std::optional<Node> FindChild(const unsigned char* B, const Node& Parent,
                              const std::vector<std::uint16_t>& Part) {
    for (std::uint32_t Child = Parent.Children; Child + 2 <= Parent.End;) {
        const std::uint32_t ChildLength = Le<2>(B + Child);
        if (ChildLength == 0) {
            return std::nullopt;
        }
        if (ChildLength < 6) {
            Child += static_cast<std::uint32_t>(Align4(ChildLength));
            continue;
        }
        const auto N = ParseNode(B, Child, Parent.End);
        if (!N || KeyMatches(B, *N, Part)) {
            return N;
        }
        Child = N->Next;
    }
    return std::nullopt;
}

// Returns the node that SubBlock names in the block of Length bytes at B
// (parts separated by "\", empty parts skipped), or nullopt.
std::optional<Node> FindPath(const unsigned char* B, std::uint32_t Length, const char* SubBlock) {
    auto Current = ParseNode(B, 0, Length);
    for (const char* P = SubBlock ? SubBlock : ""; Current && *P;) {
        if (*P == '\\') {
            ++P;
            continue;
        }
        const std::size_t PartSize = std::strcspn(P, "\\");
        Current = FindChild(B, *Current, Utf8ToUtf16(P, PartSize));
        P += PartSize;
    }
    return Current;
}

// Writes the text of node N as UTF-8 at Dest, NUL-terminated, stopping
// before End (which leaves room for the NUL): the UTF-16 units up to the
// first NUL, the stored length or the node's end, whichever comes first, a
// lone surrogate as U+FFFD. Returns the bytes written, plus 1 when the text
// ended in a NUL.
unsigned CopyTextAsUtf8(const unsigned char* B, const Node& N, unsigned char* Dest,
                        const unsigned char* End) {
    unsigned char* Out = Dest;
    bool NulFound = false;
    std::uint32_t Q = N.Value;
    const std::uint32_t TextEnd = std::min(N.End, N.Value + 2 * N.ValueLength);
    while (Q + 2 <= TextEnd) {
        std::uint32_t Cp = Le<2>(B + Q);
        Q += 2;
        if (Cp == 0) {
            NulFound = true;
            break;
        }
        if (Cp >= 0xD800 && Cp < 0xDC00 && Q + 2 <= TextEnd) {
            const std::uint32_t Low = Le<2>(B + Q);
            if (Low >= 0xDC00 && Low < 0xE000) {
                Cp = 0x10000 + ((Cp - 0xD800) << 10) + (Low - 0xDC00);
                Q += 2;
            }
        }
        if (Cp >= 0xD800 && Cp < 0xE000) { // a lone surrogate
            Cp = 0xFFFD;
        }
        const std::size_t Written = PutUtf8(Cp, Out, End);
        if (Written == 0) {
            break;
        }
        Out += Written;
    }
    *Out = 0;
    return static_cast<unsigned>(Out - Dest) + (NulFound ? 1u : 0u);
}

} // namespace

bool QueryVersionValue(void* Buffer, const char* SubBlock, void** Value, unsigned* Len) {
    auto* B = static_cast<unsigned char*>(Buffer);
    const std::uint32_t Length = B ? Le<2>(B) : 0;
    const auto Aligned = static_cast<std::uint32_t>(Align4(Length));
    // A prepared buffer holds a root node and the tag after the block.
    const auto Found = Length >= 6 && std::memcmp(B + Aligned, kBufferTag, sizeof kBufferTag) == 0
                           ? FindPath(B, Length, SubBlock)
                           : std::nullopt;
    if (!Found) {
        if (Len) {
            *Len = 0;
        }
        return false;
    }
    const Node& N = *Found;
    if (N.Type == 0) {
        if (Value) {
            *Value = B + N.Value;
        }
        if (Len) {
            *Len = N.Value <= N.End ? std::min(N.ValueLength, N.End - N.Value) : 0;
        }
        return true;
    }
    // Text goes to the copy area, at 3/2 of its offset in the block.
    unsigned char* const Dest = B + Aligned + 4 + N.Value / 2 * 3;
    const unsigned Written = CopyTextAsUtf8(B, N, Dest, B + 3 * Aligned + 4 - 1);
    if (Value) {
        *Value = Dest;
    }
    if (Len) {
        *Len = Written;
    }
    return true;
}

} // namespace verinfo
