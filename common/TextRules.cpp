#include "TextRules.h"

namespace {

// The length of the UTF-8 sequence of a valid character that starts Text,
// or 0 when Text starts with a byte that begins none. Overlong forms and
// surrogates are not valid.
std::size_t Utf8Length(std::string_view Text) {
    const auto Byte = [&](std::size_t I) {
        return I < Text.size() ? static_cast<unsigned char>(Text[I]) : 0u;
    };
    const unsigned B0 = Byte(0);
    if (B0 < 0x80)
        return 1;
    std::size_t Length = 0;
    unsigned Low = 0x80, High = 0xBF; // the range of the second byte
    if (B0 >= 0xC2 && B0 <= 0xDF) {
        Length = 2;
    } else if (B0 >= 0xE0 && B0 <= 0xEF) {
        Length = 3;
        Low = B0 == 0xE0 ? 0xA0 : 0x80;
        High = B0 == 0xED ? 0x9F : 0xBF;
    } else if (B0 >= 0xF0 && B0 <= 0xF4) {
        Length = 4;
        Low = B0 == 0xF0 ? 0x90 : 0x80;
        High = B0 == 0xF4 ? 0x8F : 0xBF;
    } else {
        return 0;
    }
    if (Byte(1) < Low || Byte(1) > High)
        return 0;
    for (std::size_t I = 2; I < Length; ++I)
        if (Byte(I) < 0x80 || Byte(I) > 0xBF)
            return 0;
    return Length;
}

// The code point of the valid UTF-8 sequence of Length bytes at Text.
char32_t CodePoint(std::string_view Text, std::size_t Length) {
    static constexpr unsigned char kLeadBits[5] = {0, 0x7F, 0x1F, 0x0F, 0x07};
    char32_t C = static_cast<unsigned char>(Text[0]) & kLeadBits[Length];
    for (std::size_t I = 1; I < Length; ++I)
        C = C << 6 | (static_cast<unsigned char>(Text[I]) & 0x3F);
    return C;
}

// True for a character written as \x escapes: see AppendEscaped.
bool IsEscaped(char32_t C) {
    return C < 0x20 || (C >= 0x7F && C <= 0x9F) || C == 0x061C || C == 0x200E || C == 0x200F ||
           (C >= 0x2028 && C <= 0x202E) || (C >= 0x2066 && C <= 0x2069);
}

} // namespace

std::size_t AppendEscaped(std::string& Out, std::string_view Text, TTextEncoding Encoding,
                          std::size_t Limit) {
    static constexpr char kHex[] = "0123456789abcdef";
    const std::size_t Start = Out.size();
    std::size_t I = 0;
    while (I < Text.size() && Out.size() - Start < Limit) {
        // A run of printable ASCII other than the backslash is copied whole,
        // as far as the limit lets it start.
        std::size_t Run = I;
        while (Run < Text.size() && Run - I < Limit - (Out.size() - Start) && Text[Run] >= 0x20 &&
               Text[Run] < 0x7F && Text[Run] != '\\')
            ++Run;
        if (Run > I) {
            Out.append(Text, I, Run - I);
            I = Run;
            continue;
        }
        const char C = Text[I];
        std::size_t Length = 1;
        bool Escaped = false;
        if (Encoding == TTextEncoding::Utf8) {
            Length = Utf8Length(Text.substr(I));
            Escaped = Length == 0 || IsEscaped(CodePoint(Text.substr(I), Length));
            Length = Length == 0 ? 1 : Length;
        } else {
            Escaped = static_cast<unsigned char>(C) < 0x20 || C == 0x7F;
        }
        if (C == '\\') {
            Out += "\\\\";
        } else if (C == '\n') {
            Out += "\\n";
        } else if (C == '\r') {
            Out += "\\r";
        } else if (C == '\t') {
            Out += "\\t";
        } else if (Escaped) {
            for (const char Part : Text.substr(I, Length)) {
                const auto Byte = static_cast<unsigned char>(Part);
                Out += {'\\', 'x', kHex[Byte >> 4], kHex[Byte & 0xF]};
            }
        } else {
            Out.append(Text, I, Length);
        }
        I += Length;
    }
    return I;
}

void AppendFullStop(std::string& Message) {
    if (!Message.empty() && static_cast<unsigned char>(Message.back()) > '.')
        Message += '.';
}
