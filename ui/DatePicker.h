// A date picker: a calendar date without a time of day, shown in the user's
// long date format and edited field by field with the keyboard (Left and
// Right choose the field, Up and Down or typing change it; no free text; the
// picker is one tab stop), with a drop-down month calendar aligned to its
// left edge (opened with the arrow, F4 or Alt+Down).
//
// Typing: digits typed into the day, the month (numeric or named) or the year
// show in the field as they are typed and change the date once the field is
// complete: a year with four digits (two in a two-digit year), a day or month
// with two digits or as soon as no further digit could follow (a "4" in the
// day, a "2" in the month). Digits still pending are taken as the field's
// value, when they make one, as the user moves on: to another field of the
// picker (Left, Right, Home, End, a separator, Up, Down, PgUp, PgDn, a
// letter), to another control (Tab, Shift+Tab, a click) or into the picker
// itself (a click, the calendar, the context menu). A year below MinDate()'s
// is not taken. They are dropped by Esc, by Enter (which goes on to the
// window's default button), by a push button taking the focus with a click
// or its key, and by the window closing (DropTyping). While another window
// has the focus they wait, as typed, for the user to come back. A day beyond
// the month's last is taken as the last ("31" in April is 30 April), a month
// beyond 12 as 12.
// A day typed is kept for the month and year typed after it: "31" in
// February shows 28 February, and March typed next gives 31 March.
// Letters choose a month or weekday by the start of its name; the same first
// letter again moves on to the next name that starts with it.
// The text between two fields (", ", ". ", " de ") is one separator: any one
// of its characters moves to the next field, and the characters of it that
// follow are passed over as they are typed, so that a date typed as it is
// shown is that date. In a name field a letter goes to the name, unless the
// name is typed whole and the letter is one of the separator's ("marzo"
// then " de "); letters passed over as a separator that turn out to begin a
// name ("d" after a bare space, then "iciembre") go to the name. Other
// characters do nothing.
//
// Change(): raised exactly once for every change of the date by the user,
// from the keyboard or from the calendar (also while it is dropped down).
// Digits still pending are no change. Setting the date from the program
// (SetDate) raises nothing and drops any pending digits.
#pragma once

#include "DateRoutines.h"

#include <QDateEdit>

class TDatePicker : public QDateEdit {
    Q_OBJECT

public:
    // The dates the picker accepts: 1 January 100 to 31 December 9999.
    static QDate MinDate() { return {100, 1, 1}; }
    static QDate MaxDate() { return {9999, 12, 31}; }

    explicit TDatePicker(QWidget* Parent = nullptr);

    // The date shown, as its whole day number (day 0 = 30 December 1899).
    TDateTime Date() const;

    // Shows the day of D (its time of day is dropped). Raises no Change.
    // A day outside MinDate()..MaxDate() is clamped to that range. Digits
    // being typed are dropped.
    void SetDate(TDateTime D);

    // Rebuilds the display format from the long date pattern in force
    // (DateFormatSettings()); called again when the user's locale changes.
    void ApplyLongDateFormat();

    // Steps the field with the caret by Steps: the day within its month
    // (no wrap-around at the month's ends), the month (its day clamped to
    // the month's end), the year (29 February becomes 28 February in a
    // common year) or, in the weekday field, the date by one day per step.
    // A step that would leave MinDate()..MaxDate() leaves the date as it
    // is. A change raises one Change.
    // Digits being typed are taken first.
    void stepBy(int Steps) override;

    // Drops any digits being typed, as Esc does; the window calls it as it
    // closes.
    void DropTyping();

    // True while the caret is in the weekday-name field.
    bool InWeekdayField() const;

signals:
    void Change();

protected:
    void changeEvent(QEvent* Event) override;
    void contextMenuEvent(QContextMenuEvent* Event) override;
    bool eventFilter(QObject* Watched, QEvent* Event) override;
    bool focusNextPrevChild(bool Next) override;
    void focusOutEvent(QFocusEvent* Event) override;
    void keyPressEvent(QKeyEvent* Event) override;
    void mousePressEvent(QMouseEvent* Event) override;
    StepEnabled stepEnabled() const override;

private:
    // The kinds of field a long date format shows.
    enum class TFieldKind { Weekday, Day, Month, MonthName, Year };
    // A field of the display format: its kind, its number of pattern
    // letters (2 in "yy", 4 in "yyyy" and "MMMM") and the literal text
    // between it and the next field.
    struct TField {
        TFieldKind Kind;
        int Width;
        QString After;
        // Its pattern letters ("dddd", "yy").
        QString Pattern() const;
    };
    // What is being typed into a field: digits not yet taken, or the
    // letters that chose a name so far.
    struct TTyping {
        enum TKind { Digits, Letters };
        int Field = -1; // index of the field typed into
        TKind Kind = Digits;
        QString Keys;   // the digits or letters typed; empty when none are
        int Start = 0;  // where the field starts in the text shown
        int Length = 0; // the field's length in the date's own text
    };
    // How typing ends: the digits are taken as the field's value, or dropped.
    enum class TKeep { Take, Drop };
    // The rest of a separator being typed: once one of the characters
    // between two fields has moved the caret on, the characters of that
    // text that follow it, passed over when typed next.
    struct TSeparatorRest {
        int Field = -1; // the field the separator moved to
        QString Rest;   // its characters still to come, in order
        QString Passed; // the ones passed over so far
    };

    // Opens the drop-down calendar (F4 or Alt+Down).
    void DropDown();
    // A printable character typed without Ctrl, Alt or Meta (see the typing
    // rules above).
    void TypeCharacter(QChar Typed);
    // Whether Typed goes to the name shown in the field with the caret.
    bool TypesName(QChar Typed) const;
    // A digit typed into the field with the caret (see the typing rules
    // above); digits do nothing in the weekday field.
    void TypeDigit(QChar Digit);
    // A letter typed into a month-name or weekday field chooses by name;
    // elsewhere it does nothing.
    void TypeLetter(QChar Letter);
    // True while digits typed wait to be taken or dropped.
    bool DigitsPending() const;
    // Shows the digits being typed, selected, in place of their field.
    void ShowTyped();
    // Ends the typing: pending digits are taken as the field's value when
    // Keep is Take and they make one, else the date shows as it was; one
    // Change when the date differs. Letters typed so far are forgotten.
    void EndTyping(TKeep Keep);
    // The date with the typed value Value in the field at Index, or an
    // invalid date when Value is no value of that field.
    QDate WithTypedValue(int Index, int Value) const;
    // Shows Next (clamped to the range) keeping the current field selected;
    // one Change when the date differs.
    void MoveTo(QDate Next);
    // MoveTo for a typed day, month or year, which keeps the day typed.
    void MoveByTyping(QDate Next);
    // The day of the month for a date in Year and Month: the day typed, when
    // one is kept, else the day shown; at most the month's last.
    int DayFor(int Year, int Month) const;
    // The field with the caret; null when the format has none.
    const TField* CurrentField() const;
    // Selects the whole field at Index (0 = the first).
    void SelectField(int Index);

    bool FSettingDate = false;
    QDate FReported;       // the date dateChanged last reported
    QList<TField> FFields; // the display format's fields, in order
    TTyping FTyping;
    TSeparatorRest FSeparator;
    int FTypedDay = 0;            // the day typed, kept for a month or year; 0: none
    bool FMovingByTyping = false; // a typed day, month or year is being shown
};

// Conversions between a QDate and a whole day number.
TDateTime DayNumberOf(QDate Date);
QDate DateOfDayNumber(TDateTime D);
