// TStringList: an ordered, growable list of text entries, read by position.
// The version-string reader appends to one; the About window owns it and
// picks entries out by position.
#pragma once

#include <stdexcept>
#include <string>
#include <vector>

// Raised when a list is read at a position it does not hold; what() is
// exactly "List index out of bounds (<position>)", e.g.
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
