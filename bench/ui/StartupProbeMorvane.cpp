// The program's own start-up (locale settings, application object, title,
// windows, show), ended at the main window's first paint.
#include "Application.h"
#include "FirstPaint.h"
#include "LocaleSettings.h"
#include "PictureFormats.h"
#include "ProgramWindows.h"

#include <QWidget>

int main(int argc, char* argv[]) {
    LoadLocaleSettings(QLocale::system());
    RegisterJpegFormat();
    TApplication Application(argc, argv);
    TFirstPaint Probe;
    return RunStartUp([&Probe] {
        QWidget* Main = CreateProgramWindows();
        Main->installEventFilter(&Probe);
        return Main;
    });
}
