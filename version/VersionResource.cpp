// Finding and loading the version block of a file, whatever its format: the
// format units (PeImage.cpp, ElfImage.cpp) each answer where the block lies,
// and this one chooses between them and reads the block into the buffer
// that VersionBlock.cpp lays out and queries.
#include "VersionResource.h"

#include <algorithm>
#include <cstring>
#include <vector>

#include "ByteOrder.h"
#include "ImageFormats.h"

namespace verinfo {

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

bool MemorySource::ReadAt(std::uint64_t Offset, void* Dest, std::size_t Count) const {
    if (!Inside(Offset, Count, Data.size())) {
        return false;
    }
    if (Count > 0) {
        std::memcpy(Dest, Data.data() + Offset, Count);
    }
    return true;
}

std::optional<ResourceLocation> FindVersionResource(const ByteSource& Source) {
    if (auto Pe = FindPeVersionResource(Source)) {
        return Pe;
    }
    return FindElfVersionResource(Source);
}

std::uint32_t VersionInfoSize(const ByteSource& Source) {
    const auto Where = FindVersionResource(Source);
    unsigned char RootLength[2];
    if (!Where || !Source.ReadAt(Where->Offset, RootLength, sizeof RootLength)) {
        return 0;
    }
    return VersionBufferSize(Where->Size, Le<2>(RootLength));
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

} // namespace verinfo
