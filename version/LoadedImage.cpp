// The version block of the running program's own image in memory.
#include <algorithm>

#include "ImageFormats.h"

#ifdef _WIN32
#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>
#else
#include <bit>
#include <cstdint>
#include <limits>
#include <link.h>
#include <sys/uio.h>
#include <unistd.h>
#endif

namespace verinfo {

namespace {

// True when the bytes the file gives the note segment Note lie wholly inside
// the bytes the file gives a readable loaded segment of Segments: its notes
// are what the file holds there, not the zeros that fill a loaded segment
// past its file bytes.
bool IsLoaded(std::span<const LoadedSegment> Segments, const LoadedSegment& Note) {
    return std::any_of(Segments.begin(), Segments.end(), [&Note](const LoadedSegment& Load) {
        return Load.Type == kProgramLoad && (Load.Flags & kReadable) != 0 &&
               Note.Address >= Load.Address &&
               Inside(Note.Address - Load.Address, Note.FileSize,
                      std::min(Load.FileSize, Load.MemorySize));
    });
}

#ifdef _WIN32
// The version resource of the executable module (the module of handle 0),
// through the resource functions, which read the loaded image.
std::vector<unsigned char> ModuleVersionResource() {
    HRSRC Found = FindResourceW(nullptr, MAKEINTRESOURCEW(1), MAKEINTRESOURCEW(16)); // RT_VERSION
    HGLOBAL Loaded = Found ? LoadResource(nullptr, Found) : nullptr;
    const auto* Bytes = static_cast<const unsigned char*>(Loaded ? LockResource(Loaded) : nullptr);
    if (Bytes == nullptr) {
        return {};
    }
    return {Bytes, Bytes + SizeofResource(nullptr, Found)};
}
#else
// The running program's own memory, its offsets being addresses. The bytes
// are copied by the kernel (process_vm_readv), never touched here: the
// headers may map pages from past the end of the file, where touching them
// raises SIGBUS, and the copy fails there instead. Where the call is refused
// (a sandbox may refuse it) every read fails, and the caller reads the file.
class OwnMemory final : public ByteSource {
public:
    std::uint64_t Size() const override { return std::numeric_limits<std::uintptr_t>::max(); }
    bool ReadAt(std::uint64_t Offset, void* Dest, std::size_t Count) const override {
        if (!Inside(Offset, Count, Size())) {
            return false;
        }
        if (Count == 0) {
            return true;
        }
        iovec Local{Dest, Count};
        iovec Remote{reinterpret_cast<void*>(static_cast<std::uintptr_t>(Offset)), Count};
        return ::process_vm_readv(::getpid(), &Local, 1, &Remote, 1, 0) ==
               static_cast<ssize_t>(Count);
    }
};

// The version block among the loaded note segments of Object, or an empty
// vector.
std::vector<unsigned char> VersionNoteOf(const dl_phdr_info& Object) {
    std::vector<LoadedSegment> Segments;
    for (int I = 0; I < Object.dlpi_phnum; ++I) {
        const ElfW(Phdr)& H = Object.dlpi_phdr[I];
        Segments.push_back(
            {H.p_type, H.p_flags, Object.dlpi_addr + H.p_vaddr, H.p_filesz, H.p_memsz, H.p_align});
    }
    return FindLoadedVersionNote(Segments, OwnMemory(), std::endian::native == std::endian::big);
}
#endif

} // namespace

std::vector<unsigned char> FindLoadedVersionNote(std::span<const LoadedSegment> Segments,
                                                 const ByteSource& Memory, bool BigEndian) {
    std::vector<NoteArea> Areas;
    for (const LoadedSegment& Note : Segments) {
        if (Areas.size() == kMaxNoteSegments) {
            break;
        }
        if (Note.Type == kProgramNote && IsLoaded(Segments, Note)) {
            Areas.push_back({Note.Address, Note.FileSize, Note.Align});
        }
    }
    // As much as the file reader reads: a note segment of gigabytes, of
    // zeros or anything else, is skipped at once.
    const auto Found = FindVersionNoteIn(Memory, Areas, BigEndian);
    std::vector<unsigned char> Block(Found ? Found->Size : 0);
    if (!Found || !Memory.ReadAt(Found->Offset, Block.data(), Block.size())) {
        Block.clear();
    }
    return Block;
}

std::vector<unsigned char> LoadedVersionBlock() {
#ifdef _WIN32
    return ModuleVersionResource();
#else
    std::vector<unsigned char> Block;
    dl_iterate_phdr(
        [](dl_phdr_info* Object, std::size_t, void* Found) {
            *static_cast<std::vector<unsigned char>*>(Found) = VersionNoteOf(*Object);
            return 1; // the first object is the main program: no other is visited
        },
        &Block);
    return Block;
#endif
}

} // namespace verinfo
