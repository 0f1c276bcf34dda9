#include "Application.h"

#include "ApplicationIcon.h"
#include "ErrorGuard.h"
#include "FormLook.h"
#include "LocaleSettings.h"
#include "MessageText.h"
#include "NoDisplay.h"
#include "Translations.h"

#include <QFileInfo>
#include <QPointer>
#include <QWidget>

#include <cstdlib>
#include <cxxabi.h>
#include <memory>
#include <typeinfo>

namespace {

// The command line the toolkit sees, which must outlive the application
// object: the program name alone.
int ToolkitArgc = 1;
char ProgramName[] = "morvane";
char* ToolkitArgv[] = {ProgramName, nullptr};

// The toolkit's command line, with the toolkit's messages held back until
// the application object stands (see the constructor): run before the
// object is made, where a missing display would make the toolkit abort.
int& PrepareToolkit(int Argc, char** Argv) {
    if (Argc > 0 && Argv && Argv[0])
        ToolkitArgv[0] = Argv[0];
    HoldToolkitMessages(QFileInfo(QString::fromLocal8Bit(ToolkitArgv[0])).fileName());
    return ToolkitArgc;
}

} // namespace

TApplication::TApplication(int Argc, char** Argv)
    : QApplication(PrepareToolkit(Argc, Argv), ToolkitArgv) {
    ReleaseToolkitMessages();
    setQuitOnLastWindowClosed(true);
    setWindowIcon(ApplicationIcon()); // every window's title-bar icon
    // Under Wayland a window has no icon of its own: the shell shows its
    // desktop entry's, found by this name (the X11 windows carry the class
    // "morvane", which the entry names as StartupWMClass).
    setDesktopFileName(QStringLiteral(MORVANE_APP_ID));
    LoadTranslations();
}

bool TApplication::notify(QObject* Receiver, QEvent* Event) {
    try {
        return QApplication::notify(Receiver, Event);
    } catch (...) {
        ShowCurrentError();
        return false;
    }
}

bool TApplication::event(QEvent* Event) {
    // The date core's settings are reloaded before the event reaches the
    // windows, so the pickers rebuild their format from the new pattern.
    if (Event->type() == QEvent::LocaleChange)
        LoadLocaleSettings();
    return QApplication::event(Event);
}

namespace {

QString TypeName(const std::type_info* Type) {
    if (!Type)
        return QStringLiteral("Exception");
    int Status = 0;
    std::unique_ptr<char, decltype(&std::free)> Name(
        abi::__cxa_demangle(Type->name(), nullptr, nullptr, &Status), &std::free);
    return QString::fromUtf8(Status == 0 && Name ? Name.get() : Type->name());
}

} // namespace

QString LastResortText() {
    QString Message;
    const void* Address = nullptr;
    const std::type_info* Type = abi::__cxa_current_exception_type();
    try {
        throw;
    } catch (const std::exception& E) {
        Message = ErrorText(E);
        // A C++ error keeps no code address; the error object's address
        // stands in for it.
        Address = &E;
    } catch (...) {
    }
    const QString Module = QFileInfo(QCoreApplication::applicationFilePath()).fileName();
    const bool Stopped =
        Message.isEmpty() || Message.endsWith(u'.') || EndsInOwnPunctuation(Message);
    const QString FullStop = Stopped ? QString() : QStringLiteral(".");
    //: The last-resort message when the program cannot start: %1 is the
    //: error's type, %2 the program's file name, %3 an address.
    return TApplication::tr("Exception %1 in module %2 at %3.")
               .arg(TypeName(Type), Module, QString::asprintf("%p", Address)) +
           u'\n' + Message + FullStop;
}

QString MorvaneTitle() {
    return TApplication::tr(kMorvaneTitle);
}

int RunStartUp(const TWindowFactory& CreateWindows) {
    try {
        SetApplicationTitle(MorvaneTitle());
        QPointer<QWidget> Main = CreateWindows();
        if (!Main)
            return 0;
        // Closing the main window by any route ends the program, whatever
        // other windows (shown or hidden) are left.
        QObject::connect(Main, &QObject::destroyed, qApp, &QCoreApplication::quit);
        ShowCentred(Main);
        const int Code = QApplication::exec();
        delete Main.data();
        return Code;
    } catch (...) {
        const QString Text = LastResortText();
        CancelMouseCapture();
        //: The caption of the last-resort message box.
        ShowMessageBox(TApplication::tr("Application Error"), Text);
        return 1;
    }
}
