// Names for the rows of GoogleTest's parameterised tables, shared by the
// date and picture suites. A row is a struct with a Name field that says
// what the row means.
#pragma once

#include <ostream>
#include <string>

// Names a parameterised test after the Name field of its row.
struct RowName {
    template <class Info> std::string operator()(const Info& I) const {
        return std::string(I.param.Name);
    }
};

// Prints a row by its name in failure messages. GoogleTest finds it next to
// the row's type: a file whose rows sit in an unnamed namespace says
// `using ::PrintTo;` there.
template <class Row>
requires requires(const Row& R) {
    R.Name;
}
void PrintTo(const Row& R, std::ostream* Out) {
    *Out << R.Name;
}
