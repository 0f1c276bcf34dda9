#include "StringList.h"

#include <utility>

TStringListError::TStringListError(int Index)
    : std::runtime_error("List index out of bounds (" + std::to_string(Index) + ")"),
      FIndex(Index) {}

int TStringList::Add(std::string S) {
    Items.push_back(std::move(S));
    return Count() - 1;
}

const std::string& TStringList::operator[](int Index) const {
    if (Index < 0 || Index >= Count()) {
        throw TStringListError(Index);
    }
    return Items[static_cast<std::size_t>(Index)];
}
