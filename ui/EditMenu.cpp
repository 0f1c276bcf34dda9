#include "EditMenu.h"

#include <QLineEdit>
#include <QMenu>

#include <memory>

void ShowEditMenu(QLineEdit* Edit, QPoint At, TEditMenu Kind) {
    const std::unique_ptr<QMenu> Menu(Edit->createStandardContextMenu());
    // The entries are known by the toolkit's own (translated) texts; the
    // text after a tab is the shortcut.
    const QStringList Copying{QLineEdit::tr("&Copy"), QLineEdit::tr("Select All")};
    for (QAction* A : Menu->actions()) {
        const QString Entry = A->text().section(u'\t', 0, 0);
        if (Kind == TEditMenu::NoShortcuts)
            A->setText(Entry);
        else if (!Copying.contains(Entry))
            Menu->removeAction(A);
    }
    Menu->exec(At);
}
