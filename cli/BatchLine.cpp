#include "BatchLine.h"

#include "Messages.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cstdint>
#include <cstring>

namespace {

bool IsBlank(char C) {
    return C == ' ' || C == '\t';
}

// The position of the first blank in Line from Pos on, or Line.size(): eight
// characters at a time, as a word of the line is mostly a date of ten. A
// byte equal to a blank is a zero byte once the word is xor-ed with it, and
// the lowest byte that the zero-byte test marks is the first such byte.
std::size_t NextBlank(std::string_view Line, std::size_t Pos) {
    constexpr std::uint64_t kOnes = 0x0101010101010101, kTops = 0x8080808080808080;
    const auto Zeros = [](std::uint64_t W) { return (W - kOnes) & ~W & kTops; };
    for (; Pos + 8 <= Line.size(); Pos += 8) {
        std::uint64_t W;
        std::memcpy(&W, Line.data() + Pos, 8);
        if (const std::uint64_t Marks = Zeros(W ^ (kOnes * ' ')) | Zeros(W ^ (kOnes * '\t')))
            return Pos + static_cast<std::size_t>(std::countr_zero(Marks)) / 8;
    }
    while (Pos < Line.size() && !IsBlank(Line[Pos]))
        ++Pos;
    return Pos;
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
        if (!ApplyAmounts(*Date, *FShared, Problem, FStyle.WorkingDays))
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
        const std::size_t End = NextBlank(Line, Pos);
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
    if (!ApplyAmounts(Date, Amounts, Problem, FStyle.WorkingDays))
        return false;
    AppendNewDate(Out, Date, FStyle);
    return true;
}
