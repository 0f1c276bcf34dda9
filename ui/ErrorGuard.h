// The program's one error path: a guard around every event handler and every
// window's creation handler, and the message box that shows what it caught.
//
// Nothing a handler raises ever crosses the toolkit's event loop: the guard
// catches it, shows it and lets dispatch go on. Guards nest; a change event
// raised synchronously inside another handler is guarded on its own, so the
// outer handler carries on with its next step after the inner error is shown.
#pragma once

#include "MessageText.h"

#include <QString>

#include <exception>
#include <functional>
#include <memory>
#include <utility>

class QMessageBox;
class QWidget;

// Shows one message. Caption is the box's title, Text the finished message.
// The default display is a critical message box with a single OK button,
// modal to the whole application, belonging to the active window (else to
// the main window while it is shown); tests swap in a recorder.
using TErrorDisplay = std::function<void(const QString& Caption, const QString& Text)>;

// The default display's box, not yet shown: Text exactly as given, as plain
// text (no markup is read), wrapped inside the box when it is long, within a
// word too when that word is wider than the box may grow; Caption as its
// title, which the box is wide enough to show in full (TitleBarWidth); stop
// icon, one OK button, modal to the whole application.
std::unique_ptr<QMessageBox> CreateErrorBox(const QString& Caption, const QString& Text,
                                            QWidget* Parent = nullptr);

// Installs Display (an empty function restores the message box) and returns
// the display that was in force before.
TErrorDisplay SetErrorDisplay(TErrorDisplay Display);

// Shows Caption and Text through the display in force. Raises nothing.
void ShowMessageBox(const QString& Caption, const QString& Text) noexcept;

// The application title: caption of the main window and of every error box.
// Empty until start-up sets it.
QString ApplicationTitle();
void SetApplicationTitle(const QString& Title);

// Releases an explicit mouse grab, which a modal box would otherwise leave
// with the control that holds it. (A spin button held down lets go by itself
// when the box blocks its window.)
void CancelMouseCapture();

// The error display: cancels the mouse capture, applies the full-stop rule and
// shows Message in a box captioned with the application title. Raises nothing.
void ShowError(const QString& Message) noexcept;

// Shows the error being handled (call only inside a catch block): the text of
// a std::exception in the user's language (ErrorText), or a generic text for
// anything else. Raises nothing.
void ShowCurrentError() noexcept;

// Runs Handler; an error it raises is shown by ShowError and not passed on.
template <class F> void Guarded(F&& Handler) noexcept {
    try {
        std::forward<F>(Handler)();
    } catch (...) {
        ShowCurrentError();
    }
}

// Wraps a member-function handler of Window into a guarded callable for
// connect(): GuardedHandler(this, &TfrmMainForm::cmdResetClick).
template <class W, class... Args> auto GuardedHandler(W* Window, void (W::*Handler)(Args...)) {
    return [Window, Handler](Args... A) { Guarded([&] { (Window->*Handler)(A...); }); };
}
