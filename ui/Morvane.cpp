// The program body: loads the user's date settings and the JPEG format,
// creates the application object and runs the program (title, windows,
// event loop).
#include "AboutForm.h"
#include "Application.h"
#include "LocaleSettings.h"
#include "Main.h"
#include "PictureFormats.h"

namespace {

// Creates the program's windows, the main window first; it is the one
// returned. The About window is created hidden, owned by the main window so
// that it goes when the main window goes, and its FormCreate reads the
// version strings now, once.
QWidget* CreateWindows() {
    frmMainForm = new TfrmMainForm();
    frmAbout = new TfrmAbout(frmMainForm);
    frmMainForm->SetAboutWindow(frmAbout);
    return frmMainForm;
}

} // namespace

int main(int argc, char* argv[]) {
    LoadLocaleSettings(QLocale::system());
    RegisterJpegFormat();
    TApplication Application(argc, argv);
    return RunStartUp(CreateWindows);
}
