// A soak of the main window: rounds of seeded random keys, typed text and
// clicks sent to the controls of both panels (and to a calendar or list
// dropped down on the way), with the error box replaced by a recorder. After
// every step: no error escaped the guards, every message shown is one of
// the program's own, the difference results and the new date are the date
// core's answers for what the controls hold, and the focus is on a control
// of the main window.
//
// The rounds run for MORVANE_SOAK_SECONDS (20 by default), round N with
// seed S + N; a failure names its seed and step. MORVANE_SOAK_SEED=S runs
// the one round of seed S again.
#include "DatePicker.h"
#include "Main.h"
#include "TestSupport.h"
#include "UpDown.h"

#include <QComboBox>
#include <QElapsedTimer>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <QScopeGuard>
#include <QToolButton>
#include <QWindow>

namespace {

constexpr int kStepsPerRound = 300;

// A key a user might press: its code, modifiers and the text it types.
struct TKey {
    Qt::Key Code;
    Qt::KeyboardModifiers Modifiers;
    QString Text;
};

TKey Char(char C, Qt::KeyboardModifiers Modifiers = Qt::NoModifier) {
    const Qt::Key Code = C >= '0' && C <= '9'   ? Qt::Key(Qt::Key_0 + (C - '0'))
                         : C >= 'a' && C <= 'z' ? Qt::Key(Qt::Key_A + (C - 'a'))
                         : C == '-'             ? Qt::Key_Minus
                         : C == ' '             ? Qt::Key_Space
                         : C == ','             ? Qt::Key_Comma
                         : C == '.'             ? Qt::Key_Period
                                                : Qt::Key_Slash;
    return {Code, Modifiers, QString(QChar(C))};
}

TKey Plain(Qt::Key Code, Qt::KeyboardModifiers Modifiers = Qt::NoModifier) {
    return {Code, Modifiers, QString()};
}

// Every key but Enter (which closes the window from most controls) and the
// keys that open a context menu (whose own event loop would stop the run).
QList<TKey> Keys() {
    QList<TKey> K;
    for (char C : QByteArray("0123456789-0123456789 ,./ajmnstx"))
        K += Char(C);
    K += {Char('5', Qt::ShiftModifier),
          Char('j', Qt::ShiftModifier),
          Plain(Qt::Key_Tab),
          Plain(Qt::Key_Backtab, Qt::ShiftModifier),
          Plain(Qt::Key_Left),
          Plain(Qt::Key_Right),
          Plain(Qt::Key_Up),
          Plain(Qt::Key_Down),
          Plain(Qt::Key_Up),
          Plain(Qt::Key_Down),
          Plain(Qt::Key_Home),
          Plain(Qt::Key_End),
          Plain(Qt::Key_PageUp),
          Plain(Qt::Key_PageDown),
          Plain(Qt::Key_Backspace),
          Plain(Qt::Key_Delete),
          Plain(Qt::Key_Escape),
          Plain(Qt::Key_F4),
          Plain(Qt::Key_Down, Qt::AltModifier)};
    K += {{Qt::Key_V, Qt::ControlModifier, QStringLiteral("\x16")},
          {Qt::Key_Z, Qt::ControlModifier, QStringLiteral("\x1a")},
          {Qt::Key_X, Qt::ControlModifier, QStringLiteral("\x18")},
          {Qt::Key_A, Qt::ControlModifier, QStringLiteral("\x01")},
          Plain(Qt::Key_Insert, Qt::ShiftModifier),
          {Qt::Key_R, Qt::AltModifier, QStringLiteral("r")},
          {Qt::Key_A, Qt::AltModifier, QStringLiteral("a")}};
    return K;
}

// Keys for a calendar or list dropped down: they move its selection, pick
// it or close it.
QList<TKey> PopupKeys() {
    return {Plain(Qt::Key_Left),
            Plain(Qt::Key_Right),
            Plain(Qt::Key_Up),
            Plain(Qt::Key_Down),
            Plain(Qt::Key_PageUp),
            Plain(Qt::Key_PageDown),
            Plain(Qt::Key_Return),
            Plain(Qt::Key_Escape),
            Char('1'),
            Char('n')};
}

QString Describe(const TKey& K) {
    return QKeySequence(K.Modifiers | K.Code).toString();
}

// One round: a fresh main window worked with the steps Random draws.
class TRound {
public:
    TRound(quint32 Seed) : FSeed(Seed), FRandom(Seed) {}

    // Runs the round; false with Failure set when a check fails.
    bool Run(qint64& Steps);
    QString Failure;

private:
    template <class T> T* Control(const char* Name) const {
        return FForm->findChild<T*>(QString::fromLatin1(Name));
    }
    void Step();
    void Press(QWidget* Target, const TKey& K);
    void WorkPopup();
    void ClosePopups();
    QString Check();
    bool Fail(int Step, const QString& What);

    quint32 FSeed;
    QRandomGenerator FRandom;
    QPointer<TfrmMainForm> FForm;
    TErrorRecorder FErrors;
    qsizetype FErrorsChecked = 0;
    QStringList FLog; // the last steps, for a failure's message
};

void TRound::Press(QWidget* Target, const TKey& K) {
    // Space on the focused Close button ends the program as it should; the
    // round leaves that key out.
    if (Target->objectName() == QStringLiteral("cmdClose") && K.Code == Qt::Key_Space) {
        FLog += QStringLiteral("  (no Space on Close)");
        return;
    }
    QTest::sendKeyEvent(QTest::Click, Target, K.Code, K.Text, K.Modifiers);
}

QWidget* KeyTarget() {
    if (QWidget* Popup = QApplication::activePopupWidget())
        return Popup->focusWidget() ? Popup->focusWidget() : Popup;
    return QApplication::focusWidget();
}

void TRound::WorkPopup() {
    static const QList<TKey> Keys = PopupKeys();
    for (int N = FRandom.bounded(4); N > 0 && QApplication::activePopupWidget(); --N) {
        const TKey& K = Keys[FRandom.bounded(Keys.size())];
        FLog += QStringLiteral("  popup key %1").arg(Describe(K));
        Press(KeyTarget(), K);
    }
}

void TRound::ClosePopups() {
    for (int Tries = 0; Tries < 5; ++Tries) {
        QWidget* Popup = QApplication::activePopupWidget();
        if (!Popup)
            return;
        Press(KeyTarget(), Plain(Qt::Key_Escape));
        if (QApplication::activePopupWidget() == Popup)
            Popup->close();
    }
}

void TRound::Step() {
    static const QList<TKey> AllKeys = Keys();
    const int Kind = FRandom.bounded(10);
    QWidget* Focus = KeyTarget();
    if (Kind < 5 && Focus) {
        const TKey& K = AllKeys[FRandom.bounded(AllKeys.size())];
        FLog += QStringLiteral("key %1 to %2").arg(Describe(K), Focus->objectName());
        Press(Focus, K);
    } else if (Kind < 7 && Focus) {
        static const QString Typing = QStringLiteral("0123456789-0123456789 jm,x");
        QString Text;
        for (int N = 1 + FRandom.bounded(6); N > 0; --N)
            Text += Typing[FRandom.bounded(Typing.size())];
        FLog += QStringLiteral("text \"%1\" to %2").arg(Text, Focus->objectName());
        for (QChar C : Text)
            Press(KeyTarget(), Char(C.toLatin1()));
    } else {
        // A click at a random point of a random control that is shown.
        QList<QWidget*> Targets;
        for (QWidget* W : FForm->findChildren<QWidget*>()) {
            const bool Clickable = qobject_cast<TDatePicker*>(W) || qobject_cast<QComboBox*>(W) ||
                                   qobject_cast<QLineEdit*>(W) || qobject_cast<QToolButton*>(W) ||
                                   qobject_cast<QPlainTextEdit*>(W) ||
                                   (qobject_cast<QPushButton*>(W) && W->objectName() != "cmdClose");
            if (Clickable && W->isVisible() && W->isEnabled() &&
                !W->parentWidget()->inherits("QDateTimeEdit"))
                Targets += W;
        }
        QWidget* W = Targets[FRandom.bounded(Targets.size())];
        const QPoint At(FRandom.bounded(W->width()), FRandom.bounded(W->height()));
        FLog += QStringLiteral("click %1 at %2,%3").arg(W->objectName()).arg(At.x()).arg(At.y());
        QTest::mouseClick(W, Qt::LeftButton, {}, At);
    }
    WorkPopup();
    ClosePopups();
    QCoreApplication::processEvents();
    // The offscreen platform leaves a closed popup's window active, where a
    // window manager hands the activation back to the main window.
    if (FForm && QApplication::activeWindow() != FForm) {
        FForm->windowHandle()->requestActivate();
        QCoreApplication::processEvents();
    }
}

// Empty when the window is as the date core says it should be.
QString TRound::Check() {
    if (!FForm)
        return QStringLiteral("the main window closed");
    static const QRegularExpression IntegerError(
        QStringLiteral(R"(^'(.*)' is not a valid integer value\.$)"),
        QRegularExpression::DotMatchesEverythingOption);
    for (; FErrorsChecked < FErrors.Entries.size(); ++FErrorsChecked) {
        const TErrorRecorder::TEntry& E = FErrors.Entries[FErrorsChecked];
        if (E.Caption != ApplicationTitle())
            return QStringLiteral("an error box captioned \"%1\"").arg(E.Caption);
        if (E.Text == QStringLiteral("Invalid argument to date encode."))
            continue;
        const QRegularExpressionMatch M = IntegerError.match(E.Text);
        if (!M.hasMatch())
            return QStringLiteral("a message not the program's own: \"%1\"").arg(E.Text);
        bool Valid = true;
        try {
            TextToInt(M.captured(1).toStdString());
        } catch (const std::exception&) {
            Valid = false;
        }
        if (Valid)
            return QStringLiteral("a whole number called invalid: \"%1\"").arg(E.Text);
    }

    const TDateTime S = Control<TDatePicker>("dtpStartDt")->Date();
    const TDateTime E = Control<TDatePicker>("dtpEndDt")->Date();
    const char* Results[] = {"txtDays",       "txtWeekdays", "txtWeeks",
                             "txtFortnights", "txtMonths",   "txtYears"};
    for (int K = 0; K < 6; ++K) {
        const QString Expected =
            QString::fromStdString(IntToText(DateUnitsBetween(TDateKind(K), S, E)));
        const QString Shown = Control<QLineEdit>(Results[K])->text();
        if (Shown != Expected)
            return QStringLiteral("%1 shows %2, not %3").arg(Results[K], Shown, Expected);
    }
    const QString Phrase = Control<QPlainTextEdit>("mmoDiffString")->toPlainText();
    if (Phrase != QString::fromStdString(DiffPhrase(S, E)))
        return QStringLiteral("the phrase reads \"%1\"").arg(Phrase);

    const char* Amounts[] = {"txtNoDays",       "txtNoWeekdays", "txtNoWeeks",
                             "txtNoFortnights", "txtNoMonths",   "txtNoYears"};
    QString Expected;
    try {
        TDateTime D = S;
        for (int K = 0; K < 6; ++K)
            D = AddDateUnits(TDateKind(K), D,
                             TextToInt(Control<QLineEdit>(Amounts[K])->text().toStdString()));
        Expected = QString::fromStdString(LongDateText(D));
    } catch (const std::exception&) {
        // An amount that is no number, or a date out of range: the new date
        // keeps whatever it showed.
    }
    const QString NewDate = Control<QLineEdit>("txtNewDate")->text();
    if (!Expected.isEmpty() && NewDate != Expected)
        return QStringLiteral("the new date reads \"%1\", not \"%2\"").arg(NewDate, Expected);

    QWidget* Focus = QApplication::focusWidget();
    if (!Focus || (Focus != FForm && !FForm->isAncestorOf(Focus)))
        return QStringLiteral("the focus is on %1")
            .arg(Focus ? Focus->metaObject()->className() : "nothing");
    return {};
}

bool TRound::Fail(int Step, const QString& What) {
    Failure = QStringLiteral("seed %1, step %2: %3 (replay with MORVANE_SOAK_SEED=%1)\n"
                             "last steps:\n  %4")
                  .arg(FSeed)
                  .arg(Step)
                  .arg(What, FLog.mid(std::max<qsizetype>(0, FLog.size() - 12)).join("\n  "));
    return false;
}

bool TRound::Run(qint64& Steps) {
    FForm = new TfrmMainForm();
    const auto Close = qScopeGuard([this] { delete FForm.data(); });
    FForm->show();
    if (!WaitForWindowActive(FForm))
        return Fail(0, QStringLiteral("the window did not become active"));
    // Dates of the seed's choosing, mostly near our time, set the way a
    // user steps them, so both panels have been computed once.
    auto RandomDate = [this] {
        const bool Near = FRandom.bounded(10) < 7;
        const int Year = Near ? 1900 + FRandom.bounded(200) : 100 + FRandom.bounded(9900);
        return MakeDate(Year, 1 + FRandom.bounded(12), 1 + FRandom.bounded(28));
    };
    if (!StepPickerTo(Control<TDatePicker>("dtpStartDt"), RandomDate()) ||
        !StepPickerTo(Control<TDatePicker>("dtpEndDt"), RandomDate()))
        return Fail(0, QStringLiteral("the dates could not be set"));
    for (int I = 1; I <= kStepsPerRound; ++I) {
        try {
            Step();
        } catch (...) {
            return Fail(I, QStringLiteral("an error escaped the guards"));
        }
        ++Steps;
        if (const QString Problem = Check(); !Problem.isEmpty())
            return Fail(I, Problem);
    }
    return true;
}

// The offscreen platform warns at every popup that it cannot raise or grab
// anything; thousands of those would bury the round's report.
QtMessageHandler PreviousHandler = nullptr;

void QuietPlatformWarnings(QtMsgType Type, const QMessageLogContext& Context,
                           const QString& Message) {
    if (Type == QtWarningMsg && Message.startsWith(QStringLiteral("This plugin does not support")))
        return;
    PreviousHandler(Type, Context, Message);
}

} // namespace

class TestSoak : public QObject {
    Q_OBJECT

private slots:
    void randomInput() {
        PreviousHandler = qInstallMessageHandler(QuietPlatformWarnings);
        const auto Restore = qScopeGuard([] { qInstallMessageHandler(PreviousHandler); });
        bool Replay = false;
        quint32 Seed = qEnvironmentVariable("MORVANE_SOAK_SEED").toUInt(&Replay);
        if (!Replay)
            Seed = QRandomGenerator::global()->generate();
        bool Ok = false;
        double Seconds = qEnvironmentVariable("MORVANE_SOAK_SECONDS").toDouble(&Ok);
        if (!Ok)
            Seconds = 20;
        QElapsedTimer Clock;
        Clock.start();
        qint64 Steps = 0;
        int Rounds = 0;
        do {
            TRound Round(Seed + Rounds);
            QVERIFY2(Round.Run(Steps), qPrintable(Round.Failure));
            ++Rounds;
        } while (!Replay && Clock.elapsed() < Seconds * 1000);
        qInfo("%d rounds of %d steps, seeds %u to %u: %lld steps in %.1f s", Rounds, kStepsPerRound,
              Seed, Seed + Rounds - 1, Steps, Clock.elapsed() / 1000.0);
    }
};

MORVANE_TEST_MAIN(TestSoak)
#include "tst_Soak.moc"
