// The portable version-information functions: the Windows contracts on top
// of the file reader of VersionResource.h. On Windows the system's functions
// keep their names; these stay available under verinfo::portable.
#include "VersionInfoApi.h"

#include "VersionResource.h"

namespace verinfo::portable {

VerDword GetFileVersionInfoSizeA(const char* FileName, VerDword* Handle) {
    if (Handle) {
        *Handle = 0;
    }
    if (FileName == nullptr || *FileName == '\0') {
        return 0;
    }
    const verinfo::FileSource Source(FileName);
    return Source.IsOpen() ? verinfo::VersionInfoSize(Source) : 0;
}

int GetFileVersionInfoA(const char* FileName, VerDword /*Handle*/, VerDword Len, void* Data) {
    if (FileName == nullptr || *FileName == '\0' || Data == nullptr) {
        return 0;
    }
    const verinfo::FileSource Source(FileName);
    return verinfo::LoadVersionInfo(Source, Data, Len) ? 1 : 0;
}

int VerQueryValueA(const void* Block, const char* SubBlock, void** Buffer, VerUint* Len) {
    // Like the system's function, this one writes the converted text into
    // the caller's buffer, which GetFileVersionInfoA filled and is writable.
    return verinfo::QueryVersionValue(const_cast<void*>(Block), SubBlock, Buffer, Len) ? 1 : 0;
}

} // namespace verinfo::portable
