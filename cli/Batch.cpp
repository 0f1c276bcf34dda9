#include "Batch.h"

#include "BatchLine.h"
#include "LineReader.h"
#include "Messages.h"
#include "TextWriting.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <exception>

namespace {

// The size from which results are written out without waiting for the end
// of the input block.
constexpr std::size_t kOutputBlock = 64 * 1024;

bool IsBlank(std::string_view Line) {
    return std::all_of(Line.begin(), Line.end(), [](char C) { return C == ' ' || C == '\t'; });
}

// Appends the line that stands for a failed input line's result, so that
// every input line that is not blank has its output line: an empty line, or
// in JSON an object with the line number and the message.
void AppendFailure(TTextBuffer& Out, TResultFormat Format, long Number,
                   const std::string& Message) {
    if (Format == TResultFormat::Json) {
        Out += "{\"line\":";
        AppendInt(Out, Number);
        Out += ",\"error\":";
        AppendJsonString(Out, Message);
        Out += '}';
    }
    Out += '\n';
}

// Works one line that is not blank: appends its result to the output or, when
// it fails, the line that stands for one, and says why on standard error.
// Returns false when the line failed.
bool WorkLine(const TInputLine& Line, TBatchLine& Calculation, TResultFormat Format,
              TOutput& Output) {
    // What went wrong in English (a JSON result's "error") and as standard
    // error shows it, in the user's language; Unit the amount it is about
    // (if any).
    const auto Fail = [&](const std::string& English, const std::string& Shown,
                          const char* Unit = nullptr) {
        const std::string Number = std::to_string(Line.Number);
        Output.Error(Unit ? Fill(Tr(kLineAmountMessage), {Number, Unit, Shown})
                          : Fill(Tr(kLineMessage), {Number, Shown}));
        AppendFailure(Output.Text, Format, Line.Number,
                      Unit ? Fill(kAmountMessage, {Unit, English}) : English);
        return false;
    };
    if (Line.Overlong)
        return Fail(kLineTooLong, Tr(kLineTooLong));
    const std::size_t Mark = Output.Text.Size();
    try {
        Calculation.Run(Line.Text, Output.Text);
        return true;
    } catch (const TUsageError& E) {
        Output.Text.Truncate(Mark); // nothing of a failed line is written
        return Fail(E.what(), E.Translated());
    } catch (const TAmountError& E) {
        Output.Text.Truncate(Mark);
        return Fail(ShownError(E.what()), TranslatedError(E), kUnitNames[E.Unit]);
    } catch (const std::exception& E) {
        Output.Text.Truncate(Mark);
        return Fail(ShownError(E.what()), TranslatedError(E));
    }
}

} // namespace

int RunBatch(const TResultStyle& Style, std::optional<TAmounts> Shared, TOutput& Output) {
    TLineReader Reader(0);
    TBatchLine Calculation(Style, Shared);
    bool Failed = false;
    for (;;) {
        while (const std::optional<TInputLine> Line = Reader.Next()) {
            if (Line->Overlong || !IsBlank(Line->Text))
                Failed = !WorkLine(*Line, Calculation, Style.Format, Output) || Failed;
            // Whole lines go out in blocks that stay in the processor's cache.
            if (Output.Text.Size() >= kOutputBlock && !Output.Flush())
                break;
        }
        // The results so far go out before the program waits for more input;
        // once they cannot, there is no point in reading on.
        if (!Output.Flush() || !Reader.Fill())
            break;
    }
    if (!Output.Finish())
        return kExitStreamFailed;
    if (Reader.Error()) {
        Output.Error(Fill(Tr(kCannotRead), {std::strerror(Reader.Error())}));
        return kExitStreamFailed;
    }
    return Failed ? kExitFailed : kExitDone;
}
