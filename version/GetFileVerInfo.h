// GetFileVerInfo: reads the descriptive strings of an executable's version
// information (company, description, version, copyright, ...) in a fixed
// key order.
#pragma once

#include <array>
#include <cstddef>
#include <string>
#include <string_view>

#include "StringList.h"

// The keys read by ReadVersionStrings, in the order their values are
// appended. Keys match without regard to letter case, so "LegalTradeMarks"
// finds the standard LegalTrademarks. "Release" is not a standard key and is
// usually absent.
inline constexpr std::array<const char*, 11> VersionKeys = {
    "CompanyName",    "FileDescription", "FileVersion",      "InternalName",
    "LegalCopyright", "LegalTradeMarks", "OriginalFilename", "ProductName",
    "ProductVersion", "Comments",        "Release",
};

// The positions of the keys in VersionKeys: where each value lands in a list
// that ReadVersionStrings filled while no key before it was absent. The About
// window and morvane-calc --version read their entries by these names.
enum TVersionEntry : int {
    kCompanyName,
    kFileDescription,
    kFileVersion,
    kInternalName,
    kLegalCopyright,
    kLegalTradeMarks,
    kOriginalFilename,
    kProductName,
    kProductVersion,
    kComments,
    kRelease,
};

// Each name matches its key, and the table holds no key without a name.
static_assert(static_cast<std::size_t>(kRelease) + 1 == VersionKeys.size());
static_assert(std::string_view(VersionKeys[kCompanyName]) == "CompanyName");
static_assert(std::string_view(VersionKeys[kFileDescription]) == "FileDescription");
static_assert(std::string_view(VersionKeys[kFileVersion]) == "FileVersion");
static_assert(std::string_view(VersionKeys[kInternalName]) == "InternalName");
static_assert(std::string_view(VersionKeys[kLegalCopyright]) == "LegalCopyright");
static_assert(std::string_view(VersionKeys[kLegalTradeMarks]) == "LegalTradeMarks");
static_assert(std::string_view(VersionKeys[kOriginalFilename]) == "OriginalFilename");
static_assert(std::string_view(VersionKeys[kProductName]) == "ProductName");
static_assert(std::string_view(VersionKeys[kProductVersion]) == "ProductVersion");
static_assert(std::string_view(VersionKeys[kComments]) == "Comments");
static_assert(std::string_view(VersionKeys[kRelease]) == "Release");

// Appends to List the values stored in FileName's version information under
// "StringFileInfo\040904E4\" + each key of VersionKeys, in table order
// (language 0409, code page 04E4 only; no other translation is tried).
//   - An absent key appends nothing, so every later value moves up one place.
//   - A present but empty value appends "(unknown)".
//   - A file that can't be read or has no version information appends nothing.
// Appends 0 to 11 entries; never raises for anything in the file (only
// std::bad_alloc). Values are UTF-8 (the ANSI code page on Windows).
// On Windows it reads through the system's version functions, elsewhere
// through the portable ones of VersionInfoApi.h.
void ReadVersionStrings(const std::string& FileName, TStringList& List);

// Appends to List the running program's own version strings, with the
// contract of ReadVersionStrings, read from the program's image in memory
// (LoadedVersionBlock in VersionResource.h), so that neither the way it was
// started nor its file's name or permissions matter. When the image holds no
// version block, reads the file FallbackFile instead. Values are UTF-8 on
// every system: both ways go through the portable functions.
void ReadOwnVersionStrings(const std::string& FallbackFile, TStringList& List);

#ifdef _WIN32
// ReadVersionStrings through the portable functions instead of the system's:
// the same contract, with values in UTF-8. The tests hold the two side by
// side.
void ReadPortableVersionStrings(const std::string& FileName, TStringList& List);
#endif
