// The texts morvane-calc shows its user, each in one place: the messages of
// standard error and the help. A "%1" or "%2" in a text stands for what
// Fill puts there, so that a text can be translated as a whole.
#pragma once

#include <initializer_list>
#include <string>
#include <string_view>

// Every message on standard error starts with this.
inline constexpr const char* kMessageStart = "morvane-calc: ";

// Reading and writing the standard streams.
inline constexpr const char* kCannotWrite = "cannot write to standard output: %1";
inline constexpr const char* kCannotRead = "cannot read standard input: %1";
inline constexpr const char* kInputClosed = "standard input is closed";
inline constexpr const char* kOutputClosed = "standard output is closed";

// A message about an amount (%1 its unit, "days" to "years") that is not a
// whole number: of an option, of a column of a batch line (%1 the line
// number), and in a JSON batch result.
inline constexpr const char* kOptionAmountMessage = "--%1: %2";
inline constexpr const char* kLineAmountMessage = "line %1, %2: %3";
inline constexpr const char* kAmountMessage = "%1: %2";

// Batch mode: a message about one input line.
inline constexpr const char* kLineMessage = "line %1: %2";
inline constexpr const char* kLineTooLong = "longer than 1 MiB";
inline constexpr const char* kLineForms = "expected 'diff START END' or 'add START N N N N N N'";

// Returns Text with each "%<n>" (n from 1 to 9) replaced by the n-th of Args.
std::string Fill(std::string_view Text, std::initializer_list<std::string_view> Args);
