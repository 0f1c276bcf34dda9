#include "TextWriting.h"

namespace {

// The length of the valid UTF-8 sequence of a printable character that
// starts Text, or 0 when Text starts with anything else. Overlong forms,
// surrogates and the C1 control characters do not count.
std::size_t PrintableLength(std::string_view Text) {
    const auto Byte = [&](std::size_t I) {
        return I < Text.size() ? static_cast<unsigned char>(Text[I]) : 0u;
    };
    const unsigned B0 = Byte(0);
    if (B0 >= 0x20 && B0 < 0x7F)
        return 1;
    std::size_t Length = 0;
    unsigned Low = 0x80, High = 0xBF; // the range of the second byte
    if (B0 == 0xC2) {
        Length = 2;
        Low = 0xA0; // U+0080 to U+009F are control characters
    } else if (B0 > 0xC2 && B0 <= 0xDF) {
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

} // namespace

void AppendInt(std::string& Out, std::int64_t N, int Width) {
    char Digits[24];
    char* End = Digits + sizeof Digits;
    char* P = End;
    // In unsigned arithmetic, so that the lowest 64-bit value has a magnitude too.
    std::uint64_t Magnitude = N < 0 ? 0 - static_cast<std::uint64_t>(N) : N;
    do {
        *--P = static_cast<char>('0' + Magnitude % 10);
        Magnitude /= 10;
    } while (Magnitude != 0);
    while (End - P < Width)
        *--P = '0';
    if (N < 0)
        *--P = '-';
    Out.append(P, static_cast<std::size_t>(End - P));
}

void AppendJsonString(std::string& Out, std::string_view Text) {
    static constexpr char kHex[] = "0123456789abcdef";
    Out += '"';
    std::size_t Plain = 0; // the start of the text not yet copied
    for (std::size_t I = 0; I < Text.size(); ++I) {
        const auto C = static_cast<unsigned char>(Text[I]);
        if (C >= 0x20 && C != '"' && C != '\\')
            continue;
        Out.append(Text, Plain, I - Plain);
        Plain = I + 1;
        Out += '\\';
        switch (C) {
        case '"':
        case '\\':
            Out += static_cast<char>(C);
            break;
        case '\b':
            Out += 'b';
            break;
        case '\f':
            Out += 'f';
            break;
        case '\n':
            Out += 'n';
            break;
        case '\r':
            Out += 'r';
            break;
        case '\t':
            Out += 't';
            break;
        default:
            Out += "u00";
            Out += kHex[C >> 4];
            Out += kHex[C & 15];
        }
    }
    Out.append(Text, Plain);
    Out += '"';
}

std::string ShownText(std::string_view Text) {
    static constexpr char kHex[] = "0123456789ABCDEF";
    std::string Out;
    for (std::size_t I = 0; I < Text.size();) {
        if (Out.size() >= kShownLimit) {
            Out += "...";
            break;
        }
        const std::size_t Length = PrintableLength(Text.substr(I));
        if (Text[I] == '\\') {
            Out += "\\\\";
        } else if (Length > 0) {
            Out.append(Text, I, Length);
        } else {
            const auto C = static_cast<unsigned char>(Text[I]);
            Out += "\\x";
            Out += kHex[C >> 4];
            Out += kHex[C & 15];
        }
        I += Length > 0 ? Length : 1;
    }
    return Out;
}
