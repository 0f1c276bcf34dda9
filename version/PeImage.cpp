// The version resource of a PE32 or PE32+ file: the headers up to the
// resource data directory, the section table that turns RVAs into file
// offsets, and the resource tree walked type 16 -> name 1 -> language.
#include <algorithm>
#include <vector>

#include "ByteOrder.h"
#include "ImageFormats.h"

namespace verinfo {

namespace {

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

} // namespace

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

} // namespace verinfo
