#include "TextWriting.h"

#include "TextRules.h"

#include <algorithm>
#include <array>
#include <bit>

void TTextBuffer::Grow(std::size_t N) {
    FData.resize(std::max(2 * FData.size(), FSize + N + 4096));
}

void AppendInt(TTextBuffer& Out, std::int64_t N, int Width) {
    Out.Commit(
        WriteInt(Out.Room(kMaxIntLength + static_cast<std::size_t>(std::max(Width, 0))), N, Width));
}

void AppendJsonString(TTextBuffer& Out, std::string_view Text) {
    static constexpr char kHex[] = "0123456789abcdef";
    Out += '"';
    std::size_t Plain = 0; // the start of the text not yet copied
    for (std::size_t I = 0; I < Text.size(); ++I) {
        const auto C = static_cast<unsigned char>(Text[I]);
        if (C >= 0x20 && C != '"' && C != '\\')
            continue;
        Out += Text.substr(Plain, I - Plain);
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
    Out += Text.substr(Plain);
    Out += '"';
}

std::string ShownText(std::string_view Text) {
    std::string Out;
    if (AppendEscaped(Out, Text, TTextEncoding::Utf8, kShownLimit) < Text.size())
        Out += "...";
    return Out;
}
