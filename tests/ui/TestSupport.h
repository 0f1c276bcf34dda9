// Shared by the window tests: a recorder that stands in for the error box,
// the keyboard helpers of tools/ui-driving, a control finder, a pixel
// comparison, a recorder of the addresses opened, a reader of what a
// rich-text label shows, a guard against toolkit warnings, and a test main
// that runs under the program's own application object.
#pragma once

#include "Application.h"
#include "DatePicker.h"
#include "DateRoutines.h"
#include "ErrorGuard.h"
#include "KeyboardDriving.h"
#include "LocaleSettings.h"

#include <QImage>
#include <QLineEdit>
#include <QObject>
#include <QRegularExpression>
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

// Waits up to five seconds for Window to become the application's active
// window, its focus set. Under Wayland a client cannot activate its own
// window: the compositor activates the window it maps, giving it the
// keyboard, a moment after the window is exposed (there
// QTest::qWaitForWindowActive only waits for the exposure).
inline bool WaitForWindowActive(QWidget* Window) {
    return QTest::qWaitFor([Window] { return QApplication::activeWindow() == Window->window(); });
}

// Whether top-level windows go where the program puts them: not under
// Wayland, where the compositor places them (a dialog over its parent
// window) and the positions Qt reports are not where they are.
inline bool WindowsGoWherePut() {
    return !QGuiApplication::platformName().startsWith(QLatin1String("wayland"));
}

// Makes the running test function fail on any warning the toolkit prints
// (a selection at position -1, say); the offscreen platform's notes that it
// grabs and raises nothing are no fault.
inline void FailOnToolkitWarnings() {
    QTest::failOnWarning(QRegularExpression(QStringLiteral("^(?!This plugin does not support)")));
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
