#include "TextWriting.h"

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
