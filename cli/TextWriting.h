// Numbers and JSON strings written straight into an output buffer.
#pragma once

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

// Appends N in decimal, with a leading "-" when negative, padded with zeros
// to at least Width digits.
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
