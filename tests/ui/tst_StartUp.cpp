// The program's start-up: the order of its steps, how the main window ends
// the program, the last-resort box with exit code 1 when an error escapes
// start-up, and a command line the toolkit takes nothing from.
#include "Main.h"
#include "StringList.h"
#include "TestSupport.h"

#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QScreen>
#include <QStyle>
#include <QTimer>

namespace {

class TDescriptionError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Set when this executable is started again to print what the application
// object made of its command line.
constexpr char kPrintSettingsVariable[] = "MORVANE_PRINT_TOOLKIT_SETTINGS";

// What the toolkit settles from a command line: the platform, the layout
// direction, the style and the style sheet, as this executable started
// again with Arguments prints them.
QString ToolkitSettings(const QStringList& Arguments) {
    QProcess Run;
    QProcessEnvironment Environment = QProcessEnvironment::systemEnvironment();
    Environment.insert(QString::fromLatin1(kPrintSettingsVariable), QStringLiteral("1"));
    Run.setProcessEnvironment(Environment);
    Run.start(QCoreApplication::applicationFilePath(), Arguments);
    if (!Run.waitForFinished(60000))
        return QStringLiteral("(did not finish)");
    return QString::fromUtf8(Run.readAllStandardOutput());
}

} // namespace

class TestStartUp : public QObject {
    Q_OBJECT

private slots:
    void errorEscapingStartUp_data() {
        QTest::addColumn<QString>("Message");
        QTest::addColumn<QString>("Pattern");
        // clang-format off
        QTest::newRow("message ending in a letter gets a full stop") << "Stream read error" << R"(Exception \(anonymous namespace\)::TDescriptionError in module tst_startup at )" R"(0x[0-9a-f]+\.\nStream read error\.)";
        QTest::newRow("message ending in a full stop is left alone") << "Bad resource." << R"(Exception .*TDescriptionError in module tst_startup at )" R"(0x[0-9a-f]+\.\nBad resource\.)";
        QTest::newRow("message ending in a bracket still gets one") << "List index out of bounds (7)" << R"(Exception .* at 0x[0-9a-f]+\.\nList index out of bounds \(7\)\.)";
        QTest::newRow("a translation's own full stop stands") << QString::fromUtf8("無効な引数です。") << QString::fromUtf8(R"(Exception .* at 0x[0-9a-f]+\.\n無効な引数です。)");
        QTest::newRow("empty message, no full stop") << "" << R"(Exception .*TDescriptionError in module tst_startup at 0x[0-9a-f]+\.\n)";
        // clang-format on
    }

    // An error that escapes start-up outside the windows' creation handlers
    // is shown in the last-resort box and the program ends with code 1.
    void errorEscapingStartUp() {
        QFETCH(QString, Message);
        QFETCH(QString, Pattern);
        TErrorRecorder Errors;
        const int Code =
            RunStartUp([&]() -> QWidget* { throw TDescriptionError(Message.toStdString()); });
        QCOMPARE(Code, 1);
        QCOMPARE(Errors.Entries.size(), 1);
        QCOMPARE(Errors.Entries[0].Caption, QStringLiteral("Application Error"));
        const QRegularExpression Expected(QRegularExpression::anchoredPattern(Pattern));
        QVERIFY2(Expected.match(Errors.Entries[0].Text).hasMatch(),
                 qPrintable(Errors.Entries[0].Text));
    }

    // The main window is built before the error: the window the factory had
    // made is not left on screen.
    void errorAfterMainWindowWasMade() {
        TErrorRecorder Errors;
        QPointer<TfrmMainForm> Made;
        const int Code = RunStartUp([&]() -> QWidget* {
            Made = new TfrmMainForm();
            frmMainForm = Made;
            throw TStringListError(3);
        });
        QCOMPARE(Code, 1);
        QCOMPARE(Errors.Entries.size(), 1);
        QVERIFY(
            Errors.Entries[0].Text.startsWith(QStringLiteral("Exception TStringListError in ")));
        QVERIFY(Errors.Entries[0].Text.endsWith(QStringLiteral("\nList index out of bounds (3).")));
        QVERIFY(Made.isNull() || !Made->isVisible());
        delete Made.data();
    }

    void everyCloseRouteEndsTheProgram_data() {
        QTest::addColumn<QString>("Route");
        // clang-format off
        QTest::newRow("Close button") << "click";
        QTest::newRow("Enter reaching the default button") << "enter";
        QTest::newRow("title bar close box or Alt+F4") << "close";
        // clang-format on
    }

    // The program starts titled and centred on the primary screen (where
    // windows go where they are put) with the start picker focused; every way of closing the main
    // window ends the event loop with code 0, even with a hidden second
    // window still alive.
    void everyCloseRouteEndsTheProgram() {
        QFETCH(QString, Route);
        TErrorRecorder Errors;
        QPointer<QDialog> Hidden;
        QString Title;
        QPoint Centre, ScreenCentre;
        bool StartFocused = false;
        const int Code = RunStartUp([&]() -> QWidget* {
            frmMainForm = new TfrmMainForm();
            Hidden = new QDialog(); // stands for the About window, created hidden
            frmMainForm->SetAboutWindow(Hidden);
            QTimer::singleShot(0, frmMainForm, [&] {
                TfrmMainForm* Main = frmMainForm;
                if (!WaitForWindowActive(Main))
                    return;
                Title = Main->windowTitle();
                ScreenCentre = QGuiApplication::primaryScreen()->availableGeometry().center();
                // A window manager frames and places the window a moment
                // after it is shown (checked below); a Wayland compositor
                // places it where it chooses, and Qt does not know where.
                static_cast<void>(QTest::qWaitFor(
                    [&] {
                        Centre = Main->frameGeometry().center();
                        return !WindowsGoWherePut() ||
                               (Centre - ScreenCentre).manhattanLength() <= 2;
                    },
                    2000));
                StartFocused = QApplication::focusWidget() &&
                               QApplication::focusWidget()->objectName() == "dtpStartDt";
                if (Route == "click")
                    QTest::mouseClick(Main->findChild<QPushButton*>("cmdClose"), Qt::LeftButton);
                else if (Route == "enter")
                    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
                else
                    Main->close();
            });
            return frmMainForm;
        });
        QCOMPARE(Code, 0);
        QCOMPARE(Title, QStringLiteral("Brelmont Date Calculator"));
        QCOMPARE(ApplicationTitle(), QStringLiteral("Brelmont Date Calculator"));
        QVERIFY(StartFocused);
        QVERIFY2(!WindowsGoWherePut() || (Centre - ScreenCentre).manhattanLength() <= 2,
                 qPrintable(QStringLiteral("%1,%2 %3,%4")
                                .arg(Centre.x())
                                .arg(Centre.y())
                                .arg(ScreenCentre.x())
                                .arg(ScreenCentre.y())));
        QVERIFY(frmMainForm == nullptr);
        QVERIFY(Errors.Entries.isEmpty());
        delete Hidden.data();
    }

    void commandLineChangesNothing_data() {
        QTest::addColumn<QStringList>("Arguments");
        // clang-format off
        QTest::newRow("right to left") << QStringList{"-reverse"};
        QTest::newRow("another style") << QStringList{"-style", "windows"};
        QTest::newRow("a style sheet") << QStringList{"-stylesheet", "any.qss"};
        QTest::newRow("another platform") << QStringList{"-platform", "minimal"};
        // clang-format on
    }

    // The program reads no command-line arguments and hands the toolkit
    // none: started with toolkit options it comes up as without them, on
    // the platform its environment names.
    void commandLineChangesNothing() {
        QFETCH(QStringList, Arguments);
        const QString Plain = ToolkitSettings({});
        QVERIFY2(Plain.startsWith(QGuiApplication::platformName() + u' '), qPrintable(Plain));
        QCOMPARE(ToolkitSettings(Arguments), Plain);
    }
};

int main(int argc, char* argv[]) {
    if (qEnvironmentVariableIsSet(kPrintSettingsVariable)) {
        TApplication App(argc, argv);
        QTextStream(stdout) << QGuiApplication::platformName() << ' ' << App.layoutDirection()
                            << ' ' << App.style()->name() << " [" << App.styleSheet() << "]\n";
        return 0;
    }
    LoadLocaleSettings(QLocale::system());
    TApplication App(argc, argv);
    TestStartUp Test;
    return QTest::qExec(&Test, argc, argv);
}
#include "tst_StartUp.moc"
