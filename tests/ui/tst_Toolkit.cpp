// The thin layer over Qt: the error guard, its text rule and its box, the locale
// settings and pattern translation, the date picker's change events, the
// caption language and the spin button's stepping.
#include "AboutForm.h"
#include "Accessibility.h"
#include "Caption.h"
#include "DatePicker.h"
#include "FormLook.h"
#include "FormScaling.h"
#include "LocaleSettings.h"
#include "TestSupport.h"
#include "UpDown.h"

#include <QCalendarWidget>
#include <QClipboard>
#include <QComboBox>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QScreen>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTextEdit>
#include <QTimer>
#include <QToolButton>
#include <QWindow>

namespace {

// Emits Fired when poked; lets a test raise a change event inside a handler.
class TSignalSource : public QObject {
    Q_OBJECT
signals:
    void Fired();
};

class TThrowingObject : public QObject {
public:
    bool event(QEvent* Event) override {
        if (Event->type() == QEvent::User)
            throw std::runtime_error("Raised while handling an event");
        return QObject::event(Event);
    }
};

} // namespace

class TestToolkit : public QObject {
    Q_OBJECT

private slots:
    void init() { FailOnToolkitWarnings(); }

    void cleanup() {
        QLocale::setDefault(QLocale::system());
        LoadLocaleSettings(QLocale::system());
    }

    void fullStopRule_data() {
        QTest::addColumn<QString>("Message");
        QTest::addColumn<QString>("Shown");
        // clang-format off
        QTest::newRow("ends in a letter") << "Invalid argument to date encode" << "Invalid argument to date encode.";
        QTest::newRow("ends in a digit") << "Error 42" << "Error 42.";
        QTest::newRow("ends in a closing bracket") << "List index out of bounds (7)" << "List index out of bounds (7)";
        QTest::newRow("ends in a full stop") << "Done." << "Done.";
        QTest::newRow("ends in an apostrophe, below the full stop") << "'x'" << "'x'";
        QTest::newRow("ends in a space") << "Trailing " << "Trailing ";
        QTest::newRow("ends in a slash, just above the full stop") << "a/" << "a/.";
        QTest::newRow("ends in a non-ASCII letter") << QString::fromUtf8("Fehler ä") << QString::fromUtf8("Fehler ä.");
        QTest::newRow("ends in an ideograph") << QString::fromUtf8("日付") << QString::fromUtf8("日付.");
        // A translation's own ending punctuation stands for the full stop.
        QTest::newRow("ends in an ideographic full stop") << QString::fromUtf8("無効な引数です。") << QString::fromUtf8("無効な引数です。");
        QTest::newRow("ends in a full-width question mark") << QString::fromUtf8("日付？") << QString::fromUtf8("日付？");
        QTest::newRow("ends in a full-width exclamation mark") << QString::fromUtf8("日付！") << QString::fromUtf8("日付！");
        QTest::newRow("ends in an ellipsis") << QString::fromUtf8("Bitte warten…") << QString::fromUtf8("Bitte warten…");
        QTest::newRow("ends in a full-width closing bracket") << QString::fromUtf8("範囲外です（7）") << QString::fromUtf8("範囲外です（7）");
        QTest::newRow("ends in a closing guillemet") << QString::fromUtf8("« x »") << QString::fromUtf8("« x »");
        QTest::newRow("empty") << "" << "";
        // clang-format on
    }

    void fullStopRule() {
        QFETCH(QString, Message);
        QFETCH(QString, Shown);
        QCOMPARE(WithFullStop(Message), Shown);
        TErrorRecorder Errors;
        SetApplicationTitle(QStringLiteral("Title"));
        Guarded([&] { throw std::runtime_error(Message.toStdString()); });
        QCOMPARE(Errors.Entries.size(), 1);
        QCOMPARE(Errors.Entries[0].Caption, QStringLiteral("Title"));
        QCOMPARE(Errors.Entries[0].Text, Shown);
    }

    // The error box shows a message exactly as raised, as plain text, keeps
    // a long one inside the box, and is wide enough for its title.
    void errorBox_data() {
        QTest::addColumn<QString>("Message");
        // clang-format off
        QTest::newRow("markup is shown, not read") << "'<b>bold</b>' is not a valid integer value.";
        QTest::newRow("a 300-character word wraps inside the box") << "'" + QString(300, u'7') + "' is not a valid integer value.";
        QTest::newRow("a short message in a box as wide as its title") << "'-' is not a valid integer value.";
        // clang-format on
    }

    void errorBox() {
        QFETCH(QString, Message);
        const QString Title = QString::fromUtf8(kMorvaneTitle);
        const auto Box = CreateErrorBox(Title, Message);
        Box->show();
        QVERIFY(QTest::qWaitForWindowExposed(Box.get()));
        const auto* Shown = Box->findChild<QTextEdit*>(QStringLiteral("txtMessage"));
        QVERIFY(Shown && Shown->isVisible());
        QCOMPARE(Shown->toPlainText(), Message);
        // Every line within the view, the view within the box.
        QVERIFY(Shown->document()->idealWidth() <= Shown->viewport()->width());
        QVERIFY(Shown->document()->size().height() <= Shown->viewport()->height());
        QVERIFY(Box->rect().contains(Shown->geometry()));
        QVERIFY2(Box->width() >= TitleBarWidth(Box.get(), Title),
                 qPrintable(QString::number(Box->width())));
        // Measured: Openbox's default theme on a 100-dpi display (where the
        // toolkit lays out at 96 dpi still) shows this title whole from a
        // window 269 pixels wide on.
        QVERIFY2(Box->width() >= 269, qPrintable(QString::number(Box->width())));
    }

    void errorBoxFitsTheScreen_data() {
        QTest::addColumn<int>("Screen"); // its place in QGuiApplication::screens()
        QTest::addColumn<int>("Characters");
        const QList<QScreen*> Screens = QGuiApplication::screens();
        for (int I = 0; I < Screens.size(); ++I)
            for (const int Characters : {2000, 5000})
                QTest::addRow("%d characters on %dx%d", Characters, Screens[I]->size().width(),
                              Screens[I]->size().height())
                    << I << Characters;
    }

    // A long message (thousands of characters pasted into an amount) gives
    // a box within its screen, frame and all: the view stops short of the
    // screen's height and scrolls through the whole message, and OK shows.
    void errorBoxFitsTheScreen() {
        QFETCH(int, Screen);
        QFETCH(int, Characters);
        const QScreen* On = QGuiApplication::screens()[Screen];
        const QRect Area = On->availableGeometry();
        QWidget Owner;
        Owner.setGeometry(QRect(Area.center(), QSize(200, 100)));
        Owner.show();
        QVERIFY(QTest::qWaitForWindowExposed(&Owner));
        QCOMPARE(Owner.screen(), On);
        const QString Message = u'\'' + QStringLiteral("1,000 ").repeated(Characters / 6) +
                                QStringLiteral("' is not a valid integer value.");
        const auto Box = CreateErrorBox(QString::fromUtf8(kMorvaneTitle), Message, &Owner);
        Box->show();
        QVERIFY(QTest::qWaitForWindowExposed(Box.get()));
        // A window manager frames the box a moment after it is shown.
        static_cast<void>(
            QTest::qWaitFor([&] { return Box->frameGeometry() != Box->geometry(); }, 2000));
        const QRect Framed = Box->frameGeometry();
        QVERIFY2(Area.contains(Framed), qPrintable(QStringLiteral("%1,%2 %3x%4")
                                                       .arg(Framed.x())
                                                       .arg(Framed.y())
                                                       .arg(Framed.width())
                                                       .arg(Framed.height())));
        const QAbstractButton* Ok = Box->button(QMessageBox::Ok);
        QVERIFY(Ok && Ok->isVisible());
        QVERIFY(Area.contains(QRect(Ok->mapToGlobal(QPoint(0, 0)), Ok->size())));
        auto* Shown = Box->findChild<QTextEdit*>(QStringLiteral("txtMessage"));
        QVERIFY(Shown && Box->rect().contains(Shown->geometry()));
        QCOMPARE(Shown->toPlainText(), Message);
        QVERIFY(Shown->document()->idealWidth() <= Shown->viewport()->width());
        const int Below = qCeil(Shown->document()->size().height()) - Shown->viewport()->height();
        QVERIFY(Shown->verticalScrollBar()->maximum() >= Below);
        QCOMPARE(Shown->verticalScrollBar()->isVisible(), Below > 0);
    }

    void errorBoxBelongsToItsWindow_data() {
        QTest::addColumn<bool>("Active");
        // clang-format off
        QTest::newRow("to the active window") << true;
        QTest::newRow("to the shown main window when none is active") << false;
        // clang-format on
    }

    // The stock display's box belongs to the active window, else to the
    // main window while it is shown (under Wayland the compositor may have
    // given the keyboard elsewhere): the shell keeps it with that window.
    void errorBoxBelongsToItsWindow() {
        QFETCH(bool, Active);
        QWidget Main;
        Main.show();
        QVERIFY(WaitForWindowActive(&Main));
        if (!Active)
            QApplication::setActiveWindow(nullptr);
        const QWindow* Owner = nullptr;
        QTimer::singleShot(0, &Main, [&Owner] {
            if (QWidget* Box = QApplication::activeModalWidget()) {
                Owner = Box->windowHandle()->transientParent();
                Box->close();
            }
        });
        ShowError(QStringLiteral("Raised"));
        QCOMPARE(Owner, Main.windowHandle());
    }

    // An error in a change event raised inside another handler is shown by
    // the inner guard; the outer handler then goes on.
    void guardsNest() {
        TErrorRecorder Errors;
        TSignalSource Source;
        QObject Context;
        QObject::connect(&Source, &TSignalSource::Fired, &Context,
                         [] { Guarded([] { throw TConvertError(cpNotInteger, ""); }); });
        QStringList Steps;
        Guarded([&] {
            Steps += QStringLiteral("before");
            emit Source.Fired();
            Steps += QStringLiteral("after");
            emit Source.Fired();
            Steps += QStringLiteral("end");
        });
        QCOMPARE(Steps, (QStringList{"before", "after", "end"}));
        QCOMPARE(Errors.Texts(), (QStringList{"'' is not a valid integer value.",
                                              "'' is not a valid integer value."}));
    }

    // No error crosses the event loop: the application guards every event.
    void eventDispatchIsGuarded() {
        TErrorRecorder Errors;
        TThrowingObject Receiver;
        QEvent Event(QEvent::User);
        QCoreApplication::sendEvent(&Receiver, &Event);
        QCoreApplication::postEvent(&Receiver, new QEvent(QEvent::User));
        QCoreApplication::processEvents();
        QCOMPARE(Errors.Texts(), (QStringList{"Raised while handling an event.",
                                              "Raised while handling an event."}));
    }

    void unknownErrorIsShownToo() {
        TErrorRecorder Errors;
        Guarded([] { throw 42; });
        QCOMPARE(Errors.Texts(), QStringList{"Unknown error."});
    }

    void qtPatternTranslation_data() {
        QTest::addColumn<QString>("QtPattern");
        QTest::addColumn<QString>("DatePattern");
        // clang-format off
        QTest::newRow("English (US)") << "dddd, MMMM d, yyyy" << "dddd, mmmm d, yyyy";
        QTest::newRow("German, full stop after the day") << "dddd, d. MMMM yyyy" << "dddd, d. mmmm yyyy";
        QTest::newRow("quoted word with pattern letters") << "d 'de' MMMM 'de' yyyy" << "d \"d\"e mmmm \"d\"e yyyy";
        QTest::newRow("two-digit year and doubled quote") << "d MMM ''yy" << "d mmm \"'\"yy";
        QTest::newRow("a literal slash is not the separator") << "d/M/yyyy" << "d\"/\"m\"/\"yyyy";
        QTest::newRow("letters outside d, m and y are copied") << "'Le' d" << "Le d";
        // clang-format on
    }

    void qtPatternTranslation() {
        QFETCH(QString, QtPattern);
        QFETCH(QString, DatePattern);
        QCOMPARE(QString::fromStdString(QtPatternToDatePattern(QtPattern)), DatePattern);
    }

    void displayFormatTranslation_data() {
        QTest::addColumn<QString>("DatePattern");
        QTest::addColumn<QString>("Separator");
        QTest::addColumn<QString>("QtFormat");
        // clang-format off
        QTest::newRow("the fallback pattern") << "mmmm d, yyyy" << "/" << "MMMM d, yyyy";
        QTest::newRow("separator from the settings") << "d/m/yy" << "." << "d.M.yy";
        QTest::newRow("upper-case letters") << "DDDD D MMMM YYYY" << "/" << "dddd d MMMM yyyy";
        QTest::newRow("quoted text keeps its letters") << "dddd \"the\" d 'of' mmmm" << "/" << "dddd' the 'd' of 'MMMM";
        // clang-format on
    }

    void displayFormatTranslation() {
        QFETCH(QString, DatePattern);
        QFETCH(QString, Separator);
        QFETCH(QString, QtFormat);
        QCOMPARE(DatePatternToQtFormat(DatePattern.toStdString(), Separator.toStdString()),
                 QtFormat);
    }

    // The long date text written by the date core from the loaded settings
    // reads exactly as the locale itself writes the date, and the picker
    // shows the same text.
    void localeLongDates_data() {
        QTest::addColumn<QString>("Locale");
        // clang-format off
        QTest::newRow("C") << "C";
        QTest::newRow("English (US)") << "en_US";
        QTest::newRow("German") << "de_DE";
        QTest::newRow("Spanish, quoted words") << "es_ES";
        QTest::newRow("French") << "fr_FR";
        QTest::newRow("Portuguese (Brazil)") << "pt_BR";
        // clang-format on
    }

    void localeLongDates() {
        QFETCH(QString, Locale);
        const QLocale L(Locale);
        LoadLocaleSettings(L);
        TDatePicker Picker;
        Picker.setLocale(L);
        Picker.ApplyLongDateFormat();
        for (const QDate D :
             {QDate(2004, 2, 29), QDate(1999, 12, 5), QDate(100, 1, 1), QDate(9999, 9, 30)}) {
            const QString Expected = L.toString(D, QLocale::LongFormat);
            QCOMPARE(QString::fromStdString(LongDateText(DayNumberOf(D))), Expected);
            Picker.SetDate(DayNumberOf(D));
            QCOMPARE(Picker.text(), Expected);
        }
        QCOMPARE(QString::fromStdString(DateFormatSettings().LongMonthNames[1]),
                 L.monthName(2, QLocale::LongFormat));
        QCOMPARE(QString::fromStdString(DateFormatSettings().ShortDayNames[0]),
                 L.dayName(7, QLocale::ShortFormat));
    }

    void dateSeparator_data() {
        QTest::addColumn<QString>("Locale");
        QTest::addColumn<QString>("Separator");
        // clang-format off
        QTest::newRow("English (US)") << "en_US" << "/";
        QTest::newRow("German") << "de_DE" << ".";
        QTest::newRow("Dutch") << "nl_NL" << "-";
        // clang-format on
    }

    void dateSeparator() {
        QFETCH(QString, Locale);
        QFETCH(QString, Separator);
        QCOMPARE(DateSeparatorOf(QLocale(Locale)), Separator);
    }

    // A locale change while the program runs reloads the settings and the
    // pickers' format, without raising a change event.
    void localeChangeIsFollowed() {
        TDatePicker Picker;
        Picker.SetDate(MakeDate(2004, 2, 29));
        QSignalSpy Changes(&Picker, &TDatePicker::Change);
        QLocale::setDefault(QLocale(QStringLiteral("de_DE")));
        QEvent Event(QEvent::LocaleChange);
        QCoreApplication::sendEvent(qApp, &Event);
        QCOMPARE(QString::fromStdString(LongDateText(MakeDate(2004, 2, 29))),
                 QStringLiteral("Sonntag, 29. Februar 2004"));
        QCOMPARE(Picker.text(), QStringLiteral("Sonntag, 29. Februar 2004"));
        QCOMPARE(Picker.date(), QDate(2004, 2, 29));
        QCOMPARE(Changes.count(), 0);
    }

    void pickerDayNumbers_data() {
        QTest::addColumn<TDateTime>("Set");
        QTest::addColumn<QDate>("Shown");
        QTest::addColumn<TDateTime>("Read");
        // clang-format off
        QTest::newRow("day 0") << 0.0 << QDate(1899, 12, 30) << 0.0;
        QTest::newRow("day -1") << -1.0 << QDate(1899, 12, 29) << -1.0;
        QTest::newRow("a time of day is dropped") << 38046.75 << QDate(2004, 2, 29) << 38046.0;
        QTest::newRow("first day the picker takes") << MakeDate(100, 1, 1) << QDate(100, 1, 1) << MakeDate(100, 1, 1);
        QTest::newRow("before year 100 clamps to the first") << MakeDate(99, 12, 31) << QDate(100, 1, 1) << MakeDate(100, 1, 1);
        QTest::newRow("last day") << MakeDate(9999, 12, 31) << QDate(9999, 12, 31) << MakeDate(9999, 12, 31);
        QTest::newRow("after 9999 clamps to the last") << MakeDate(9999, 12, 31) + 400 << QDate(9999, 12, 31) << MakeDate(9999, 12, 31);
        // clang-format on
    }

    void pickerDayNumbers() {
        QFETCH(TDateTime, Set);
        QFETCH(QDate, Shown);
        QFETCH(TDateTime, Read);
        TDatePicker Picker;
        QSignalSpy Changes(&Picker, &TDatePicker::Change);
        Picker.SetDate(Set);
        QCOMPARE(Picker.date(), Shown);
        QCOMPARE(Picker.Date(), Read);
        QCOMPARE(Changes.count(), 0);
    }

    // One change event per change of the date made at the keyboard.
    void pickerKeyboardEdits() {
        TDatePicker Picker;
        Picker.show();
        QVERIFY(QTest::qWaitForWindowActive(&Picker));
        Picker.SetDate(MakeDate(2004, 1, 30));
        QSignalSpy Changes(&Picker, &TDatePicker::Change);
        // Home, then Right from field to field up to the day.
        QVERIFY(GoToField(&Picker, QDateTimeEdit::DaySection));
        QTest::keyClick(&Picker, Qt::Key_Up);
        QCOMPARE(Picker.date(), QDate(2004, 1, 31));
        QCOMPARE(Changes.count(), 1);
        QTest::keyClick(&Picker, Qt::Key_Up); // no wrap past the month's end
        QCOMPARE(Picker.date(), QDate(2004, 1, 31));
        QCOMPARE(Changes.count(), 1);
        QVERIFY(GoToField(&Picker, QDateTimeEdit::YearSection));
        QTest::keyClick(&Picker, Qt::Key_Down);
        QCOMPARE(Picker.date(), QDate(2003, 1, 31));
        QCOMPARE(Changes.count(), 2);
        QVERIFY(GoToField(&Picker, QDateTimeEdit::MonthSection));
        QTest::keyClick(&Picker, Qt::Key_Up); // the day clamps to the month's end
        QCOMPARE(Picker.date(), QDate(2003, 2, 28));
        QCOMPARE(Changes.count(), 3);
        // A month chosen by the start of its name.
        QVERIFY(GoToField(&Picker, QDateTimeEdit::MonthSection));
        QTest::keyClicks(&Picker, QStringLiteral("ju"));
        QCOMPARE(Picker.date(), QDate(2003, 6, 28));
        QTest::keyClicks(&Picker, QStringLiteral("l"));
        QCOMPARE(Picker.date(), QDate(2003, 7, 28));
        // Typing into a field: letters are not text the picker takes.
        const QString Before = Picker.text();
        const int ChangesBefore = static_cast<int>(Changes.count());
        QVERIFY(GoToField(&Picker, QDateTimeEdit::DaySection));
        QTest::keyClicks(&Picker, QStringLiteral("xyz"));
        QCOMPARE(Picker.text(), Before);
        QCOMPARE(Changes.count(), ChangesBefore);
    }

    // Typing into a field, with the picker in a window beside another
    // control for Tab to move to; the arrows stand for Up, Down, PgUp and
    // PgDn. Shown is what the picker shows afterwards when it is not simply
    // the date.
    void pickerTyping_data() {
        QTest::addColumn<QDate>("Start");
        QTest::addColumn<int>("Field"); // NoSection: the weekday name
        QTest::addColumn<QString>("Keys");
        QTest::addColumn<QDate>("Date");
        QTest::addColumn<int>("Changes");
        QTest::addColumn<QString>("Shown");
        const QDate Monday(2026, 12, 7);
        const int Weekday = QDateTimeEdit::NoSection;
        const int Day = QDateTimeEdit::DaySection;
        const int Month = QDateTimeEdit::MonthSection;
        const int Year = QDateTimeEdit::YearSection;
        // clang-format off
        QTest::newRow("a comma after the weekday moves on to the day") << Monday << Weekday << ",5" << QDate(2026, 12, 5) << 1 << "";
        QTest::newRow("a space after the day moves on to the month") << Monday << Day << " j" << QDate(2026, 1, 7) << 1 << "";
        QTest::newRow("a comma and its space after the weekday move on one field") << Monday << Weekday << ", 5" << QDate(2026, 12, 5) << 1 << "";
        QTest::newRow("a comma that does not follow the day does nothing") << Monday << Day << ",5" << QDate(2026, 12, 5) << 1 << "";
        QTest::newRow("a space in the last field does nothing") << Monday << Year << " " << Monday << 0 << "";
        QTest::newRow("day: the first digit shows alone, no change yet") << Monday << Day << "1" << Monday << 0 << "Monday, 1 December 2026";
        QTest::newRow("day: two digits, one change") << Monday << Day << "15" << QDate(2026, 12, 15) << 1 << "";
        QTest::newRow("day: a digit no second can follow is the day") << Monday << Day << "4" << QDate(2026, 12, 4) << 1 << "";
        QTest::newRow("day: 31 in a 30-day month is its last day") << QDate(2026, 11, 7) << Day << "31" << QDate(2026, 11, 30) << 1 << "";
        QTest::newRow("day: a lone digit is taken on leaving the field") << Monday << Day << "2 " << QDate(2026, 12, 2) << 1 << "";
        QTest::newRow("day: 00 is no day") << Monday << Day << "00" << Monday << 0 << "";
        QTest::newRow("month: a digit in the name field picks the month") << Monday << Month << "3" << QDate(2026, 3, 7) << 1 << "";
        QTest::newRow("month: 1 then 2 picks December") << QDate(2026, 3, 7) << Month << "12" << Monday << 1 << "";
        QTest::newRow("month: the same letter again moves on (January, June, July)") << Monday << Month << "jjj" << QDate(2026, 7, 7) << 3 << "";
        QTest::newRow("year: the digits show as they are typed, no change yet") << Monday << Year << "201" << Monday << 0 << "Monday, 7 December 201";
        QTest::newRow("year: the fourth digit makes one change") << Monday << Year << "2010" << QDate(2010, 12, 7) << 1 << "";
        QTest::newRow("year: leaving the picker takes a valid year") << Monday << Year << "201\t" << QDate(201, 12, 7) << 1 << "";
        QTest::newRow("year: Enter drops the digits") << Monday << Year << "201\r" << Monday << 0 << "";
        QTest::newRow("year: below the picker's range is not taken") << Monday << Year << "99\t" << Monday << 0 << "";
        QTest::newRow("year: Esc drops the digits") << Monday << Year << "20\x1b" << Monday << 0 << "";
        QTest::newRow("year: Up at 9999 leaves the date") << QDate(9999, 6, 15) << Year << "\u2191" << QDate(9999, 6, 15) << 0 << "";
        QTest::newRow("year: Down at 100 leaves the date") << QDate(100, 6, 15) << Year << "\u2193" << QDate(100, 6, 15) << 0 << "";
        QTest::newRow("month: Up in December 9999 leaves the date") << QDate(9999, 12, 15) << Month << "\u2191" << QDate(9999, 12, 15) << 0 << "";
        QTest::newRow("month: PgDn past the first month leaves the date") << QDate(100, 6, 15) << Month << "\u21df" << QDate(100, 6, 15) << 0 << "";
        // clang-format on
    }

    void pickerTyping() {
        QFETCH(QDate, Start);
        QFETCH(int, Field);
        QFETCH(QString, Keys);
        QFETCH(QDate, Date);
        QFETCH(int, Changes);
        QFETCH(QString, Shown);
        QWidget Window;
        auto* Picker = new TDatePicker(&Window);
        auto* Next = new QLineEdit(&Window);
        Next->move(0, Picker->sizeHint().height());
        Window.show();
        QVERIFY(QTest::qWaitForWindowActive(&Window));
        Picker->SetDate(DayNumberOf(Start));
        Picker->setFocus();
        QVERIFY(GoToField(Picker, QDateTimeEdit::Section(Field)));
        QSignalSpy Changed(Picker, &TDatePicker::Change);
        const QHash<QChar, Qt::Key> Steps{{u'\u2191', Qt::Key_Up},
                                          {u'\u2193', Qt::Key_Down},
                                          {u'\u21de', Qt::Key_PageUp},
                                          {u'\u21df', Qt::Key_PageDown}};
        for (const QChar C : Keys) {
            if (Steps.contains(C))
                QTest::keyClick(Picker, Steps[C]);
            else
                QTest::keyClick(Picker, C.toLatin1());
        }
        QCOMPARE(Picker->date(), Date);
        QCOMPARE(Changed.count(), Changes);
        QCOMPARE(Picker->text(), Shown.isEmpty()
                                     ? Picker->locale().toString(Date, Picker->displayFormat())
                                     : Shown);
        // Only Tab leaves the picker.
        QCOMPARE(QApplication::focusWidget(),
                 Keys.contains(u'\t') ? static_cast<QWidget*>(Next) : Picker);
    }

    // Typing a date as the picker shows it, from its first field, gives that
    // date in every language the program ships: the text between two fields
    // is one separator however many characters it has, names are chosen by
    // their letters, and a day typed before its month or year is kept for
    // them. Keys, where given, are typed instead of the text shown.
    void pickerTakesTheDateAsShown_data() {
        QTest::addColumn<QString>("Locale");
        QTest::addColumn<QDate>("Start");
        QTest::addColumn<QDate>("Date");
        QTest::addColumn<QString>("Keys");
        const QDate April20(2026, 4, 20);
        const QDate March4(2000, 3, 4);
        // clang-format off
        QTest::newRow("English (US)") << "en_US" << April20 << March4 << "";
        QTest::newRow("German") << "de_DE" << April20 << March4 << "";
        QTest::newRow("English (UK)") << "en_GB" << April20 << March4 << "";
        QTest::newRow("French, the 31st before December") << "fr_FR" << QDate(2026, 2, 14) << QDate(1999, 12, 31) << "";
        QTest::newRow("Spanish, 29 February before the leap year") << "es_ES" << April20 << QDate(2004, 2, 29) << "";
        QTest::newRow("Italian") << "it_IT" << April20 << March4 << "";
        QTest::newRow("Portuguese (Brazil), a weekday with a hyphen") << "pt_BR" << April20 << QDate(2012, 9, 28) << "";
        QTest::newRow("Russian, the month's name as a date writes it") << "ru_RU" << April20 << March4 << "";
        QTest::newRow("Polish, the 31st before May") << "pl_PL" << QDate(2026, 4, 20) << QDate(2021, 5, 31) << "";
        QTest::newRow("Japanese, the weekday last") << "ja_JP" << April20 << March4 << "";
        QTest::newRow("Chinese, weekdays alike to their last character") << "zh_CN" << April20 << QDate(2016, 2, 29) << "";
        QTest::newRow("English (US), 29 February before the leap year") << "en_US" << QDate(2026, 3, 15) << QDate(2000, 2, 29) << "";
        QTest::newRow("English (UK), single spaces") << "en_GB" << April20 << March4 << "Saturday 4 March 2000";
        QTest::newRow("Spanish, a month of the separator's letter without it") << "es_ES" << April20 << QDate(2026, 12, 4) << "viernes, 4 diciembre 2026";
        // clang-format on
    }

    void pickerTakesTheDateAsShown() {
        QFETCH(QString, Locale);
        QFETCH(QDate, Start);
        QFETCH(QDate, Date);
        QFETCH(QString, Keys);
        const QLocale L(Locale);
        LoadLocaleSettings(L);
        TDatePicker Picker;
        Picker.setLocale(L);
        Picker.ApplyLongDateFormat();
        Picker.show();
        QVERIFY(QTest::qWaitForWindowActive(&Picker));
        Picker.SetDate(DayNumberOf(Date));
        const QString Shown = Picker.text();
        Picker.SetDate(DayNumberOf(Start));
        QSignalSpy Changes(&Picker, &TDatePicker::Change);
        QTest::keyClick(&Picker, Qt::Key_Home);
        TypeCharacters(&Picker, Keys.isEmpty() ? Shown : Keys);
        QVERIFY2(Picker.date() == Date, qPrintable(Picker.text()));
        QCOMPARE(Picker.text(), Shown);
        QVERIFY(!Changes.isEmpty());
    }

    // The weekday name is a field of its own: Up and Down move the date by a
    // day, letters choose a day of the same week, digits do nothing there.
    void pickerWeekdayField() {
        TDatePicker Picker;
        Picker.show();
        QVERIFY(QTest::qWaitForWindowActive(&Picker));
        Picker.SetDate(MakeDate(2026, 12, 31)); // a Thursday
        QSignalSpy Changes(&Picker, &TDatePicker::Change);
        QVERIFY(GoToField(&Picker, QDateTimeEdit::NoSection));
        QTest::keyClick(&Picker, Qt::Key_Up); // across the month's and year's end
        QCOMPARE(Picker.date(), QDate(2027, 1, 1));
        QVERIFY(Picker.InWeekdayField());
        QTest::keyClick(&Picker, Qt::Key_Down);
        QCOMPARE(Picker.date(), QDate(2026, 12, 31));
        QCOMPARE(Changes.count(), 2);
        QTest::keyClicks(&Picker, QStringLiteral("tu"));
        QCOMPARE(Picker.date(), QDate(2026, 12, 29));
        QTest::keyClick(&Picker, Qt::Key_1);
        QCOMPARE(Picker.date(), QDate(2026, 12, 29));
        QCOMPARE(Changes.count(), 3);
        // Right moves on to the day of the month, where Up stays in the month.
        QTest::keyClick(&Picker, Qt::Key_Right);
        QVERIFY(!Picker.InWeekdayField());
        QCOMPARE(Picker.currentSection(), QDateTimeEdit::DaySection);
        QTest::keyClick(&Picker, Qt::Key_Up);
        QTest::keyClick(&Picker, Qt::Key_Up);
        QTest::keyClick(&Picker, Qt::Key_Up);
        QCOMPARE(Picker.date(), QDate(2026, 12, 31));
        QTest::keyClick(&Picker, Qt::Key_Left);
        QVERIFY(Picker.InWeekdayField());
    }

    // No free text: keys that would delete, cut, paste, undo or type
    // characters leave the field and the date as they are, in every field,
    // and digits typed afterwards go where they belong. The rows marked X11
    // edit text only with that platform's key bindings (ui_toolkit_x11 runs
    // this test there).
    void pickerRefusesTextEditing_data() {
        QTest::addColumn<int>("Key");
        QTest::addColumn<int>("Modifiers");
        // clang-format off
        QTest::newRow("Backspace") << int(Qt::Key_Backspace) << int(Qt::NoModifier);
        QTest::newRow("Delete") << int(Qt::Key_Delete) << int(Qt::NoModifier);
        QTest::newRow("Ctrl+Backspace") << int(Qt::Key_Backspace) << int(Qt::ControlModifier);
        QTest::newRow("Ctrl+X") << int(Qt::Key_X) << int(Qt::ControlModifier);
        QTest::newRow("Ctrl+V") << int(Qt::Key_V) << int(Qt::ControlModifier);
        QTest::newRow("Shift+Insert") << int(Qt::Key_Insert) << int(Qt::ShiftModifier);
        QTest::newRow("Ctrl+Z") << int(Qt::Key_Z) << int(Qt::ControlModifier);
        QTest::newRow("Ctrl+D, Delete on X11") << int(Qt::Key_D) << int(Qt::ControlModifier);
        QTest::newRow("Ctrl+K, delete to the end on X11") << int(Qt::Key_K) << int(Qt::ControlModifier);
        QTest::newRow("Ctrl+U, delete the line on X11") << int(Qt::Key_U) << int(Qt::ControlModifier);
        QTest::newRow("F18, Paste on X11") << int(Qt::Key_F18) << int(Qt::NoModifier);
        QTest::newRow("Meta with a digit") << int(Qt::Key_5) << int(Qt::MetaModifier);
        QTest::newRow("Ctrl+Alt with a digit") << int(Qt::Key_5) << int(Qt::ControlModifier | Qt::AltModifier);
        // clang-format on
    }
    void pickerRefusesTextEditing() {
        QFETCH(int, Key);
        QFETCH(int, Modifiers);
        QGuiApplication::clipboard()->setText(QStringLiteral("31"));
        TDatePicker Picker;
        Picker.show();
        QVERIFY(QTest::qWaitForWindowExposed(&Picker));
        Picker.SetDate(MakeDate(2026, 12, 12));
        const QString Shown = Picker.text();
        QSignalSpy Changes(&Picker, &TDatePicker::Change);
        QTest::keyClick(&Picker, Qt::Key_Home);
        for (int Field = 0; Field < Picker.sectionCount(); ++Field) {
            QTest::keyClick(&Picker, Qt::Key(Key), Qt::KeyboardModifiers(Modifiers));
            QTest::keyClick(&Picker, Qt::Key(Key), Qt::KeyboardModifiers(Modifiers));
            QCOMPARE(Picker.text(), Shown);
            // A digit typed afterwards goes into the field as it was.
            QTest::keyClicks(&Picker, QStringLiteral("1\x1b"));
            QCOMPARE(Picker.text(), Shown);
            QTest::keyClick(&Picker, Qt::Key_Right);
        }
        QCOMPARE(Picker.date(), QDate(2026, 12, 12));
        QCOMPARE(Changes.count(), 0);
        // Nor does text come from an input method or a drop.
        QVERIFY(!Picker.testAttribute(Qt::WA_InputMethodEnabled));
        QVERIFY(!Picker.findChild<QLineEdit*>()->acceptDrops());
    }

    // The calendar opens from the keyboard too; moving its selection
    // changes the date (one event per day moved) while it is dropped down.
    void pickerCalendarFromKeyboard() {
        TDatePicker Picker;
        Picker.show();
        QVERIFY(QTest::qWaitForWindowActive(&Picker));
        Picker.SetDate(MakeDate(2004, 2, 27));
        QSignalSpy Changes(&Picker, &TDatePicker::Change);
        QTest::keyClick(&Picker, Qt::Key_F4);
        QWidget* Popup = Picker.calendarWidget()->window();
        QTRY_VERIFY(Popup->isVisible());
        QWidget* View = Picker.calendarWidget()->focusWidget();
        QVERIFY(View);
        QTest::keyClick(View, Qt::Key_Right);
        QTest::keyClick(View, Qt::Key_Right);
        QCOMPARE(Picker.date(), QDate(2004, 2, 29));
        QCOMPARE(Changes.count(), 2);
        QTest::keyClick(View, Qt::Key_Return);
        QTRY_VERIFY(!Popup->isVisible());
        QCOMPARE(Picker.date(), QDate(2004, 2, 29));
        QCOMPARE(Changes.count(), 2);
        QTest::keyClick(&Picker, Qt::Key_Down, Qt::AltModifier);
        QTRY_VERIFY(Popup->isVisible());
        QTest::keyClick(View, Qt::Key_Escape);
        QTRY_VERIFY(!Popup->isVisible());
        QCOMPARE(Changes.count(), 2);
    }

    // The caption language, read the same by every reader: the text shown
    // (line breaks as the About window's label draws them), the access key
    // (the key a push button takes, the character the label underlines) and
    // the accessible name a label gives its field.
    void captionLanguage_data() {
        QTest::addColumn<QString>("Caption");
        QTest::addColumn<QString>("Plain");
        QTest::addColumn<QString>("Key");
        QTest::addColumn<QString>("Name");
        // clang-format off
        QTest::newRow("plain text as it is") << "Info" << "Info" << "" << "Info";
        QTest::newRow("ampersand marks the next character") << "&About" << "About" << "A" << "About";
        QTest::newRow("marker inside the text") << "Save &as" << "Save as" << "a" << "Save as";
        QTest::newRow("doubled ampersand shows one") << "Tom && Jerry" << "Tom & Jerry" << "" << "Tom & Jerry";
        QTest::newRow("doubled ampersand before a colon") << "Fish && Chips:" << "Fish & Chips:" << "" << "Fish & Chips";
        QTest::newRow("tripled: one shown, then a marker") << "a&&&b" << "a&b" << "b" << "a&b";
        QTest::newRow("lone final ampersand shown") << "Rock &" << "Rock &" << "" << "Rock &";
        QTest::newRow("markup characters shown as typed") << "<b>x</b> \"q\" 'y'" << "<b>x</b> \"q\" 'y'" << "" << "<b>x</b> \"q\" 'y'";
        QTest::newRow("carriage returns start new lines") << "one\rtwo\r\rfour" << "one\ntwo\n\nfour" << "" << "one\rtwo\r\rfour";
        QTest::newRow("CR LF is one line break") << "one\r\ntwo" << "one\ntwo" << "" << "one\r\ntwo";
        QTest::newRow("runs of spaces kept") << "a   b  " << "a   b  " << "" << "a   b";
        QTest::newRow("marker before a line break marks nothing") << "end&\rnext" << "end\nnext" << "" << "end\rnext";
        QTest::newRow("character outside the basic plane marked whole") << QStringLiteral("&\U0001F600x") << QStringLiteral("\U0001F600x") << QStringLiteral("\U0001F600") << QStringLiteral("\U0001F600x");
        QTest::newRow("final colon dropped from the name") << "Start Date:" << "Start Date:" << "" << "Start Date";
        QTest::newRow("name without a colon") << "Or" << "Or" << "" << "Or";
        QTest::newRow("access key marker dropped from the name") << "&Days:" << "Days:" << "D" << "Days";
        QTest::newRow("spaces around the colon") << " Weeks : " << " Weeks : " << "" << "Weeks";
        QTest::newRow("only the last colon dropped") << "Ratio 1:2:" << "Ratio 1:2:" << "" << "Ratio 1:2";
        QTest::newRow("nothing but a colon") << ":" << ":" << "" << "";
        QTest::newRow("space before the colon") << QString::fromUtf8("Date de début :") << QString::fromUtf8("Date de début :") << "" << QString::fromUtf8("Date de début");
        QTest::newRow("full-width colon") << QString::fromUtf8("开始日期：") << QString::fromUtf8("开始日期：") << "" << QString::fromUtf8("开始日期");
        // clang-format on
    }

    void captionLanguage() {
        QFETCH(QString, Caption);
        QFETCH(QString, Plain);
        QFETCH(QString, Key);
        QFETCH(QString, Name);
        const auto Parsed = ParseCaption(Caption);
        QCOMPARE(QString(Parsed.Shown)
                     .replace(QStringLiteral("\r\n"), QStringLiteral("\n"))
                     .replace(u'\r', u'\n'),
                 Plain);
        const qsizetype At = Parsed.AccessKey();
        QCOMPARE(At < 0 ? QString() : Parsed.Shown.mid(At, CharacterLength(Parsed.Shown, At)), Key);
        const TShownText Label = Shown(AccessKeyRichText(Caption));
        QCOMPARE(Label.Plain, Plain);
        QCOMPARE(Label.Underlined, Key);
        QCOMPARE(AccessibleNameOfCaption(Caption), Name);
    }

    // A field's label whose caption outgrows it takes the free room to its
    // left before the window grows; without that room the window grows.
    void labelTakesTheRoomBesideIt_data() {
        QTest::addColumn<double>("Room"); // the room's width over the caption's
        QTest::addColumn<bool>("Grows");
        // clang-format off
        QTest::newRow("room enough: the label takes it") << 1.2 << false;
        QTest::newRow("half the room: the window grows") << 0.5 << true;
        // clang-format on
    }

    void labelTakesTheRoomBesideIt() {
        QFETCH(double, Room);
        QFETCH(bool, Grows);
        QWidget Form;
        Form.setFont(FormFont());
        Form.resize(400, 40);
        auto* Label = new QLabel(&Form);
        const QString Text = QStringLiteral("Caption wider than its box:");
        const int Caption = Label->fontMetrics().horizontalAdvance(Text);
        // Designed a third as wide as its caption, ending at 300, with its
        // field 8 pixels to the right and another control in the same row
        // to the left, 8 pixels short of the room.
        Label->setGeometry(300 - Caption / 3, 10, Caption / 3, 13);
        auto* Field = new QFrame(&Form);
        Field->setGeometry(308, 6, 60, 21);
        Label->setBuddy(Field);
        auto* Left = new QFrame(&Form);
        Left->setGeometry(0, 6, 300 - static_cast<int>(Room * Caption) - 8, 21);
        const double Plain = FormScale(&Form); // all but the caption
        Label->setText(Text);
        const double Scale = FormScale(&Form);
        QCOMPARE(Scale > Plain, Grows);
        ScaleFormGeometry(&Form, Scale);
        QVERIFY2(Label->width() >= Caption, qPrintable(QString::number(Label->width())));
        QVERIFY(Label->x() >= Left->x() + Left->width());
        QCOMPARE(Label->x() + Label->width(), int(std::lround(300 * Scale)));
    }

    // A drop-down list's longest entry counts for the window's scale.
    void listEntriesCountForTheScale() {
        QWidget Form;
        Form.setFont(FormFont());
        auto* List = new QComboBox(&Form);
        List->setGeometry(10, 10, 60, 21);
        const double Plain = FormScale(&Form);
        List->addItems(
            {QStringLiteral("Short"), QStringLiteral("An entry far wider than its list")});
        const double Scale = FormScale(&Form);
        QVERIFY(Scale > Plain);
        ScaleFormGeometry(&Form, Scale);
        QVERIFY2(TextsNotFitting(&Form).isEmpty(), qPrintable(TextsNotFitting(&Form).join(u'\n')));
    }

    void upDownSteps_data() {
        QTest::addColumn<QString>("Text");
        QTest::addColumn<int>("LastPosition");
        QTest::addColumn<int>("Delta");
        QTest::addColumn<QString>("Expected");
        QTest::addColumn<int>("Writes");
        // clang-format off
        QTest::newRow("from the number shown") << "41" << 0 << 1 << "42" << 1;
        QTest::newRow("negative numbers with a minus") << "0" << 0 << -1 << "-1" << 1;
        QTest::newRow("no wrap at the top") << "32767" << 0 << 1 << "32767" << 0;
        QTest::newRow("no wrap at the bottom") << "-32768" << 0 << -1 << "-32768" << 0;
        QTest::newRow("unreadable text: from the last position") << "-" << 7 << 1 << "8" << 1;
        QTest::newRow("empty text: from the last position") << "" << -3 << -1 << "-4" << 1;
        QTest::newRow("a number beyond the range: from the last position") << "99999" << 5 << 1 << "6" << 1;
        QTest::newRow("grouped digits: from the last position") << "1,000" << 2 << -1 << "1" << 1;
        // clang-format on
    }

    void upDownSteps() {
        QFETCH(QString, Text);
        QFETCH(int, LastPosition);
        QFETCH(int, Delta);
        QFETCH(QString, Expected);
        QFETCH(int, Writes);
        QWidget Parent;
        auto* Edit = new QLineEdit(&Parent);
        Edit->setGeometry(10, 10, 49, 21);
        auto* Spin = new TUpDown(&Parent);
        Spin->resize(12, 30);
        Spin->SetAssociate(Edit);
        QCOMPARE(Spin->geometry(), QRect(59, 10, 12, 21)); // flush, same height
        Edit->setText(QString::number(LastPosition));
        Spin->Step(0);
        Edit->setText(Text);
        QSignalSpy Changes(Edit, &QLineEdit::textChanged);
        Spin->Step(Delta);
        QCOMPARE(Edit->text(), Expected);
        QCOMPARE(Changes.count(), Writes);
    }
};

MORVANE_TEST_MAIN(TestToolkit)
#include "tst_Toolkit.moc"
