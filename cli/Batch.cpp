#include "Batch.h"

#include "BatchLine.h"
#include "LineReader.h"
#include "Messages.h"
#include "ProblemText.h"
#include "UserLocale.h"

#include <algorithm>
#include <string>

namespace {

// The size from which results are written out without waiting for the end
// of the input block.
constexpr std::size_t kOutputBlock = 64 * 1024;

bool IsBlank(std::string_view Line) {
    return std::all_of(Line.begin(), Line.end(), [](char C) { return C == ' ' || C == '\t'; });
}

// The lines of a run and what becomes of them.
class TBatch {
public:
    TBatch(const TResultStyle& Style, std::optional<TAmounts> Shared, TOutput& Output)
        : FFormat(Style.Format), FCalculation(Style, Shared), FOutput(Output) {}

    // Works one line: appends its result to the output or, when it is blank
    // or fails, the line that stands for one (and for a failure says why on
    // standard error). Returns false when the line failed.
    bool Work(const TInputLine& Line) {
        if (Line.Overlong)
            return Fail(Line.Number, TProblem::Message(kLineTooLong));
        if (IsBlank(Line.Text)) {
            AppendStandIn(Line.Number, kBlankLine);
            return true;
        }
        const std::size_t Mark = FOutput.Text.Size();
        TProblem Problem;
        if (FCalculation.Run(Line.Text, FOutput.Text, Problem))
            return true;
        FOutput.Text.Truncate(Mark); // nothing of a failed line is written
        return Fail(Line.Number, Problem);
    }

private:
    TResultFormat FFormat;
    TBatchLine FCalculation;
    TOutput& FOutput;
    // Kept from one failure to the next, so that a failing line costs no
    // new memory.
    std::string FNumber, FShown, FMessage, FEnglish;

    // Says why line Number failed on standard error and puts its stand-in
    // on standard output; returns false.
    bool Fail(long Number, const TProblem& Problem) {
        FNumber.clear();
        FNumber += std::to_string(Number);
        FShown.clear();
        AppendShownProblem(FShown, Problem);
        FMessage.clear();
        if (Problem.Kind == TProblem::pkNotInteger)
            AppendFilled(FMessage, Tr(kLineAmountMessage),
                         {FNumber, Tr(kAmountNames[Problem.Amount]), FShown});
        else
            AppendFilled(FMessage, Tr(kLineMessage), {FNumber, FShown});
        FOutput.Error(FMessage);
        FEnglish.clear();
        if (FFormat == TResultFormat::Json) {
            if (Problem.Kind == TProblem::pkNotInteger) {
                FEnglish += kUnitNames[Problem.Amount];
                FEnglish += ": ";
            }
            AppendEnglishProblem(FEnglish, Problem);
        }
        AppendStandIn(Number, FEnglish);
        return false;
    }

    // Appends the line that stands for line Number's result: an empty line,
    // or in JSON an object with the line's number and Error.
    void AppendStandIn(long Number, std::string_view Error) {
        TTextBuffer& Out = FOutput.Text;
        if (FFormat == TResultFormat::Json) {
            Out += "{\"line\":";
            AppendInt(Out, Number);
            Out += ",\"error\":";
            AppendJsonString(Out, Error);
            Out += '}';
        }
        Out += '\n';
    }
};

} // namespace

int RunBatch(const TResultStyle& Style, std::optional<TAmounts> Shared, TOutput& Output) {
    TLineReader Reader(0);
    TBatch Batch(Style, Shared, Output);
    Output.GatherMessages();
    bool Failed = false;
    for (;;) {
        while (const std::optional<TInputLine> Line = Reader.Next()) {
            Failed = !Batch.Work(*Line) || Failed;
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
        Output.Error(Fill(Tr(kCannotRead), {SystemReason(Reader.Error())}));
        Output.Flush();
        return kExitStreamFailed;
    }
    return Failed ? kExitFailed : kExitDone;
}
