#include "StringList.h"

#include <utility>

int TStringList::Add(std::string S) {
    Items.push_back(std::move(S));
    return Count() - 1;
}

const std::string& TStringList::operator[](int Index) const {
    if (Index < 0 || Index >= Count()) {
        throw TStringListError("List index out of bounds (" + std::to_string(Index) + ")");
    }
    return Items[static_cast<std::size_t>(Index)];
}
