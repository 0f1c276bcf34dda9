#include "BatchLine.h"

#include "Messages.h"

#include <array>

TBatchLine::TBatchLine(const TResultStyle& Style, std::optional<TAmounts> Shared)
    : FStyle(Style), FShared(Shared) {}

TDateTime TBatchLine::Today() {
    if (!FTodayKnown) {
        FToday = LocalToday();
        FTodayKnown = true;
    }
    return FToday;
}

void TBatchLine::Run(std::string_view Line, std::string& Out) {
    std::array<std::string_view, 8> Words;
    std::size_t Count = 0;
    const char* Forms = FShared ? kDateLineForm : kLineForms;
    for (std::size_t Pos = 0; Pos < Line.size();) {
        if (Line[Pos] == ' ' || Line[Pos] == '\t') {
            ++Pos;
            continue;
        }
        std::size_t End = Pos;
        while (End < Line.size() && Line[End] != ' ' && Line[End] != '\t')
            ++End;
        if (Count == Words.size())
            throw TUsageError(Forms);
        Words[Count++] = Line.substr(Pos, End - Pos);
        Pos = End;
    }
    const auto Today = [this] { return this->Today(); };
    if (FShared) {
        if (Count != 1)
            throw TUsageError(Forms);
        AppendNewDate(Out, ApplyAmounts(ParseDate(Words[0], Today), *FShared), FStyle);
    } else if (Count == 3 && Words[0] == "diff") {
        const TDateTime Start = ParseDate(Words[1], Today);
        const TDateTime End = ParseDate(Words[2], Today);
        AppendDifference(Out, Start, End, FStyle, TDiffLayout::OneLine);
    } else if (Count == 8 && Words[0] == "add") {
        const TDateTime Start = ParseDate(Words[1], Today);
        const TAmountTexts Amounts = {Words[2], Words[3], Words[4], Words[5], Words[6], Words[7]};
        AppendNewDate(Out, ApplyAmounts(Start, Amounts), FStyle);
    } else {
        throw TUsageError(Forms);
    }
}
