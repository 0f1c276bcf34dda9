// A keystroke in an amount edit of the real main window, through the key
// filter, the edit, its change event and CalcNew, to the updated txtNewDate.
// Each iteration types two keys (Backspace, then a digit), and each of them
// recomputes the new date; per_keystroke is the wall time of one key.
#include "Application.h"
#include "DatePicker.h"
#include "ErrorGuard.h"
#include "LocaleSettings.h"
#include "Main.h"

#include <QComboBox>
#include <QLineEdit>
#include <QTest>

#include <benchmark/benchmark.h>

namespace {

TfrmMainForm* Window = nullptr;

// Paint: also let the window repaint what changed after each key, as the
// event loop would before the next one.
void BM_AmountKeystroke(benchmark::State& State, bool Paint) {
    auto* Calc = Window->findChild<QComboBox*>(QStringLiteral("cmbCalc"));
    Calc->setFocus();
    QTest::keyClick(Calc, Qt::Key_Down); // the new-date panel
    Window->findChild<TDatePicker*>(QStringLiteral("dtpStartDt"))->SetDate(MakeDate(2004, 1, 31));
    auto* Months = Window->findChild<QLineEdit*>(QStringLiteral("txtNoMonths"));
    auto* NewDate = Window->findChild<QLineEdit*>(QStringLiteral("txtNewDate"));
    Months->setFocus();
    Months->setText(QStringLiteral("13"));
    Months->end(false);
    for (auto _ : State) {
        QTest::keyClick(Months, Qt::Key_Backspace); // 13 -> 1
        if (Paint)
            QCoreApplication::processEvents();
        QTest::keyClick(Months, Qt::Key_3); // 1 -> 13
        if (Paint)
            QCoreApplication::processEvents();
    }
    State.counters["per_keystroke"] =
        benchmark::Counter(static_cast<double>(State.iterations()) * 2,
                           benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
    // 31 January 2004 + 13 months, clamped: 29 February 2005 does not exist.
    if (NewDate->text() != QString::fromStdString(LongDateText(MakeDate(2005, 2, 28))))
        State.SkipWithError("txtNewDate was not updated");
}
BENCHMARK_CAPTURE(BM_AmountKeystroke, text_updated, false)
    ->Unit(benchmark::kMicrosecond)
    ->UseRealTime();
BENCHMARK_CAPTURE(BM_AmountKeystroke, text_updated_and_painted, true)
    ->Unit(benchmark::kMicrosecond)
    ->UseRealTime();

} // namespace

int main(int argc, char* argv[]) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    LoadLocaleSettings(QLocale::system());
    TApplication Application(argc, argv);
    SetApplicationTitle(QString::fromUtf8(kMorvaneTitle));
    int Errors = 0;
    SetErrorDisplay([&Errors](const QString&, const QString&) { ++Errors; });
    TfrmMainForm Main;
    Window = &Main;
    Main.show();
    if (!QTest::qWaitForWindowActive(&Main))
        return 1;
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return Errors == 0 ? 0 : 1;
}
