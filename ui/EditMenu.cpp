#include "EditMenu.h"

#include <QCoreApplication>
#include <QLineEdit>
#include <QMenu>

#include <memory>

void ShowEditMenu(QLineEdit* Edit, QPoint At, TEditMenu Kind) {
    const std::unique_ptr<QMenu> Menu(Edit->createStandardContextMenu());
    // The entries are known by the toolkit's own texts, translated by Qt's
    // catalog (the context named through a constant, so that the program's
    // catalog does not take these texts over); the text after a tab is the
    // shortcut.
    static constexpr char kQtContext[] = "QLineEdit";
    const QStringList Copying{QCoreApplication::translate(kQtContext, "&Copy"),
                              QCoreApplication::translate(kQtContext, "Select All")};
    for (QAction* A : Menu->actions()) {
        const QString Entry = A->text().section(u'\t', 0, 0);
        if (Kind == TEditMenu::NoShortcuts)
            A->setText(Entry);
        else if (!Copying.contains(Entry))
            Menu->removeAction(A);
    }
    Menu->exec(At);
}
