// A date picker: a calendar date without a time of day, shown in the user's
// long date format and edited field by field with the keyboard (no free
// text), with a drop-down month calendar aligned to its left edge.
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

signals:
    void Change();

protected:
    void changeEvent(QEvent* Event) override;

private:
    bool FSettingDate = false;
};

// Conversions between a QDate and a whole day number.
TDateTime DayNumberOf(QDate Date);
QDate DateOfDayNumber(TDateTime D);
