// Drives the windows from the keyboard as a user would: retyping a field,
// moving the caret to a date picker's field and stepping a picker onto a
// date. Shared by the window tests and the screenshot tool.
#pragma once

#include "DatePicker.h"
#include "DateRoutines.h"

#include <QLineEdit>
#include <QTest>

// Replaces the whole text of Edit by typing, as a user would: Home,
// Shift+End to select everything, then the characters of Text (Backspace
// when Text is empty).
inline void RetypeText(QLineEdit* Edit, const QString& Text) {
    QTest::keyClick(Edit, Qt::Key_Home);
    QTest::keyClick(Edit, Qt::Key_End, Qt::ShiftModifier);
    if (Text.isEmpty())
        QTest::keyClick(Edit, Qt::Key_Backspace);
    else
        QTest::keyClicks(Edit, Text);
}

// Types Text into W character by character, each as the key press that a
// keyboard layout with that character delivers: the character as the key's
// text. Characters beyond Latin-1 ("土", "марта") arrive as typed, where
// QTest::keyClicks would turn them into "?".
inline void TypeCharacters(QWidget* W, const QString& Text) {
    for (const QChar C : Text)
        QTest::sendKeyEvent(QTest::Click, W, Qt::Key(C.toUpper().unicode()), QString(C),
                            Qt::NoModifier);
}

// Moves the caret of Picker to its field of kind Field with the keyboard, as
// a user would: Home, then Right from field to field. NoSection stands for
// the weekday name. Returns false when the picker has no such field.
inline bool GoToField(TDatePicker* Picker, QDateTimeEdit::Section Field) {
    QTest::keyClick(Picker, Qt::Key_Home);
    for (int I = 0; I < Picker->sectionCount(); ++I) {
        const bool Weekday = Picker->InWeekdayField();
        if (Field == QDateTimeEdit::NoSection ? Weekday
                                              : !Weekday && Picker->currentSection() == Field)
            return true;
        QTest::keyClick(Picker, Qt::Key_Right);
    }
    return false;
}

// Changes Picker to Date with one keystroke in its day field, the way a user
// steps a date: the picker is put one day off within the month first (from
// the program, which raises nothing), then the day field is chosen and Up or
// Down moves it onto Date. Returns whether Picker ends on Date.
inline bool StepPickerTo(TDatePicker* Picker, TDateTime Date) {
    const QDate Target = DateOfDayNumber(Date);
    const bool FromBelow = Target.day() > 1;
    Picker->SetDate(Date + (FromBelow ? -1 : 1));
    Picker->setFocus(Qt::OtherFocusReason);
    if (!GoToField(Picker, QDateTimeEdit::DaySection))
        return false;
    QTest::keyClick(Picker, FromBelow ? Qt::Key_Up : Qt::Key_Down);
    return Picker->date() == Target;
}
