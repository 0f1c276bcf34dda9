// The scaling of the windows' designed geometry.
//
// The window descriptions are laid out in pixels for Tahoma 8 point, whose
// text is 13 pixels high. Where Tahoma is missing another sans-serif font is
// used, and every position and size of the description is scaled by one
// factor, measured from the font at run time, so that no caption, label or
// field text is clipped.
#pragma once

#include <QFontMetrics>
#include <QHash>
#include <QString>

class QWidget;

// Numbers that given line edits must show in full, beyond the widest amount
// every edit must show ("-32768").
using TWidestNumbers = QHash<const QWidget*, QString>;

// The width Number takes at Metrics with every digit drawn as the font's
// widest digit, so that it stands for every number of its length.
int NumberWidth(const QFontMetrics& Metrics, const QString& Number);

// The factor by which Form's designed geometry must grow so that its texts
// fit at Form's font: at least 1, at least the font's text height over 13
// pixels, and at least the largest ratio of the width a control needs to the
// width designed for it: a label's or button's caption, a drop-down list's
// longest entry, a date field's longest date in its format and locale, an
// edit's widest amount ("-32768") or the number Widest gives for it (both by
// NumberWidth). A label with its field (its buddy) to its right counts the
// free room to its left as well, up to 8 designed pixels from the nearest
// control in its rows or from its parent's side: a longer caption (in
// another language, say) takes that room before the window grows. Form's
// children must still have their designed geometry.
double FormScale(const QWidget* Form, const TWidestNumbers& Widest = {});

// Multiplies the geometry of Form and of every control laid out in it
// (direct children, and the children of its group boxes) by Scale. Each edge
// is scaled and rounded on its own, so controls that touch in the design
// still touch. Fixes Form's size to the scaled client size. Then a label
// whose caption is wider than its scaled box grows leftwards into the room
// FormScale counted for it, as far as the caption needs, and one whose text
// needs a taller line than its box (a fallback font's) grows as much up as
// down to the height it needs.
void ScaleFormGeometry(QWidget* Form, double Scale);
