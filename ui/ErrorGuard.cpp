#include "ErrorGuard.h"

#include <QApplication>
#include <QMessageBox>
#include <QWidget>

#include <map>

namespace {

TErrorDisplay& InstalledDisplay() {
    static TErrorDisplay D;
    return D;
}

QString& Title() {
    static QString T;
    return T;
}

std::map<int, std::function<void()>>& Cancellers() {
    static std::map<int, std::function<void()>> C;
    return C;
}

// The stock display: stop icon, one OK button, application-modal, owned by
// the active window so it opens over it.
void MessageBoxDisplay(const QString& Caption, const QString& Text) {
    QMessageBox Box(QMessageBox::Critical, Caption, Text, QMessageBox::Ok,
                    QApplication::activeWindow());
    Box.setWindowModality(Qt::ApplicationModal);
    Box.exec();
}

} // namespace

TErrorDisplay SetErrorDisplay(TErrorDisplay NewDisplay) {
    return std::exchange(InstalledDisplay(), std::move(NewDisplay));
}

void ShowMessageBox(const QString& Caption, const QString& Text) noexcept {
    try {
        if (InstalledDisplay())
            InstalledDisplay()(Caption, Text);
        else
            MessageBoxDisplay(Caption, Text);
    } catch (...) {
        // A failing display has nowhere left to report to; the event loop
        // must still not see the error.
    }
}

QString ApplicationTitle() {
    return Title();
}

void SetApplicationTitle(const QString& NewTitle) {
    Title() = NewTitle;
}

int AddCaptureCanceller(std::function<void()> Cancel) {
    static int NextId = 0;
    Cancellers().emplace(++NextId, std::move(Cancel));
    return NextId;
}

void RemoveCaptureCanceller(int Id) {
    Cancellers().erase(Id);
}

void CancelMouseCapture() {
    if (QWidget* Grabber = QWidget::mouseGrabber())
        Grabber->releaseMouse();
    for (auto& [Id, Cancel] : Cancellers())
        Cancel();
}

void ShowError(const QString& Message) noexcept {
    try {
        CancelMouseCapture();
        ShowMessageBox(ApplicationTitle(), WithFullStop(Message));
    } catch (...) {
    }
}

void ShowCurrentError() noexcept {
    try {
        throw;
    } catch (const std::exception& E) {
        ShowError(QString::fromUtf8(E.what()));
    } catch (...) {
        ShowError(QStringLiteral("Unknown error"));
    }
}
