// What the units of the portable version layer share among themselves, and
// no caller needs: bounded reads of header tables, and the finders of the
// version block in each executable format, between which
// FindVersionResource (VersionResource.h) chooses.
#pragma once

#include <cstdint>
#include <optional>
#include <vector>

#include "VersionResource.h"

namespace verinfo {

// True when [Off, Off + Count) lies inside [0, Size).
constexpr bool Inside(std::uint64_t Off, std::uint64_t Count, std::uint64_t Size) {
    return Count <= Size && Off <= Size - Count;
}

// The most bytes read for any one table of headers or names: room for
// 65,536 ELF section headers, far more than a linked program has. A larger
// table is not read, so a header that claims millions of entries costs
// nothing; every table is read in one piece, so a real one costs one read.
constexpr std::uint64_t kMaxTableBytes = std::uint64_t(4) << 20;

// The ELF note segments looked at: the first eight, and no more than
// kMaxTableBytes of them in all. A linked program has two or three.
constexpr unsigned kMaxNoteSegments = 8;

// Returns the Count bytes at Off of Source, read at once, or nullopt when
// they don't lie wholly inside the source or Count exceeds kMaxTableBytes.
std::optional<std::vector<unsigned char>> ReadTable(const ByteSource& Source, std::uint64_t Off,
                                                    std::uint64_t Count);

// Returns the location of the version resource of a PE file (type 16 / id
// 1), or nullopt when Source is not a PE file or holds none (PeImage.cpp).
std::optional<ResourceLocation> FindPeVersionResource(const ByteSource& Source);

// Returns the location of the version block of an ELF file: its version
// note, else its .vsinfo section; nullopt when Source is not an ELF file or
// holds no block (ElfImage.cpp).
std::optional<ResourceLocation> FindElfVersionResource(const ByteSource& Source);

} // namespace verinfo
