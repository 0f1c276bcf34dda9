#include "ProgramWindows.h"

#include "AboutForm.h"
#include "Main.h"

QWidget* CreateProgramWindows() {
    frmMainForm = new TfrmMainForm();
    // Owned by the main window, so it goes when the main window goes.
    frmAbout = new TfrmAbout(frmMainForm);
    frmMainForm->SetAboutWindow(frmAbout);
    return frmMainForm;
}
