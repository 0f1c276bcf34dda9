// Shared by the window tests: a recorder that stands in for the error box,
// the keyboard helpers of tools/ui-driving, and a test main that runs under
// the program's own application object.
#pragma once

#include "Application.h"
#include "DatePicker.h"
#include "DateRoutines.h"
#include "ErrorGuard.h"
#include "KeyboardDriving.h"
#include "LocaleSettings.h"

#include <QLineEdit>
#include <QTest>

// Records every message the error display would show instead of opening a
// box; restores the previous display when destroyed.
class TErrorRecorder {
public:
    struct TEntry {
        QString Caption;
        QString Text;
    };

    TErrorRecorder()
        : FPrevious(SetErrorDisplay([this](const QString& Caption, const QString& Text) {
              Entries.append({Caption, Text});
          })) {}
    ~TErrorRecorder() { SetErrorDisplay(FPrevious); }
    TErrorRecorder(const TErrorRecorder&) = delete;
    TErrorRecorder& operator=(const TErrorRecorder&) = delete;

    QStringList Texts() const {
        QStringList T;
        for (const TEntry& E : Entries)
            T += E.Text;
        return T;
    }

    QList<TEntry> Entries;

private:
    TErrorDisplay FPrevious;
};

inline TDateTime Day(int Year, int Month, int DayOfMonth) {
    return MakeDate(Year, Month, DayOfMonth);
}

// A test main that builds the program's application object (with its event
// guard) instead of a plain QApplication.
#define MORVANE_TEST_MAIN(TestClass)                                                               \
    int main(int argc, char* argv[]) {                                                             \
        LoadLocaleSettings(QLocale::system());                                                     \
        TApplication App(argc, argv);                                                              \
        TestClass Test;                                                                            \
        return QTest::qExec(&Test, argc, argv);                                                    \
    }
