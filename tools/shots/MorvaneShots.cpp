// Renders both panels of the main window, with fixed dates and a few amounts
// typed in, to PNG files: morvane_shots <folder> [<suffix>], the suffix put
// before ".png" (scripts/screenshots.sh adds "@2x" for a run at twice the
// pixel density). Run under a real X server (scripts/screenshots.sh starts
// Xvfb) the pictures are read back from the screen; on any other platform
// they are rendered by the widgets.
#include "Application.h"
#include "DatePicker.h"
#include "ErrorGuard.h"
#include "FormLook.h"
#include "KeyboardDriving.h"
#include "LocaleSettings.h"
#include "Main.h"

#include <QComboBox>
#include <QDir>
#include <QGuiApplication>
#include <QLineEdit>
#include <QScreen>
#include <QTest>
#include <QTextStream>

namespace {

bool Save(QWidget* Window, const QString& Path) {
    QTest::qWait(300); // let the window be drawn on the screen
    QPixmap Picture;
    if (QGuiApplication::platformName() == QStringLiteral("xcb"))
        Picture = Window->screen()->grabWindow(
            0, Window->frameGeometry().x(), Window->frameGeometry().y(),
            Window->frameGeometry().width(), Window->frameGeometry().height());
    else
        Picture = Window->grab();
    const bool Ok = Picture.save(Path);
    QTextStream(stdout) << (Ok ? "wrote " : "could not write ") << Path << " (" << Picture.width()
                        << "x" << Picture.height() << ")\n";
    return Ok;
}

} // namespace

int main(int argc, char* argv[]) {
    LoadLocaleSettings(QLocale::system());
    TApplication Application(argc, argv);
    const QString Folder = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("docs");
    const QString Suffix = argc > 2 ? QString::fromLocal8Bit(argv[2]) : QString();
    QDir().mkpath(Folder);
    SetApplicationTitle(MorvaneTitle());
    // No box may stop the run: an error here is a fault in the pictures.
    int Errors = 0;
    SetErrorDisplay([&Errors](const QString&, const QString& Text) {
        ++Errors;
        QTextStream(stderr) << "error: " << Text << "\n";
    });

    TfrmMainForm Window;
    CentreWindow(&Window);
    Window.show();
    Window.activateWindow();
    if (!QTest::qWaitForWindowExposed(&Window) || !QTest::qWaitForWindowActive(&Window))
        return 1;
    auto* Start = Window.findChild<TDatePicker*>(QStringLiteral("dtpStartDt"));
    auto* End = Window.findChild<TDatePicker*>(QStringLiteral("dtpEndDt"));
    auto* Calc = Window.findChild<QComboBox*>(QStringLiteral("cmbCalc"));

    if (!StepPickerTo(Start, MakeDate(2004, 1, 31)) || !StepPickerTo(End, MakeDate(2026, 9, 16)))
        return 1;
    Start->setFocus();
    bool Ok = Save(&Window,
                   Folder + QStringLiteral("/main-difference") + Suffix + QStringLiteral(".png"));

    Calc->setFocus();
    QTest::keyClick(Calc, Qt::Key_Down);
    RetypeText(Window.findChild<QLineEdit*>(QStringLiteral("txtNoDays")), QStringLiteral("10"));
    auto* Weekdays = Window.findChild<QLineEdit*>(QStringLiteral("txtNoWeekdays"));
    RetypeText(Weekdays, QStringLiteral("3"));
    QTest::keyClick(Weekdays, Qt::Key_Home);
    QTest::keyClicks(Weekdays, QStringLiteral("-")); // "-3" without a lone "-" on the way
    RetypeText(Window.findChild<QLineEdit*>(QStringLiteral("txtNoFortnights")),
               QStringLiteral("2"));
    RetypeText(Window.findChild<QLineEdit*>(QStringLiteral("txtNoMonths")), QStringLiteral("1"));
    RetypeText(Window.findChild<QLineEdit*>(QStringLiteral("txtNoYears")), QStringLiteral("5"));
    Ok = Save(&Window,
              Folder + QStringLiteral("/main-new-date") + Suffix + QStringLiteral(".png")) &&
         Ok;
    return Ok && Errors == 0 ? 0 : 1;
}
