#include "Batch.h"

#include "BatchLine.h"
#include "LineReader.h"

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
        Output.Error("line " + std::to_string(Number) + ": " + Message);
    };
    for (;;) {
        while (const std::optional<TInputLine> Line = Reader.Next()) {
            if (Line->Overlong) {
                Fail(Line->Number, "expected 'diff START END' or 'add START N N N N N N'");
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
        // Results so far go out before the program waits for more input.
        Output.Flush();
        if (!Reader.Fill())
            break;
    }
    if (Reader.Error()) {
        Output.Error(std::string("cannot read standard input: ") + std::strerror(Reader.Error()));
        return 1;
    }
    return Output.Finish() && !Failed ? 0 : 1;
}
