// The application object and the program's start-up.
#pragma once

#include <QApplication>

#include <functional>

// The application: the toolkit's application object with an error guard
// around the dispatch of every event, so that no error crosses the event
// loop, the program's texts in the user's language (LoadTranslations), and
// the date settings reloaded when the user's locale changes. Its windows
// name the program's desktop entry (com.brelmont.Morvane.desktop) as
// theirs, the Wayland app_id by which a shell finds the program's name and
// icon.
class TApplication : public QApplication {
    Q_OBJECT

public:
    // The program reads no command-line arguments, and the toolkit is given
    // none either: only the program name (Argv[0]), so options such as
    // -reverse, -style or -stylesheet change nothing. The platform's
    // environment variables (QT_QPA_PLATFORM, say) still apply. When no
    // platform can show a window (no display, or no Wayland support), the
    // program ends here with one line and exit status 1 (NoDisplay.h).
    TApplication(int Argc, char** Argv);

    bool notify(QObject* Receiver, QEvent* Event) override;

protected:
    bool event(QEvent* Event) override;
};

// The program's title, in English.
//: The program's name: the main window's title, the caption of its error
//: boxes and, after "About", the About window's title. The desktop entry
//: gives the same translated name. Brelmont is the maker's name: keep it.
inline constexpr const char* kMorvaneTitle =
    QT_TRANSLATE_NOOP("TApplication", "Brelmont Date Calculator");

// The program's title in the user's language, as the desktop entry names the
// program in the application menu: the caption of the main window and of
// every error box.
QString MorvaneTitle();

// Creates the program's windows (the main window first) and returns the main
// window, not yet shown. Errors raised by the windows' creation handlers are
// shown by their own guards; an error it lets out escapes start-up.
using TWindowFactory = std::function<QWidget*()>;

// Runs the program inside an existing application object, in this order:
// sets the application title, creates the windows through CreateWindows,
// shows the main window centred on the desktop and runs the event loop until
// the main window is closed (closing it by any route ends the program).
// Returns 0 after a normal run. An error escaping start-up is shown in the
// last-resort "Application Error" box and 1 is returned.
int RunStartUp(const TWindowFactory& CreateWindows);

// The text of the last-resort box for the error being handled (call only in
// a catch block): "Exception <type> in module <executable> at <address>.\n"
// followed by the message and a full stop when it doesn't already end in ".".
QString LastResortText();
