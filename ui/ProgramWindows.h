// The program's windows, created in start-up order.
#pragma once

class QWidget;

// Creates the main window frmMainForm and then the About window frmAbout,
// hidden (each one's FormCreate runs inside its own guard; the About
// window's reads the version strings, once), and returns the main window,
// not yet shown. The JPEG format must be registered first. An error outside
// the creation handlers escapes to the caller (start-up's last resort).
QWidget* CreateProgramWindows();
