#include "Batch.h"

#include "BatchLine.h"
#include "LineReader.h"
#include "Messages.h"

#include <cerrno>
#include <cstring>
#include <exception>

namespace {

bool IsBlank(std::string_view Line) {
    return Line.find_first_not_of(" \t") == std::string_view::npos;
}

} // namespace

int RunBatch(TResultFormat Format, TOutput& Output) {
    TLineReader Reader(0);
    TBatchLine Calculation(Format);
    bool Failed = false;
    const auto Fail = [&](long Number, const std::string& Message) {
        Failed = true;
        Output.Error(Fill(kLineMessage, {std::to_string(Number), Message}));
    };
    for (;;) {
        while (const std::optional<TInputLine> Line = Reader.Next()) {
            if (Line->Overlong) {
                Fail(Line->Number, kLineForms);
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
