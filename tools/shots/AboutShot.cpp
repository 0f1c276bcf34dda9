// Renders the About window, built as the program builds it and reading this
// tool's own version information (the program's), into the PNG file named
// on the command line. Run it on a real display server (Xvfb) to see the
// window as a user would.
#include "AboutForm.h"
#include "Application.h"
#include "ApplicationIcon.h"
#include "ErrorGuard.h"
#include "PictureFormats.h"
#include "Translations.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QPixmap>
#include <QScreen>

#include <cstdio>

int main(int argc, char* argv[]) {
    RegisterJpegFormat();
    QApplication App(argc, argv);
    App.setWindowIcon(ApplicationIcon()); // as the program's application object does
    LoadTranslations();
    if (argc != 2) {
        std::fprintf(stderr, "usage: morvane_about_shot <out.png>\n");
        return 2;
    }
    SetApplicationTitle(MorvaneTitle());
    TfrmAbout About;
    About.show();
    // Let the window be mapped and painted before its pixels are read.
    QElapsedTimer Waited;
    Waited.start();
    while (Waited.elapsed() < 1500)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 50);

    QPixmap Shot;
    const char* Source = "the display server";
    if (QScreen* Screen = About.screen())
        Shot = Screen->grabWindow(About.winId());
    if (Shot.isNull() || Shot.deviceIndependentSize().toSize() != About.size()) {
        Shot = About.grab(); // no pixels from the display server: paint it
        Source = "the window's own painting";
    }
    if (!Shot.save(QString::fromLocal8Bit(argv[1]))) {
        std::fprintf(stderr, "cannot write %s\n", argv[1]);
        return 1;
    }
    std::printf("%s: %dx%d, from %s\n", argv[1], Shot.width(), Shot.height(), Source);
    return 0;
}
