#include "ApplicationIcon.h"
#include "IconSizes.h"

#include <QFile>

// The icons are compiled into the window library; naming the resource here
// pulls its object file into every program that asks for the icon.
static void InitIconResources() {
    static const bool Done = [] {
        Q_INIT_RESOURCE(icons);
        return true;
    }();
    (void)Done;
}

QList<int> ApplicationIconSizes() {
    return {MORVANE_ICON_SIZES};
}

QIcon ApplicationIcon() {
    InitIconResources();
    QIcon Icon;
    for (int Size : ApplicationIconSizes()) {
        const QString Path = QStringLiteral(":/icons/morvane-%1.png").arg(Size);
        if (QFile::exists(Path))
            Icon.addFile(Path, QSize(Size, Size));
    }
    return Icon;
}
