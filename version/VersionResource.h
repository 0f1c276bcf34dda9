// The portable version-information layer: finds the version resource
// (VERSIONINFO, type 16, id 1) in a PE or ELF file and answers queries on it,
// the way the Windows version functions do, from the file's bytes alone.
//
// Where the block lives:
//   - PE32 and PE32+ files: the resource directory (data directory 2),
//     type 16 -> name 1 -> language (neutral 0x0000, else 0x0409, else the
//     first entry).
//   - ELF files (32 or 64 bit, either byte order), as
//     morvane_embed_version_resource() writes them: the descriptor of the
//     note with owner "Morvane" and type 16, found through the PT_NOTE
//     program headers (so a file without section headers is read too), else
//     in the section named .vsinfo. A .vsinfo section that is not a note
//     holds the bare block, as earlier builds wrote it.
//   - The running program: the same note, or the same resource, in its
//     image in memory (LoadedVersionBlock).
// Each format has a unit of its own (PeImage.cpp, ElfImage.cpp,
// LoadedImage.cpp); FindVersionResource chooses between them, so a caller
// never deals with the format.
//
// Nothing here trusts the file: every offset, count and length is checked
// against the bytes that exist before it is used, the resource directory is
// walked at a fixed depth of three and may not revisit a directory, and the
// block walk reads nothing past the node or block it is in. Each table of
// headers (PE sections; ELF program headers, section headers and section
// names) and each ELF note segment is read in one piece, none larger than
// 4 MiB, and at most eight note segments and 4 MiB of them in all, so
// whatever count or size a header claims, a file or the program's image is
// read or rejected in a few reads.
//
// The buffer a caller queries (filled by LoadVersionInfo or
// PrepareVersionBuffer) is laid out as
//   [0, A)         the version block, its root length clamped to what exists
//                  (A = that length rounded up to 4)
//   [A, A + 4)     the tag "FE2X"
//   [A + 4, 3A + 4) room for UTF-8 copies of the text values
// so its size is VersionBufferSize(L) = 3 * A + 4 bytes. QueryVersionValue
// writes a value's UTF-8 copy into the third part, at 3/2 of the value's
// offset in the block, so copies never overlap each other.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace verinfo {

// Random access to the bytes of a file or of memory.
class ByteSource {
public:
    virtual ~ByteSource() = default;
    // Returns the number of bytes available.
    virtual std::uint64_t Size() const = 0;
    // Copies Count bytes from Offset to Dest. Returns false, copying nothing
    // useful, when [Offset, Offset + Count) is not wholly inside the source.
    virtual bool ReadAt(std::uint64_t Offset, void* Dest, std::size_t Count) const = 0;
};

// The bytes of a memory range (not owned; must outlive the source).
class MemorySource final : public ByteSource {
public:
    explicit MemorySource(std::span<const unsigned char> Bytes) : Data(Bytes) {}
    std::uint64_t Size() const override { return Data.size(); }
    bool ReadAt(std::uint64_t Offset, void* Dest, std::size_t Count) const override;

private:
    std::span<const unsigned char> Data;
};

// The bytes of a regular file, read on demand. The file is opened without
// waiting (a named pipe with no writer or a device would otherwise hold the
// open up), and anything but a regular file is refused at once. IsOpen() is
// false when the file can't be read; such a source has size 0, and Failure()
// says why.
class FileSource final : public ByteSource {
public:
    explicit FileSource(const std::string& FileName);
    ~FileSource() override;
    FileSource(const FileSource&) = delete;
    FileSource& operator=(const FileSource&) = delete;

    bool IsOpen() const { return Fd >= 0; }
    // Why the file can't be read: the system's text for the error (e.g. "No
    // such file or directory", "Permission denied", "Is a directory") or
    // "not a regular file". Empty when the file is open.
    const std::string& Failure() const { return Problem; }
    std::uint64_t Size() const override { return Length; }
    bool ReadAt(std::uint64_t Offset, void* Dest, std::size_t Count) const override;

private:
    int Fd = -1;
    std::uint64_t Length = 0;
    std::string Problem;
};

// Where a version resource lies in its file.
struct ResourceLocation {
    std::uint64_t Offset;
    std::uint64_t Size; // > 0; Offset + Size <= the file's size
};

// Returns the location of the version resource of a PE file (type 16 / id 1)
// or of the version block of an ELF file (see above), or nullopt when Source
// is neither or holds none.
std::optional<ResourceLocation> FindVersionResource(const ByteSource& Source);

// True when Source begins with an ELF file header (32 or 64 bit, either
// byte order), whether or not it holds a version block.
bool IsElfFile(const ByteSource& Source);

// Returns where the descriptor of the version note (owner "Morvane", type
// 16) lies among the notes of Notes, the contents of a note segment or
// section whose notes are aligned to Align bytes (8, else 4), stored in the
// given byte order: its offset from the start of Notes and its size (> 0).
// Returns nullopt when there is no such note; the walk ends at a note that
// runs past Notes.
std::optional<ResourceLocation> FindVersionNote(std::span<const unsigned char> Notes,
                                                std::uint64_t Align, bool BigEndian);

// Returns a copy of the version block of the running program's main
// executable as it is loaded in memory, or an empty vector when it has none:
// the descriptor of its version note, found through its PT_NOTE program
// headers (ELF), or its version resource (Windows). Reads no file, so it
// works however the program was started (by the dynamic loader, from a file
// it may not read, without /proc) and whatever its file is named. An ELF
// note is read only from the bytes the file gives a loaded segment, and
// copied by the kernel: headers that place it where the file holds nothing
// give an empty vector, not SIGBUS.
std::vector<unsigned char> LoadedVersionBlock();

// Returns the buffer size needed for a version block of BlockSize bytes whose
// root node states length RootLength: 3 * A + 4 with A = min(BlockSize,
// RootLength) rounded up to 4. Returns 0 when that length can't hold a node
// header (less than 6 bytes).
std::uint32_t VersionBufferSize(std::uint64_t BlockSize, std::uint16_t RootLength);

// Returns VersionBufferSize for the version block Block, whose first two
// bytes give its root length (0 when it has fewer).
std::uint32_t VersionBufferSize(std::span<const unsigned char> Block);

// Returns the buffer size the version block of Source needs (the result of
// GetFileVersionInfoSizeA), or 0 when Source holds no usable version block.
std::uint32_t VersionInfoSize(const ByteSource& Source);

// Lays out the version block Block in Data (Len bytes) for QueryVersionValue.
// Returns true when Len >= VersionBufferSize of the block. Otherwise returns
// false and, when Len >= 2, writes a zero root length, so that queries on
// Data fail instead of reading past it.
bool PrepareVersionBuffer(std::span<const unsigned char> Block, void* Data, std::uint32_t Len);

// Reads the version block of Source into Data (Len bytes): the work of
// GetFileVersionInfoA. Returns false when Source has no version block or Len
// is less than VersionInfoSize(Source).
bool LoadVersionInfo(const ByteSource& Source, void* Data, std::uint32_t Len);

// Looks SubBlock up in Buffer (laid out by PrepareVersionBuffer): the
// contract of VerQueryValueA.
//   - SubBlock is a path of keys separated by "\"; empty parts are skipped, so
//     "" and "\" name the root and a leading backslash is optional. Each part
//     matches a child key whole and without regard to ASCII letter case.
//   - Found text value (node type 1, or any type but 0): *Value points to
//     its UTF-8 copy (NUL-terminated) inside Buffer; *Len is its byte count
//     plus 1 when the stored text ended in a NUL, else its byte count. The
//     text is read up to its NUL, its stored length (wValueLength UTF-16
//     units) or the node's end, whichever comes first; a value stored with
//     length 0 (no data) or as a lone NUL reads as "".
//   - Found binary value (type 0, e.g. "\" or "\VarFileInfo\Translation"):
//     *Value points into the block, *Len = the stored length clipped to the
//     node.
//   - The children of a node are searched in order; a child of length 0
//     ends the search, and one shorter than a node header (6 bytes) is
//     stepped over.
//   - Returns false, with *Len = 0 and *Value unchanged, when a part is not
//     found, Buffer is null or was not prepared (no tag after the block).
// Buffer must be the whole prepared buffer: the call writes into it.
bool QueryVersionValue(void* Buffer, const char* SubBlock, void** Value, unsigned* Len);

} // namespace verinfo
