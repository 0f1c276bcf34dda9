#include "DatePicker.h"

#include "EditMenu.h"
#include "LocaleSettings.h"

#include <QApplication>
#include <QCalendarWidget>

#include <QContextMenuEvent>
#include <QEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QScopedValueRollback>
#include <QSignalBlocker>
#include <QStyleOptionComboBox>
#include <QValidator>
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
    // No free text: none from an input method (dead keys, compose) and none
    // dropped in; keys and the context menu are handled here.
    setAttribute(Qt::WA_InputMethodEnabled, false);
    lineEdit()->setAcceptDrops(false);
    // A click into the field takes any digits being typed first (see
    // eventFilter).
    lineEdit()->installEventFilter(this);
    // Every change of the date the user makes comes through dateChanged;
    // the ones the program makes are filtered out here, and so are the
    // reports of a date that did not change (Enter makes one).
    FReported = date();
    connect(this, &QDateEdit::dateChanged, this, [this](QDate Shown) {
        // A day typed is kept only while typing moves the date.
        if (!FMovingByTyping)
            FTypedDay = 0;
        const bool Changed = Shown != std::exchange(FReported, Shown);
        if (Changed && !FSettingDate)
            emit Change();
    });
}

TDateTime TDatePicker::Date() const {
    return DayNumberOf(date());
}

void TDatePicker::SetDate(TDateTime D) {
    EndTyping(TKeep::Drop);
    FSeparator = {};
    FTypedDay = 0;
    FSettingDate = true;
    setDate(DateOfDayNumber(D));
    FSettingDate = false;
}

// The toolkit's own stepping resolves the day against the weekday field and
// can jump to another week (Up on the 31st gave the 25th); this one moves
// exactly the field under the caret.
void TDatePicker::stepBy(int Steps) {
    EndTyping(TKeep::Take);
    const QDate D = date();
    const TField* Field = CurrentField();
    QDate Next;
    switch (Field ? Field->Kind : TFieldKind::Weekday) {
    case TFieldKind::Day:
        Next = QDate(D.year(), D.month(), std::clamp(D.day() + Steps, 1, D.daysInMonth()));
        break;
    case TFieldKind::Month:
    case TFieldKind::MonthName:
        Next = D.addMonths(Steps);
        break;
    case TFieldKind::Year:
        Next = D.addYears(Steps);
        break;
    case TFieldKind::Weekday:
        Next = D.addDays(Steps);
        break;
    }
    // A step that would leave the range is not made: clamping it would
    // move other fields (Up in the year 9999 would give 31 December).
    if (Next >= MinDate() && Next <= MaxDate())
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

void TDatePicker::MoveByTyping(QDate Next) {
    const QScopedValueRollback Typing(FMovingByTyping, true);
    MoveTo(Next);
}

int TDatePicker::DayFor(int Year, int Month) const {
    const int Day = FTypedDay > 0 ? FTypedDay : date().day();
    return std::min(Day, QDate(Year, Month, 1).daysInMonth());
}

bool TDatePicker::InWeekdayField() const {
    const TField* Field = CurrentField();
    return Field && Field->Kind == TFieldKind::Weekday;
}

const TDatePicker::TField* TDatePicker::CurrentField() const {
    const int Index = currentSectionIndex();
    return Index >= 0 && Index < FFields.size() ? &FFields[Index] : nullptr;
}

QString TDatePicker::TField::Pattern() const {
    const QChar Letter = Kind == TFieldKind::Year                                     ? u'y'
                         : Kind == TFieldKind::Month || Kind == TFieldKind::MonthName ? u'M'
                                                                                      : u'd';
    return QString(Width, Letter);
}

void TDatePicker::SelectField(int Index) {
    if (FFields.isEmpty())
        return;
    Index = std::clamp(Index, 0, static_cast<int>(FFields.size()) - 1);
    setCurrentSectionIndex(Index); // the caret at the start of the field
    const int Start = lineEdit()->cursorPosition();
    const qsizetype Length = locale().toString(date(), FFields[Index].Pattern()).size();
    lineEdit()->setSelection(Start, static_cast<int>(Length));
}

namespace {

// The first of Count names (numbered from 1) after From, going round, that
// starts with Prefix; 0 when none does. From 0 finds the first.
template <class NameOf> int FindByPrefix(const QString& Prefix, int Count, int From, NameOf Name) {
    for (int K = 1; K <= Count; ++K) {
        const int I = (From + K - 1) % Count + 1;
        if (Name(I).startsWith(Prefix, Qt::CaseInsensitive))
            return I;
    }
    return 0;
}

// Chooses one of Count names (numbered from 1; Current is the one shown) by
// the letters typed so far plus Letter: the first name that starts with all
// of them; else, while one letter is typed over and over, the next name
// after Current that starts with it; else the first name that starts with
// Letter alone. Returns 0 when no name starts with Letter.
template <class NameOf>
int ChooseByName(QString& Typed, QChar Letter, int Count, int Current, NameOf Name) {
    const bool Repeated = !Typed.isEmpty() && Typed.count(Typed.front()) == Typed.size() &&
                          Typed.front().toLower() == Letter.toLower();
    Typed += Letter;
    if (const int Found = FindByPrefix(Typed, Count, 0, Name))
        return Found;
    if (Repeated)
        return FindByPrefix(QString(Letter), Count, Current, Name);
    Typed = Letter;
    return FindByPrefix(Typed, Count, 0, Name);
}

// Keys the toolkit's date editor handles without changing the text itself:
// the steps (Up, Down, PgUp, PgDn), Copy and Select All. Every other key
// that is no field editing of the picker's own would change the text as
// text: delete (Delete, Ctrl+D on X11), cut, paste, undo, or type a
// character with Ctrl+Alt or Meta held.
bool IsToolkitKey(QKeyEvent* Event) {
    switch (Event->key()) {
    case Qt::Key_Up:
    case Qt::Key_Down:
    case Qt::Key_PageUp:
    case Qt::Key_PageDown:
        return true;
    default:
        return Event->matches(QKeySequence::Copy) || Event->matches(QKeySequence::SelectAll);
    }
}

bool IsModifierKey(int Key) {
    switch (Key) {
    case Qt::Key_Shift:
    case Qt::Key_Control:
    case Qt::Key_Alt:
    case Qt::Key_AltGr:
    case Qt::Key_Meta:
    case Qt::Key_CapsLock:
    case Qt::Key_NumLock:
        return true;
    default:
        return false;
    }
}

// Shows Text in Edit with Length characters from Start selected, and tells
// nobody: the picker's own handling of its text would read digits still
// being typed as a date, and its validator would rewrite them.
void ShowQuietly(QLineEdit* Edit, const QString& Text, int Start, int Length) {
    const QSignalBlocker Quiet(Edit);
    const QValidator* Check = Edit->validator();
    Edit->setValidator(nullptr);
    Edit->setText(Text);
    Edit->setValidator(Check);
    Edit->setSelection(Start, Length);
}

} // namespace

// The toolkit's own typing checks the day against the weekday shown and so
// refuses most days typed into a long date with a weekday in it, and takes
// every digit at once; typing is handled here instead, field by field, the
// weekday following the date.
void TDatePicker::TypeDigit(QChar Digit) {
    const TField* Field = CurrentField();
    if (!Field || Field->Kind == TFieldKind::Weekday)
        return; // the weekday name takes letters only
    if (!DigitsPending()) {
        SelectField(currentSectionIndex());
        FTyping = {currentSectionIndex(), TTyping::Digits, QString(), lineEdit()->selectionStart(),
                   static_cast<int>(lineEdit()->selectedText().size())};
    }
    FTyping.Keys += Digit;
    const bool Year = Field->Kind == TFieldKind::Year;
    const int MaxDigits = Year && Field->Width > 2 ? 4 : 2;
    // A day typed is kept for the month typed next, so "3" waits for a
    // second digit in February too.
    const int Largest = Year ? 9999 : Field->Kind == TFieldKind::Day ? 31 : 12;
    // Complete when no further digit could make a value of the field.
    if (FTyping.Keys.size() >= MaxDigits || FTyping.Keys.toInt() * 10 > Largest) {
        EndTyping(TKeep::Take);
        return;
    }
    ShowTyped();
}

bool TDatePicker::DigitsPending() const {
    return FTyping.Kind == TTyping::Digits && !FTyping.Keys.isEmpty();
}

void TDatePicker::ShowTyped() {
    QString Shown = textFromDateTime(dateTime());
    Shown.replace(FTyping.Start, FTyping.Length, FTyping.Keys);
    ShowQuietly(lineEdit(), Shown, FTyping.Start, static_cast<int>(FTyping.Keys.size()));
}

QDate TDatePicker::WithTypedValue(int Index, int Value) const {
    const QDate D = date();
    if (Index < 0 || Index >= FFields.size())
        return {};
    const TField& Field = FFields[Index];
    switch (Field.Kind) {
    case TFieldKind::Day:
        if (Value >= 1)
            return {D.year(), D.month(), std::min(Value, D.daysInMonth())};
        break;
    case TFieldKind::Month:
    case TFieldKind::MonthName:
        if (Value >= 1) {
            const int Month = std::min(Value, 12);
            return {D.year(), Month, DayFor(D.year(), Month)};
        }
        break;
    case TFieldKind::Year: {
        const int Year = Field.Width <= 2 ? D.year() - D.year() % 100 + Value : Value;
        if (Year >= MinDate().year() && Year <= MaxDate().year())
            return {Year, D.month(), DayFor(Year, D.month())};
        break;
    }
    case TFieldKind::Weekday:
        break;
    }
    return {};
}

void TDatePicker::EndTyping(TKeep Keep) {
    if (!DigitsPending()) {
        FTyping = {}; // letters have chosen their name already
        return;
    }
    const TTyping Typing = std::exchange(FTyping, TTyping{});
    const QDate Next =
        Keep == TKeep::Take ? WithTypedValue(Typing.Field, Typing.Keys.toInt()) : QDate();
    if (Next.isValid() && std::clamp(Next, MinDate(), MaxDate()) != date()) {
        MoveByTyping(Next);
    } else {
        const int Field = currentSectionIndex();
        ShowQuietly(lineEdit(), textFromDateTime(dateTime()), 0, 0);
        SelectField(Field);
    }
    // The day typed is kept for a month or year typed next (the 31st, shown
    // as the 28th in February, is the 31st in March).
    if (Next.isValid() && FFields[Typing.Field].Kind == TFieldKind::Day)
        FTypedDay = std::min(Typing.Keys.toInt(), 31);
}

void TDatePicker::TypeLetter(QChar Letter) {
    if (FTyping.Kind == TTyping::Digits)
        EndTyping(TKeep::Take);
    const TField* Field = CurrentField();
    if (!Field)
        return;
    FTyping.Field = currentSectionIndex();
    FTyping.Kind = TTyping::Letters;
    const QDate D = date();
    const QLocale L = locale();
    if (Field->Kind == TFieldKind::MonthName) {
        const int Month = ChooseByName(FTyping.Keys, Letter, 12, D.month(),
                                       [&L](int M) { return L.monthName(M, QLocale::LongFormat); });
        if (Month > 0)
            MoveByTyping({D.year(), Month, DayFor(D.year(), Month)});
    } else if (Field->Kind == TFieldKind::Weekday) {
        const int Weekday = ChooseByName(FTyping.Keys, Letter, 7, D.dayOfWeek(),
                                         [&L](int W) { return L.dayName(W, QLocale::LongFormat); });
        FTypedDay = 0; // the weekday chooses the day
        if (Weekday > 0)
            MoveTo(D.addDays(Weekday - D.dayOfWeek()));
    }
}

bool TDatePicker::TypesName(QChar Typed) const {
    const TField* Field = CurrentField();
    if (!Field || (Field->Kind != TFieldKind::MonthName && Field->Kind != TFieldKind::Weekday))
        return false;
    const QLocale L = locale();
    const QString Name = Field->Kind == TFieldKind::MonthName
                             ? L.monthName(date().month(), QLocale::LongFormat)
                             : L.dayName(date().dayOfWeek(), QLocale::LongFormat);
    const bool Continuing = FTyping.Kind == TTyping::Letters &&
                            FTyping.Field == currentSectionIndex() && !FTyping.Keys.isEmpty();
    if (Typed.isLetter())
        return !(Continuing && FTyping.Keys.compare(Name, Qt::CaseInsensitive) == 0 &&
                 Field->After.contains(Typed, Qt::CaseInsensitive));
    // Another character of the name ("-" in "sexta-feira").
    return Continuing && Name.startsWith(FTyping.Keys + Typed, Qt::CaseInsensitive);
}

void TDatePicker::TypeCharacter(QChar Typed) {
    if (currentSectionIndex() != FTyping.Field)
        EndTyping(TKeep::Take);
    const TSeparatorRest Separator = std::exchange(FSeparator, {});
    if (Separator.Field == currentSectionIndex()) {
        if (Separator.Rest.startsWith(Typed, Qt::CaseInsensitive)) {
            FSeparator = {Separator.Field, Separator.Rest.mid(1), Separator.Passed + Typed};
            return;
        }
        // No separator after all: letters passed over begin a name.
        for (const QChar Passed : Separator.Passed)
            if (TypesName(Passed))
                TypeLetter(Passed);
    }
    if (Typed.isDigit()) {
        TypeDigit(Typed);
        return;
    }
    if (TypesName(Typed)) {
        TypeLetter(Typed);
        return;
    }
    // A separator moves on to the field it leads to; the toolkit would take
    // it, like Tab, out of the picker.
    EndTyping(TKeep::Take);
    const TField* Field = CurrentField();
    const int Next = currentSectionIndex() + 1;
    const qsizetype At = Field ? Field->After.indexOf(Typed, 0, Qt::CaseInsensitive) : -1;
    if (At >= 0 && Next < FFields.size()) {
        SelectField(Next);
        FSeparator = {Next, Field->After.mid(At + 1), QString()};
    }
}

void TDatePicker::keyPressEvent(QKeyEvent* Event) {
    const QString Text = Event->text();
    const bool Plain =
        !(Event->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier));
    if (IsModifierKey(Event->key())) {
        QDateEdit::keyPressEvent(Event); // Shift on its way to a digit ends nothing
        return;
    }
    if (Plain && Text.size() == 1 && Text.front().isPrint()) {
        TypeCharacter(Text.front());
        Event->accept();
        return;
    }
    FSeparator = {}; // any other key ends a separator being typed
    const int Key = Event->key();
    if (Key == Qt::Key_Escape || Key == Qt::Key_Return || Key == Qt::Key_Enter) {
        // Esc and Enter drop the digits and go on to the window, where
        // Enter presses the default button.
        EndTyping(TKeep::Drop);
        Event->ignore();
        return;
    }
    // Left and Right move from field to field, Home and End to the first and
    // last; Tab leaves the picker (see focusNextPrevChild).
    if (!(Event->modifiers() & ~Qt::KeypadModifier)) {
        const int Field = currentSectionIndex();
        int To = -1;
        switch (Key) {
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
            EndTyping(TKeep::Take);
            SelectField(To);
            Event->accept();
            return;
        }
    }
    const bool AltDown = Key == Qt::Key_Down && (Event->modifiers() & Qt::AltModifier);
    if (Key == Qt::Key_F4 || AltDown) {
        EndTyping(TKeep::Take);
        DropDown();
        Event->accept();
        return;
    }
    if (IsToolkitKey(Event)) {
        EndTyping(TKeep::Take);
        QDateEdit::keyPressEvent(Event);
        return;
    }
    // The picker takes no free text: any other key would leave a field
    // blank (", 12 December 2026") or write into it past the typing rules,
    // so it goes on to the window, and digits being typed wait.
    Event->ignore();
}

void TDatePicker::mousePressEvent(QMouseEvent* Event) {
    EndTyping(TKeep::Take);
    FSeparator = {};
    QDateEdit::mousePressEvent(Event);
}

bool TDatePicker::eventFilter(QObject* Watched, QEvent* Event) {
    if (Watched == lineEdit()) {
        switch (Event->type()) {
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonDblClick:
            EndTyping(TKeep::Take);
            FSeparator = {};
            break;
        default:
            break;
        }
    }
    return QDateEdit::eventFilter(Watched, Event);
}

void TDatePicker::contextMenuEvent(QContextMenuEvent* Event) {
    // Opening the menu, with a click or the menu key, takes any digits first.
    EndTyping(TKeep::Take);
    ShowEditMenu(lineEdit(), Event->globalPos(), TEditMenu::CopyOnly);
    Event->accept();
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
    const Qt::FocusReason Reason = Event->reason();
    // Another window has the focus for now (another program, a dialog, a
    // menu): the digits wait for the user to come back.
    const bool Away = Reason == Qt::ActiveWindowFocusReason || Reason == Qt::PopupFocusReason;
    // A push button taking the focus with a click or its key is pressed
    // for what it does; the digits are no value to raise errors over then.
    const bool ToButton = (Reason == Qt::MouseFocusReason || Reason == Qt::ShortcutFocusReason) &&
                          qobject_cast<QPushButton*>(QApplication::focusWidget());
    if (!Away) {
        EndTyping(ToButton ? TKeep::Drop : TKeep::Take);
        FSeparator = {};
        FTypedDay = 0;
    }
    // The field's own focus-out would correct waiting digits into a date of
    // their own: it sees the date, and the digits show again after it.
    const bool Waiting = DigitsPending();
    if (Waiting)
        ShowQuietly(lineEdit(), textFromDateTime(dateTime()), FTyping.Start, FTyping.Length);
    QDateEdit::focusOutEvent(Event);
    if (Waiting)
        ShowTyped();
}

void TDatePicker::DropTyping() {
    EndTyping(TKeep::Drop);
}

QAbstractSpinBox::StepEnabled TDatePicker::stepEnabled() const {
    return StepUpEnabled | StepDownEnabled;
}

void TDatePicker::ApplyLongDateFormat() {
    const QString Format = DatePatternToQtFormat(DateFormatSettings().LongDatePattern,
                                                 DateFormatSettings().DateSeparator);
    // The fields are read once here; literal text before the first field
    // leads to none.
    FFields.clear();
    for (const TQtFormatPiece& Piece : SplitQtDateFormat(Format)) {
        if (Piece.Letter.isNull()) {
            if (!FFields.isEmpty())
                FFields.last().After += Piece.Text;
        } else if (Piece.Letter == u'y') {
            FFields.append({TFieldKind::Year, Piece.Count, QString()});
        } else {
            const bool Name = Piece.Count >= 3;
            const TFieldKind Kind = Piece.Letter == u'd'
                                        ? (Name ? TFieldKind::Weekday : TFieldKind::Day)
                                        : (Name ? TFieldKind::MonthName : TFieldKind::Month);
            FFields.append({Kind, Piece.Count, QString()});
        }
    }
    setDisplayFormat(Format);
}

void TDatePicker::changeEvent(QEvent* Event) {
    QDateEdit::changeEvent(Event);
    if (Event->type() == QEvent::LocaleChange) {
        EndTyping(TKeep::Drop);
        FSeparator = {};
        FTypedDay = 0;
        const QDate Shown = date();
        FSettingDate = true;
        ApplyLongDateFormat();
        setDate(Shown);
        FSettingDate = false;
    }
}
