#include "BatchLine.h"

#include "Messages.h"

#include <array>

TBatchLine::TBatchLine(TResultFormat Format) : FFormat(Format) {}

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
    const auto Today = [this] { return this->Today(); };
    if (Count == 3 && Words[0] == "diff") {
        const TDateTime Start = ParseDate(Words[1], Today);
        const TDateTime End = ParseDate(Words[2], Today);
        AppendDifference(Out, Start, End, FFormat, TDiffLayout::OneLine);
    } else if (Count == 8 && Words[0] == "add") {
        const TDateTime Start = ParseDate(Words[1], Today);
        for (std::size_t K = 0; K < FAmounts.size(); ++K)
            FAmounts[K].assign(Words[K + 2]);
        AppendNewDate(Out, ApplyAmounts(Start, FAmounts), FFormat);
    } else {
        throw TUsageError(kLineForms);
    }
}
