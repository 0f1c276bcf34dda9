// The rules by which both command-line tools show text they were given, and
// by which every shown error message ends: toolkit-free, so that
// morvane-calc, morvane-verinfo (Windows builds too) and the window share
// them.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

// How a text to be shown is encoded: UTF-8, or a code page of one byte per
// character (a Windows ANSI code page), in which only the control
// characters of ASCII are told apart.
enum class TTextEncoding { Utf8, SingleByte };

// Appends Text to Out as a message quotes it and as morvane-verinfo prints
// a value: so that it takes one line and reads as it is, without steering
// the terminal or the text around it. A backslash is written "\\", a line
// feed, carriage return and tab "\n", "\r" and "\t", and "\xhh" stands for
// each byte of
// - any other control character: C0, DEL and, in UTF-8, C1 (U+0080 to
//   U+009F);
// - in UTF-8, the line and paragraph separators (U+2028, U+2029), which
//   some readers take for line breaks, and the marks and controls of
//   bidirectional text (U+061C, U+200E, U+200F, U+202A to U+202E, U+2066
//   to U+2069), which can make a line read in another order than it is
//   written;
// - in UTF-8, every byte that is not part of a valid character.
// Every other character is copied. Stops before the first character that
// would start once Out has grown by Limit bytes or more, and returns how
// many bytes of Text it took.
std::size_t AppendEscaped(std::string& Out, std::string_view Text,
                          TTextEncoding Encoding = TTextEncoding::Utf8,
                          std::size_t Limit = std::string::npos);

// Adds the full stop that a shown error message gets to Message: "." when
// Message is not empty and the code of its last character is greater than
// that of "." (a letter or a digit, say), so that a message ending in ")"
// or "." stays as it is. For a message in UTF-8 that may end in punctuation
// of its own beyond ASCII ("。"), WithFullStop (MessageText.h) tells that
// apart first.
void AppendFullStop(std::string& Message);
