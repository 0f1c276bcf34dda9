// The context menu of the program's single-line fields: the field's own
// menu (the toolkit's entries, texts and states), cut down to what works in
// that field.
#pragma once

#include <QPoint>

class QLineEdit;

enum class TEditMenu {
    // Every entry, without the shortcuts they list: the amount edits' key
    // filter discards those keys, so only the entries themselves work.
    NoShortcuts,
    // Copy and Select All only, for a field whose text only its own keys
    // change (a date picker); their shortcuts work there and stay listed.
    CopyOnly,
};

// Shows Edit's context menu of kind Kind at the global position At and runs
// the entry chosen.
void ShowEditMenu(QLineEdit* Edit, QPoint At, TEditMenu Kind);
