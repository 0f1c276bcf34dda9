// The program body: loads the user's date settings, creates the application
// object and runs the program (title, windows, event loop).
#include "Application.h"
#include "LocaleSettings.h"
#include "Main.h"

namespace {

// Creates the program's windows, the main window first; it is the one
// returned.
QWidget* CreateWindows() {
    frmMainForm = new TfrmMainForm();
    return frmMainForm;
}

} // namespace

int main(int argc, char* argv[]) {
    LoadLocaleSettings(QLocale::system());
    TApplication Application(argc, argv);
    return RunStartUp(CreateWindows);
}
