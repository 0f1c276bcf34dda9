// Text of dates and integers: the long date format, IntToText and TextToInt.
#include "DateRoutines.h"

#include <algorithm>
#include <charconv>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>

namespace {

char Lower(char c) {
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

// Writes N in decimal at Out, padded with zeros to at least Width digits,
// and returns the end.
char* WriteNumber(char* Out, std::uint64_t N, std::size_t Width) {
    if (N < 100 && Width <= 2) { // a day or a month
        if (N >= 10 || Width == 2) {
            *Out++ = static_cast<char>('0' + N / 10);
        }
        *Out++ = static_cast<char>('0' + N % 10);
        return Out;
    }
    if (N < 10000 && Width == 4) { // a year of the years 1 to 9999
        return morvane::date_internal::WriteFourDigits(Out, static_cast<std::uint32_t>(N));
    }
    char* const End = std::to_chars(Out, Out + 20, N).ptr;
    const auto Count = static_cast<std::size_t>(End - Out);
    if (Count >= Width) {
        return End;
    }
    std::memmove(Out + (Width - Count), Out, Count);
    std::memset(Out, '0', Width - Count);
    return Out + Width;
}

// Copies are made kCopyWidth characters at a time, a size the compiler
// copies in two moves, whatever the text's length; the text after a copy's
// end is overwritten by what comes next or lies beyond the end returned.
constexpr std::size_t kCopyWidth = 32;

char* Copy(char* Out, const char* Text, std::size_t Length) {
    if (Length <= kCopyWidth) {
        std::memcpy(Out, Text, kCopyWidth);
    } else {
        std::memcpy(Out, Text, Length);
    }
    return Out + Length;
}

// Number of characters from Pattern[Pos] on that are the letter Letter
// (lower case) in either case.
std::size_t RunLength(const std::string& Pattern, std::size_t Pos, char Letter) {
    std::size_t End = Pos;
    while (End < Pattern.size() && Lower(Pattern[End]) == Letter) {
        ++End;
    }
    return End - Pos;
}

[[noreturn]] void RaiseNotInteger(const std::string& S) {
    throw TConvertError(cpNotInteger, S);
}

int HexDigit(char c) {
    if (c >= '0' && c <= '9') {
        return c - '0';
    }
    if (c >= 'a' && c <= 'f') {
        return c - 'a' + 10;
    }
    if (c >= 'A' && c <= 'F') {
        return c - 'A' + 10;
    }
    return -1;
}

} // namespace

TDateFormatSettings& DateFormatSettings() {
    static TDateFormatSettings Settings;
    return Settings;
}

TDatePattern::TDatePattern(const std::string& Pattern) {
    const TDateFormatSettings& Settings = DateFormatSettings();
    for (std::size_t I = 0; I < 7; ++I) {
        FDayNames[I] = AddText(Settings.ShortDayNames[I]);
        FDayNames[7 + I] = AddText(Settings.LongDayNames[I]);
    }
    for (std::size_t I = 0; I < 12; ++I) {
        FMonthNames[I] = AddText(Settings.ShortMonthNames[I]);
        FMonthNames[12 + I] = AddText(Settings.LongMonthNames[I]);
    }
    Read(Pattern, true);
    FTexts.append(kCopyWidth, '\0');
    FMaxLength += kCopyWidth;
}

TDatePattern::TText TDatePattern::AddText(const std::string& Text) {
    const TText Added = {static_cast<std::uint32_t>(FTexts.size()),
                         static_cast<std::uint32_t>(Text.size())};
    FTexts += Text;
    return Added;
}

void TDatePattern::AddPiece(TPieceKind Kind, std::uint32_t Start, std::uint32_t Length) {
    // A number has at most 20 digits (a 64-bit year); a name is as long as
    // the longest of its kind.
    const auto Longest = [](const TText* First, std::size_t Count) {
        std::size_t Max = 0;
        for (std::size_t I = 0; I < Count; ++I) {
            Max = std::max<std::size_t>(Max, First[I].Length);
        }
        return Max;
    };
    switch (Kind) {
    case TPieceKind::Literal:
        FMaxLength += Length;
        break;
    case TPieceKind::Day:
    case TPieceKind::Month:
    case TPieceKind::Year:
        FMaxLength += std::max<std::size_t>(Length, 20);
        break;
    case TPieceKind::DayName:
        FMaxLength += Longest(&FDayNames[Start], 7);
        break;
    case TPieceKind::MonthName:
        FMaxLength += Longest(&FMonthNames[Start], 12);
        break;
    }
    FPieces.push_back({Kind, Start, Length});
}

void TDatePattern::AddLiteral(const std::string& Text, std::size_t Start, std::size_t Length) {
    if (Length == 0) {
        return;
    }
    // Runs of literal text become one piece.
    if (!FPieces.empty() && FPieces.back().Kind == TPieceKind::Literal) {
        FPieces.back().Length += static_cast<std::uint32_t>(Length);
        FMaxLength += Length;
    } else {
        AddPiece(TPieceKind::Literal, static_cast<std::uint32_t>(FTexts.size()),
                 static_cast<std::uint32_t>(Length));
    }
    FTexts.append(Text, Start, Length);
}

// Reads Pattern into pieces. Expand says whether a run of five or more "d"
// may still stand for the whole long date pattern; inside that expansion it
// may not, so a pattern that names itself cannot recurse.
void TDatePattern::Read(const std::string& Pattern, bool Expand) {
    const TDateFormatSettings& Settings = DateFormatSettings();
    std::size_t Pos = 0;
    while (Pos < Pattern.size()) {
        const char c = Pattern[Pos];
        const char Letter = Lower(c);
        if (Letter == 'd') {
            const std::size_t Run = RunLength(Pattern, Pos, 'd');
            if (Run == 1 || Run == 2) {
                AddPiece(TPieceKind::Day, 0, static_cast<std::uint32_t>(Run));
            } else if (Run == 3) {
                AddPiece(TPieceKind::DayName, 0, 0);
            } else if (Run == 4 || !Expand) {
                AddPiece(TPieceKind::DayName, 7, 0);
            } else {
                Read(Settings.LongDatePattern, false);
            }
            Pos += Run;
        } else if (Letter == 'm') {
            const std::size_t Run = RunLength(Pattern, Pos, 'm');
            if (Run <= 2) {
                AddPiece(TPieceKind::Month, 0, static_cast<std::uint32_t>(Run));
            } else {
                AddPiece(TPieceKind::MonthName, Run == 3 ? 0 : 12, 0);
            }
            Pos += Run;
        } else if (Letter == 'y') {
            const std::size_t Run = RunLength(Pattern, Pos, 'y');
            AddPiece(TPieceKind::Year, 0, Run <= 2 ? 2 : 4);
            Pos += Run;
        } else if (c == '/') {
            AddLiteral(Settings.DateSeparator, 0, Settings.DateSeparator.size());
            ++Pos;
        } else if (c == '\'' || c == '"') {
            // Quoted text up to the matching quote (or the end), quotes dropped.
            const std::size_t Close = Pattern.find(c, Pos + 1);
            const std::size_t End = Close == std::string::npos ? Pattern.size() : Close;
            AddLiteral(Pattern, Pos + 1, End - Pos - 1);
            Pos = Close == std::string::npos ? End : End + 1;
        } else {
            AddLiteral(Pattern, Pos, 1);
            ++Pos;
        }
    }
}

char* TDatePattern::Write(char* Out, TDateTime D) const {
    return Write(Out, D, SplitDate(D));
}

char* TDatePattern::Write(char* Out, TDateTime D, const TDateParts& Parts) const {
    const bool MonthKnown = Parts.Month >= 1 && Parts.Month <= 12;
    const auto MonthIndex = static_cast<std::size_t>(MonthKnown ? Parts.Month - 1 : 0);
    const auto DayIndex = static_cast<std::size_t>(WeekdayOf(D) - 1);
    // Every split year is 0 or above.
    const auto Year = static_cast<std::uint64_t>(Parts.Year);
    const auto CopyText = [&](TText Text) {
        return Copy(Out, FTexts.data() + Text.Start, Text.Length);
    };
    for (const TPiece& Piece : FPieces) {
        switch (Piece.Kind) {
        case TPieceKind::Literal:
            Out = CopyText({Piece.Start, Piece.Length});
            break;
        case TPieceKind::Day:
            Out = WriteNumber(Out, static_cast<std::uint64_t>(Parts.Day), Piece.Length);
            break;
        case TPieceKind::DayName:
            Out = CopyText(FDayNames[Piece.Start + DayIndex]);
            break;
        case TPieceKind::Month:
            Out = WriteNumber(Out, static_cast<std::uint64_t>(Parts.Month), Piece.Length);
            break;
        case TPieceKind::MonthName:
            if (MonthKnown) {
                Out = CopyText(FMonthNames[Piece.Start + MonthIndex]);
            }
            break;
        case TPieceKind::Year:
            Out = WriteNumber(Out, Piece.Length == 2 ? Year % 100 : Year, Piece.Length);
            break;
        }
    }
    return Out;
}

void TDatePattern::AppendTo(std::string& Out, TDateTime D) const {
    const std::size_t Start = Out.size();
    Out.resize(Start + FMaxLength);
    Out.resize(static_cast<std::size_t>(Write(Out.data() + Start, D) - Out.data()));
}

std::string FormatDateText(const std::string& Pattern, TDateTime D) {
    std::string Out;
    TDatePattern(Pattern).AppendTo(Out, D);
    return Out;
}

std::string LongDateText(TDateTime D) {
    return FormatDateText(DateFormatSettings().LongDatePattern, D);
}

char* WriteIsoDate(char* Out, const TDateParts& P) {
    Out = morvane::date_internal::WriteFourDigits(Out, static_cast<std::uint32_t>(P.Year));
    const auto Month = static_cast<unsigned>(P.Month);
    const auto Day = static_cast<unsigned>(P.Day);
    const char Rest[6] = {
        '-', static_cast<char>('0' + Month / 10), static_cast<char>('0' + Month % 10),
        '-', static_cast<char>('0' + Day / 10),   static_cast<char>('0' + Day % 10)};
    std::memcpy(Out, Rest, sizeof Rest);
    return Out + sizeof Rest;
}

std::string IntToText(std::int32_t N) {
    return std::to_string(N);
}

bool TryTextToInt(std::string_view S, std::int32_t& Value) noexcept {
    std::size_t Pos = 0;
    while (Pos < S.size() && S[Pos] == ' ') {
        ++Pos;
    }
    if (Pos == S.size()) {
        return false;
    }

    // Hexadecimal: "$", "x", "X", "0x" or "0X", then up to eight significant
    // digits, read as the bits of a signed 32-bit integer.
    std::size_t HexStart = std::string_view::npos;
    if (S[Pos] == '$' || S[Pos] == 'x' || S[Pos] == 'X') {
        HexStart = Pos + 1;
    } else if (S[Pos] == '0' && Pos + 1 < S.size() && (S[Pos + 1] == 'x' || S[Pos + 1] == 'X')) {
        HexStart = Pos + 2;
    }
    if (HexStart != std::string_view::npos) {
        if (HexStart == S.size()) {
            return false;
        }
        std::uint32_t Bits = 0;
        int Significant = 0;
        for (std::size_t i = HexStart; i < S.size(); ++i) {
            const int Digit = HexDigit(S[i]);
            if (Digit < 0) {
                return false;
            }
            if (Significant > 0 || Digit != 0) {
                if (++Significant > 8) {
                    return false;
                }
            }
            Bits = (Bits << 4) | static_cast<std::uint32_t>(Digit);
        }
        Value = static_cast<std::int32_t>(Bits); // modular since C++20
        return true;
    }

    // Decimal: optional sign, then digits whose value fits in 32 bits.
    bool Negative = false;
    if (S[Pos] == '+' || S[Pos] == '-') {
        Negative = S[Pos] == '-';
        ++Pos;
    }
    if (Pos == S.size()) {
        return false;
    }
    const std::int64_t Limit = Negative ? std::int64_t{2147483648} : std::int64_t{2147483647};
    std::int64_t Magnitude = 0;
    for (std::size_t i = Pos; i < S.size(); ++i) {
        if (S[i] < '0' || S[i] > '9') {
            return false;
        }
        Magnitude = Magnitude * 10 + (S[i] - '0');
        if (Magnitude > Limit) {
            return false;
        }
    }
    Value = static_cast<std::int32_t>(Negative ? -Magnitude : Magnitude);
    return true;
}

std::int32_t TextToInt(const std::string& S) {
    std::int32_t Value = 0;
    if (!TryTextToInt(S, Value)) {
        RaiseNotInteger(S);
    }
    return Value;
}
