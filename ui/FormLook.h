// The look the program's windows share: their font, their button-face
// background, the room a title bar needs and where a window is placed.
#pragma once

#include <QFont>
#include <QString>

class QFrame;
class QWidget;

// Tahoma 8 point where installed, else DejaVu Sans 8 point, else the
// toolkit's default sans-serif face at 8 point.
QFont FormFont();

// Gives Form the button-face background that the program's windows use.
void PaintFormFace(QWidget* Form);

// Draws Box's frame once more over Box and the controls inside it, so that
// it shows whole at every device pixel ratio. A scroll area lays its
// viewport and scroll bars out in whole pixels within its frame; at a
// fractional ratio (1.5, say) the frame's last row and column fall on device
// pixels that those controls, painted after the frame, cover; and where
// Box's edge falls within a device pixel (1.25, 1.75) its first row and
// column fall on a pixel that Box may not paint. The cover, a sibling of Box
// a little larger than it, lets the mouse through and takes no focus.
void KeepFrameOnTop(QFrame* Box);

// The width a title bar needs to show Title in full. The window manager
// draws the title bar, in a font and with buttons of its own that the window
// cannot ask for, so this is an estimate on the generous side: Title in the
// font Qt reports for window titles (QFontDatabase::TitleFont: the platform
// theme's where it knows the window manager's, else the toolkit's default
// font), bold, at no less than 11 points (GNOME's default, "Cantarell Bold
// 11", the largest among common window managers; Openbox's default theme
// takes sans bold 8); beside four buttons (window icon, minimise, maximise,
// close: a window manager may show them all whatever the window asks for),
// each with its spacing taken as twice the font's height (Openbox's default
// theme takes 103 pixels beside the text of a 13-pixel high title for its
// four and their spacing); and an average character's room on each side.
int TitleBarWidth(const QWidget* Window, const QString& Title);

// The height a window manager's frame adds to a window: its title bar and
// its borders. An estimate on the generous side, as TitleBarWidth's: two and
// a half lines of the font TitleBarWidth takes (GNOME's title bar, the
// tallest among common window managers, is twice its font's line).
int FrameHeight(const QWidget* Window);

// Places Window centred on the available area of the primary screen, where
// the desktop puts the windows a program opens (whichever screen is at the
// desktop's origin); a left or top edge that would come out negative is set
// to 0. Over, when given, centres it over that window instead.
void CentreWindow(QWidget* Window, const QWidget* Over = nullptr);

// Shows Window centred on the primary screen by its frame. The frame is the
// window manager's, and on X11 its size is known only once the window
// manager has put it around the shown window: Window is then centred once
// more, at the first move or resize that reports it. That one move is all:
// where a window manager or compositor places windows itself, or ignores the
// move, Window stays where it put it.
void ShowCentred(QWidget* Window);
