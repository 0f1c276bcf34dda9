// The program body: loads the user's date settings and the JPEG format,
// creates the application object (which installs the texts in the user's
// language) and runs the program (title, windows, event loop).
#include "Application.h"
#include "LocaleSettings.h"
#include "PictureFormats.h"
#include "ProgramWindows.h"

int main(int argc, char* argv[]) {
    LoadLocaleSettings(QLocale::system());
    RegisterJpegFormat();
    TApplication Application(argc, argv);
    return RunStartUp(CreateProgramWindows);
}
