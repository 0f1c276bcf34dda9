// The main window driven as a user drives it: keys typed into the real
// controls, spin buttons clicked, date fields edited from the keyboard and a
// day clicked in the drop-down calendar. Error boxes are recorded instead of
// shown.
#include "DatePicker.h"
#include "Main.h"
#include "TestSupport.h"
#include "UpDown.h"

#include <QBackingStore>
#include <QCalendarWidget>
#include <QClipboard>
#include <QComboBox>
#include <QDialog>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QMessageBox>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScopeGuard>
#include <QSignalSpy>
#include <QStyleOptionFrame>
#include <QTableView>
#include <QTimer>
#include <QToolButton>
#include <QWindow>

namespace {

struct TKeyStroke {
    int Key;
    Qt::KeyboardModifiers Modifiers;
    QString Text; // what the platform reports the key types
};
using TKeyStrokes = QList<TKeyStroke>;

TKeyStroke Typed(char C) {
    const int Key = C >= '0' && C <= '9'   ? Qt::Key_0 + (C - '0')
                    : C >= 'a' && C <= 'z' ? Qt::Key_A + (C - 'a')
                    : C == '-'             ? Qt::Key_Minus
                    : C == '+'             ? Qt::Key_Plus
                    : C == ' '             ? Qt::Key_Space
                                           : Qt::Key_unknown;
    return {Key, Qt::NoModifier, QString(QChar(C))};
}

TKeyStrokes TypedText(const char* Text) {
    TKeyStrokes K;
    for (const char* P = Text; *P; ++P)
        K += Typed(*P);
    return K;
}

// Ctrl+letter as the platform delivers it: with its control character.
TKeyStroke Ctrl(char Letter) {
    return {Qt::Key_A + (Letter - 'a'), Qt::ControlModifier, QString(QChar(Letter - 'a' + 1))};
}

const TKeyStroke Backspace{Qt::Key_Backspace, Qt::NoModifier, QStringLiteral("\b")};
const TKeyStroke Left{Qt::Key_Left, Qt::NoModifier, QString()};
const TKeyStroke ShiftInsert{Qt::Key_Insert, Qt::ShiftModifier, QString()};
const TKeyStroke SelectToStart{Qt::Key_Home, Qt::ShiftModifier, QString()};

void Press(QWidget* W, const TKeyStroke& K) {
    QTest::sendKeyEvent(QTest::Click, W, static_cast<Qt::Key>(K.Key), K.Text, K.Modifiers);
}

} // namespace

Q_DECLARE_METATYPE(TKeyStrokes)

class TestMainForm : public QObject {
    Q_OBJECT

    QPointer<TfrmMainForm> Form;
    std::unique_ptr<TErrorRecorder> Errors;

    template <class T> T* Control(const char* Name) const {
        return FindControl<T>(Form, QString::fromLatin1(Name));
    }
    TDatePicker* StartPicker() const { return Control<TDatePicker>("dtpStartDt"); }
    TDatePicker* EndPicker() const { return Control<TDatePicker>("dtpEndDt"); }
    QLineEdit* Edit(const char* Name) const { return Control<QLineEdit>(Name); }
    QStringList AmountNames() const {
        return {"txtNoDays",       "txtNoWeekdays", "txtNoWeeks",
                "txtNoFortnights", "txtNoMonths",   "txtNoYears"};
    }
    QLineEdit* Amount(int K) const {
        return Control<QLineEdit>(AmountNames()[K].toLatin1().constData());
    }

    void StepPickerTo(TDatePicker* Picker, TDateTime Date) {
        QVERIFY(::StepPickerTo(Picker, Date));
    }

    // Picks the mode in cmbCalc with the keyboard.
    void ChooseMode(int Index) {
        QComboBox* Calc = Control<QComboBox>("cmbCalc");
        Calc->setFocus(Qt::OtherFocusReason);
        QTest::keyClick(Calc, Index == 0 ? Qt::Key_Up : Qt::Key_Down);
        QCOMPARE(Calc->currentIndex(), Index);
    }

    static QString LongDate(int Y, int M, int D) {
        return QString::fromStdString(LongDateText(MakeDate(Y, M, D)));
    }

private slots:
    void init() {
        FailOnToolkitWarnings();
        // The last recorder first, should a failed init() have kept cleanup()
        // from removing it: each restores the display it replaced.
        Errors.reset();
        Errors = std::make_unique<TErrorRecorder>();
        Form = new TfrmMainForm();
        Form->show();
        QVERIFY(WaitForWindowActive(Form));
    }

    void cleanup() {
        delete Form.data();
        Errors.reset();
        QLocale::setDefault(QLocale::system());
        LoadLocaleSettings(QLocale::system());
    }

    void startsWithTodayAndEqualDates() {
        const TDateTime Today = std::floor(CurrentDateTime());
        QCOMPARE(StartPicker()->Date(), Today);
        QCOMPARE(EndPicker()->Date(), Today);
        QCOMPARE(Control<QComboBox>("cmbCalc")->currentIndex(), 0);
        QVERIFY(Control<QGroupBox>("grpDiff")->isVisible());
        QVERIFY(!Control<QGroupBox>("grpNew")->isVisible());
        for (const char* N :
             {"txtDays", "txtWeekdays", "txtWeeks", "txtFortnights", "txtMonths", "txtYears"})
            QCOMPARE(Edit(N)->text(), QStringLiteral("0"));
        QVERIFY(Control<QPlainTextEdit>("mmoDiffString")->toPlainText().isEmpty());
        QCOMPARE(QApplication::focusWidget(), StartPicker());
        QCOMPARE(Form->windowTitle(), ApplicationTitle());
        QVERIFY(Errors->Entries.isEmpty());
    }

    // At start-up the start date's first field has the keyboard: a date
    // typed there as the picker shows it is the start date, and the
    // difference follows.
    void typingTheStartDateAsShown() {
        const TDateTime Typed = Day(2000, 3, 4);
        TypeCharacters(QApplication::focusWidget(), QString::fromStdString(LongDateText(Typed)));
        QCOMPARE(StartPicker()->Date(), Typed);
        QCOMPARE(Edit("txtDays")->text(), QString::fromStdString(IntToText(DateUnitsBetween(
                                              dkDays, Typed, EndPicker()->Date()))));
        QVERIFY(Errors->Entries.isEmpty());
    }

    void differencePanel_data() {
        QTest::addColumn<TDateTime>("Start");
        QTest::addColumn<TDateTime>("End");
        QTest::addColumn<QStringList>("Counts"); // days, weekdays, weeks, fortnights, months, years
        QTest::addColumn<QString>("Phrase");
        // clang-format off
        QTest::newRow("one day later, a Saturday") << Day(2004, 1, 2) << Day(2004, 1, 3) << QStringList{"1", "0", "0", "0", "0", "0"} << "1 day";
        QTest::newRow("one day later, a Friday") << Day(2004, 1, 1) << Day(2004, 1, 2) << QStringList{"1", "1", "0", "0", "0", "0"} << "1 day";
        QTest::newRow("one day earlier from a weekday") << Day(2004, 1, 2) << Day(2004, 1, 1) << QStringList{"-1", "-1", "0", "0", "0", "0"} << "1 day ago";
        QTest::newRow("one day earlier from a Sunday") << Day(2004, 1, 4) << Day(2004, 1, 3) << QStringList{"-1", "0", "0", "0", "0", "0"} << "1 day ago";
        QTest::newRow("years, months, weeks and a day") << Day(2002, 1, 15) << Day(2004, 3, 30) << QStringList{"805", "575", "115", "57", "26", "2"} << "2 years, 2 months, 2 weeks and 1 day";
        QTest::newRow("an end date before the start counts below zero") << Day(2004, 3, 30) << Day(2002, 1, 15) << QStringList{"-805", "-575", "-115", "-57", "-26", "-2"} << "2 years, 2 months, 2 weeks and 1 day ago";
        // clang-format on
    }

    void differencePanel() {
        QFETCH(TDateTime, Start);
        QFETCH(TDateTime, End);
        QFETCH(QStringList, Counts);
        QFETCH(QString, Phrase);
        StartPicker()->SetDate(Start);
        StepPickerTo(EndPicker(), End);
        const QStringList Shown{Edit("txtDays")->text(),   Edit("txtWeekdays")->text(),
                                Edit("txtWeeks")->text(),  Edit("txtFortnights")->text(),
                                Edit("txtMonths")->text(), Edit("txtYears")->text()};
        QCOMPARE(Shown, Counts);
        QCOMPARE(Control<QPlainTextEdit>("mmoDiffString")->toPlainText(), Phrase);
        QVERIFY(Errors->Entries.isEmpty());
    }

    void newDatePanel_data() {
        QTest::addColumn<TDateTime>("Start");
        QTest::addColumn<QStringList>("Amounts"); // typed in order Days .. Years
        QTest::addColumn<QString>("NewDate");
        // clang-format off
        QTest::newRow("a month from 31 January clamps to 29 February") << Day(2004, 1, 31) << QStringList{"", "", "", "", "1", ""} << LongDate(2004, 2, 29);
        QTest::newRow("days apply before months") << Day(2004, 1, 30) << QStringList{"1", "", "", "", "1", ""} << LongDate(2004, 2, 29);
        QTest::newRow("all six at 1 land on a Saturday") << Day(2004, 1, 1) << QStringList{"1", "1", "1", "1", "1", "1"} << LongDate(2005, 2, 26);
        QTest::newRow("a weekday from Friday is Monday") << Day(2004, 1, 2) << QStringList{"", "1", "", "", "", ""} << LongDate(2004, 1, 5);
        QTest::newRow("negative days go back over a month end") << Day(2004, 3, 1) << QStringList{"-1", "", "", "", "", ""} << LongDate(2004, 2, 29);
        QTest::newRow("a year from 29 February is 28 February") << Day(2004, 2, 29) << QStringList{"", "", "", "", "", "1"} << LongDate(2005, 2, 28);
        QTest::newRow("fortnights and weeks backwards") << Day(2004, 1, 31) << QStringList{"", "", "-1", "-2", "", ""} << LongDate(2003, 12, 27);
        // clang-format on
    }

    void newDatePanel() {
        QFETCH(TDateTime, Start);
        QFETCH(QStringList, Amounts);
        QFETCH(QString, NewDate);
        ChooseMode(1);
        QVERIFY(Control<QGroupBox>("grpNew")->isVisible());
        QVERIFY(!Control<QGroupBox>("grpDiff")->isVisible());
        StepPickerTo(StartPicker(), Start);
        for (int K = 0; K < 6; ++K)
            if (!Amounts[K].isEmpty())
                RetypeText(Amount(K), Amounts[K]);
        QCOMPARE(Edit("txtNewDate")->text(), NewDate);
        // Typing "-" alone is not yet a number: that keystroke shows the
        // error, the next digit makes the text valid again.
        QStringList Expected;
        for (const QString& A : Amounts)
            if (A.startsWith(u'-'))
                Expected += QStringLiteral("'-' is not a valid integer value.");
        QCOMPARE(Errors->Texts(), Expected);
    }

    void newDateErrors_data() {
        QTest::addColumn<QStringList>("Amounts"); // typed in order Years first .. Days last
        QTest::addColumn<QString>("Paste");       // pasted into Days after typing, if any
        QTest::addColumn<QString>("LastError");
        // clang-format off
        QTest::newRow("days beyond year 9999") << QStringList{"3000000", "", "", "", "", ""} << QString() << "Invalid argument to date encode.";
        QTest::newRow("date error comes before a bad later amount") << QStringList{"", "", "", "", "99999", "-"} << QString() << "Invalid argument to date encode.";
        QTest::newRow("a misplaced minus") << QStringList{"5-", "", "", "", "", ""} << QString() << "'5-' is not a valid integer value.";
        QTest::newRow("beyond 32 bits") << QStringList{"2147483648", "", "", "", "", ""} << QString() << "'2147483648' is not a valid integer value.";
        QTest::newRow("digit grouping pasted past the key filter") << QStringList{"", "", "", "", "", ""} << "1,000" << "'1,000' is not a valid integer value.";
        // clang-format on
    }

    // A bad amount leaves the new date as it was and shows the error; the
    // window goes on working afterwards.
    void newDateErrors() {
        QFETCH(QStringList, Amounts);
        QFETCH(QString, Paste);
        QFETCH(QString, LastError);
        ChooseMode(1);
        StepPickerTo(StartPicker(), Day(2004, 1, 1));
        QCOMPARE(Edit("txtNewDate")->text(), LongDate(2004, 1, 1));
        // Years first, so a bad Years text is in place before Months runs.
        // The last keystroke (or the paste) is the one that goes wrong; the
        // ones before it may have moved the date.
        QLineEdit* Last = nullptr;
        for (int K = 5; K >= 0; --K) {
            if (Amounts[K].isEmpty())
                continue;
            RetypeText(Amount(K), Amounts[K].size() > 1 ? Amounts[K].chopped(1) : Amounts[K]);
            Last = Amount(K);
        }
        const QString Before = Edit("txtNewDate")->text();
        Errors->Entries.clear();
        if (!Paste.isEmpty()) {
            QApplication::clipboard()->setText(Paste);
            QLineEdit* Days = Amount(0);
            QTest::keyClick(Days, Qt::Key_Home);
            QTest::keyClick(Days, Qt::Key_End, Qt::ShiftModifier);
            Press(Days, ShiftInsert);
            QCOMPARE(Days->text(), Paste);
        } else {
            const QString Full = Amounts[AmountNames().indexOf(Last->objectName())];
            if (Full.size() > 1)
                QTest::keyClicks(Last, Full.right(1));
            QCOMPARE(Last->text(), Full);
        }
        QCOMPARE(Errors->Texts(), QStringList{LastError});
        QCOMPARE(Errors->Entries.last().Caption, ApplicationTitle());
        QCOMPARE(Edit("txtNewDate")->text(), Before);

        // Still working: Reset (which may show errors of its own on the way),
        // then a valid amount moves the date again without an error.
        QTest::mouseClick(Control<QPushButton>("cmdReset"), Qt::LeftButton);
        Errors->Entries.clear();
        RetypeText(Amount(0), QStringLiteral("2"));
        QCOMPARE(Edit("txtNewDate")->text(), LongDate(2004, 1, 3));
        QVERIFY(Errors->Entries.isEmpty());
    }

    void emptiedDaysShowsTwoApostrophes() {
        ChooseMode(1);
        RetypeText(Amount(0), QString());
        QCOMPARE(Amount(0)->text(), QString());
        QCOMPARE(Errors->Texts(), QStringList{"'' is not a valid integer value."});
    }

    void keyFilter_data() {
        QTest::addColumn<QString>("Initial");
        QTest::addColumn<TKeyStrokes>("Keys");
        QTest::addColumn<QString>("Expected");
        QTest::addColumn<int>("Changes"); // change events the keys raise
        // clang-format off
        QTest::newRow("digits and minus are typed") << "" << TypedText("-12") << "-12" << 3;
        QTest::newRow("a letter is discarded") << "7" << TypedText("a") << "7" << 0;
        QTest::newRow("a space is discarded") << "7" << TypedText(" ") << "7" << 0;
        QTest::newRow("a plus is discarded") << "7" << TypedText("+") << "7" << 0;
        QTest::newRow("minus after a digit is typed") << "5" << TypedText("-") << "5-" << 1;
        QTest::newRow("backspace deletes") << "123" << TKeyStrokes{Backspace} << "12" << 1;
        QTest::newRow("arrow keys move the caret") << "12" << TKeyStrokes{Left, Typed('9')} << "192" << 1;
        QTest::newRow("a digit typed over the same digit changes nothing") << "5" << TKeyStrokes{SelectToStart, Typed('5')} << "5" << 0;
        QTest::newRow("ctrl+x cuts nothing") << "123" << TKeyStrokes{SelectToStart, Ctrl('x')} << "123" << 0;
        QTest::newRow("ctrl+v pastes nothing") << "123" << TKeyStrokes{SelectToStart, Ctrl('v')} << "123" << 0;
        QTest::newRow("ctrl+z undoes nothing") << "12" << TKeyStrokes{Typed('3'), Ctrl('z')} << "123" << 1;
        QTest::newRow("alt with a letter types nothing") << "7" << TKeyStrokes{{Qt::Key_X, Qt::AltModifier, QStringLiteral("x")}} << "7" << 0;
        QTest::newRow("meta with a letter types nothing") << "7" << TKeyStrokes{{Qt::Key_Q, Qt::MetaModifier, QStringLiteral("q")}} << "7" << 0;
        QTest::newRow("shift+insert pastes unfiltered") << "123" << TKeyStrokes{SelectToStart, ShiftInsert} << "4x" << 1;
        // clang-format on
    }

    void keyFilter() {
        QFETCH(QString, Initial);
        QFETCH(TKeyStrokes, Keys);
        QFETCH(QString, Expected);
        QFETCH(int, Changes);
        ChooseMode(1);
        QApplication::clipboard()->setText(QStringLiteral("4x"));
        QLineEdit* Days = Amount(0);
        Days->setText(Initial);
        // With Weekdays no number, every change event shows one error.
        Amount(1)->setText(QStringLiteral("-"));
        Errors->Entries.clear();
        Days->setFocus(Qt::MouseFocusReason);
        Days->end(false);
        for (const TKeyStroke& K : Keys)
            Press(Days, K);
        QCOMPARE(Days->text(), Expected);
        QCOMPARE(Errors->Entries.size(), Changes);
        // Ctrl+C on a selection copies nothing either.
        QApplication::clipboard()->setText(QStringLiteral("kept"));
        Days->selectAll();
        Press(Days, Ctrl('c'));
        QCOMPARE(QApplication::clipboard()->text(), QStringLiteral("kept"));
    }

    // Text that arrives other than as typed keys: an input method's commit
    // (a dead key then a letter) and a drop are not taken.
    void noTextPastTheKeyFilter() {
        ChooseMode(1);
        QLineEdit* Days = Amount(0);
        Days->setText(QStringLiteral("7"));
        Days->setFocus(Qt::MouseFocusReason);
        QInputMethodEvent Commit;
        Commit.setCommitString(QStringLiteral("\u00e9"));
        QApplication::sendEvent(Days, &Commit);
        QCOMPARE(Days->text(), QStringLiteral("7"));
        QVERIFY(!Days->testAttribute(Qt::WA_InputMethodEnabled));

        QMimeData Dropped;
        Dropped.setText(QStringLiteral("abc"));
        const QPoint At(4, Days->height() / 2);
        QDragEnterEvent Enter(At, Qt::CopyAction, &Dropped, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(Days, &Enter);
        QVERIFY(!Enter.isAccepted());
        QDropEvent Drop(QPointF(At), Qt::CopyAction, &Dropped, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(Days, &Drop);
        QCOMPARE(Days->text(), QStringLiteral("7"));
        QVERIFY(Errors->Entries.isEmpty());
    }

    // The context menus show what works in their field: the amount edits'
    // every entry but no shortcut (their key filter discards them all), a
    // date picker only what leaves its text alone, with its keys.
    void contextMenus_data() {
        QTest::addColumn<QString>("Control");
        QTest::addColumn<QStringList>("Entries"); // without the shortcuts they list
        QTest::addColumn<bool>("Shortcuts");
        // clang-format off
        QTest::newRow("amount edit") << "txtNoDays" << QStringList{"&Undo", "&Redo", "Cu&t", "&Copy", "&Paste", "Delete", "Select All"} << false;
        QTest::newRow("date picker") << "dtpStartDt" << QStringList{"&Copy", "Select All"} << true;
        // clang-format on
    }

    void contextMenus() {
        QFETCH(QString, Control);
        QFETCH(QStringList, Entries);
        QFETCH(bool, Shortcuts);
        ChooseMode(1);
        QApplication::clipboard()->setText(QStringLiteral("12"));
        QWidget* Field = Form->findChild<QWidget*>(Control);
        if (auto* Picker = qobject_cast<TDatePicker*>(Field))
            Field = Picker->findChild<QLineEdit*>(); // where a right click lands
        QStringList Shown;
        bool Listed = false;
        QTimer::singleShot(0, Field, [&] {
            auto* Menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
            if (!Menu)
                return;
            for (QAction* A : Menu->actions()) {
                if (!A->isSeparator())
                    Shown += A->text().section(u'\t', 0, 0);
                Listed = Listed || A->text().contains(u'\t');
            }
            Menu->close();
        });
        const QPoint At(4, Field->height() / 2);
        QContextMenuEvent Open(QContextMenuEvent::Mouse, At, Field->mapToGlobal(At));
        QApplication::sendEvent(Field, &Open);
        QCOMPARE(Shown, Entries);
        QCOMPARE(Listed, Shortcuts);
    }

    void reset_data() {
        QTest::addColumn<QStringList>("Amounts"); // set before Reset, Days .. Years
        QTest::addColumn<int>("ChangeEvents");
        QTest::addColumn<QStringList>("ErrorsShown");
        // clang-format off
        QTest::newRow("all at 0 runs nothing") << QStringList{"0", "0", "0", "0", "0", "0"} << 0 << QStringList{};
        QTest::newRow("only Years changed runs once") << QStringList{"0", "0", "0", "0", "0", "3"} << 1 << QStringList{};
        QTest::newRow("several changed, one event each") << QStringList{"5", "0", "-2", "0", "7", "1"} << 4 << QStringList{};
        QTest::newRow("a bad Years text shows an error per earlier reset") << QStringList{"1", "0", "0", "0", "2", "x"} << 3 << QStringList{"'x' is not a valid integer value.", "'x' is not a valid integer value."};
        // clang-format on
    }

    // Each edit that changes raises its own change event, guarded on its
    // own: an error inside Reset is shown and Reset goes on with the rest.
    void reset() {
        QFETCH(QStringList, Amounts);
        QFETCH(int, ChangeEvents);
        QFETCH(QStringList, ErrorsShown);
        ChooseMode(1);
        StepPickerTo(StartPicker(), Day(2004, 1, 31));
        for (int K = 0; K < 6; ++K)
            Amount(K)->setText(Amounts[K]);
        Errors->Entries.clear();
        QLineEdit* NewDate = Edit("txtNewDate");
        NewDate->setText(QStringLiteral("(before Reset)"));
        QList<std::shared_ptr<QSignalSpy>> Spies;
        for (int K = 0; K < 6; ++K)
            Spies += std::make_shared<QSignalSpy>(Amount(K), &QLineEdit::textChanged);

        QTest::mouseClick(Control<QPushButton>("cmdReset"), Qt::LeftButton);

        int Events = 0;
        for (int K = 0; K < 6; ++K) {
            QCOMPARE(Amount(K)->text(), QStringLiteral("0"));
            Events += static_cast<int>(Spies[K]->count());
        }
        QCOMPARE(Events, ChangeEvents);
        QCOMPARE(Errors->Texts(), ErrorsShown);
        QCOMPARE(NewDate->text(),
                 ChangeEvents == 0 ? QStringLiteral("(before Reset)") : LongDate(2004, 1, 31));
    }

    void spinButtons() {
        ChooseMode(1);
        StepPickerTo(StartPicker(), Day(2004, 1, 31));
        auto* Months = Control<TUpDown>("UpDown5");
        QLineEdit* MonthsEdit = Amount(4);
        QCOMPARE(Months->geometry().left(), MonthsEdit->geometry().right() + 1);
        QTest::mouseClick(Months->UpButton(), Qt::LeftButton);
        QCOMPARE(MonthsEdit->text(), QStringLiteral("1"));
        QCOMPARE(Edit("txtNewDate")->text(), LongDate(2004, 2, 29));
        QTest::mouseClick(Months->DownButton(), Qt::LeftButton);
        QTest::mouseClick(Months->DownButton(), Qt::LeftButton);
        QCOMPARE(MonthsEdit->text(), QStringLiteral("-1"));
        QCOMPARE(Edit("txtNewDate")->text(), LongDate(2003, 12, 31));
        // The arrow keys in the edit step as well.
        MonthsEdit->setFocus(Qt::OtherFocusReason);
        QTest::keyClick(MonthsEdit, Qt::Key_Up);
        QTest::keyClick(MonthsEdit, Qt::Key_Up);
        QCOMPARE(MonthsEdit->text(), QStringLiteral("1"));
        // Text it can't read: the spin goes on from where it was.
        RetypeText(MonthsEdit, QStringLiteral("-"));
        QTest::mouseClick(Months->UpButton(), Qt::LeftButton);
        QCOMPARE(MonthsEdit->text(), QStringLiteral("2"));
        // No wrap-around at the top of the range.
        RetypeText(MonthsEdit, QStringLiteral("32767"));
        QTest::mouseClick(Months->UpButton(), Qt::LeftButton);
        QCOMPARE(MonthsEdit->text(), QStringLiteral("32767"));
    }

    // A spin button held down behind an error box must let go, or it would
    // go on stepping (and raising) while the box has the mouse.
    void errorReleasesHeldSpinButton() {
        ChooseMode(1);
        StepPickerTo(StartPicker(), Day(2004, 1, 31));
        RetypeText(Amount(0), QString()); // Days emptied: every CalcNew fails
        Errors->Entries.clear();
        // Each error opens the real box, modal to the application, and leaves
        // it up (shown rather than run) while the test goes on.
        std::unique_ptr<QMessageBox> Box;
        const TErrorDisplay Recorder =
            SetErrorDisplay([&](const QString& Caption, const QString& Text) {
                Errors->Entries.append({Caption, Text});
                Box = CreateErrorBox(Caption, Text, Form);
                Box->show();
            });
        const auto Restore = qScopeGuard([&] { SetErrorDisplay(Recorder); });
        auto* Years = Control<TUpDown>("UpDown6");
        QTest::mousePress(Years->UpButton(), Qt::LeftButton);
        QCOMPARE(Amount(5)->text(), QStringLiteral("1"));
        QCOMPARE(Errors->Texts(), QStringList{"'' is not a valid integer value."});
        QVERIFY(Box && Box->isVisible() && QApplication::activeModalWidget() == Box.get());
        QVERIFY(!Years->UpButton()->isDown());
        QTest::qWait(TUpDown::kRepeatDelayMs + 3 * TUpDown::kRepeatIntervalMs);
        QCOMPARE(Amount(5)->text(), QStringLiteral("1"));
        QCOMPARE(Errors->Entries.size(), 1);
        Box.reset();
        QTest::mouseRelease(Years->UpButton(), Qt::LeftButton);
    }

    void heldSpinButtonRepeatsEvenly() {
        ChooseMode(1);
        auto* Days = Control<TUpDown>("UpDown1");
        QTest::mousePress(Days->UpButton(), Qt::LeftButton);
        QTest::qWait(TUpDown::kRepeatDelayMs + 10 * TUpDown::kRepeatIntervalMs + 50);
        QTest::mouseRelease(Days->UpButton(), Qt::LeftButton);
        const int Steps = Amount(0)->text().toInt();
        // One step on the press, then one per interval: about 12 (fewer on a
        // busy machine, as timers only run late), never the dozens an
        // accelerating repeat would reach.
        QVERIFY2(Steps >= 3 && Steps <= 13, qPrintable(Amount(0)->text()));
        const QString After = Amount(0)->text();
        QTest::qWait(3 * TUpDown::kRepeatIntervalMs);
        QCOMPARE(Amount(0)->text(), After);
    }

    void startDateChangeRecomputesBothPanels() {
        ChooseMode(1);
        RetypeText(Amount(0), QStringLiteral("1"));
        StepPickerTo(StartPicker(), Day(2004, 2, 28));
        QCOMPARE(Edit("txtNewDate")->text(), LongDate(2004, 2, 29));
        QCOMPARE(Edit("txtDays")->text(),
                 QString::number(-DateUnitsBetween(dkDays, EndPicker()->Date(), Day(2004, 2, 28))));
        // A bad amount shows its error on every start-date change, after the
        // difference results have been written.
        RetypeText(Amount(0), QStringLiteral("x1"));
        QCOMPARE(Amount(0)->text(), QStringLiteral("1")); // the letter was filtered
        RetypeText(Amount(0), QStringLiteral("-"));
        Errors->Entries.clear();
        EndPicker()->SetDate(Day(2004, 3, 1));
        StepPickerTo(StartPicker(), Day(2004, 2, 29));
        QCOMPARE(Errors->Texts(), QStringList{"'-' is not a valid integer value."});
        QCOMPARE(Edit("txtDays")->text(), QStringLiteral("1"));
    }

    // Digits half typed into a year when the user does something else than
    // moving on to another field: with Years at -250, taking "201" would
    // raise an error in the middle. A button clicked and closing the window
    // drop the digits; they wait while another window has the focus, and
    // afterwards the year can be finished. The action does what it says.
    void pendingYearDuringOtherActions_data() {
        QTest::addColumn<QString>("Action");
        QTest::addColumn<bool>("Closes");
        QTest::addColumn<bool>("OpensAbout");
        QTest::addColumn<bool>("Waits"); // the digits wait for the picker's return
        // clang-format off
        QTest::newRow("a click on Close closes") << "click cmdClose" << true << false << false;
        QTest::newRow("a click on About opens it") << "click cmdAbout" << false << true << false;
        QTest::newRow("Alt+A opens About, the digits wait") << "Alt+A" << false << true << true;
        QTest::newRow("another window takes the focus, the digits wait") << "other window" << false << false << true;
        QTest::newRow("closing the window (Alt+F4, the close box) closes") << "close" << true << false << false;
        QTest::newRow("Enter presses Close") << "Enter" << true << false << false;
        // clang-format on
    }

    void pendingYearDuringOtherActions() {
        QFETCH(QString, Action);
        QFETCH(bool, Closes);
        QFETCH(bool, OpensAbout);
        QFETCH(bool, Waits);
        ChooseMode(1);
        RetypeText(Amount(5), QStringLiteral("-250"));
        QDialog About;
        Form->SetAboutWindow(&About);
        bool AboutShown = false;
        QTimer AboutCloser;
        connect(&AboutCloser, &QTimer::timeout, &About, [&] {
            AboutShown = AboutShown || About.isVisible();
            About.reject();
        });
        AboutCloser.start(10);
        TDatePicker* Start = StartPicker();
        const QDate Before = Start->date();
        Start->setFocus(Qt::TabFocusReason);
        QVERIFY(GoToField(Start, QDateTimeEdit::YearSection));
        QTest::keyClicks(Start, QStringLiteral("201"));
        Errors->Entries.clear(); // the "-" typed alone
        QWidget Other;
        if (Action.startsWith(QStringLiteral("click "))) {
            QTest::mouseClick(Control<QPushButton>(qPrintable(Action.mid(6))), Qt::LeftButton);
        } else if (Action == QStringLiteral("Alt+A")) {
            QTest::keyClick(Start, Qt::Key_A, Qt::AltModifier);
        } else if (Action == QStringLiteral("other window")) {
            Other.show();
            QVERIFY(WaitForWindowActive(&Other));
        } else if (Action == QStringLiteral("close")) {
            Form->close();
        } else {
            QTest::keyClick(Start, Qt::Key_Return);
        }
        QTRY_COMPARE(Form.isNull(), Closes);
        QTRY_COMPARE(AboutShown, OpensAbout);
        QCOMPARE(Errors->Texts(), QStringList());
        if (Closes)
            return;
        QCOMPARE(Start->text().contains(QStringLiteral(" 201")), Waits);
        if (Waits) {
            // Back in the window, the year is finished where it was left.
            // (Under Wayland only the compositor activates a window: it
            // gives the keyboard back once the other window is gone.)
            Other.close();
            Form->activateWindow();
            QVERIFY(WaitForWindowActive(Form));
            QCOMPARE(QApplication::focusWidget(), Start);
            QTest::keyClick(Start, Qt::Key_0);
            QCOMPARE(Start->date(), QDate(2010, Before.month(), Before.day()));
        } else {
            QCOMPARE(Start->date(), Before);
        }
    }

    // The window destroyed while digits wait in a picker (the event loop
    // ended by the session, say): no handler runs on the window going away.
    void destroyedWhileTypingADate() {
        QVERIFY(GoToField(StartPicker(), QDateTimeEdit::YearSection));
        QTest::keyClicks(StartPicker(), QStringLiteral("201"));
        delete Form.data();
        QVERIFY(Errors->Entries.isEmpty());
    }

    void calendarPopupDayClick() {
        TDatePicker* End = EndPicker();
        StartPicker()->SetDate(Day(2004, 1, 2));
        End->SetDate(Day(2004, 1, 2));
        QSignalSpy Changes(End, &TDatePicker::Change);
        // A click on the drop-down arrow at the picker's right end.
        QTest::mouseClick(End, Qt::LeftButton, {}, QPoint(End->width() - 5, End->height() / 2));
        QCalendarWidget* Calendar = End->calendarWidget();
        QVERIFY(QTest::qWaitForWindowExposed(Calendar->window()));
        // Dropped down under the picker, against its left edge (give or take
        // the platform's window frame, which it adds when placing a window).
        const int Frame = Form->geometry().x() - Form->frameGeometry().x();
        QVERIFY(std::abs(Calendar->window()->geometry().left() -
                         End->mapToGlobal(QPoint(0, 0)).x()) <= Frame);
        QVERIFY(Calendar->window()->geometry().top() >= End->mapToGlobal(QPoint(0, 0)).y());
        auto* View = Calendar->findChild<QTableView*>();
        QVERIFY(View);
        QModelIndex Day15;
        for (int R = 0; R < View->model()->rowCount() && !Day15.isValid(); ++R)
            for (int C = 0; C < View->model()->columnCount(); ++C) {
                const QModelIndex I = View->model()->index(R, C);
                if (I.data().toString() == QStringLiteral("15"))
                    Day15 = I;
            }
        QVERIFY(Day15.isValid());
        QTest::mouseClick(View->viewport(), Qt::LeftButton, {}, View->visualRect(Day15).center());
        QTRY_VERIFY(!Calendar->window()->isVisible());
        QCOMPARE(End->date(), QDate(2004, 1, 15));
        QCOMPARE(Changes.count(), 1);
        QCOMPARE(Edit("txtDays")->text(), QStringLiteral("13"));
        QCOMPARE(Edit("txtWeekdays")->text(), QStringLiteral("9"));
    }

    void popupsOpenBesideTheirControl_data() {
        QTest::addColumn<QString>("Name");
        QTest::addColumn<int>("Mode");
        // clang-format off
        QTest::newRow("date picker's calendar") << "dtpEndDt" << 0;
        QTest::newRow("mode list") << "cmbCalc" << 0;
        QTest::newRow("amount edit's context menu") << "txtNoDays" << 1;
        // clang-format on
    }

    // Each pop-up opens as a pop-up of the main window, against its
    // control. Under Wayland the program places no window on the screen:
    // the compositor puts a pop-up where its window anchors it, at this
    // position relative to the window (wayland_program checks that part).
    void popupsOpenBesideTheirControl() {
        QFETCH(QString, Name);
        QFETCH(int, Mode);
        if (Mode == 1)
            ChooseMode(1);
        auto* Owner = FindControl<QWidget>(Form, Name);
        QRect Opened;
        const QWindow* OpenedOver = nullptr;
        // Looks at the pop-up once it is up, then closes it (the context
        // menu runs an event loop of its own until then).
        QTimer Watch;
        connect(&Watch, &QTimer::timeout, Form, [&] {
            QWidget* Popup = QApplication::activePopupWidget();
            if (!Popup || !Popup->windowHandle() || !Popup->windowHandle()->isExposed())
                return;
            Watch.stop();
            Opened = Popup->frameGeometry();
            OpenedOver = Popup->windowHandle()->transientParent();
            Popup->close();
        });
        Watch.start(10);
        Owner->setFocus(Qt::TabFocusReason);
        if (Mode == 1) {
            const QPoint At(4, Owner->height() / 2);
            QContextMenuEvent Open(QContextMenuEvent::Keyboard, At, Owner->mapToGlobal(At));
            QApplication::sendEvent(Owner, &Open);
        } else {
            QTest::keyClick(Owner, Qt::Key_F4);
        }
        QTRY_VERIFY(!Opened.isNull());
        QCOMPARE(OpenedOver, Form->windowHandle());
        // Touching or covering the control, give or take the platform's
        // window frame, which it adds when placing a window.
        const int Frame = 1 + std::max(Form->geometry().left() - Form->frameGeometry().left(),
                                       Form->geometry().top() - Form->frameGeometry().top());
        const QRect Beside = QRect(Owner->mapToGlobal(QPoint(0, 0)), Owner->size())
                                 .adjusted(-Frame, -Frame, Frame, Frame);
        QVERIFY2(Opened.intersects(Beside),
                 qPrintable(QStringLiteral("opened at %1,%2, the control at %3,%4")
                                .arg(Opened.x())
                                .arg(Opened.y())
                                .arg(Beside.x() + Frame)
                                .arg(Beside.y() + Frame)));
    }

    void enterKey_data() {
        QTest::addColumn<QString>("FocusOn");
        QTest::addColumn<int>("Mode");
        QTest::addColumn<QString>("Pressed"); // the button Enter presses, or none
        // clang-format off
        QTest::newRow("from an amount edit presses Close") << "txtNoDays" << 1 << "cmdClose";
        QTest::newRow("from a result field presses Close") << "txtWeeks" << 0 << "cmdClose";
        QTest::newRow("from the date picker presses Close") << "dtpStartDt" << 0 << "cmdClose";
        QTest::newRow("from the mode list presses Close") << "cmbCalc" << 0 << "cmdClose";
        QTest::newRow("on About presses About") << "cmdAbout" << 0 << "cmdAbout";
        QTest::newRow("on Reset presses Reset") << "cmdReset" << 1 << "cmdReset";
        QTest::newRow("the phrase box keeps Enter") << "mmoDiffString" << 0 << "";
        // clang-format on
    }

    void enterKey() {
        QFETCH(QString, FocusOn);
        QFETCH(int, Mode);
        QFETCH(QString, Pressed);
        if (Mode == 1)
            ChooseMode(1);
        QMap<QString, std::shared_ptr<QSignalSpy>> Clicks;
        for (const char* B : {"cmdClose", "cmdAbout", "cmdReset"})
            Clicks[B] =
                std::make_shared<QSignalSpy>(Control<QPushButton>(B), &QPushButton::clicked);
        QWidget* Target = Form->findChild<QWidget*>(FocusOn);
        Target->setFocus(Qt::TabFocusReason);
        QTest::keyClick(Target, Qt::Key_Return);
        for (auto I = Clicks.cbegin(); I != Clicks.cend(); ++I)
            QCOMPARE(I.value()->count(), I.key() == Pressed ? 1 : 0);
        if (Pressed == QStringLiteral("cmdClose"))
            QTRY_VERIFY(Form.isNull()); // closed and destroyed
        else
            QVERIFY(Form->isVisible());
    }

    void enterClosesDroppedListOnly() {
        QComboBox* Calc = Control<QComboBox>("cmbCalc");
        QSignalSpy Close(Control<QPushButton>("cmdClose"), &QPushButton::clicked);
        Calc->showPopup();
        QVERIFY(QTest::qWaitForWindowExposed(Calc->view()->window()));
        QTest::keyClick(Calc->view(), Qt::Key_Down);
        QTest::keyClick(Calc->view(), Qt::Key_Return);
        QTRY_VERIFY(!Calc->view()->window()->isVisible());
        QCOMPARE(Close.count(), 0);
        QVERIFY(Form->isVisible());
        QCOMPARE(Calc->currentIndex(), 1);
        QVERIFY(Control<QGroupBox>("grpNew")->isVisible());
    }

    void escapeDoesNothing() {
        QWidget* Target = Amount(0);
        ChooseMode(1);
        Target->setFocus(Qt::TabFocusReason);
        QTest::keyClick(Target, Qt::Key_Escape);
        QTest::qWait(20);
        QVERIFY(!Form.isNull() && Form->isVisible());
    }

    void accessKeys() {
        QSignalSpy About(Control<QPushButton>("cmdAbout"), &QPushButton::clicked);
        QSignalSpy Reset(Control<QPushButton>("cmdReset"), &QPushButton::clicked);
        StartPicker()->setFocus(Qt::OtherFocusReason);
        QTest::keyClick(StartPicker(), Qt::Key_A, Qt::AltModifier);
        QTRY_COMPARE(About.count(), 1); // an access key animates its click
        // Alt+R belongs to a hidden panel: nothing.
        QTest::keyClick(StartPicker(), Qt::Key_R, Qt::AltModifier);
        QTest::qWait(200);
        QCOMPARE(Reset.count(), 0);
        ChooseMode(1);
        RetypeText(Amount(2), QStringLiteral("4"));
        QTest::keyClick(Amount(2), Qt::Key_R, Qt::AltModifier);
        QTRY_COMPARE(Reset.count(), 1);
        QCOMPARE(Amount(2)->text(), QStringLiteral("0"));
        // With a push button focused the plain letter works too.
        Control<QPushButton>("cmdClose")->setFocus(Qt::OtherFocusReason);
        QTest::keyClick(Control<QPushButton>("cmdClose"), Qt::Key_A);
        QCOMPARE(About.count(), 2);
        // The access key is the letter after the marker, past a doubled "&&".
        Control<QPushButton>("cmdReset")->setText(QStringLiteral("Undo && &Reset"));
        QTest::keyClick(Control<QPushButton>("cmdClose"), Qt::Key_R);
        QCOMPARE(Reset.count(), 2);
    }

    void tabSelectsAllClickPlacesCaret() {
        ChooseMode(1);
        QLineEdit* Days = Amount(0);
        QLineEdit* Weekdays = Amount(1);
        Days->setText(QStringLiteral("123"));
        Weekdays->setText(QStringLiteral("45"));
        Days->setFocus(Qt::OtherFocusReason);
        Days->deselect();
        QTest::keyClick(Days, Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), Weekdays);
        QCOMPARE(Weekdays->selectedText(), QStringLiteral("45"));
        QTest::mouseClick(Days, Qt::LeftButton, {}, QPoint(4, Days->height() / 2));
        QCOMPARE(QApplication::focusWidget(), Days);
        QVERIFY(Days->selectedText().isEmpty());
    }

    void tabOrderFollowsTheLayout() {
        const QStringList Expected{"dtpStartDt",  "cmbCalc",       "dtpEndDt",      "txtDays",
                                   "txtWeekdays", "txtWeeks",      "txtFortnights", "txtMonths",
                                   "txtYears",    "mmoDiffString", "cmdClose",      "cmdAbout",
                                   "dtpStartDt"};
        // Each picker is one tab stop, whichever of its fields has the caret.
        StartPicker()->setFocus(Qt::OtherFocusReason);
        QTest::keyClick(StartPicker(), Qt::Key_Right);
        QStringList Seen{QApplication::focusWidget()->objectName()};
        for (int I = 1; I < Expected.size(); ++I) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            Seen += QApplication::focusWidget()->objectName();
        }
        QCOMPARE(Seen, Expected);
        // Shift+Tab walks the same order back.
        QStringList Back{QApplication::focusWidget()->objectName()};
        for (int I = 1; I < Expected.size(); ++I) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab, Qt::ShiftModifier);
            Back.prepend(QApplication::focusWidget()->objectName());
        }
        QCOMPARE(Back, Expected);
    }

    void readOnlyResultsAreSelectableNotEditable() {
        StartPicker()->SetDate(Day(2004, 1, 5));
        StepPickerTo(EndPicker(), Day(2004, 1, 15));
        QLineEdit* Days = Edit("txtDays");
        QCOMPARE(Days->text(), QStringLiteral("10"));
        Days->setFocus(Qt::TabFocusReason);
        QCOMPARE(QApplication::focusWidget(), Days);
        QCOMPARE(Days->selectedText(), QStringLiteral("10"));
        QTest::keyClicks(Days, QStringLiteral("99"));
        QCOMPARE(Days->text(), QStringLiteral("10"));
        QTest::keySequence(Days, QKeySequence::Copy);
        QCOMPARE(QApplication::clipboard()->text(), QStringLiteral("10"));
        auto* Phrase = Control<QPlainTextEdit>("mmoDiffString");
        Phrase->setFocus(Qt::TabFocusReason);
        QCOMPARE(QApplication::focusWidget(), Phrase);
        QTest::keyClicks(Phrase, QStringLiteral("typed"));
        QCOMPARE(Phrase->toPlainText(), QStringLiteral("1 week and 3 days"));
    }

    void aboutButtonWithoutWindow() {
        // No About window plugged in yet: the click passes without a modal
        // show and leaves the application cursor as it was.
        QVERIFY(QApplication::overrideCursor() == nullptr);
        QTest::mouseClick(Control<QPushButton>("cmdAbout"), Qt::LeftButton);
        QVERIFY(QApplication::overrideCursor() == nullptr);
        QVERIFY(Errors->Entries.isEmpty());
    }

    void aboutButtonShowsPluggedWindowModally() {
        QDialog About;
        About.resize(200, 100);
        Form->SetAboutWindow(&About);
        Qt::CursorShape DuringShow = Qt::BitmapCursor;
        QTimer::singleShot(0, &About, [&] {
            DuringShow = QApplication::overrideCursor() ? QApplication::overrideCursor()->shape()
                                                        : Qt::ArrowCursor;
            QVERIFY(About.isModal());
            About.accept();
        });
        QTest::mouseClick(Control<QPushButton>("cmdAbout"), Qt::LeftButton);
        QCOMPARE(DuringShow, Qt::ArrowCursor);
        QVERIFY(QApplication::overrideCursor() == nullptr);
        if (!WindowsGoWherePut())
            return; // placed by the compositor
        const QRect Main = Form->frameGeometry();
        QVERIFY(std::abs(About.frameGeometry().center().x() - Main.center().x()) <= 1);
        QVERIFY(std::abs(About.frameGeometry().center().y() - Main.center().y()) <= 1);
    }

    void aboutOpensOnceAtATime_data() {
        QTest::addColumn<QString>("Press"); // how About is pressed during Alt+A's click
        // clang-format off
        QTest::newRow("a click") << "click";
        QTest::newRow("Enter") << "Enter";
        QTest::newRow("Space") << "Space";
        // clang-format on
    }

    // A request while the About window is up does nothing: Alt+A animates
    // its click for a tenth of a second, About pressed within it opens the
    // window first, and the access key's click lands in the window's loop.
    void aboutOpensOnceAtATime() {
        QFETCH(QString, Press);
        class TCountedDialog : public QDialog {
        public:
            int Runs = 0;
            int exec() override {
                ++Runs;
                return QDialog::exec();
            }
        } About;
        About.resize(200, 100);
        Form->SetAboutWindow(&About);
        QTimer::singleShot(400, &About, &QDialog::accept); // past the animated click
        auto* Button = Control<QPushButton>("cmdAbout");
        QTest::keyClick(StartPicker(), Qt::Key_A, Qt::AltModifier);
        if (Press == "click")
            QTest::mouseClick(Button, Qt::LeftButton);
        else
            QTest::keyClick(Button, Press == "Enter" ? Qt::Key_Return : Qt::Key_Space);
        QTest::qWait(200); // the access key's click, had About not been pressed
        QCOMPARE(About.Runs, 1);
        QVERIFY(QApplication::overrideCursor() == nullptr);
    }

    void textsFitTheirBoxes_data() {
        QTest::addColumn<QString>("Locale");
        // clang-format off
        QTest::newRow("C") << "C";
        QTest::newRow("German") << "de_DE";
        QTest::newRow("Portuguese (Brazil), long dates") << "pt_BR";
        // clang-format on
    }

    // Every caption, label and field text fits its box at the font in use,
    // in the user's locale.
    void textsFitTheirBoxes() {
        QFETCH(QString, Locale);
        QLocale::setDefault(QLocale(Locale));
        LoadLocaleSettings(QLocale(Locale));
        delete Form.data();
        Form = new TfrmMainForm();
        Form->show();
        QVERIFY(QTest::qWaitForWindowExposed(Form));
        Form->activateWindow();
        QVERIFY(WaitForWindowActive(Form));
        ChooseMode(1);
        const QStringList Faults = TextsNotFitting(Form);
        QVERIFY2(Faults.isEmpty(), qPrintable(Faults.join(u'\n')));
        // The longest texts the fields show: every month and weekday name in
        // the long date format, and amounts and counts to six characters.
        QString LongestDate;
        int LongestWidth = 0;
        const QFontMetrics FM(Form->font());
        for (TDateTime D = Day(2000, 1, 1); D < Day(2001, 1, 1); D += 1) {
            const QString T = QString::fromStdString(LongDateText(D));
            if (FM.horizontalAdvance(T) > LongestWidth) {
                LongestWidth = FM.horizontalAdvance(T);
                LongestDate = T;
            }
        }
        auto TextRoom = [](QLineEdit* E) {
            QStyleOptionFrame Opt;
            Opt.initFrom(E);
            Opt.lineWidth =
                E->hasFrame() ? E->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &Opt, E) : 0;
            const QRect R = E->style()->subElementRect(QStyle::SE_LineEditContents, &Opt, E);
            const QMargins M = E->textMargins();
            return R.width() - M.left() - M.right() - 4; // the edit's own side margins
        };
        for (TDatePicker* P : {StartPicker(), EndPicker()}) {
            auto* Field = P->findChild<QLineEdit*>();
            QVERIFY2(FM.horizontalAdvance(LongestDate) <= TextRoom(Field),
                     qPrintable(QStringLiteral("%1: %2 (%3 > %4)")
                                    .arg(P->objectName(), LongestDate)
                                    .arg(FM.horizontalAdvance(LongestDate))
                                    .arg(TextRoom(Field))));
        }
        QVERIFY2(FM.horizontalAdvance(LongestDate) <= TextRoom(Edit("txtNewDate")),
                 qPrintable(LongestDate));
        for (QLineEdit* E : Form->findChildren<QLineEdit*>()) {
            if (E->parentWidget()->inherits("QDateTimeEdit") || E->objectName() == "txtNewDate")
                continue;
            QVERIFY2(FM.horizontalAdvance(QStringLiteral("-32768")) <= TextRoom(E),
                     qPrintable(E->objectName()));
        }
        // The counts run to "-3615899" (31 December 9999 back to 1 January
        // 100): every seven-digit count fits the result fields.
        QStringList Counts{QStringLiteral("-3615899")};
        for (char16_t D = u'0'; D <= u'9'; ++D)
            Counts += u'-' + QString(7, QChar(D));
        for (const char* N :
             {"txtDays", "txtWeekdays", "txtWeeks", "txtFortnights", "txtMonths", "txtYears"})
            for (const QString& Count : Counts)
                QVERIFY2(FM.horizontalAdvance(Count) <= TextRoom(Edit(N)),
                         qPrintable(QStringLiteral("%1: %2 (%3 > %4)")
                                        .arg(N, Count)
                                        .arg(FM.horizontalAdvance(Count))
                                        .arg(TextRoom(Edit(N)))));
        // A long phrase wraps onto the two lines the box shows.
        auto* Phrase = Control<QPlainTextEdit>("mmoDiffString");
        Phrase->setPlainText(QStringLiteral("9899 years, 11 months, 3 weeks and 6 days ago"));
        Phrase->ensurePolished();
        QVERIFY(2 * FM.lineSpacing() <= Phrase->viewport()->height());
    }

    // The phrase box's frame shows on every side at the device pixel ratio
    // in use, in what the screen shows once the box's inside has been
    // painted again (the window's store of device pixels): across the
    // device pixels of the box's outer logical pixel on each side (at a
    // fractional ratio, the two a line there may fall on), one holds a
    // colour other than those just outside the box and inside it.
    void phraseBoxBorderShows() {
        const auto* Phrase = Control<QPlainTextEdit>("mmoDiffString");
        const TDateTime Today = EndPicker()->Date();
        StepPickerTo(EndPicker(), Today + 1);
        StepPickerTo(EndPicker(), Today);
        QVERIFY(Phrase->toPlainText().isEmpty());
        QTest::qWait(50);
        const auto* Store = dynamic_cast<QImage*>(Form->backingStore()->paintDevice());
        QVERIFY(Store);
        const QImage Shown = *Store;
        const qreal Ratio = Shown.devicePixelRatio();
        const QRect Box(Phrase->mapTo(Form.data(), QPoint(0, 0)), Phrase->size());
        const auto First = [Ratio](int Logical) { return int(std::floor(Logical * Ratio)); };
        const auto Last = [Ratio](int End) { return int(std::ceil(End * Ratio)) - 1; };
        const int MidX = First(Box.center().x());
        const int MidY = First(Box.center().y());
        const QColor Inside = Shown.pixelColor(MidX, MidY);
        // Whether a device row (Across: a column) from From to To holds a
        // line: a colour other than Inside's and Outside's, the pixel of the
        // row or column at Outside.
        const auto LineBetween = [&](int From, int To, int Outside, bool Across) {
            const auto At = [&](int D) {
                return Shown.pixelColor(Across ? D : MidX, Across ? MidY : D);
            };
            for (int D = From; D <= To; ++D)
                if (At(D) != Inside && At(D) != At(Outside))
                    return true;
            return false;
        };
        QVERIFY2(LineBetween(First(Box.top()), Last(Box.top() + 1), First(Box.top() - 3), false),
                 "top");
        QVERIFY2(LineBetween(First(Box.bottom()), Last(Box.bottom() + 1), First(Box.bottom() + 3),
                             false),
                 "bottom");
        QVERIFY2(LineBetween(First(Box.left()), Last(Box.left() + 1), First(Box.left() - 3), true),
                 "left");
        QVERIFY2(
            LineBetween(First(Box.right()), Last(Box.right() + 1), First(Box.right() + 3), true),
            "right");
    }
};

MORVANE_TEST_MAIN(TestMainForm)
#include "tst_MainForm.moc"
