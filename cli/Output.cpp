#include "Output.h"

#include "MessageText.h"

#include <QString>

#include <algorithm>
#include <cerrno>

#include <unistd.h>

namespace {

// Writes all of Size bytes to the file descriptor, however many calls it
// takes. False on an error.
bool WriteAll(int Fd, const char* Data, std::size_t Size) {
    while (Size > 0) {
        const ssize_t Written = ::write(Fd, Data, std::min<std::size_t>(Size, 1u << 30));
        if (Written < 0 && errno == EINTR)
            continue;
        if (Written <= 0)
            return false;
        Data += Written;
        Size -= static_cast<std::size_t>(Written);
    }
    return true;
}

} // namespace

void TOutput::Flush() {
    if (!Text.empty() && !WriteAll(1, Text.data(), Text.size()))
        Lost = true;
    Text.clear();
}

bool TOutput::Finish() {
    Flush();
    if (Lost)
        Error("cannot write the results to standard output");
    return !Lost;
}

void TOutput::Error(const std::string& Message) {
    Flush();
    const std::string Line = "morvane-calc: " + Message + "\n";
    WriteAll(2, Line.data(), Line.size());
}

std::string ShownError(const char* What) {
    return WithFullStop(QString::fromUtf8(What)).toStdString();
}
