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

void TBatchLine::Run(std::string_view Line, TTextBuffer& Out) {
    const auto Today = [this] { return this->Today(); };
    if (FShared) {
        // One date, with blanks around it at most.
        while (IsBlank(Line.front()))
            Line.remove_prefix(1);
        while (IsBlank(Line.back()))
            Line.remove_suffix(1);
        if (std::any_of(Line.begin(), Line.end(), IsBlank))
            throw TUsageError(kDateLineForm);
        AppendNewDate(Out, ApplyAmounts(ParseDate(Line, Today), *FShared), FStyle);
        return;
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
        if (Count == Words.size())
            throw TUsageError(kLineForms);
        Words[Count++] = Line.substr(Pos, End - Pos);
        Pos = End;
    }
    if (Count == 3 && Words[0] == "diff") {
        const TDateTime Start = ParseDate(Words[1], Today);
        const TDateTime End = ParseDate(Words[2], Today);
        AppendDifference(Out, Start, End, FStyle, TDiffLayout::OneLine);
    } else if (Count == 8 && Words[0] == "add") {
        const TDateTime Start = ParseDate(Words[1], Today);
        const TAmountTexts Amounts = {Words[2], Words[3], Words[4], Words[5], Words[6], Words[7]};
        AppendNewDate(Out, ApplyAmounts(Start, Amounts), FStyle);
    } else {
        throw TUsageError(kLineForms);
    }
}
