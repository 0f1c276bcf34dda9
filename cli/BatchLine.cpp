#include "BatchLine.h"

#include "Messages.h"

#include <algorithm>
#include <array>

namespace {

bool IsBlank(char C) {
    return C == ' ' || C == '\t';
}

} // namespace

TBatchLine::TBatchLine(const TResultStyle& Style, std::optional<TAmounts> Shared)
    : FStyle(Style), FShared(Shared) {}

TDateTime TBatchLine::Today() {
    if (!FTodayKnown) {
        FToday = LocalToday();
        FTodayKnown = true;
    }
    return FToday;
}

bool TBatchLine::Run(std::string_view Line, TTextBuffer& Out, TProblem& Problem) {
    const auto Today = [this] { return this->Today(); };
    if (FShared) {
        // One date, with blanks around it at most.
        while (IsBlank(Line.front()))
            Line.remove_prefix(1);
        while (IsBlank(Line.back()))
            Line.remove_suffix(1);
        if (std::any_of(Line.begin(), Line.end(), IsBlank)) {
            Problem = TProblem::Message(kDateLineForm);
            return false;
        }
        std::optional<TDateTime> Date = ParseDate(Line, Today);
        if (!Date) {
            Problem = InvalidDate(Line);
            return false;
        }
        if (!ApplyAmounts(*Date, *FShared, Problem))
            return false;
        AppendNewDate(Out, *Date, FStyle);
        return true;
    }
    std::array<std::string_view, 8> Words;
    std::size_t Count = 0;
    for (std::size_t Pos = 0; Pos < Line.size();) {
        if (IsBlank(Line[Pos])) {
            ++Pos;
            continue;
        }
        std::size_t End = Pos;
        while (End < Line.size() && !IsBlank(Line[End]))
            ++End;
        if (Count == Words.size()) {
            Problem = TProblem::Message(kLineForms);
            return false;
        }
        Words[Count++] = Line.substr(Pos, End - Pos);
        Pos = End;
    }
    const bool Diff = Count == 3 && Words[0] == "diff";
    if (!Diff && !(Count == 8 && Words[0] == "add")) {
        Problem = TProblem::Message(kLineForms);
        return false;
    }
    const std::optional<TDateTime> Start = ParseDate(Words[1], Today);
    if (!Start) {
        Problem = InvalidDate(Words[1]);
        return false;
    }
    if (Diff) {
        const std::optional<TDateTime> End = ParseDate(Words[2], Today);
        if (!End) {
            Problem = InvalidDate(Words[2]);
            return false;
        }
        AppendDifference(Out, *Start, *End, FStyle, TDiffLayout::OneLine);
        return true;
    }
    TDateTime Date = *Start;
    const TAmountTexts Amounts = {Words[2], Words[3], Words[4], Words[5], Words[6], Words[7]};
    if (!ApplyAmounts(Date, Amounts, Problem))
        return false;
    AppendNewDate(Out, Date, FStyle);
    return true;
}
