#include "Batch.h"

#include "BatchLine.h"
#include "LineReader.h"
#include "Messages.h"
#include "TextWriting.h"

#include <cerrno>
#include <cstring>
#include <exception>

namespace {

bool IsBlank(std::string_view Line) {
    return Line.find_first_not_of(" \t") == std::string_view::npos;
}

// Appends the line that stands for a failed input line's result, so that
// every input line that is not blank has its output line: an empty line, or
// in JSON an object with the line number and the message.
void AppendFailure(std::string& Out, TResultFormat Format, long Number,
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

} // namespace

int RunBatch(const TResultStyle& Style, std::optional<TAmounts> Shared, TOutput& Output) {
    TLineReader Reader(0);
    TBatchLine Calculation(Style, Shared);
    bool Failed = false;
    // Message is what went wrong, Unit the amount it is about (if any).
    const auto Fail = [&](long Number, const std::string& Message, const char* Unit = nullptr) {
        Failed = true;
        const std::string Line = std::to_string(Number);
        Output.Error(Unit ? Fill(kLineAmountMessage, {Line, Unit, Message})
                          : Fill(kLineMessage, {Line, Message}));
        AppendFailure(Output.Text, Style.Format, Number,
                      Unit ? Fill(kAmountMessage, {Unit, Message}) : Message);
    };
    for (;;) {
        while (const std::optional<TInputLine> Line = Reader.Next()) {
            if (Line->Overlong) {
                Fail(Line->Number, kLineTooLong);
                continue;
            }
            if (IsBlank(Line->Text))
                continue;
            const std::size_t Mark = Output.Text.size();
            try {
                Calculation.Run(Line->Text, Output.Text);
            } catch (const TUsageError& E) {
                Output.Text.resize(Mark); // nothing of a failed line is written
                Fail(Line->Number, E.what());
            } catch (const TAmountError& E) {
                Output.Text.resize(Mark);
                Fail(Line->Number, ShownError(E.what()), kUnitNames[E.Unit]);
            } catch (const std::exception& E) {
                Output.Text.resize(Mark);
                Fail(Line->Number, ShownError(E.what()));
            }
        }
        // Results so far go out before the program waits for more input;
        // once they cannot, there is no point in reading on.
        if (!Output.Flush())
            break;
        if (!Reader.Fill())
            break;
    }
    if (!Output.Finish())
        return kExitStreamFailed;
    if (Reader.Error()) {
        Output.Error(Fill(kCannotRead, {std::strerror(Reader.Error())}));
        return kExitStreamFailed;
    }
    return Failed ? kExitFailed : kExitDone;
}
