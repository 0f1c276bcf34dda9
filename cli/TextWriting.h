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
inline constexpr std::size_t kMaxIntLength = 21;
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

// Two digits at a time: the digit pairs 00 to 99.
inline constexpr char kDigitPairs[] = "000102030405060708091011121314151617181920212223242526272829"
                                      "303132333435363738394041424344454647484950515253545556575859"
                                      "606162636465666768697071727374757677787980818283848586878889"
                                      "90919293949596979899";

// WriteInt of any other number: kept out of line, so that the short one
// stays short.
char* WriteWideInt(char* Text, std::int64_t N, int Width);

inline char* WriteInt(char* Text, std::int64_t N, int Width) {
    // In unsigned arithmetic, so that the lowest 64-bit value has a magnitude too.
    const std::uint64_t Magnitude = N < 0 ? 0 - static_cast<std::uint64_t>(N) : N;
    if (Magnitude >= 100000000 || Width > 1)
        return WriteWideInt(Text, N, Width);
    // Eight digits or fewer (every count and day number of the calculations):
    // all eight written, four pairs in fixed places, and the leading zeros
    // cut by copying from the first digit on: no step depends on the count
    // of digits but the last copy.
    if (N < 0)
        *Text++ = '-';
    const auto Value = static_cast<std::uint32_t>(Magnitude);
    char Digits[16] = {};
    std::uint32_t Rest = Value;
    for (std::size_t Place = 8; Place > 0; Place -= 2) {
        std::memcpy(Digits + Place - 2, kDigitPairs + Rest % 100 * 2, 2);
        Rest /= 100;
    }
    const std::size_t Count = 1 + (Value >= 10) + (Value >= 100) + (Value >= 1000) +
                              (Value >= 10000) + (Value >= 100000) + (Value >= 1000000) +
                              (Value >= 10000000);
    std::memcpy(Text, Digits + 8 - Count, 8);
    return Text + Count;
}
