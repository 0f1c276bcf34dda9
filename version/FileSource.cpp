// FileSource: the bytes of a regular file, through POSIX calls or, on
// Windows, the C runtime's.
#include <algorithm>
#include <cerrno>
#include <system_error>

#include "ImageFormats.h"

#include <fcntl.h>
#include <sys/stat.h>
#ifdef _WIN32
#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <io.h>
#include <windows.h>
#else
#include <unistd.h>
#endif

namespace verinfo {

namespace {

// The file calls FileSource makes: POSIX, or the C runtime's on Windows
// (where a pipe or device has a name of its own, \\.\..., and is refused as
// not a regular file).
#ifdef _WIN32
using FileStatus = struct _stati64;
bool IsDirectory(unsigned Mode) {
    return (Mode & _S_IFMT) == _S_IFDIR;
}
int OpenFile(const char* Name) {
    const int Fd = ::_open(Name, _O_RDONLY | _O_BINARY);
    // The C runtime refuses a directory as "Permission denied", and one
    // named with a trailing separator (C:\Windows\) as "No such file or
    // directory", which its own stat says too: say what it is, as POSIX
    // systems do. The system's attribute query takes either name and leaves
    // errno alone.
    if (Fd < 0 && (errno == EACCES || errno == ENOENT)) {
        const DWORD Attributes = GetFileAttributesA(Name);
        if (Attributes != INVALID_FILE_ATTRIBUTES && (Attributes & FILE_ATTRIBUTE_DIRECTORY) != 0) {
            errno = EISDIR;
        }
    }
    return Fd;
}
int StatusOf(int Fd, FileStatus& Status) {
    return ::_fstati64(Fd, &Status);
}
void CloseFile(int Fd) {
    ::_close(Fd);
}
// Reads up to Count bytes at Offset: returns how many, 0 at the end, < 0 on
// an error.
long long ReadSome(int Fd, void* Out, std::size_t Count, std::uint64_t Offset) {
    if (::_lseeki64(Fd, static_cast<long long>(Offset), SEEK_SET) < 0) {
        return -1;
    }
    return ::_read(Fd, Out, static_cast<unsigned>(std::min<std::size_t>(Count, 1u << 30)));
}
bool IsRegular(unsigned Mode) {
    return (Mode & _S_IFMT) == _S_IFREG;
}
#else
using FileStatus = struct stat;
// Without waiting: opening a named pipe with no writer, or some devices,
// would otherwise wait for the other end.
int OpenFile(const char* Name) {
    return ::open(Name, O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
}
int StatusOf(int Fd, FileStatus& Status) {
    return ::fstat(Fd, &Status);
}
void CloseFile(int Fd) {
    ::close(Fd);
}
long long ReadSome(int Fd, void* Out, std::size_t Count, std::uint64_t Offset) {
    return ::pread(Fd, Out, Count, static_cast<off_t>(Offset));
}
bool IsDirectory(mode_t Mode) {
    return S_ISDIR(Mode);
}
bool IsRegular(mode_t Mode) {
    return S_ISREG(Mode);
}
#endif

} // namespace

FileSource::FileSource(const std::string& FileName) {
    const int F = OpenFile(FileName.c_str());
    if (F < 0) {
        Problem = std::generic_category().message(errno);
        return;
    }
    FileStatus Status{};
    if (StatusOf(F, Status) != 0) {
        Problem = std::generic_category().message(errno);
    } else if (IsDirectory(Status.st_mode)) {
        Problem = std::generic_category().message(EISDIR);
    } else if (!IsRegular(Status.st_mode)) {
        Problem = "not a regular file"; // a pipe, socket or device: nothing to read
    }
    if (!Problem.empty()) {
        CloseFile(F);
        return;
    }
    Fd = F;
    Length = static_cast<std::uint64_t>(Status.st_size);
}

FileSource::~FileSource() {
    if (Fd >= 0) {
        CloseFile(Fd);
    }
}

bool FileSource::ReadAt(std::uint64_t Offset, void* Dest, std::size_t Count) const {
    if (Fd < 0 || !Inside(Offset, Count, Length)) {
        return false;
    }
    auto* Out = static_cast<char*>(Dest);
    while (Count > 0) {
        const long long Got = ReadSome(Fd, Out, Count, Offset);
        if (Got < 0 && errno == EINTR) {
            continue;
        }
        if (Got <= 0) {
            return false; // an error, or the file shrank since it was opened
        }
        Out += Got;
        Offset += static_cast<std::uint64_t>(Got);
        Count -= static_cast<std::size_t>(Got);
    }
    return true;
}

} // namespace verinfo
