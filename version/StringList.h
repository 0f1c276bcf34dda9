// TStringList: an ordered, growable list of text entries, read by position.
// The version-string reader appends to one; the About window owns it and
// picks entries out by position.
#pragma once

#include <stdexcept>
#include <string>
#include <vector>

// Marks Text as a source text of the program's catalogs, in Context: the
// catalog tools (lupdate) read this marker as they read Qt's
// QT_TRANSLATE_NOOP. It is Text itself, so the list holds its English
// message once, for what() and for the catalogs, without the toolkit.
#ifndef MORVANE_TRANSLATABLE
#define MORVANE_TRANSLATABLE(Context, Text) (Text)
#endif

// The English message of TStringListError; "%1" stands for the position.

//: An error message at start-up: the program's version information is
//: incomplete; %1 is the position of the entry that is missing.
inline constexpr const char* kListIndexMessage =
    MORVANE_TRANSLATABLE("ErrorText", "List index out of bounds (%1)");

// Raised when a list is read at a position it does not hold; what() is
// exactly kListIndexMessage with the position, e.g.
// "List index out of bounds (7)". Index() is the position, for a message in
// another language.
class TStringListError : public std::runtime_error {
public:
    explicit TStringListError(int Index);

    int Index() const noexcept { return FIndex; }

private:
    int FIndex;
};

class TStringList {
public:
    // Appends S after the last entry. Returns the new entry's position.
    int Add(std::string S);

    // Returns the number of entries (0 for a new list).
    int Count() const { return static_cast<int>(Items.size()); }

    // Returns the entry at Index, 0 <= Index < Count().
    // Raises TStringListError for any other Index.
    const std::string& operator[](int Index) const;

private:
    std::vector<std::string> Items;
};
