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
