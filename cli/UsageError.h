// A command line that morvane-calc can't read.
#pragma once

#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

// A command line that can't be read: an unknown option or command, a
// missing or malformed word. what() is the message in English without the
// program name.
class TUsageError : public std::runtime_error {
public:
    // The message Text, one of Messages.h's, with Arg in its "%1".
    explicit TUsageError(const char* Text, std::string_view Arg = {});

    // The message Text with Args in its "%1", "%2" and "%3".
    TUsageError(const char* Text, std::vector<std::string> Args);

    // The message in the user's language.
    std::string Translated() const;

private:
    const char* FText;
    std::vector<std::string> FArgs;
};

// A file that the command line names and that cannot be used (a holiday
// file that is missing or holds what is no holiday): it stops the run before
// any output, with the usage status, but its message is about the file, so
// no usage summary follows it.
class TFileUsageError : public TUsageError {
public:
    using TUsageError::TUsageError;
};
