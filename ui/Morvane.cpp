// The program body: loads the user's date settings, creates the application
// object and runs the program (title, windows, event loop).
#include "Application.h"
#include "LocaleSettings.h"
#include "ProgramWindows.h"

int main(int argc, char* argv[]) {
    LoadLocaleSettings(QLocale::system());
    TApplication Application(argc, argv);
    return RunStartUp(CreateProgramWindows);
}
