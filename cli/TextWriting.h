// Numbers and JSON strings written straight into an output buffer.
#pragma once

#include <algorithm>
#include <array>
#include <bit>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>
#include <vector>

// Text gathered for writing. Appending writes into room the buffer keeps
// ahead, in place: std::string's appends are calls into the shared library
// and cost more than a result line's arithmetic. Room(N) gives a place for
// up to N characters, and Commit marks how far they were written.
class TTextBuffer {
public:
    TTextBuffer& operator=(std::string_view Text) {
        FSize = 0;
        return *this += Text;
    }
    TTextBuffer& operator+=(std::string_view Text) {
        std::memcpy(Room(Text.size()), Text.data(), Text.size());
        FSize += Text.size();
        return *this;
    }
    TTextBuffer& operator+=(char C) {
        *Room(1) = C;
        ++FSize;
        return *this;
    }

    // A place for N characters after the text.
    char* Room(std::size_t N) {
        if (FData.size() - FSize < N)
            Grow(N);
        return FData.data() + FSize;
    }
    // The text now ends at End, within the room given last.
    void Commit(char* End) { FSize = static_cast<std::size_t>(End - FData.data()); }

    std::size_t Size() const { return FSize; }
    std::string_view View() const { return {FData.data(), FSize}; }
    // Replaces the character at Index.
    void Patch(std::size_t Index, char C) { FData[Index] = C; }
    // Cuts the text back to its first Size characters.
    void Truncate(std::size_t Size) { FSize = Size; }
    void Clear() { FSize = 0; }

private:
    std::vector<char> FData;
    std::size_t FSize = 0;

    void Grow(std::size_t N);
};

// Writes N in decimal at Text, with a leading "-" when negative, padded with
// zeros to at least Width digits, and returns the end. Text must have room
// for kMaxIntLength characters and Width more.
inline constexpr std::size_t kMaxIntLength = 20;
char* WriteInt(char* Text, std::int64_t N, int Width = 1);

// Appends the same to Out.
void AppendInt(TTextBuffer& Out, std::int64_t N, int Width = 1);

// Appends Text as a JSON string: in double quotes, with the quote, the
// backslash and the control characters escaped. Text is UTF-8 and is copied
// as it stands otherwise.
void AppendJsonString(TTextBuffer& Out, std::string_view Text);

// Returns Text as a message quotes it, escaped as AppendEscaped
// (TextRules.h) escapes it: a text whose escaped form grows beyond
// kShownLimit bytes is cut there, between two characters, and ends in "...".
inline constexpr std::size_t kShownLimit = 32;
std::string ShownText(std::string_view Text);

inline char* WriteInt(char* Text, std::int64_t N, int Width) {
    // Two digits at a time, from the right, straight into their places: the
    // count of digits is known first.
    static constexpr char kPairs[] = "000102030405060708091011121314151617181920212223242526272829"
                                     "303132333435363738394041424344454647484950515253545556575859"
                                     "606162636465666768697071727374757677787980818283848586878889"
                                     "90919293949596979899";
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
