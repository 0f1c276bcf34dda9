#include "NoDisplay.h"

#include "Translations.h"

#include <QDir>
#include <QLibraryInfo>
#include <QTranslator>

#include <cstdio>
#include <cstdlib>
#include <mutex>
#include <vector>

namespace {

constexpr char kContext[] = "TApplication";

//: The message, after "morvane: ", when the program is started with no
//: display. DISPLAY and WAYLAND_DISPLAY are environment variables and stay
//: as they are.
constexpr const char* kNoDisplayText =
    QT_TRANSLATE_NOOP("TApplication", "no X11 or Wayland display to show the window on (neither "
                                      "DISPLAY nor WAYLAND_DISPLAY is set).");
//: The message, after "morvane: ", when the program is started in a
//: Wayland session without Qt's Wayland support. qt6-wayland is the name
//: of a package and stays as it is.
constexpr const char* kNoWaylandSupportText =
    QT_TRANSLATE_NOOP("TApplication", "cannot show the window under Wayland without Qt's Wayland "
                                      "support; install the package qt6-wayland.");
//: The message, after "morvane: ", when no display could be reached: %1 is
//: the display's settings as the environment gives them (such as
//: "WAYLAND_DISPLAY=wayland-0, DISPLAY=:0"), kept as they are.
constexpr const char* kNoConnectionText =
    QT_TRANSLATE_NOOP("TApplication", "cannot connect to the display (%1).");

bool WantsWayland(const TDisplayFacts& Facts) {
    return Facts.Platform.isEmpty() || Facts.Platform.contains(QLatin1String("wayland"));
}

bool WantsX11(const TDisplayFacts& Facts) {
    return Facts.Platform.isEmpty() || Facts.Platform.contains(QLatin1String("xcb"));
}

// The settings that named the displays tried, as "NAME=value, ...".
QString DisplaySettings(const TDisplayFacts& Facts) {
    QStringList Settings;
    if (!WantsWayland(Facts) && !WantsX11(Facts))
        Settings += QStringLiteral("QT_QPA_PLATFORM=") + Facts.Platform;
    if (WantsWayland(Facts) && !Facts.WaylandDisplay.isEmpty())
        Settings += QStringLiteral("WAYLAND_DISPLAY=") + Facts.WaylandDisplay;
    if (WantsX11(Facts) && !Facts.X11Display.isEmpty())
        Settings += QStringLiteral("DISPLAY=") + Facts.X11Display;
    return Settings.join(QLatin1String(", "));
}

// A toolkit message held back while the application object is made. The
// context's texts are the toolkit's literals, which outlive it.
struct THeldMessage {
    QtMsgType Type;
    const char* File;
    int Line;
    const char* Function;
    const char* Category;
    QString Text;
};

struct THold {
    std::mutex Lock;
    QtMessageHandler Previous = nullptr;
    QString Program;
    std::vector<THeldMessage> Messages;
};

THold& Hold() {
    static THold H;
    return H;
}

void HoldMessage(QtMsgType Type, const QMessageLogContext& Context, const QString& Text) {
    THold& H = Hold();
    if (Type == QtFatalMsg) {
        // The toolkit found no platform that could show a window: say so
        // once and end here, before its abort.
        const QByteArray Line =
            (NoDisplayLine(H.Program, ReadDisplayFacts()) + u'\n').toLocal8Bit();
        std::fwrite(Line.constData(), 1, Line.size(), stderr);
        std::fflush(stderr);
        std::_Exit(EXIT_FAILURE);
    }
    const std::lock_guard<std::mutex> Locked(H.Lock);
    H.Messages.push_back(
        {Type, Context.file, Context.line, Context.function, Context.category, Text});
}

} // namespace

TDisplayFacts ReadDisplayFacts() {
    TDisplayFacts Facts{qEnvironmentVariable("QT_QPA_PLATFORM"),
                        qEnvironmentVariable("WAYLAND_DISPLAY"), qEnvironmentVariable("DISPLAY"),
                        false};
    QStringList Folders;
    if (const QString Own = qEnvironmentVariable("QT_QPA_PLATFORM_PLUGIN_PATH"); !Own.isEmpty())
        Folders += Own;
    const QStringList Plugins =
        qEnvironmentVariable("QT_PLUGIN_PATH").split(u':', Qt::SkipEmptyParts) +
        QStringList{QLibraryInfo::path(QLibraryInfo::PluginsPath)};
    for (const QString& Folder : Plugins)
        Folders += Folder + QStringLiteral("/platforms");
    for (const QString& Folder : Folders)
        if (!QDir(Folder).entryList({QStringLiteral("libqwayland*")}, QDir::Files).isEmpty())
            Facts.WaylandSupport = true;
    return Facts;
}

TDisplayProblem DisplayProblem(const TDisplayFacts& Facts) {
    const bool WaylandNamed =
        !Facts.WaylandDisplay.isEmpty() || Facts.Platform.contains(QLatin1String("wayland"));
    if (WantsWayland(Facts) && WaylandNamed && !Facts.WaylandSupport)
        return dpNoWaylandSupport;
    return DisplaySettings(Facts).isEmpty() ? dpNoDisplay : dpNoConnection;
}

QString NoDisplayLine(const QString& Program, const TDisplayFacts& Facts) {
    const char* Source = kNoConnectionText;
    switch (DisplayProblem(Facts)) {
    case dpNoWaylandSupport:
        Source = kNoWaylandSupportText;
        break;
    case dpNoDisplay:
        Source = kNoDisplayText;
        break;
    case dpNoConnection:
        break;
    }
    // The catalog read here and now: the application object, which would
    // hold the program's catalogs, is the one that could not be made.
    QTranslator Catalog;
    QString Text;
    LoadProgramCatalog(Catalog);
    Text = Catalog.translate(kContext, Source);
    if (Text.isEmpty())
        Text = QString::fromUtf8(Source);
    if (Source == kNoConnectionText)
        Text = Text.arg(DisplaySettings(Facts));
    return Program + QStringLiteral(": ") + Text;
}

void HoldToolkitMessages(const QString& Program) {
    THold& H = Hold();
    H.Program = Program;
    H.Previous = qInstallMessageHandler(HoldMessage);
}

void ReleaseToolkitMessages() {
    THold& H = Hold();
    qInstallMessageHandler(H.Previous);
    std::vector<THeldMessage> Messages;
    {
        const std::lock_guard<std::mutex> Locked(H.Lock);
        Messages.swap(H.Messages);
    }
    for (const THeldMessage& M : Messages)
        H.Previous(M.Type, QMessageLogContext(M.File, M.Line, M.Function, M.Category), M.Text);
}
