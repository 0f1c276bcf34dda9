// Numbers and JSON strings written straight into an output buffer.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

// Appends N in decimal, with a leading "-" when negative, padded with zeros
// to at least Width digits.
void AppendInt(std::string& Out, std::int64_t N, int Width = 1);

// Appends Text as a JSON string: in double quotes, with the quote, the
// backslash and the control characters escaped. Text is UTF-8 and is copied
// as it stands otherwise.
void AppendJsonString(std::string& Out, std::string_view Text);

// Returns Text as a message quotes it: every byte that cannot be printed (a
// control character, or a byte that is not part of valid UTF-8) as \xHH and
// a backslash as \\; a text longer than kShownLimit bytes is cut there,
// between two characters, and ends in "...".
inline constexpr std::size_t kShownLimit = 32;
std::string ShownText(std::string_view Text);
