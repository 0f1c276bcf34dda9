// Numbers and JSON strings written straight into an output buffer.
#pragma once

#include <algorithm>
#include <array>
#include <bit>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <memory>
#include <string>
#include <string_view>

// Text gathered for writing. Appending writes into room the buffer keeps
// ahead, in place: std::string's appends are calls into the shared library
// and cost more than a result line's arithmetic. Room(N) gives a place for
// up to N characters, and Commit marks how far they were written. The room
// is taken as it comes, not cleared first, and starts small, so that a
// single result costs no more memory than it fills; a batch doubles it.
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
        if (FCapacity - FSize < N)
            Grow(N);
        return FData.get() + FSize;
    }
    // The text now ends at End, within the room given last.
    void Commit(char* End) { FSize = static_cast<std::size_t>(End - FData.get()); }

    std::size_t Size() const { return FSize; }
    std::string_view View() const { return {FData.get(), FSize}; }
    // Replaces the character at Index.
    void Patch(std::size_t Index, char C) { FData[Index] = C; }
    // Cuts the text back to its first Size characters.
    void Truncate(std::size_t Size) { FSize = Size; }
    void Clear() { FSize = 0; }

private:
    std::unique_ptr<char[]> FData;
    std::size_t FCapacity = 0;
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
// (TextRules.h) escapes it: a text whose escaped form grows beyond Limit
// bytes (kShownLimit: what was typed) is cut there, between two characters,
// and ends in "..."; a file's name is shown whole (std::string::npos), as
// the reader needs it to find the file.
inline constexpr std::size_t kShownLimit = 32;
std::string ShownText(std::string_view Text, std::size_t Limit = kShownLimit);

// WriteInt of any other number: kept out of line, so that the short one
// stays short.
char* WriteWideInt(char* Text, std::int64_t N, int Width);

inline char* WriteInt(char* Text, std::int64_t N, int Width) {
    // In unsigned arithmetic, so that the lowest 64-bit value has a magnitude too.
    const std::uint64_t Magnitude = N < 0 ? 0 - static_cast<std::uint64_t>(N) : N;
    if (Magnitude >= 100000000 || Width > 1)
        return WriteWideInt(Text, N, Width);
    // Eight digits or fewer (every count and day number of the calculations):
    // all eight worked out in one word, one digit per byte, the first in the
    // lowest byte, and the leading zeros shifted out. The value is split into
    // two halves of four digits in the word's 32-bit lanes, each half into
    // two pairs in 16-bit lanes, each pair into two digits in bytes, every
    // lane at once: multiplying by 10486 and shifting by 20 divides a number
    // below 10000 by 100, multiplying by 103 and shifting by 10 one below 100
    // by 10, and no product reaches the next lane. No step goes through
    // memory and none depends on the count of digits but the last shift.
    static_assert(std::endian::native == std::endian::little);
    if (N < 0)
        *Text++ = '-';
    const auto Value = static_cast<std::uint32_t>(Magnitude);
    const std::uint64_t Halves = Value / 10000 | std::uint64_t{Value % 10000} << 32;
    const std::uint64_t Hundreds = (Halves * 10486 >> 20) & 0x0000007F0000007F;
    const std::uint64_t Pairs = Hundreds | (Halves - Hundreds * 100) << 16;
    const std::uint64_t Tens = (Pairs * 103 >> 10) & 0x000F000F000F000F;
    const std::uint64_t Digits = Tens | (Pairs - Tens * 10) << 8;
    // The leading zeros are the lowest zero bytes; 0 keeps its one digit.
    const int Zeros = std::countr_zero(Digits | std::uint64_t{1} << 56) / 8;
    const std::uint64_t Shown = (Digits >> (8 * Zeros)) + 0x3030303030303030; // + '0' each
    std::memcpy(Text, &Shown, 8);
    return Text + 8 - Zeros;
}
