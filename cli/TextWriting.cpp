#include "TextWriting.h"

#include "TextRules.h"

#include <algorithm>
#include <array>
#include <bit>

namespace {

// Two digits at a time: the digit pairs 00 to 99.
constexpr char kDigitPairs[] = "000102030405060708091011121314151617181920212223242526272829"
                               "303132333435363738394041424344454647484950515253545556575859"
                               "606162636465666768697071727374757677787980818283848586878889"
                               "90919293949596979899";

} // namespace

void TTextBuffer::Grow(std::size_t N) {
    // The room asked for and some more, at least twice the room there was.
    FCapacity = std::max(2 * FCapacity, FSize + N + 256);
    std::unique_ptr<char[]> Data = std::make_unique_for_overwrite<char[]>(FCapacity);
    if (FSize > 0)
        std::memcpy(Data.get(), FData.get(), FSize);
    FData = std::move(Data);
}

char* WriteWideInt(char* Text, std::int64_t N, int Width) {
    // Two digits at a time, from the right, straight into their places: the
    // count of digits is known first.
    constexpr const char* kPairs = kDigitPairs;
    // In unsigned arithmetic, so that the lowest 64-bit value has a magnitude too.
    std::uint64_t Magnitude = N < 0 ? 0 - static_cast<std::uint64_t>(N) : N;
    // The count of digits: about log10 from the count of bits (1233 / 4096
    // is about log10(2)), then one more when the number reaches the next
    // power of ten.
    static constexpr std::array<std::uint64_t, 20> kPowers = [] {
        std::array<std::uint64_t, 20> Powers{};
        Powers[0] = 1;
        for (std::size_t I = 1; I < Powers.size(); ++I)
            Powers[I] = Powers[I - 1] * 10;
        return Powers;
    }();
    const int Rough = std::bit_width(Magnitude) * 1233 >> 12;
    const int Count = std::max(1, Rough + (Magnitude >= kPowers[static_cast<std::size_t>(Rough)]));
    if (N < 0)
        *Text++ = '-';
    for (; Width > Count; --Width)
        *Text++ = '0';
    char* const End = Text + Count;
    char* P = End;
    while (Magnitude >= std::uint64_t{1} << 32) {
        const auto Pair = static_cast<std::size_t>(Magnitude % 100) * 2;
        Magnitude /= 100;
        *--P = kPairs[Pair + 1];
        *--P = kPairs[Pair];
    }
    // The rest in 32 bits, whose division by a constant is quicker.
    auto Small = static_cast<std::uint32_t>(Magnitude);
    while (Small >= 100) {
        const std::size_t Pair = Small % 100 * 2;
        Small /= 100;
        *--P = kPairs[Pair + 1];
        *--P = kPairs[Pair];
    }
    if (Small >= 10) {
        *--P = kPairs[Small * 2 + 1];
        *--P = kPairs[Small * 2];
    } else {
        *--P = static_cast<char>('0' + Small);
    }
    return End;
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

std::string ShownText(std::string_view Text, std::size_t Limit) {
    std::string Out;
    if (AppendEscaped(Out, Text, TTextEncoding::Utf8, Limit) < Text.size())
        Out += "...";
    return Out;
}
