// The floor of morvane-calc's start-up: a program that does nothing but is
// linked to QtCore, so that loading and initialising the library is all it
// costs. It calls one QtCore function, so that no linker drops the library.
#include <QtGlobal>

int main() {
    return qVersion() == nullptr;
}
