#include "ProgramWindows.h"

#include "Main.h"

QWidget* CreateProgramWindows() {
    frmMainForm = new TfrmMainForm();
    return frmMainForm;
}
