// The program's windows, created in start-up order.
#pragma once

class QWidget;

// Creates the main window frmMainForm (its FormCreate runs inside its own
// guard) and returns it, not yet shown. An error outside the creation
// handlers escapes to the caller (start-up's last resort).
QWidget* CreateProgramWindows();
