// Where windows open: the main window on its screen, every other window and box
// centred on the main window, each with its frame wholly on the screen's
// available area (as far as the window is not larger than that area).
#pragma once

#include <QMargins>
#include <QRect>

class QWidget;

// The window that secondary windows and boxes open over; nullptr = none yet.
void SetMainWindow(QWidget* window);
QWidget* MainWindow();

// The frame a window gets from the desktop: its own once it has been shown,
// else the main window's, else a generous guess for a title bar and borders.
QMargins FrameMargins(const QWidget* window);

// The available area of the screen the window opens on (the main window's).
QRect AvailableScreenArea(const QWidget* window);

// Moves a window that is about to open: centred on the main window (or on the
// screen, for the main window itself and while there is none), then shifted
// so that its frame lies within the screen's available area.
void PlaceOnOpening(QWidget* window);
