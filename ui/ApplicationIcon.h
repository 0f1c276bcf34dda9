// The application icon, as the windows show it in their title bars and the
// desktop in its task switcher.
#pragma once

#include <QIcon>
#include <QList>

// The sizes, in pixels, at which the icon is stored (MORVANE_ICON_SIZES in
// resources/CMakeLists.txt). The 16-pixel one is drawn for its size; the
// others are rendered from the scalable icon.
QList<int> ApplicationIconSizes();

// Returns the application icon with one image for each of
// ApplicationIconSizes(), read from the program's resources. Raises nothing;
// a size missing from the resources is left out.
QIcon ApplicationIcon();
