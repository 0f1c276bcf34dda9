#include "Output.h"

#include "Messages.h"
#include "UserLocale.h"

#include <algorithm>
#include <cerrno>
#include <csignal>
#include <cstring>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// Writes all of Size bytes to the file descriptor, however many calls it
// takes, and adds the bytes written to Written. Returns 0, or the errno of
// the write that failed.
int WriteAll(int Fd, const char* Data, std::size_t Size, std::size_t& Written) {
    while (Size > 0) {
        const ssize_t Done = ::write(Fd, Data, std::min<std::size_t>(Size, 1u << 30));
        if (Done < 0 && errno == EINTR)
            continue;
        if (Done < 0)
            return errno;
        if (Done == 0)
            return EIO;
        Data += Done;
        Size -= static_cast<std::size_t>(Done);
        Written += static_cast<std::size_t>(Done);
    }
    return 0;
}

int WriteAll(int Fd, std::string_view Text) {
    std::size_t Written = 0;
    return WriteAll(Fd, Text.data(), Text.size(), Written);
}

// After a write of Block to standard output failed once Written of its
// bytes were out: when standard output is a regular file, cuts it back to
// the end of the last whole line written, so that no result stands in part.
void CutBackToLine(std::string_view Block, std::size_t Written) {
    struct stat Status;
    if (Written == 0 || ::fstat(1, &Status) != 0 || !S_ISREG(Status.st_mode))
        return;
    const std::size_t LastBreak = Block.substr(0, Written).rfind('\n');
    const std::size_t Partial = Written - (LastBreak == std::string_view::npos ? 0 : LastBreak + 1);
    const off_t End = ::lseek(1, 0, SEEK_CUR);
    if (Partial > 0 && End >= static_cast<off_t>(Partial))
        if (::ftruncate(1, End - static_cast<off_t>(Partial)) == 0)
            ::lseek(1, End - static_cast<off_t>(Partial), SEEK_SET);
}

// True when standard output and standard error go to the same terminal,
// file, pipe or socket, where a reader sees results and messages in the
// order they were written.
bool StreamsShared() {
    struct stat Out, Err;
    if (::fstat(1, &Out) != 0 || ::fstat(2, &Err) != 0)
        return false;
    if (Out.st_dev != Err.st_dev || Out.st_ino != Err.st_ino)
        return false;
    // A device that keeps nothing (/dev/null) has no order to keep.
    return !S_ISCHR(Out.st_mode) || ::isatty(1);
}

} // namespace

TOutput::TOutput() {
    // Past a file-size limit a write fails with EFBIG and is reported, rather
    // than the program being killed with a line written in part.
    std::signal(SIGXFSZ, SIG_IGN);
}

bool TOutput::Flush() {
    if (Text.Size() > 0 && FWriteError == 0) {
        std::size_t Written = 0;
        FWriteError = WriteAll(1, Text.View().data(), Text.Size(), Written);
        if (FWriteError != 0)
            CutBackToLine(Text.View(), Written);
    }
    Text.Clear();
    if (FMessages.Size() > 0) {
        WriteAll(2, FMessages.View());
        FMessages.Clear();
    }
    return FWriteError == 0;
}

bool TOutput::Finish() {
    if (Flush())
        return true;
    Error(Fill(Tr(kCannotWrite), {SystemReason(FWriteError)}));
    Flush();
    return false;
}

void TOutput::Error(std::string_view Message) {
    FMessages += kMessageStart;
    FMessages += Message;
    FMessages += '\n';
    if (!FGather || FShared)
        Flush();
}

void TOutput::GatherMessages() {
    FGather = true;
    FShared = StreamsShared();
}

TClosedStreams OpenClosedStandardStreams() {
    bool Closed[3] = {};
    for (int Fd = 0; Fd < 3; ++Fd) {
        // The lower numbers are open by now, so open() returns Fd itself.
        if (::fcntl(Fd, F_GETFD) < 0 && errno == EBADF) {
            Closed[Fd] = true;
            ::open("/dev/null", O_RDWR);
        }
    }
    return {Closed[0], Closed[1]};
}
