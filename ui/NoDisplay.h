// When no display can show the program's window: one line that says what
// is missing, in the user's language, and exit status 1, in place of the
// toolkit's abort.
#pragma once

#include <QString>

// What the environment says about where a window could be shown.
struct TDisplayFacts {
    QString Platform;       // QT_QPA_PLATFORM as set; empty when unset
    QString WaylandDisplay; // WAYLAND_DISPLAY; empty when unset
    QString X11Display;     // DISPLAY; empty when unset
    bool WaylandSupport;    // Qt's Wayland platform is installed (qt6-wayland)
};

// The facts of this process's environment: its variables, and Qt's Wayland
// platform looked for where Qt looks for platforms (QT_QPA_PLATFORM_PLUGIN_PATH,
// the platforms folder of each QT_PLUGIN_PATH entry and of Qt's own plugin
// folder).
TDisplayFacts ReadDisplayFacts();

// Why no window could be shown, once the toolkit found no platform to show
// it on:
//   dpNoWaylandSupport  Wayland was wanted (WAYLAND_DISPLAY set, or
//                       QT_QPA_PLATFORM naming wayland) and Qt's Wayland
//                       platform is not installed;
//   dpNoDisplay         no display is named for the platforms wanted (the
//                       toolkit's own choice, Wayland then X11, wants both);
//   dpNoConnection      a display is named, but none could be reached, or
//                       QT_QPA_PLATFORM names a platform that could not start.
enum TDisplayProblem { dpNoWaylandSupport, dpNoDisplay, dpNoConnection };
TDisplayProblem DisplayProblem(const TDisplayFacts& Facts);

// The one line for Facts, in the language of the user's languages
// (UserLanguages) that the program is translated into, else English,
// beginning with Program ("morvane: ..."). Reads the catalog itself, so that
// it needs no application object.
QString NoDisplayLine(const QString& Program, const TDisplayFacts& Facts);

// While the application object is being made: holds back the toolkit's
// messages, and turns its fatal message (no platform could show a window)
// into NoDisplayLine on standard error and exit status 1, with no abort and
// so no core dump or crash report. Program names the program in the line.
void HoldToolkitMessages(const QString& Program);

// Once the application object stands: the toolkit's messages go where they
// went before HoldToolkitMessages, those held back first.
void ReleaseToolkitMessages();
