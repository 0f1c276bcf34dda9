// The three version-information functions the reader is written against.
// On Windows they are the system's (version.dll). Elsewhere they are provided
// by the portable layer (VersionResource.h), with the same contracts, which
// a Windows build also has under verinfo::portable:
//
//   GetFileVersionInfoSizeA(FileName, Handle)
//     Returns the buffer size GetFileVersionInfoA needs for FileName's
//     version information, or 0 when the file can't be read or holds none.
//     Sets *Handle (if given) to 0. The portable size is 3 * A + 4, where A
//     is the version block's length rounded up to 4: the block, a 4-byte tag
//     and room for UTF-8 copies of its text values (the system's is 2 * size
//     + 4, with room for copies in the ANSI code page).
//
//   GetFileVersionInfoA(FileName, Handle, Len, Data)
//     Fills Data (Len bytes) with the version information. Returns nonzero on
//     success; zero when the file has none or Len is less than the size above.
//     Handle is ignored.
//
//   VerQueryValueA(Block, SubBlock, Buffer, Len)
//     Looks up SubBlock, e.g. "\StringFileInfo\040904E4\CompanyName", in a
//     buffer filled by GetFileVersionInfoA. Keys match whole and without
//     regard to letter case. On success returns nonzero and sets *Buffer to
//     the value inside Block (text as a NUL-terminated string: UTF-8 here, the
//     ANSI code page on Windows) and *Len to its length (for text: bytes
//     including the NUL, or 0 for a value stored without data). Returns zero
//     when the path is not found. Writes into Block.
#pragma once

#ifdef _WIN32
#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>
#include <winver.h>

using VerDword = DWORD;
using VerUint = UINT;
#else
#include <cstdint>

using VerDword = std::uint32_t;
using VerUint = unsigned int;
#endif

// The portable functions, in every build: on Windows beside the system's
// (to compare the two), elsewhere as the version functions themselves.
namespace verinfo::portable {
VerDword GetFileVersionInfoSizeA(const char* FileName, VerDword* Handle);
int GetFileVersionInfoA(const char* FileName, VerDword Handle, VerDword Len, void* Data);
int VerQueryValueA(const void* Block, const char* SubBlock, void** Buffer, VerUint* Len);
} // namespace verinfo::portable

#ifndef _WIN32
using verinfo::portable::GetFileVersionInfoA;
using verinfo::portable::GetFileVersionInfoSizeA;
using verinfo::portable::VerQueryValueA;
#endif
