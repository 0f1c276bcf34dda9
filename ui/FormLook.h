// The look the program's windows share: their font, their button-face
// background, the room a title bar needs and where a window is placed.
#pragma once

#include <QFont>
#include <QString>

class QWidget;

// Tahoma 8 point where installed, else DejaVu Sans 8 point, else the
// toolkit's default sans-serif face at 8 point.
QFont FormFont();

// Gives Form the button-face background that the program's windows use.
void PaintFormFace(QWidget* Form);

// The width a title bar needs to show Title in full: the text in the
// title-bar font (the application's font for title bars, which a platform
// theme sets to the window manager's; bold, as window managers mostly draw
// titles) with an average character's room on each side, beside the window
// icon and the minimise, maximise and close buttons where the style lays
// them out in a title bar (a window manager may show all three whatever
// buttons the window asks for).
int TitleBarWidth(const QWidget* Window, const QString& Title);

// Places Window centred on the available area of its screen; a left or top
// edge that would come out negative is set to 0. Over, when given, centres
// it over that window instead.
void CentreWindow(QWidget* Window, const QWidget* Over = nullptr);
