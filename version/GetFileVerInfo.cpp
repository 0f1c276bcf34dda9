#include "GetFileVerInfo.h"

#include <algorithm>
#include <cstdint>
#include <vector>

#include "VersionInfoApi.h"
#include "VersionResource.h"

namespace {

// Appends the value of each key of VersionKeys that Query finds in Buffer
// (a buffer the matching GetFileVersionInfoA filled, or one laid out by
// PrepareVersionBuffer).
template <typename QueryFunction>
void AppendStrings(QueryFunction Query, std::vector<char>& Buffer, TStringList& List) {
    for (const char* Key : VersionKeys) {
        const std::string Path = std::string("StringFileInfo\\040904E4\\") + Key;
        void* Value = nullptr;
        VerUint Length = 0;
        if (!Query(Buffer.data(), Path.c_str(), &Value, &Length)) {
            continue;
        }
        // The value is the zero-terminated text it points at, whatever length
        // comes with it: the system's A function gives length 0 when it ran
        // out of room for a long stored length, the text converted all the
        // same, and for a value stored without data it points at room it
        // never wrote, which reads as "" in the zero-filled buffer. The text
        // ends at the buffer's end at the latest.
        const auto* Text = static_cast<const char*>(Value);
        const char* const End = Buffer.data() + Buffer.size();
        const auto Offset = reinterpret_cast<std::uintptr_t>(Text) -
                            reinterpret_cast<std::uintptr_t>(Buffer.data());
        const std::string String = Text != nullptr && Offset < Buffer.size()
                                       ? std::string(Text, std::find(Text, End, '\0'))
                                       : std::string();
        List.Add(String.empty() ? "(unknown)" : String);
    }
}

// The reading itself, written once against the contracts of the three
// version functions (VersionInfoApi.h) and run with one set of them.
template <typename SizeFunction, typename InfoFunction, typename QueryFunction>
void ReadWith(SizeFunction GetSize, InfoFunction GetInfo, QueryFunction Query,
              const std::string& FileName, TStringList& List) {
    VerDword Handle = 0;
    const VerDword Size = GetSize(FileName.c_str(), &Handle);
    if (Size == 0) {
        return;
    }
    // Zero-filled; released when the function returns, right after the last
    // key has been read, and on every other way out.
    std::vector<char> Buffer(Size);
    if (!GetInfo(FileName.c_str(), Handle, Size, Buffer.data())) {
        return; // the file changed or vanished since its size was taken
    }
    AppendStrings(Query, Buffer, List);
}

void ReadPortable(const std::string& FileName, TStringList& List) {
    ReadWith(verinfo::portable::GetFileVersionInfoSizeA, verinfo::portable::GetFileVersionInfoA,
             verinfo::portable::VerQueryValueA, FileName, List);
}

} // namespace

void ReadVersionStrings(const std::string& FileName, TStringList& List) {
    ReadWith(GetFileVersionInfoSizeA, GetFileVersionInfoA, VerQueryValueA, FileName, List);
}

void ReadOwnVersionStrings(const std::string& FallbackFile, TStringList& List) {
    const std::vector<unsigned char> Block = verinfo::LoadedVersionBlock();
    const std::uint32_t Size = verinfo::VersionBufferSize(Block);
    if (Size == 0) {
        ReadPortable(FallbackFile, List);
        return;
    }
    std::vector<char> Buffer(Size);
    verinfo::PrepareVersionBuffer(Block, Buffer.data(), Size);
    AppendStrings(verinfo::portable::VerQueryValueA, Buffer, List);
}

#ifdef _WIN32
void ReadPortableVersionStrings(const std::string& FileName, TStringList& List) {
    ReadPortable(FileName, List);
}
#endif
