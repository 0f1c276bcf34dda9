#include "Output.h"

#include "MessageText.h"
#include "Messages.h"

#include <QString>

#include <algorithm>
#include <cerrno>
#include <cstring>

#include <fcntl.h>
#include <unistd.h>

namespace {

// Writes all of Size bytes to the file descriptor, however many calls it
// takes. Returns 0, or the errno of the write that failed.
int WriteAll(int Fd, const char* Data, std::size_t Size) {
    while (Size > 0) {
        const ssize_t Written = ::write(Fd, Data, std::min<std::size_t>(Size, 1u << 30));
        if (Written < 0 && errno == EINTR)
            continue;
        if (Written < 0)
            return errno;
        if (Written == 0)
            return EIO;
        Data += Written;
        Size -= static_cast<std::size_t>(Written);
    }
    return 0;
}

} // namespace

bool TOutput::Flush() {
    if (Text.Size() > 0 && FWriteError == 0)
        FWriteError = WriteAll(1, Text.View().data(), Text.Size());
    Text.Clear();
    return FWriteError == 0;
}

bool TOutput::Finish() {
    if (Flush())
        return true;
    Error(Fill(Tr(kCannotWrite), {std::strerror(FWriteError)}));
    return false;
}

void TOutput::Error(const std::string& Message) {
    Flush();
    const std::string Line = kMessageStart + Message + "\n";
    WriteAll(2, Line.data(), Line.size());
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

std::string ShownError(const char* What) {
    return WithFullStop(QString::fromUtf8(What)).toStdString();
}

std::string TranslatedError(const std::exception& Error) {
    if (!InUserLanguage())
        return ShownError(Error.what());
    return WithFullStop(ErrorText(Error)).toStdString();
}
