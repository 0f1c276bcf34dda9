// What the units of the portable version layer share among themselves, and
// no caller needs: bounded reads of header tables, and the finders of the
// version block in each executable format, between which
// FindVersionResource (VersionResource.h) chooses.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
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

// ELF program header types and flags.
constexpr std::uint32_t kProgramLoad = 1; // PT_LOAD
constexpr std::uint32_t kProgramNote = 4; // PT_NOTE
constexpr std::uint32_t kReadable = 4;    // PF_R

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

// A note segment of an ELF file or image: where its notes lie in a source
// (a file offset, or an address in memory), their size and alignment.
struct NoteArea {
    std::uint64_t Where;
    std::uint64_t Size;
    std::uint64_t Align;
};

// Returns the location in Source of the version note among the note
// segments Areas, stored in the given byte order, or nullopt. Reads the
// first kMaxNoteSegments of them, each in one piece, and no more than
// kMaxTableBytes in all: a segment larger than what is left is skipped, so
// a segment of zeros gigabytes long costs nothing (ElfImage.cpp).
std::optional<ResourceLocation> FindVersionNoteIn(const ByteSource& Source,
                                                  std::span<const NoteArea> Areas, bool BigEndian);

// A program header of a loaded ELF image, its address taken in memory (the
// load bias added).
struct LoadedSegment {
    std::uint32_t Type;
    std::uint32_t Flags;
    std::uint64_t Address;
    std::uint64_t FileSize;   // the bytes that come from the file
    std::uint64_t MemorySize; // the bytes in memory, zero-filled past FileSize
    std::uint64_t Align;
};

// Returns the descriptor of the version note of a loaded ELF image whose
// program headers are Segments, read through Memory (whose offsets are
// addresses), or an empty vector. Only note segments that lie inside a
// readable loaded segment are read, with the limits of FindVersionNoteIn
// (LoadedImage.cpp).
std::vector<unsigned char> FindLoadedVersionNote(std::span<const LoadedSegment> Segments,
                                                 const ByteSource& Memory, bool BigEndian);

} // namespace verinfo
