#include "LineReader.h"

#include <cerrno>
#include <cstring>

#include <unistd.h>

namespace {

// The UTF-8 byte-order mark that some editors and spreadsheets write first.
constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

} // namespace

TLineReader::TLineReader(int Fd)
    : FFd(Fd), FBuffer(std::make_unique_for_overwrite<char[]>(kLimit)) {}

TInputLine TLineReader::Take(std::size_t End, std::size_t Next) {
    std::string_view Text(FBuffer.get() + FStart, End - FStart);
    FStart = Next;
    if (!Text.empty() && Text.back() == '\r')
        Text.remove_suffix(1);
    if (FNumber == 0 && Text.starts_with(kByteOrderMark))
        Text.remove_prefix(kByteOrderMark.size());
    return {Text, ++FNumber, false};
}

std::optional<TInputLine> TLineReader::Next() {
    if (FOverlong) {
        FOverlong = false;
        return TInputLine{{}, ++FNumber, true};
    }
    for (;;) {
        const void* Break = std::memchr(FBuffer.get() + FStart, '\n', FEnd - FStart);
        if (!Break) {
            if (!FEnded || FStart == FEnd || FSkipping)
                return std::nullopt;
            return Take(FEnd, FEnd); // the last line, without its line break
        }
        const auto End = static_cast<std::size_t>(static_cast<const char*>(Break) - FBuffer.get());
        if (FSkipping) { // the end of an overlong line
            FStart = End + 1;
            FSkipping = false;
            continue;
        }
        return Take(End, End + 1);
    }
}

bool TLineReader::Fill() {
    if (FEnded || FError)
        return false;
    if (FSkipping) {
        FStart = FEnd = 0;
    } else {
        // What is left of a line moves to the front and waits for the rest.
        std::memmove(FBuffer.get(), FBuffer.get() + FStart, FEnd - FStart);
        FEnd -= FStart;
        FStart = 0;
        if (FEnd == kLimit) {
            FOverlong = true;
            FSkipping = true;
            FStart = FEnd = 0;
            return true;
        }
    }
    for (;;) {
        const ssize_t Got = ::read(FFd, FBuffer.get() + FEnd, kLimit - FEnd);
        if (Got < 0 && errno == EINTR)
            continue;
        if (Got < 0) {
            FError = errno;
            return false;
        }
        if (Got == 0) {
            FEnded = true;
            return FStart != FEnd && !FSkipping;
        }
        FEnd += static_cast<std::size_t>(Got);
        return true;
    }
}
