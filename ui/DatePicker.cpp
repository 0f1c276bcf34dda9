#include "DatePicker.h"

#include "LocaleSettings.h"

#include <QCalendarWidget>
#include <QEvent>
#include <QLineEdit>

TDateTime DayNumberOf(QDate Date) { return MakeDate(Date.year(), Date.month(), Date.day()); }

QDate DateOfDayNumber(TDateTime D) {
    const TDateParts P = SplitDate(D);
    if (P.Year < 1)
        return TDatePicker::MinDate();
    if (P.Year > 9999)
        return TDatePicker::MaxDate();
    return {static_cast<int>(P.Year), P.Month, P.Day};
}

TDatePicker::TDatePicker(QWidget* Parent) : QDateEdit(Parent) {
    setCalendarPopup(true);
    setDateRange(MinDate(), MaxDate());
    setWrapping(false);
    setAccelerated(false);
    setCorrectionMode(QAbstractSpinBox::CorrectToPreviousValue);
    setKeyboardTracking(true);
    ApplyLongDateFormat();
    // The field shows the picker's own (hand-point) cursor, not the text beam.
    lineEdit()->unsetCursor();
    // Every change of the date the user makes comes through dateChanged,
    // once per change; the ones the program makes are filtered out here.
    connect(this, &QDateEdit::dateChanged, this, [this] {
        if (!FSettingDate)
            emit Change();
    });
}

TDateTime TDatePicker::Date() const { return DayNumberOf(date()); }

void TDatePicker::SetDate(TDateTime D) {
    FSettingDate = true;
    setDate(DateOfDayNumber(D));
    FSettingDate = false;
}

void TDatePicker::ApplyLongDateFormat() {
    setDisplayFormat(DatePatternToQtFormat(DateFormatSettings().LongDatePattern,
                                           DateFormatSettings().DateSeparator));
}

void TDatePicker::changeEvent(QEvent* Event) {
    QDateEdit::changeEvent(Event);
    if (Event->type() == QEvent::LocaleChange) {
        const QDate Shown = date();
        FSettingDate = true;
        ApplyLongDateFormat();
        setDate(Shown);
        FSettingDate = false;
    }
}
