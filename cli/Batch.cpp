#include "Batch.h"

#include "MessageText.h"

#include <QString>

#include <algorithm>
#include <array>
#include <cerrno>
#include <cstring>
#include <vector>

#ifdef _WIN32
#include <io.h>
#define MORVANE_READ _read
#define MORVANE_WRITE _write
#else
#include <unistd.h>
#define MORVANE_READ ::read
#define MORVANE_WRITE ::write
#endif

namespace {

// Writes all of Size bytes to the file descriptor, however many calls it
// takes. False on an error.
bool WriteAll(int Fd, const char* Data, std::size_t Size) {
    while (Size > 0) {
        const auto Chunk = static_cast<unsigned>(std::min<std::size_t>(Size, 1u << 30));
        const auto Written = MORVANE_WRITE(Fd, Data, Chunk);
        if (Written < 0 && errno == EINTR)
            continue;
        if (Written <= 0)
            return false;
        Data += Written;
        Size -= static_cast<std::size_t>(Written);
    }
    return true;
}

// Reads what is there, up to Size bytes, waiting only when nothing is: a
// script that writes one line and waits for its result gets it. 0 at the end
// of the input, -1 on an error.
long ReadSome(char* Data, std::size_t Size) {
    for (;;) {
        const auto Chunk = static_cast<unsigned>(std::min<std::size_t>(Size, 1u << 30));
        const auto Got = MORVANE_READ(0, Data, Chunk);
        if (Got < 0 && errno == EINTR)
            continue;
        return static_cast<long>(Got);
    }
}

constexpr const char* kLineForms = "expected 'diff START END' or 'add START N N N N N N'";

// One line's calculation, appended to Out. Raises TUsageError for a line
// that isn't one of the two forms, TConvertError for a calculation that
// fails. Amounts is reused from line to line so its strings keep their room.
template <class F>
void RunLine(std::string_view Line, TResultFormat Format, F&& Today, TAmountTexts& Amounts,
             std::string& Out) {
    std::array<std::string_view, 8> Words;
    std::size_t Count = 0;
    for (std::size_t Pos = 0; Pos < Line.size();) {
        if (Line[Pos] == ' ' || Line[Pos] == '\t') {
            ++Pos;
            continue;
        }
        std::size_t End = Pos;
        while (End < Line.size() && Line[End] != ' ' && Line[End] != '\t')
            ++End;
        if (Count == Words.size())
            throw TUsageError(kLineForms);
        Words[Count++] = Line.substr(Pos, End - Pos);
        Pos = End;
    }
    if (Count == 3 && Words[0] == "diff") {
        const TDateTime Start = ParseDate(Words[1], Today);
        const TDateTime End = ParseDate(Words[2], Today);
        AppendDifference(Out, Start, End, Format, TDiffLayout::OneLine);
    } else if (Count == 8 && Words[0] == "add") {
        const TDateTime Start = ParseDate(Words[1], Today);
        for (std::size_t K = 0; K < Amounts.size(); ++K)
            Amounts[K].assign(Words[K + 2]);
        AppendNewDate(Out, ApplyAmounts(Start, Amounts), Format);
    } else {
        throw TUsageError(kLineForms);
    }
}

bool IsBlank(std::string_view Line) {
    return Line.find_first_not_of(" \t") == std::string_view::npos;
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

int RunBatch(TResultFormat Format, TOutput& Output) {
    TDateTime TodayValue = 0;
    bool TodayKnown = false;
    const auto Today = [&] {
        if (!TodayKnown) {
            TodayValue = LocalToday();
            TodayKnown = true;
        }
        return TodayValue;
    };

    // Input is read in large blocks; each complete line is worked at once,
    // and what is left of a line waits at the front for the next block. No
    // calculation is anywhere near the block's size: a line that fills it is
    // reported and skipped to its end rather than held in ever more memory.
    std::vector<char> Buffer(std::size_t{1} << 20);
    bool Skipping = false;
    std::size_t Held = 0;
    long LineNumber = 0;
    bool Failed = false;
    TAmountTexts Amounts;

    const auto Fail = [&](const std::string& Message) {
        Failed = true;
        Output.Error("line " + std::to_string(LineNumber) + ": " + Message);
    };
    const auto Work = [&](std::string_view Line) {
        ++LineNumber;
        if (!Line.empty() && Line.back() == '\r')
            Line.remove_suffix(1);
        if (IsBlank(Line))
            return;
        const std::size_t Mark = Output.Text.size();
        try {
            RunLine(Line, Format, Today, Amounts, Output.Text);
        } catch (const TUsageError& E) {
            Output.Text.resize(Mark); // nothing of a failed line is written
            Fail(E.what());
        } catch (const std::exception& E) {
            Output.Text.resize(Mark);
            Fail(ShownError(E.what()));
        }
    };

    for (;;) {
        // Results so far go out before the program waits for more input.
        Output.Flush();
        if (Held == Buffer.size()) {
            ++LineNumber;
            Fail(kLineForms);
            Skipping = true;
            Held = 0;
        }
        const long Got = ReadSome(Buffer.data() + Held, Buffer.size() - Held);
        if (Got < 0) {
            Output.Error(std::string("cannot read standard input: ") + std::strerror(errno));
            return 1;
        }
        if (Got == 0)
            break;
        const std::size_t Size = Held + static_cast<std::size_t>(Got);
        std::size_t Start = 0;
        if (Skipping) {
            const void* NewLine = std::memchr(Buffer.data(), '\n', Size);
            if (!NewLine)
                continue;
            Start = static_cast<std::size_t>(static_cast<const char*>(NewLine) - Buffer.data()) + 1;
            Skipping = false;
        }
        for (;;) {
            const void* NewLine = std::memchr(Buffer.data() + Start, '\n', Size - Start);
            if (!NewLine)
                break;
            const auto End =
                static_cast<std::size_t>(static_cast<const char*>(NewLine) - Buffer.data());
            Work(std::string_view(Buffer.data() + Start, End - Start));
            Start = End + 1;
        }
        Held = Size - Start;
        std::memmove(Buffer.data(), Buffer.data() + Start, Held);
    }
    if (Held > 0) // a last line without its line break
        Work(std::string_view(Buffer.data(), Held));
    return Output.Finish() && !Failed ? 0 : 1;
}
