// A date picker: a calendar date without a time of day, shown in the user's
// long date format and edited field by field with the keyboard (Left and
// Right choose the field, Up and Down or typing change it; no free text;
// the picker is one tab stop), with a drop-down month calendar aligned to its left edge (opened
// with the arrow, F4 or Alt+Down).
//
// Change(): raised exactly once for every change of the date by the user,
// from the keyboard or from the calendar (also while it is dropped down).
// Setting the date from the program (SetDate) raises nothing.
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
    // A day outside MinDate()..MaxDate() is clamped to that range.
    void SetDate(TDateTime D);

    // Rebuilds the display format from the long date pattern in force
    // (DateFormatSettings()); called again when the user's locale changes.
    void ApplyLongDateFormat();

    // Steps the field with the caret by Steps: the day within its month
    // (no wrap-around at the month's ends), the month (its day clamped to
    // the month's end), the year (29 February becomes 28 February in a
    // common year) or, in the weekday field, the date by one day per step;
    // always within MinDate()..MaxDate(). A change raises one Change.
    void stepBy(int Steps) override;

    // True while the caret is in the weekday-name field.
    bool InWeekdayField() const;

signals:
    void Change();

protected:
    void changeEvent(QEvent* Event) override;
    bool focusNextPrevChild(bool Next) override;
    void focusOutEvent(QFocusEvent* Event) override;
    void keyPressEvent(QKeyEvent* Event) override;
    StepEnabled stepEnabled() const override;

private:
    // Opens the drop-down calendar (F4 or Alt+Down).
    void DropDown();
    // Typing into the field with the caret: digits into the day, a numeric
    // month and the year; letters choose a month or weekday by the start
    // of its name. Anything else typed is discarded.
    void TypeIntoField(Section Field, QChar Typed);
    // Shows Next (clamped to the range) keeping the current field selected;
    // one Change when the date differs.
    void MoveTo(QDate Next);
    // The kind of field with the caret; NoSection for the weekday name.
    Section CurrentField() const;
    // Selects the whole field at Index (0 = the first).
    void SelectField(int Index);

    bool FSettingDate = false;
    int FTypedField = -1; // index of the field being typed into
    QString FTyped; // what has been typed into FTypedField so far
};

// Conversions between a QDate and a whole day number.
TDateTime DayNumberOf(QDate Date);
QDate DateOfDayNumber(TDateTime D);
