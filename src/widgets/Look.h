// The look every window of the workbench is laid out in: Qt's Fusion style and
// DejaVu Sans, the font family the install script installs, at 12 pixels (9
// points on a 96 dpi screen). The layouts place their controls in pixels and
// give each caption the room it needs in this look, so neither the desktop's
// style and fonts nor the fonts a machine happens to have may choose it.
// Glyphs are hinted vertically only, whatever the machine's font settings say:
// full hinting widens many texts by a pixel or more.
#pragma once

#include <QFont>

inline constexpr const char* kWorkbenchFontFamily = "DejaVu Sans";
inline constexpr int kWorkbenchFontPixels = 12;

// The workbench's font at a pixel size.
QFont WorkbenchFont(int pixelSize = kWorkbenchFontPixels);

// Makes the look the application's; before the first window is built.
void UseWorkbenchLook();
