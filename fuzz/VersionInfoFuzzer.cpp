// libFuzzer target for the portable version-information layer. Each input is
// read twice: as a whole file (PE or ELF: locate the version resource, load
// it, query it) and as a bare version block. Every answer must point inside
// the buffer it came from; the sanitizers catch any read or write outside.
#include "ByteOrder.h"
#include "GetFileVerInfo.h"
#include "VersionResource.h"

#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

namespace {

// The paths ReadVersionStrings asks for, then the root, an empty path, the
// translation table and a string table.
const std::vector<std::string> kPaths = [] {
    std::vector<std::string> P;
    for (const char* Key : VersionKeys)
        P.push_back(std::string("StringFileInfo\\040904E4\\") + Key);
    P.insert(P.end(), {"\\", "", "\\VarFileInfo\\Translation", "\\StringFileInfo\\040904E4"});
    return P;
}();

void Check(bool Condition) {
    if (!Condition) {
        std::abort();
    }
}

void QueryOne(std::vector<unsigned char>& Buffer, const char* Path) {
    void* Value = nullptr;
    unsigned Len = 12345;
    if (!verinfo::QueryVersionValue(Buffer.data(), Path, &Value, &Len)) {
        Check(Len == 0 && Value == nullptr);
        return;
    }
    const auto* P = static_cast<const unsigned char*>(Value);
    Check(P >= Buffer.data() && P + Len <= Buffer.data() + Buffer.size());
}

void QueryAll(std::vector<unsigned char>& Buffer, const uint8_t* Data, size_t Size) {
    for (const std::string& Path : kPaths) {
        QueryOne(Buffer, Path.c_str());
    }
    // A path taken from the input's last bytes, for the path parser.
    const size_t Tail = Size < 24 ? Size : 24;
    const std::string Path(reinterpret_cast<const char*>(Data + Size - Tail), Tail);
    QueryOne(Buffer, Path.c_str());
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* Data, size_t Size) {
    const std::span<const unsigned char> Bytes(Data, Size);

    const verinfo::MemorySource Source(Bytes);
    if (const std::uint32_t Need = verinfo::VersionInfoSize(Source)) {
        std::vector<unsigned char> Buffer(Need);
        if (verinfo::LoadVersionInfo(Source, Buffer.data(), Need)) {
            QueryAll(Buffer, Data, Size);
        }
    }

    const std::uint16_t Root = Size >= 2 ? verinfo::Le<2>(Data) : std::uint16_t{0};
    if (const std::uint32_t Need = verinfo::VersionBufferSize(Size, Root)) {
        std::vector<unsigned char> Buffer(Need);
        Check(verinfo::PrepareVersionBuffer(Bytes, Buffer.data(), Need));
        QueryAll(Buffer, Data, Size);
    }
    return 0;
}
