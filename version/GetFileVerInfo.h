// GetFileVerInfo: reads the descriptive strings of an executable's version
// information (company, description, version, copyright, ...) in a fixed
// key order.
#pragma once

#include <array>
#include <string>

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

#ifdef _WIN32
// ReadVersionStrings through the portable functions instead of the system's:
// the same contract, with values in UTF-8. The tests hold the two side by
// side.
void ReadPortableVersionStrings(const std::string& FileName, TStringList& List);
#endif
