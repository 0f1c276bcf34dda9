// Shared by the window tests (and the screenshot tool, which drives the
// window the same way): a recorder that stands in for the error box, typing
// helpers that act like a user at the keyboard, a control finder, a pixel
// comparison, a recorder of the addresses opened, a reader of what a
// rich-text label shows, and a test main that runs under the program's own
// application object.
#pragma once

#include "Application.h"
#include "DatePicker.h"
#include "DateRoutines.h"
#include "ErrorGuard.h"
#include "LocaleSettings.h"

#include <QImage>
#include <QLineEdit>
#include <QObject>
#include <QTest>
#include <QTextBlock>
#include <QTextDocument>
#include <QUrl>

// Records every message the error display would show instead of opening a
// box; restores the previous display when destroyed.
class TErrorRecorder {
public:
    struct TEntry {
        QString Caption;
        QString Text;
    };

    TErrorRecorder()
        : FPrevious(SetErrorDisplay([this](const QString& Caption, const QString& Text) {
              Entries.append({Caption, Text});
          })) {}
    ~TErrorRecorder() { SetErrorDisplay(FPrevious); }
    TErrorRecorder(const TErrorRecorder&) = delete;
    TErrorRecorder& operator=(const TErrorRecorder&) = delete;

    QStringList Texts() const {
        QStringList T;
        for (const TEntry& E : Entries)
            T += E.Text;
        return T;
    }

    QList<TEntry> Entries;

private:
    TErrorDisplay FPrevious;
};

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

// The control of Form called Name; ends the test run when there is none.
template <class T> T* FindControl(const QObject* Form, const QString& Name) {
    T* C = Form->findChild<T*>(Name);
    if (!C)
        qFatal("no control %s", qPrintable(Name));
    return C;
}

// The pixels of an image or pixmap in one format, whatever resolution it
// declares, for comparing pictures pixel by pixel.
inline QImage Pixels(QImage Image) {
    Image = Image.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    Image.setDevicePixelRatio(1);
    return Image;
}

// Receives the addresses the program asks the desktop to open (install it
// with QDesktopServices::setUrlHandler and its Record slot).
class TUrlRecorder : public QObject {
    Q_OBJECT
public:
    QList<QUrl> Urls;
public slots:
    void Record(const QUrl& Url) { Urls += Url; }
};

// The text a label shows and the characters it underlines, as laid out by
// Qt's rich-text engine from Html.
struct TShownText {
    QString Plain;
    QString Underlined;
};

inline TShownText Shown(const QString& Html) {
    QTextDocument Doc;
    Doc.setHtml(Html);
    TShownText Result;
    Result.Plain = Doc.toPlainText();
    for (QTextBlock B = Doc.begin(); B != Doc.end(); B = B.next())
        for (auto F = B.begin(); !F.atEnd(); ++F)
            if (F.fragment().charFormat().fontUnderline())
                Result.Underlined += F.fragment().text();
    return Result;
}

inline TDateTime Day(int Year, int Month, int DayOfMonth) {
    return MakeDate(Year, Month, DayOfMonth);
}

// A test main that builds the program's application object (with its event
// guard) instead of a plain QApplication.
#define MORVANE_TEST_MAIN(TestClass)                                                               \
    int main(int argc, char* argv[]) {                                                             \
        LoadLocaleSettings(QLocale::system());                                                     \
        TApplication App(argc, argv);                                                              \
        TestClass Test;                                                                            \
        return QTest::qExec(&Test, argc, argv);                                                    \
    }
