// The program's start-up: the order of its steps, how the main window ends
// the program, the last-resort box with exit code 1 when an error escapes
// start-up, one line and exit code 1 where no display can show a window,
// and a command line the toolkit takes nothing from.
#include "Main.h"
#include "NoDisplay.h"
#include "StringList.h"
#include "TestSupport.h"

#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QScreen>
#include <QStyle>
#include <QTemporaryDir>
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

// What this executable left when started again to make the application
// object (as the program does) in an environment that Changes alters: a
// value sets a variable, an empty one unsets it.
struct TStart {
    int Status = -1;
    bool Crashed = true;
    QStringList ErrorLines;
};

TStart StartWith(const QList<std::pair<QString, QString>>& Changes) {
    QProcess Run;
    QProcessEnvironment Environment = QProcessEnvironment::systemEnvironment();
    Environment.insert(QString::fromLatin1(kPrintSettingsVariable), QStringLiteral("1"));
    for (const auto& [Name, Value] : Changes) {
        if (Value.isEmpty())
            Environment.remove(Name);
        else
            Environment.insert(Name, Value);
    }
    Run.setProcessEnvironment(Environment);
    Run.start(QCoreApplication::applicationFilePath(), {});
    TStart Result;
    if (!Run.waitForFinished(60000))
        return Result;
    Result.Status = Run.exitCode();
    Result.Crashed = Run.exitStatus() == QProcess::CrashExit;
    Result.ErrorLines =
        QString::fromLocal8Bit(Run.readAllStandardError()).split(u'\n', Qt::SkipEmptyParts);
    return Result;
}

} // namespace

Q_DECLARE_METATYPE(TDisplayFacts)
Q_DECLARE_METATYPE(TDisplayProblem)

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

    void displayProblemFromFacts_data() {
        QTest::addColumn<TDisplayFacts>("Facts");
        QTest::addColumn<TDisplayProblem>("Problem");
        // The platform asked for, WAYLAND_DISPLAY, DISPLAY, Wayland support.
        // clang-format off
        QTest::newRow("nothing set") << TDisplayFacts{"", "", "", true} << dpNoDisplay;
        QTest::newRow("nothing set, Wayland support missing too") << TDisplayFacts{"", "", "", false} << dpNoDisplay;
        QTest::newRow("Wayland session without Wayland support") << TDisplayFacts{"", "wayland-0", "", false} << dpNoWaylandSupport;
        QTest::newRow("X display refused after Wayland was missing") << TDisplayFacts{"", "wayland-0", ":0", false} << dpNoWaylandSupport;
        QTest::newRow("Wayland asked for without its support") << TDisplayFacts{"wayland", "", "", false} << dpNoWaylandSupport;
        QTest::newRow("Wayland display not reached") << TDisplayFacts{"", "wayland-9", "", true} << dpNoConnection;
        QTest::newRow("X display not reached") << TDisplayFacts{"", "", ":99", true} << dpNoConnection;
        QTest::newRow("Wayland asked for, no display named") << TDisplayFacts{"wayland", "", "", true} << dpNoDisplay;
        QTest::newRow("X11 asked for in a Wayland session") << TDisplayFacts{"xcb", "wayland-0", "", false} << dpNoDisplay;
        QTest::newRow("X11 asked for, its display not reached") << TDisplayFacts{"xcb", "wayland-0", ":99", true} << dpNoConnection;
        QTest::newRow("another platform that did not start") << TDisplayFacts{"eglfs", "", "", true} << dpNoConnection;
        // clang-format on
    }

    // What is missing, told from the environment once no platform could
    // show a window.
    void displayProblemFromFacts() {
        QFETCH(TDisplayFacts, Facts);
        QFETCH(TDisplayProblem, Problem);
        QCOMPARE(DisplayProblem(Facts), Problem);
    }

    void noDisplayEndsWithOneLine_data() {
        QTest::addColumn<QString>("Platform");
        QTest::addColumn<QString>("WaylandDisplay");
        QTest::addColumn<QString>("X11Display");
        QTest::addColumn<QString>("Language");
        QTest::addColumn<QString>("Expected");
        // clang-format off
        QTest::newRow("no display at all") << "" << "" << "" << "" << "tst_startup: no X11 or Wayland display to show the window on (neither DISPLAY nor WAYLAND_DISPLAY is set).";
        QTest::newRow("no display at all, in German") << "" << "" << "" << "de" << "tst_startup: keine X11- oder Wayland-Anzeige, auf der das Fenster erscheinen kann (weder DISPLAY noch WAYLAND_DISPLAY ist gesetzt).";
        QTest::newRow("a Wayland display with no compositor") << "" << "morvane-test-none" << "" << "" << "tst_startup: cannot connect to the display (WAYLAND_DISPLAY=morvane-test-none).";
        QTest::newRow("an X display with no server") << "xcb" << "" << ":4242" << "" << "tst_startup: cannot connect to the display (DISPLAY=:4242).";
        QTest::newRow("Wayland asked for, in Japanese") << "wayland" << "morvane-test-none" << "" << "ja" << QString::fromUtf8("tst_startup: ディスプレイに接続できません (WAYLAND_DISPLAY=morvane-test-none)。");
        // clang-format on
    }

    // Where no platform can show a window, the program ends with status 1
    // and one line in the user's language saying what is missing: not the
    // toolkit's abort with its lines about plug-ins.
    void noDisplayEndsWithOneLine() {
        QFETCH(QString, Platform);
        QFETCH(QString, WaylandDisplay);
        QFETCH(QString, X11Display);
        QFETCH(QString, Language);
        QFETCH(QString, Expected);
        QTemporaryDir Runtime; // a runtime folder with no compositor's socket
        QVERIFY(Runtime.isValid());
        const QString Locale = Language.isEmpty() ? QString() : Language + QStringLiteral(".UTF-8");
        const TStart Start = StartWith({{"QT_QPA_PLATFORM", Platform},
                                        {"WAYLAND_DISPLAY", WaylandDisplay},
                                        {"DISPLAY", X11Display},
                                        {"XDG_RUNTIME_DIR", Runtime.path()},
                                        {"LANGUAGE", Language},
                                        {"LC_ALL", Locale.isEmpty() ? "C.UTF-8" : Locale}});
        QVERIFY(!Start.Crashed);
        QCOMPARE(Start.Status, 1);
        QCOMPARE(Start.ErrorLines, QStringList{Expected});
    }

    // A start that succeeds keeps the toolkit's messages from the making of
    // the application object: they are held back, not lost. (With no X
    // display, the toolkit warns that X11 failed and goes on to the next
    // platform asked for.)
    void messagesWhileStartingStillShow() {
        const TStart Start = StartWith({{"QT_QPA_PLATFORM", "xcb;offscreen"}, {"DISPLAY", ""}});
        QVERIFY(!Start.Crashed);
        QCOMPARE(Start.Status, 0);
        QVERIFY2(Start.ErrorLines.join(u'\n').contains(QLatin1String("xcb")),
                 qPrintable(Start.ErrorLines.join(u'\n')));
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
