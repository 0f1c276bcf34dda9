// Text of dates and integers: the long date format, IntToText and TextToInt.
#include "DateRoutines.h"

#include <cstddef>
#include <cstdint>
#include <string>

namespace {

char Lower(char c) {
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

// Appends N in decimal, padded with zeros to at least Width digits.
void AppendNumber(std::string& Out, std::int64_t N, std::size_t Width) {
    std::string Digits = std::to_string(N);
    if (Digits.size() < Width) {
        Out.append(Width - Digits.size(), '0');
    }
    Out += Digits;
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

// Writes D with Pattern into Out. Expand says whether a run of five or more
// "d" may still stand for the whole long date pattern; inside that expansion it
// may not, so a pattern that names itself cannot recurse.
void FormatInto(std::string& Out, const std::string& Pattern, TDateTime D, bool Expand) {
    const TDateFormatSettings& Settings = DateFormatSettings();
    const TDateParts Parts = SplitDate(D);
    const bool MonthKnown = Parts.Month >= 1 && Parts.Month <= 12;
    const auto MonthIndex = static_cast<std::size_t>(MonthKnown ? Parts.Month - 1 : 0);
    const auto DayIndex = static_cast<std::size_t>(WeekdayOf(D) - 1);

    std::size_t Pos = 0;
    while (Pos < Pattern.size()) {
        const char c = Pattern[Pos];
        const char Letter = Lower(c);
        if (Letter == 'd') {
            const std::size_t Run = RunLength(Pattern, Pos, 'd');
            if (Run == 1 || Run == 2) {
                AppendNumber(Out, Parts.Day, Run);
            } else if (Run == 3) {
                Out += Settings.ShortDayNames[DayIndex];
            } else if (Run == 4 || !Expand) {
                Out += Settings.LongDayNames[DayIndex];
            } else {
                FormatInto(Out, Settings.LongDatePattern, D, false);
            }
            Pos += Run;
        } else if (Letter == 'm') {
            const std::size_t Run = RunLength(Pattern, Pos, 'm');
            if (Run <= 2) {
                AppendNumber(Out, Parts.Month, Run);
            } else if (MonthKnown) {
                Out += Run == 3 ? Settings.ShortMonthNames[MonthIndex]
                                : Settings.LongMonthNames[MonthIndex];
            }
            Pos += Run;
        } else if (Letter == 'y') {
            const std::size_t Run = RunLength(Pattern, Pos, 'y');
            if (Run <= 2) {
                AppendNumber(Out, Parts.Year % 100, 2);
            } else {
                AppendNumber(Out, Parts.Year, 4);
            }
            Pos += Run;
        } else if (c == '/') {
            Out += Settings.DateSeparator;
            ++Pos;
        } else if (c == '\'' || c == '"') {
            // Quoted text up to the matching quote (or the end), quotes dropped.
            const std::size_t Close = Pattern.find(c, Pos + 1);
            const std::size_t End = Close == std::string::npos ? Pattern.size() : Close;
            Out.append(Pattern, Pos + 1, End - Pos - 1);
            Pos = Close == std::string::npos ? End : End + 1;
        } else {
            Out += c;
            ++Pos;
        }
    }
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

std::string FormatDateText(const std::string& Pattern, TDateTime D) {
    std::string Out;
    FormatInto(Out, Pattern, D, true);
    return Out;
}

std::string LongDateText(TDateTime D) {
    return FormatDateText(DateFormatSettings().LongDatePattern, D);
}

std::string IntToText(std::int32_t N) {
    return std::to_string(N);
}

std::int32_t TextToInt(const std::string& S) {
    std::size_t Pos = 0;
    while (Pos < S.size() && S[Pos] == ' ') {
        ++Pos;
    }
    if (Pos == S.size()) {
        RaiseNotInteger(S);
    }

    // Hexadecimal: "$", "x", "X", "0x" or "0X", then up to eight significant
    // digits, read as the bits of a signed 32-bit integer.
    std::size_t HexStart = std::string::npos;
    if (S[Pos] == '$' || S[Pos] == 'x' || S[Pos] == 'X') {
        HexStart = Pos + 1;
    } else if (S[Pos] == '0' && Pos + 1 < S.size() && (S[Pos + 1] == 'x' || S[Pos + 1] == 'X')) {
        HexStart = Pos + 2;
    }
    if (HexStart != std::string::npos) {
        if (HexStart == S.size()) {
            RaiseNotInteger(S);
        }
        std::uint32_t Bits = 0;
        int Significant = 0;
        for (std::size_t i = HexStart; i < S.size(); ++i) {
            const int Digit = HexDigit(S[i]);
            if (Digit < 0) {
                RaiseNotInteger(S);
            }
            if (Significant > 0 || Digit != 0) {
                if (++Significant > 8) {
                    RaiseNotInteger(S);
                }
            }
            Bits = (Bits << 4) | static_cast<std::uint32_t>(Digit);
        }
        return static_cast<std::int32_t>(Bits); // modular since C++20
    }

    // Decimal: optional sign, then digits whose value fits in 32 bits.
    bool Negative = false;
    if (S[Pos] == '+' || S[Pos] == '-') {
        Negative = S[Pos] == '-';
        ++Pos;
    }
    if (Pos == S.size()) {
        RaiseNotInteger(S);
    }
    const std::int64_t Limit = Negative ? std::int64_t{2147483648} : std::int64_t{2147483647};
    std::int64_t Value = 0;
    for (std::size_t i = Pos; i < S.size(); ++i) {
        if (S[i] < '0' || S[i] > '9') {
            RaiseNotInteger(S);
        }
        Value = Value * 10 + (S[i] - '0');
        if (Value > Limit) {
            RaiseNotInteger(S);
        }
    }
    return static_cast<std::int32_t>(Negative ? -Value : Value);
}
