#include "StringList.h"

#include <utility>

namespace {

std::string ListIndexMessage(int Index) {
    std::string Message = kListIndexMessage;
    return Message.replace(Message.find("%1"), 2, std::to_string(Index));
}

} // namespace

TStringListError::TStringListError(int Index)
    : std::runtime_error(ListIndexMessage(Index)), FIndex(Index) {}

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
