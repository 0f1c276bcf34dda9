// morvane-verinfo FILE
//
// Prints the version strings of FILE, as ReadVersionStrings returns them, one
// per line and in the same order. It lets scripts and the install checks see
// what an installed or packaged executable carries without starting its
// windows. The usage text below is its documentation.
#include <cstdio>
#include <cstring>
#include <exception>
#include <string>
#include <string_view>

#include "GetFileVerInfo.h"
#include "TextRules.h"
#include "VersionResource.h"

#ifdef _WIN32
#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>
#endif

namespace {

constexpr char kUsage[] =
    "usage: morvane-verinfo FILE\n"
    "       morvane-verinfo --help\n"
    "Prints the version strings of FILE (a PE or ELF executable) one per line,\n"
    "in this order: CompanyName, FileDescription, FileVersion, InternalName,\n"
    "LegalCopyright, LegalTrademarks, OriginalFilename, ProductName,\n"
    "ProductVersion, Comments, Release. Absent keys are left out; an empty value\n"
    "prints as (unknown). So that each value takes one line and reads as it is,\n"
    "a line feed, carriage return, tab and backslash in it print as \\n, \\r, \\t\n"
    "and \\\\, and any other control character (C0, DEL, C1), the line and\n"
    "paragraph separators U+2028 and U+2029, the marks and controls of\n"
    "bidirectional text and bytes that are not UTF-8 as \\xhh, one for each byte.\n"
    "Exit status: 0 strings printed; 1 FILE holds no version strings; 2 FILE\n"
    "could not be read (or the output not written); 3 wrong usage.\n";

enum ExitStatus { Printed = 0, NoStrings = 1, Unreadable = 2, WrongUsage = 3 };

// True when the values are UTF-8 text, where the C1 control characters and
// the line and paragraph separators take two or three bytes. On Windows they
// are in the ANSI code page, which may be UTF-8 too.
bool TextIsUtf8() {
#ifdef _WIN32
    return GetACP() == CP_UTF8;
#else
    return true;
#endif
}

#ifdef _WIN32
// Text (UTF-8) in the ANSI code page, each character as the system's version
// functions convert it (the closest letter, else "?").
std::string InAnsiCodePage(const std::string& Text) {
    const int Size = static_cast<int>(Text.size());
    const int Units = MultiByteToWideChar(CP_UTF8, 0, Text.data(), Size, nullptr, 0);
    std::wstring Wide(static_cast<std::size_t>(Units), L'\0');
    MultiByteToWideChar(CP_UTF8, 0, Text.data(), Size, Wide.data(), Units);
    const int Bytes =
        WideCharToMultiByte(CP_ACP, 0, Wide.data(), Units, nullptr, 0, nullptr, nullptr);
    std::string Out(static_cast<std::size_t>(Bytes), '\0');
    WideCharToMultiByte(CP_ACP, 0, Wide.data(), Units, Out.data(), Bytes, nullptr, nullptr);
    return Out;
}
#endif

} // namespace

int main(int argc, char* argv[]) {
    if (argc == 2 && std::strcmp(argv[1], "--help") == 0) {
        std::fputs(kUsage, stdout);
        return std::fflush(stdout) == 0 ? Printed : Unreadable;
    }
    if (argc != 2) {
        std::fputs(kUsage, stderr);
        return WrongUsage;
    }
    const char* File = argv[1];
    try {
        // Why a file can't be read (missing, a directory, a pipe, no
        // permission) is told apart from a file that holds no strings.
        const verinfo::FileSource Source(File);
        if (!Source.IsOpen()) {
            std::fprintf(stderr, "morvane-verinfo: %s: cannot read: %s\n", File,
                         Source.Failure().c_str());
            return Unreadable;
        }
        TStringList List;
        ReadVersionStrings(File, List);
#ifdef _WIN32
        // The system's functions read PE files only: the strings of an ELF
        // file come from the portable reader, in the code page the system
        // gives the others in. Any other file has what the system finds.
        if (List.Count() == 0 && verinfo::IsElfFile(Source)) {
            TStringList Portable;
            ReadPortableVersionStrings(File, Portable);
            for (int I = 0; I < Portable.Count(); ++I)
                List.Add(InAnsiCodePage(Portable[I]));
        }
#endif
        if (List.Count() == 0) {
            std::fprintf(stderr, "morvane-verinfo: %s: no version strings\n", File);
            return NoStrings;
        }
        const bool Utf8 = TextIsUtf8();
        for (int I = 0; I < List.Count(); ++I) {
            std::string Line;
            AppendEscaped(Line, List[I], Utf8 ? TTextEncoding::Utf8 : TTextEncoding::SingleByte);
            std::printf("%s\n", Line.c_str());
        }
        if (std::fflush(stdout) != 0) {
            std::perror("morvane-verinfo: cannot write");
            return Unreadable;
        }
        return Printed;
    } catch (const std::exception& E) {
        std::fprintf(stderr, "morvane-verinfo: %s: %s\n", File, E.what());
        return Unreadable;
    }
}
