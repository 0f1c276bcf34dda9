// Shared by the start-up probes: reports the first paint of a window on
// standard output ("painted") and ends the event loop.
#pragma once

#include <QCoreApplication>
#include <QEvent>
#include <QObject>

#include <cstdio>

class TFirstPaint : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* Watched, QEvent* Event) override {
        if (Event->type() == QEvent::Paint && !FDone) {
            FDone = true;
            // After this paint has been drawn, not before.
            QMetaObject::invokeMethod(
                this,
                [] {
                    std::fputs("painted\n", stdout);
                    std::fflush(stdout);
                    QCoreApplication::quit();
                },
                Qt::QueuedConnection);
        }
        return QObject::eventFilter(Watched, Event);
    }

private:
    bool FDone = false;
};
