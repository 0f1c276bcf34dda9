// morvane_res_extract <in.res> <out.bin>
//
// Copies the data of the VERSIONINFO entry (type 16, numeric name 1) of a
// compiled resource file to <out.bin>: the bytes a Windows linker would place
// in the executable's resource directory, and that the ELF build embeds in
// its .vsinfo section.
//
// A .res file is a sequence of DWORD-aligned entries:
//   u32 DataSize; u32 HeaderSize;
//   Type, Name: either 0xFFFF followed by a u16 id, or NUL-terminated UTF-16;
//   (pad to 4) u32 DataVersion; u16 MemoryFlags; u16 LanguageId;
//   u32 Version; u32 Characteristics;
//   u8 Data[DataSize]; (pad to 4)
//
// Exit status: 0 when the entry was written, 1 on any error (message on
// stderr). A build step: every length in the file is checked before use.
#include <cstdint>
#include <cstdio>
#include <fstream>
#include <iterator>
#include <optional>
#include <vector>

#include "ByteOrder.h"

namespace {

using Bytes = std::vector<unsigned char>;
using verinfo::Le;

// Reads a Type or Name field at Off inside [Off, End). Returns the numeric id,
// or -1 for a string name; sets Next to the first byte after the field.
// Returns nullopt when the field runs past End.
std::optional<long> ReadNameOrId(const Bytes& B, std::size_t Off, std::size_t End,
                                 std::size_t& Next) {
    if (Off + 2 > End) {
        return std::nullopt;
    }
    if (Le<2>(&B[Off]) == 0xFFFF) {
        if (Off + 4 > End) {
            return std::nullopt;
        }
        Next = Off + 4;
        return Le<2>(&B[Off + 2]);
    }
    for (std::size_t P = Off; P + 2 <= End; P += 2) {
        if (Le<2>(&B[P]) == 0) {
            Next = P + 2;
            return -1;
        }
    }
    return std::nullopt;
}

// Returns the data of the first entry with type 16 and name 1, or nullopt.
std::optional<Bytes> FindVersionEntry(const Bytes& B) {
    std::size_t Off = 0;
    while (Off + 8 <= B.size()) {
        const std::uint64_t DataSize = Le<4>(&B[Off]);
        const std::uint64_t HeaderSize = Le<4>(&B[Off + 4]);
        if (HeaderSize < 8 || Off + HeaderSize + DataSize > B.size()) {
            return std::nullopt;
        }
        const std::size_t HeaderEnd = Off + HeaderSize;
        std::size_t Next = 0;
        const auto Type = ReadNameOrId(B, Off + 8, HeaderEnd, Next);
        if (!Type) {
            return std::nullopt;
        }
        const auto Name = ReadNameOrId(B, Next, HeaderEnd, Next);
        if (!Name) {
            return std::nullopt;
        }
        if (*Type == 16 && *Name == 1 && DataSize > 0) {
            return Bytes(B.begin() + long(HeaderEnd), B.begin() + long(HeaderEnd + DataSize));
        }
        Off = (HeaderEnd + DataSize + 3) & ~std::size_t(3);
    }
    return std::nullopt;
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: morvane_res_extract <in.res> <out.bin>\n");
        return 1;
    }
    std::ifstream In(argv[1], std::ios::binary);
    if (!In) {
        std::fprintf(stderr, "morvane_res_extract: cannot open %s\n", argv[1]);
        return 1;
    }
    const Bytes Res{std::istreambuf_iterator<char>(In), std::istreambuf_iterator<char>()};
    const auto Entry = FindVersionEntry(Res);
    if (!Entry) {
        std::fprintf(stderr, "morvane_res_extract: %s holds no VERSIONINFO entry with id 1\n",
                     argv[1]);
        return 1;
    }
    std::ofstream Out(argv[2], std::ios::binary | std::ios::trunc);
    Out.write(reinterpret_cast<const char*>(Entry->data()), std::streamsize(Entry->size()));
    Out.close();
    if (!Out) {
        std::fprintf(stderr, "morvane_res_extract: cannot write %s\n", argv[2]);
        return 1;
    }
    return 0;
}
