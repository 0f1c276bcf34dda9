// What the windows tell screen readers: each field's accessible name, taken
// from the label beside it; the spin buttons named after their edit; and
// controls that are clicked although they are labels or pictures, exposed
// with the role of what they do.
#pragma once

#include <QAccessible>
#include <QString>

class QWidget;
class TUpDown;

// Returns a label's caption as an accessible name: access-key markers
// removed ("&&" kept as one "&"), surrounding spaces and one final colon
// (":" or the full-width "：") dropped ("Start Date:" gives "Start Date",
// "Date de début :" "Date de début"). Raises nothing.
QString AccessibleNameOfCaption(const QString& Caption);

// Names every control of Form that a label of Form has as its buddy after
// that label's caption (AccessibleNameOfCaption), unless the control already
// carries a name of its own from the window description. Run once the window
// is built: renaming a label in the description renames its field. Raises
// nothing.
void NameFieldsAfterLabels(QWidget* Form);

// Names Spin after the accessible name of its edit: "<name> up/down" for the
// pair, "<name> up" and "<name> down" for its two buttons, in the user's
// language. Does nothing while Spin has no edit or the edit no name. Raises
// nothing.
void NameSpinButtons(TUpDown* Spin);

// Exposes Control to assistive technology with Role (QAccessible::Link for a
// label that opens a web page, QAccessible::Button for a picture that acts as
// a button), with one "press" action that clicks it with the left mouse
// button, as the user would. Call while the window is being built, before
// assistive technology has seen Control: the interface Qt made for it until
// then is replaced.
void SetAccessibleRole(QWidget* Control, QAccessible::Role Role);
