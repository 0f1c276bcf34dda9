#include "DatePicker.h"

#include "LocaleSettings.h"

#include <QCalendarWidget>

#include <QEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <QStyleOptionComboBox>
#include <algorithm>

TDateTime DayNumberOf(QDate Date) {
    return MakeDate(Date.year(), Date.month(), Date.day());
}

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

TDateTime TDatePicker::Date() const {
    return DayNumberOf(date());
}

void TDatePicker::SetDate(TDateTime D) {
    FSettingDate = true;
    setDate(DateOfDayNumber(D));
    FSettingDate = false;
}

// The toolkit's own stepping resolves the day against the weekday field and
// can jump to another week (Up on the 31st gave the 25th); this one moves
// exactly the field under the caret.
void TDatePicker::stepBy(int Steps) {
    const QDate D = date();
    const Section Field = CurrentField();
    QDate Next;
    switch (Field) {
    case DaySection:
        Next = QDate(D.year(), D.month(), std::clamp(D.day() + Steps, 1, D.daysInMonth()));
        break;
    case MonthSection:
        Next = D.addMonths(Steps);
        break;
    case YearSection:
        Next = D.addYears(Steps);
        break;
    default:
        Next = D.addDays(Steps);
        break;
    }
    MoveTo(Next);
}

void TDatePicker::MoveTo(QDate Next) {
    if (!Next.isValid())
        return;
    Next = std::clamp(Next, MinDate(), MaxDate());
    if (Next == date())
        return;
    const int Field = currentSectionIndex();
    setDate(Next);
    SelectField(Field);
}

namespace {

// The fields of a display format, in order, as their pattern letters ("dddd",
// "d", "MMMM", "yyyy"). Quoted text is not a field.
QStringList FormatFields(const QString& Format) {
    static const QString FieldLetters = QStringLiteral("dMyhHmszapAPt");
    QStringList Result;
    for (qsizetype I = 0; I < Format.size();) {
        const QChar C = Format[I];
        if (C == u'\'') {
            const qsizetype Close = Format.indexOf(u'\'', I + 1);
            if (Close < 0)
                break;
            I = Close + 1;
        } else if (FieldLetters.contains(C)) {
            qsizetype End = I;
            while (End < Format.size() && Format[End] == C)
                ++End;
            Result.append(Format.mid(I, End - I));
            I = End;
        } else {
            ++I;
        }
    }
    return Result;
}

} // namespace

bool TDatePicker::InWeekdayField() const {
    return FormatFields(displayFormat()).value(currentSectionIndex()).startsWith(u"ddd");
}

QDateTimeEdit::Section TDatePicker::CurrentField() const {
    // The toolkit reports the weekday name as a day field.
    return InWeekdayField() ? NoSection : currentSection();
}

void TDatePicker::SelectField(int Index) {
    const QStringList Fields = FormatFields(displayFormat());
    if (Fields.isEmpty())
        return;
    Index = std::clamp(Index, 0, static_cast<int>(Fields.size()) - 1);
    setCurrentSectionIndex(Index); // the caret at the start of the field
    const int Start = lineEdit()->cursorPosition();
    const qsizetype Length = locale().toString(date(), Fields[Index]).size();
    lineEdit()->setSelection(Start, static_cast<int>(Length));
}

namespace {

// The first of Count names (numbered from 1) that starts with Prefix, or 0.
template <class NameOf> int FindByPrefix(const QString& Prefix, int Count, NameOf Name) {
    for (int I = 1; I <= Count; ++I)
        if (Name(I).startsWith(Prefix, Qt::CaseInsensitive))
            return I;
    return 0;
}

QDate WithMonth(QDate D, int Month) {
    const QDate First(D.year(), Month, 1);
    return {D.year(), Month, std::min(D.day(), First.daysInMonth())};
}

// Keys that edit the text of the field rather than the date it shows.
bool IsTextEditingKey(QKeyEvent* Event) {
    if (Event->key() == Qt::Key_Backspace || Event->key() == Qt::Key_Delete)
        return true;
    for (const auto Edit : {QKeySequence::Paste, QKeySequence::Cut, QKeySequence::Undo,
                            QKeySequence::Redo, QKeySequence::DeleteStartOfWord,
                            QKeySequence::DeleteEndOfWord, QKeySequence::DeleteEndOfLine,
                            QKeySequence::DeleteCompleteLine})
        if (Event->matches(Edit))
            return true;
    return false;
}

} // namespace

// The toolkit's own typing checks the day against the weekday shown and so
// refuses most days typed into a long date with a weekday in it; typing is
// handled here instead, field by field, the weekday following the date.
void TDatePicker::TypeIntoField(Section Field, QChar Typed) {
    const QDate D = date();
    const bool IsDigit = Typed.isDigit();
    // A value typed digit by digit: the digits so far, or the new digit
    // alone once the number would exceed Max or MaxDigits.
    auto TypedNumber = [&](int Max, qsizetype MaxDigits) {
        FTyped += Typed;
        if (FTyped.size() > MaxDigits || FTyped.toInt() > Max)
            FTyped = Typed;
        return FTyped.toInt();
    };
    // The number (from 1) of the first of Count names that starts with the
    // letters typed so far, or with the new letter alone once none does; 0
    // when no name starts with it either.
    auto TypedName = [&](int Count, auto Name) {
        FTyped += Typed;
        int Found = FindByPrefix(FTyped, Count, Name);
        if (Found == 0) {
            FTyped = Typed;
            Found = FindByPrefix(FTyped, Count, Name);
        }
        return Found;
    };
    switch (Field) {
    case DaySection:
        if (IsDigit) {
            const int Day = TypedNumber(D.daysInMonth(), 2);
            if (Day >= 1)
                MoveTo({D.year(), D.month(), Day});
        }
        break;
    case MonthSection:
        if (IsDigit && sectionText(MonthSection).front().isDigit()) {
            const int Month = TypedNumber(12, 2);
            if (Month >= 1)
                MoveTo(WithMonth(D, Month));
        } else if (Typed.isLetter()) {
            const QLocale L = locale();
            const int Month =
                TypedName(12, [&L](int M) { return L.monthName(M, QLocale::LongFormat); });
            if (Month > 0)
                MoveTo(WithMonth(D, Month));
        }
        break;
    case YearSection:
        if (IsDigit) {
            const bool TwoDigits = sectionText(YearSection).size() <= 2;
            const int Year = TypedNumber(9999, TwoDigits ? 2 : 4);
            const int Full = TwoDigits ? D.year() - D.year() % 100 + Year : Year;
            // Fewer digits than a year in range: wait for the next one.
            if (Full >= MinDate().year() && Full <= MaxDate().year())
                MoveTo(D.addYears(Full - D.year()));
        }
        break;
    default:
        if (Typed.isLetter()) {
            const QLocale L = locale();
            const int Weekday =
                TypedName(7, [&L](int W) { return L.dayName(W, QLocale::LongFormat); });
            if (Weekday > 0)
                MoveTo(D.addDays(Weekday - D.dayOfWeek()));
        }
        break;
    }
}

void TDatePicker::keyPressEvent(QKeyEvent* Event) {
    const QString Text = Event->text();
    const bool Plain =
        !(Event->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier));
    if (Plain && Text.size() == 1 && Text.front().isLetterOrNumber()) {
        if (currentSectionIndex() != FTypedField) {
            FTyped.clear();
            FTypedField = currentSectionIndex();
        }
        TypeIntoField(CurrentField(), Text.front());
        Event->accept();
        return;
    }
    FTyped.clear();
    // The picker takes no free text: keys that would delete, cut, paste or
    // undo characters would leave a field blank (", 12 December 2026") while
    // the date stays as it was, so they do nothing here.
    if (IsTextEditingKey(Event)) {
        Event->accept();
        return;
    }
    // Left and Right move from field to field, Home and End to the first and
    // last; Tab leaves the picker (see focusNextPrevChild).
    if (!(Event->modifiers() & ~Qt::KeypadModifier)) {
        const int Field = currentSectionIndex();
        int To = -1;
        switch (Event->key()) {
        case Qt::Key_Left:
            To = std::max(Field - 1, 0);
            break;
        case Qt::Key_Right:
            To = std::min(Field + 1, sectionCount() - 1);
            break;
        case Qt::Key_Home:
            To = 0;
            break;
        case Qt::Key_End:
            To = sectionCount() - 1;
            break;
        default:
            break;
        }
        if (To >= 0) {
            SelectField(To);
            Event->accept();
            return;
        }
    }
    const bool AltDown = Event->key() == Qt::Key_Down && (Event->modifiers() & Qt::AltModifier);
    if (Event->key() == Qt::Key_F4 || AltDown) {
        DropDown();
        Event->accept();
        return;
    }
    QDateEdit::keyPressEvent(Event);
}

void TDatePicker::DropDown() {
    // The toolkit opens the calendar only for a press on the arrow; the
    // keyboard gets the same press.
    QStyleOptionComboBox Opt;
    Opt.initFrom(this);
    Opt.editable = true;
    Opt.frame = true;
    Opt.subControls = QStyle::SC_All;
    const QRect Arrow =
        style()->subControlRect(QStyle::CC_ComboBox, &Opt, QStyle::SC_ComboBoxArrow, this);
    const QPointF At = Arrow.center();
    QMouseEvent Press(QEvent::MouseButtonPress, At, mapToGlobal(At), Qt::LeftButton, Qt::LeftButton,
                      Qt::NoModifier);
    QDateEdit::mousePressEvent(&Press);
}

bool TDatePicker::focusNextPrevChild(bool Next) {
    // The toolkit uses Tab to walk through the fields; here the picker is one
    // tab stop, and Tab moves on to the next control.
    return QWidget::focusNextPrevChild(Next);
}

void TDatePicker::focusOutEvent(QFocusEvent* Event) {
    FTyped.clear();
    QDateEdit::focusOutEvent(Event);
}

QAbstractSpinBox::StepEnabled TDatePicker::stepEnabled() const {
    return StepUpEnabled | StepDownEnabled;
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
