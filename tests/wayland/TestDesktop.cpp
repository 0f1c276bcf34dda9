// A helper of the GNOME (mutter) and Plasma (KWin) stages: what the weston
// module TestSeat.c gives weston there, a keyboard whose keys a test asks
// for, and for KWin a picture of the active window.
//
//   morvane_test_desktop keyboard mutter|kwin
//     Makes a virtual keyboard on the session's compositor (mutter: a remote
//     desktop session on the session bus; KWin: the fake-input Wayland
//     protocol, which a KWin started with KWIN_WAYLAND_NO_PERMISSION_CHECKS=1
//     grants), prints "ready" and then, like TestSeat.c, waits for signals:
//     SIGUSR1 releases the keys held and presses, and holds, the keys whose
//     Linux key codes $XDG_RUNTIME_DIR/test-seat-keys lists; SIGUSR2 presses
//     Alt+F4, on which the compositor asks the focused window to close, as
//     its close button does; SIGTERM, SIGINT or SIGHUP release the keys held
//     and end the helper.
//   morvane_test_desktop shot FILE
//     Saves the active window, with the title bar KWin draws for it, as the
//     PNG picture FILE (KWin's org.kde.KWin.ScreenShot2, which a KWin started
//     with KWIN_SCREENSHOT_NO_PERMISSION_CHECKS=1 grants) and prints its
//     size in pixels as WIDTHxHEIGHT.
// A key is pressed only once the compositor has it, so that a test that
// waits for the key in the program's log never waits for nothing.
#include "fake-input-client-protocol.h"

#include <QCoreApplication>
#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusInterface>
#include <QDBusReply>
#include <QDBusUnixFileDescriptor>
#include <QFile>
#include <QImage>

#include <wayland-client.h>

#include <csignal>
#include <cstdio>
#include <cstring>
#include <memory>
#include <poll.h>
#include <unistd.h>
#include <vector>

namespace {

// Linux key codes (linux/input-event-codes.h).
constexpr uint32_t kLeftShift = 42;
constexpr uint32_t kLeftAlt = 56;
constexpr uint32_t kF4 = 62;

// Writes a line to standard error and returns the helper's failure status.
int Fail(const QString& Text) {
    std::fprintf(stderr, "morvane_test_desktop: %s\n", qPrintable(Text));
    return 1;
}

// A keyboard on the compositor: Key presses or releases a Linux key code;
// Problem says why it could not be made (empty when it was).
class TKeyboard {
public:
    virtual ~TKeyboard() = default;
    virtual QString Problem() const = 0;
    virtual void Key(uint32_t Code, bool Pressed) = 0;
};

const QString kMutterDesktop = QStringLiteral("org.gnome.Mutter.RemoteDesktop");

// mutter's keyboard: a remote desktop session of org.gnome.Mutter.RemoteDesktop,
// which lives as long as this process keeps its bus connection.
class TMutterKeyboard : public TKeyboard {
public:
    TMutterKeyboard() {
        // mutter takes its name on the bus a moment after its socket is up.
        QDBusConnectionInterface* Bus = QDBusConnection::sessionBus().interface();
        for (int Tries = 0; Bus && !Bus->isServiceRegistered(kMutterDesktop) && Tries < 100;
             ++Tries)
            usleep(100000);
        QDBusInterface Desktop(kMutterDesktop, QStringLiteral("/org/gnome/Mutter/RemoteDesktop"),
                               QStringLiteral("org.gnome.Mutter.RemoteDesktop"));
        const QDBusReply<QDBusObjectPath> Session = Desktop.call(QStringLiteral("CreateSession"));
        if (!Session.isValid()) {
            FProblem = QStringLiteral("no remote desktop session: ") + Session.error().message();
            return;
        }
        FSession = std::make_unique<QDBusInterface>(
            kMutterDesktop, Session.value().path(),
            QStringLiteral("org.gnome.Mutter.RemoteDesktop.Session"));
        const QDBusMessage Started = FSession->call(QStringLiteral("Start"));
        if (Started.type() == QDBusMessage::ErrorMessage) {
            FProblem = QStringLiteral("the remote desktop session did not start: ") +
                       Started.errorMessage();
            return;
        }
        // mutter gives its seat a keyboard only once a key has been pressed
        // on it; a program started before that would have none.
        Key(kLeftShift, true);
        Key(kLeftShift, false);
    }
    QString Problem() const override { return FProblem; }
    // A reply means mutter has queued the key on its virtual keyboard.
    void Key(uint32_t Code, bool Pressed) override {
        FSession->call(QStringLiteral("NotifyKeyboardKeycode"), Code, Pressed);
    }

private:
    QString FProblem;
    std::unique_ptr<QDBusInterface> FSession;
};

// KWin's keyboard: the org_kde_kwin_fake_input global, version 4 or later
// (keyboard_key).
class TKwinKeyboard : public TKeyboard {
public:
    TKwinKeyboard() : FDisplay(wl_display_connect(nullptr)) {
        if (!FDisplay) {
            FProblem = QStringLiteral("no Wayland display to connect to");
            return;
        }
        wl_registry* Registry = wl_display_get_registry(FDisplay);
        static const wl_registry_listener Listener = {
            [](void* Data, wl_registry* R, uint32_t Name, const char* Interface, uint32_t Version) {
                auto* Self = static_cast<TKwinKeyboard*>(Data);
                if (std::strcmp(Interface, org_kde_kwin_fake_input_interface.name) == 0 &&
                    Version >= 4)
                    Self->FInput = static_cast<org_kde_kwin_fake_input*>(
                        wl_registry_bind(R, Name, &org_kde_kwin_fake_input_interface, 4));
            },
            [](void*, wl_registry*, uint32_t) {}};
        wl_registry_add_listener(Registry, &Listener, this);
        wl_display_roundtrip(FDisplay);
        wl_registry_destroy(Registry);
        if (!FInput) {
            FProblem = QStringLiteral("the compositor offers no org_kde_kwin_fake_input 4");
            return;
        }
        org_kde_kwin_fake_input_authenticate(FInput, "morvane tests", "the tests' key presses");
        wl_display_roundtrip(FDisplay);
    }
    ~TKwinKeyboard() override {
        if (FInput)
            org_kde_kwin_fake_input_destroy(FInput);
        if (FDisplay)
            wl_display_disconnect(FDisplay);
    }
    QString Problem() const override { return FProblem; }
    // The round trip returns once KWin has handled the request.
    void Key(uint32_t Code, bool Pressed) override {
        org_kde_kwin_fake_input_keyboard_key(
            FInput, Code, Pressed ? WL_KEYBOARD_KEY_STATE_PRESSED : WL_KEYBOARD_KEY_STATE_RELEASED);
        wl_display_roundtrip(FDisplay);
    }

private:
    QString FProblem;
    wl_display* FDisplay;
    org_kde_kwin_fake_input* FInput = nullptr;
};

// The keys listed in $XDG_RUNTIME_DIR/test-seat-keys, in order.
std::vector<uint32_t> ListedKeys() {
    std::vector<uint32_t> Keys;
    QFile File(qEnvironmentVariable("XDG_RUNTIME_DIR") + QStringLiteral("/test-seat-keys"));
    if (!File.open(QIODevice::ReadOnly))
        return Keys;
    for (const QByteArray& Word : File.readAll().simplified().split(' '))
        if (bool Number = false; Word.toUInt(&Number), Number)
            Keys.push_back(Word.toUInt());
    return Keys;
}

// The signals that work the keyboard. Blocked in every thread from the
// start (the bus connection's thread included), so that only sigwait takes
// them.
sigset_t KeyboardSignals() {
    sigset_t Signals;
    sigemptyset(&Signals);
    for (int S : {SIGUSR1, SIGUSR2, SIGTERM, SIGINT, SIGHUP})
        sigaddset(&Signals, S);
    return Signals;
}

// Presses and releases as the signals ask until one ends it.
int RunKeyboard(TKeyboard& Keyboard) {
    if (!Keyboard.Problem().isEmpty())
        return Fail(Keyboard.Problem());
    const sigset_t Signals = KeyboardSignals();
    std::printf("ready\n");
    std::fflush(stdout);

    std::vector<uint32_t> Held;
    const auto ReleaseHeld = [&] {
        while (!Held.empty()) {
            Keyboard.Key(Held.back(), false);
            Held.pop_back();
        }
    };
    for (;;) {
        int Signal = 0;
        if (sigwait(&Signals, &Signal) != 0)
            continue;
        ReleaseHeld();
        if (Signal == SIGUSR1) {
            for (uint32_t Key : ListedKeys()) {
                Keyboard.Key(Key, true);
                Held.push_back(Key);
            }
        } else if (Signal == SIGUSR2) {
            Keyboard.Key(kLeftAlt, true);
            Keyboard.Key(kF4, true);
            Keyboard.Key(kF4, false);
            Keyboard.Key(kLeftAlt, false);
        } else {
            return 0;
        }
    }
}

// The picture's pixels from Pipe while KWin answers Call: read as they come,
// for KWin may write them before or after it answers, until the answer has
// come and its stride times height bytes with it (or the pipe has ended).
QByteArray ReadPixels(int Pipe, QDBusPendingCall& Call, QVariantMap& Meta) {
    QByteArray Data;
    qsizetype Expected = -1;
    for (;;) {
        if (Expected < 0 && Call.isFinished()) {
            const QDBusReply<QVariantMap> Reply = Call.reply();
            if (!Reply.isValid())
                return QByteArray();
            Meta = Reply.value();
            Expected = qsizetype(Meta.value(QStringLiteral("stride")).toInt()) *
                       Meta.value(QStringLiteral("height")).toInt();
        }
        if (Expected >= 0 && Data.size() >= Expected)
            return Data;
        pollfd Wait = {Pipe, POLLIN, 0};
        if (poll(&Wait, 1, 50) > 0) {
            char Buffer[65536];
            const ssize_t Got = read(Pipe, Buffer, sizeof Buffer);
            if (Got > 0)
                Data.append(Buffer, Got);
            else if (Got == 0 && Expected >= 0)
                return Data;
        }
        QCoreApplication::processEvents();
    }
}

int TakeShot(const QString& File) {
    int Pipe[2];
    if (pipe(Pipe) != 0)
        return Fail(QStringLiteral("no pipe"));
    QDBusInterface Shots(QStringLiteral("org.kde.KWin"),
                         QStringLiteral("/org/kde/KWin/ScreenShot2"),
                         QStringLiteral("org.kde.KWin.ScreenShot2"));
    const QVariantMap Options = {{QStringLiteral("include-decoration"), true},
                                 {QStringLiteral("include-shadow"), false},
                                 {QStringLiteral("include-cursor"), false},
                                 {QStringLiteral("native-resolution"), true}};
    QDBusPendingCall Call = Shots.asyncCall(QStringLiteral("CaptureActiveWindow"), Options,
                                            QVariant::fromValue(QDBusUnixFileDescriptor(Pipe[1])));
    close(Pipe[1]);
    QVariantMap Meta;
    const QByteArray Data = ReadPixels(Pipe[0], Call, Meta);
    close(Pipe[0]);
    if (Meta.isEmpty())
        return Fail(QStringLiteral("no picture: ") + Call.error().message());
    const int Width = Meta.value(QStringLiteral("width")).toInt();
    const int Height = Meta.value(QStringLiteral("height")).toInt();
    const int Stride = Meta.value(QStringLiteral("stride")).toInt();
    const auto Format = static_cast<QImage::Format>(Meta.value(QStringLiteral("format")).toInt());
    if (Width <= 0 || Height <= 0 || Data.size() < qsizetype(Stride) * Height)
        return Fail(QStringLiteral("a picture of %1x%2 with %3 bytes")
                        .arg(Width)
                        .arg(Height)
                        .arg(Data.size()));
    const QImage Picture(reinterpret_cast<const uchar*>(Data.constData()), Width, Height, Stride,
                         Format);
    if (!Picture.save(File, "PNG"))
        return Fail(QStringLiteral("could not write ") + File);
    std::printf("%dx%d\n", Width, Height);
    return 0;
}

} // namespace

int main(int Argc, char* Argv[]) {
    const sigset_t Signals = KeyboardSignals();
    pthread_sigmask(SIG_BLOCK, &Signals, nullptr);
    QCoreApplication Application(Argc, Argv);
    const QStringList Arguments = Application.arguments().mid(1);
    if (Arguments.size() == 2 && Arguments[0] == QLatin1String("keyboard")) {
        if (Arguments[1] == QLatin1String("mutter")) {
            TMutterKeyboard Keyboard;
            return RunKeyboard(Keyboard);
        }
        if (Arguments[1] == QLatin1String("kwin")) {
            TKwinKeyboard Keyboard;
            return RunKeyboard(Keyboard);
        }
    }
    if (Arguments.size() == 2 && Arguments[0] == QLatin1String("shot"))
        return TakeShot(Arguments[1]);
    std::fprintf(stderr, "usage: morvane_test_desktop keyboard mutter|kwin\n"
                         "       morvane_test_desktop shot FILE\n");
    return 2;
}
