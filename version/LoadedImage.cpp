// The version block of the running program's own image in memory.
#include "VersionResource.h"

#ifdef _WIN32
#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>
#else
#include <bit>
#include <link.h>

#include "ImageFormats.h"
#endif

namespace verinfo {

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

} // namespace verinfo
