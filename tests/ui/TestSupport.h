// Shared by the window tests: a recorder that stands in for the error box,
// the keyboard helpers of tools/ui-driving, a control finder, a pixel
// comparison, a recorder of the addresses opened, a reader of what a
// rich-text label shows, a check that a window's texts fit their controls,
// a guard against toolkit warnings, and a test main that runs under the
// program's own application object.
#pragma once

#include "Application.h"
#include "Caption.h"
#include "DatePicker.h"
#include "DateRoutines.h"
#include "ErrorGuard.h"
#include "KeyboardDriving.h"
#include "LocaleSettings.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QGlyphRun>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QObject>
#include <QRegularExpression>
#include <QStyleOptionButton>
#include <QStyleOptionComboBox>
#include <QTest>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextLayout>
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

// Waits up to 20 seconds for Window to become the application's active
// window, its focus set. Under Wayland a client cannot activate its own
// window: the compositor activates the window it maps, giving it the
// keyboard, a moment after the window is exposed (there
// QTest::qWaitForWindowActive only waits for the exposure); a compositor
// drawing in software beside other test sessions can take seconds.
inline bool WaitForWindowActive(QWidget* Window) {
    return QTest::qWaitFor([Window] { return QApplication::activeWindow() == Window->window(); },
                           20000);
}

// Whether top-level windows go where the program puts them: not under
// Wayland, where the compositor places them (a dialog over its parent
// window) and the positions Qt reports are not where they are.
inline bool WindowsGoWherePut() {
    return !QGuiApplication::platformName().startsWith(QLatin1String("wayland"));
}

// Whether Font, with the fonts the system falls back on, has a glyph for
// every character of Text.
inline bool DrawsEveryCharacter(const QFont& Font, const QString& Text) {
    QTextLayout Layout(Text, Font);
    Layout.beginLayout();
    Layout.createLine();
    Layout.endLayout();
    for (const QGlyphRun& Run : Layout.glyphRuns())
        if (Run.glyphIndexes().contains(0))
            return false;
    return true;
}

// The texts of Window's labels (but pictures), buttons and drop-down list
// entries, in hidden panels too, that don't fit their control at its font
// or hold a character no installed font draws, each as "<control>: <what>";
// empty when every one fits.
inline QStringList TextsNotFitting(const QWidget* Window) {
    QStringList Faults;
    const auto Check = [&Faults](const QWidget* W, const QString& Text, QSize Needed, QSize Room) {
        if (Needed.width() > Room.width() || Needed.height() > Room.height())
            Faults += QStringLiteral("%1: \"%2\" needs %3 x %4 pixels, has %5 x %6")
                          .arg(W->objectName(), Text)
                          .arg(Needed.width())
                          .arg(Needed.height())
                          .arg(Room.width())
                          .arg(Room.height());
        if (!DrawsEveryCharacter(W->font(), Text))
            Faults += QStringLiteral("%1: no font draws \"%2\"").arg(W->objectName(), Text);
    };
    for (const QLabel* L : Window->findChildren<QLabel*>()) {
        if (!L->pixmap().isNull() || L->text().isEmpty())
            continue;
        if (L->textFormat() == Qt::RichText) {
            QTextDocument Doc;
            Doc.setDefaultFont(L->font());
            Doc.setDocumentMargin(0);
            Doc.setHtml(L->text());
            Check(L, Doc.toPlainText(), Doc.size().toSize(), L->contentsRect().size());
        } else {
            const QString Shown = ParseCaption(L->text()).Shown;
            const QFontMetrics FM = L->fontMetrics();
            // The height of the line, or of the ink where a fallback font's
            // glyphs (Chinese, say) reach beyond it.
            Check(L, Shown,
                  QSize(FM.horizontalAdvance(Shown),
                        std::max(FM.height(), FM.boundingRect(Shown).height())),
                  L->contentsRect().size());
        }
    }
    for (const QAbstractButton* B : Window->findChildren<QAbstractButton*>()) {
        if (B->text().isEmpty())
            continue;
        QStyleOptionButton Opt;
        Opt.initFrom(B);
        const QSize Text = B->fontMetrics().size(Qt::TextShowMnemonic, B->text());
        Check(B, ParseCaption(B->text()).Shown,
              B->style()->sizeFromContents(QStyle::CT_PushButton, &Opt, Text, B), B->size());
    }
    for (const QComboBox* C : Window->findChildren<QComboBox*>()) {
        QStyleOptionComboBox Opt;
        Opt.initFrom(C);
        const QRect Field =
            C->style()->subControlRect(QStyle::CC_ComboBox, &Opt, QStyle::SC_ComboBoxEditField, C);
        for (int I = 0; I < C->count(); ++I)
            Check(C, C->itemText(I),
                  QSize(C->fontMetrics().horizontalAdvance(C->itemText(I)),
                        C->fontMetrics().height()),
                  Field.size());
    }
    return Faults;
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
