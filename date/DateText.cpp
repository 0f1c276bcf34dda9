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

// WriteNumber of a number that is neither a day nor a month nor a year of
// the years 1 to 9999: kept out of line, so that those stay short.
char* WriteOtherNumber(char* Out, std::uint64_t N, std::size_t Width) {
    char* const End = std::to_chars(Out, Out + 20, N).ptr;
    const auto Count = static_cast<std::size_t>(End - Out);
    if (Count >= Width) {
        return End;
    }
    std::memmove(Out + (Width - Count), Out, Count);
    std::memset(Out, '0', Width - Count);
    return Out + Width;
}

// Writes N in decimal at Out, padded with zeros to at least Width digits,
// and returns the end.
inline char* WriteNumber(char* Out, std::uint64_t N, std::size_t Width) {
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
    return WriteOtherNumber(Out, N, Width);
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

namespace {

// Sets Entry's YearAt and DayAt when its digits are one year of four digits
// in a row and one day, its tens (if recorded) just before its ones.
template <class TEntry> void SimplifyEntry(TEntry& Entry) {
    int YearAt = -1, Tens = -1, Ones = -1, YearDigits = 0;
    for (int K = 0; K < Entry.Digits; ++K) {
        const int Place = Entry.Place[K];
        const int Position = Entry.Position[K];
        if (Place < 4) {
            if (YearDigits++ == 0)
                YearAt = Position - Place;
            if (Position != YearAt + Place)
                return;
        } else if (Place == 4 && Tens < 0) {
            Tens = Position;
        } else if (Place == 5 && Ones < 0) {
            Ones = Position;
        } else {
            return; // a second day
        }
    }
    if (YearDigits != 4 || Ones < 0 || (Tens >= 0 && Tens != Ones - 1))
        return;
    Entry.YearAt = static_cast<std::uint8_t>(YearAt);
    Entry.DayAt = static_cast<std::uint8_t>(Tens >= 0 ? Tens : Ones);
    Entry.DayDigits = static_cast<std::uint8_t>(Tens >= 0 ? 2 : 1);
}

} // namespace

TDateTable::TDateTable(const TDatePattern& Pattern) : FPattern(Pattern) {
    // Each text is written with the years 1234 and 5678, and with two days
    // of the same number of digits (1 and 2, or 12 and 23): two texts differ
    // exactly where the year's or the day's digits stand, and the first
    // one's digit there tells its place.
    const std::size_t Room = Pattern.MaxLength();
    std::string First(Room, '\0'), OtherYear(Room, '\0'), OtherDay(Room, '\0');
    std::vector<std::string> Texts(7 * 12 * 2);
    FEntries.resize(Texts.size());
    bool Fits = true;
    for (int Weekday = 1; Weekday <= 7; ++Weekday) {
        // Day 0 is a Saturday: the day Weekday days on has that weekday.
        const auto Day0 = static_cast<TDateTime>(Weekday % 7);
        for (int Month = 1; Month <= 12; ++Month) {
            for (const int Day : {1, 12}) {
                const auto Write = [&](std::string& Text, std::int64_t Y, int D) {
                    return static_cast<std::size_t>(
                        Pattern.Write(Text.data(), Day0, {Y, Month, D}) - Text.data());
                };
                const std::size_t Length = Write(First, 1234, Day);
                Fits = Fits && Length <= kMaxLength && Write(OtherYear, 5678, Day) == Length &&
                       Write(OtherDay, 1234, Day + (Day < 10 ? 1 : 11)) == Length;
                TEntry& Entry = FEntries[IndexOf(Weekday, Month, Day)];
                for (std::size_t I = 0; I < Length && Fits; ++I) {
                    const bool InYear = First[I] != OtherYear[I];
                    if (!InYear && First[I] == OtherDay[I])
                        continue;
                    Fits = Entry.Digits < 12;
                    if (Fits) {
                        Entry.Position[Entry.Digits] = static_cast<std::uint8_t>(I);
                        // A day's first digit is its tens only in a day of two.
                        Entry.Place[Entry.Digits++] =
                            static_cast<std::uint8_t>(InYear ? First[I] - '1'
                                                      : Day >= 10 && First[I] == '1' ? 4
                                                                                     : 5);
                    }
                }
                Entry.Length = static_cast<std::uint8_t>(Length);
                Entry.YearAt = Entry.DayAt = kNone;
                SimplifyEntry(Entry);
                Texts[IndexOf(Weekday, Month, Day)] = First.substr(0, Length);
                FStride = std::max(FStride, Length);
            }
        }
    }
    if (!Fits) {
        FEntries.clear();
        FStride = 0;
        FMaxLength = Pattern.MaxLength();
        return;
    }
    FStride = (FStride + 15) / 16 * 16;
    FTexts.resize(FEntries.size() * FStride);
    for (std::size_t I = 0; I < Texts.size(); ++I)
        std::copy(Texts[I].begin(), Texts[I].end(), FTexts.begin() + I * FStride);
    FMaxLength = std::max({FStride, sizeof(TLine), Pattern.MaxLength()});
    // The short road, when every text takes it.
    const bool Short = std::all_of(FEntries.begin(), FEntries.end(), [](const TEntry& E) {
        return E.YearAt != kNone && E.Length <= sizeof(TLine::Text);
    });
    if (Short) {
        FLines.resize(FEntries.size());
        for (std::size_t I = 0; I < FEntries.size(); ++I) {
            TLine& Line = FLines[I];
            std::memcpy(Line.Text, Texts[I].data(), Texts[I].size());
            Line.Length = FEntries[I].Length;
            Line.YearAt = FEntries[I].YearAt;
            Line.DayAt = FEntries[I].DayAt;
            Line.DayDigits = FEntries[I].DayDigits;
        }
    }
}

char* TDateTable::WriteOther(char* Out, TDateTime D, const TDateParts& Parts) const {
    if (FEntries.empty() || Parts.Year < 1 || Parts.Year > 9999 || Parts.Month < 1) {
        return FPattern.Write(Out, D, Parts);
    }
    const std::size_t Index = IndexOf(WeekdayOf(D), Parts.Month, Parts.Day);
    const TEntry& Entry = FEntries[Index];
    std::copy_n(FTexts.begin() + Index * FStride, FStride, Out);
    // The digits by their places: the year's four, then the day's two.
    char Digits[8];
    morvane::date_internal::WriteFourDigits(Digits, static_cast<std::uint32_t>(Parts.Year));
    Digits[4] = static_cast<char>('0' + Parts.Day / 10);
    Digits[5] = static_cast<char>('0' + Parts.Day % 10);
    for (std::uint8_t K = 0; K < Entry.Digits; ++K) {
        Out[Entry.Position[K]] = Digits[Entry.Place[K]];
    }
    return Out + Entry.Length;
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
