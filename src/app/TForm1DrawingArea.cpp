// The main window's drawing area and the picture that covers the window at
// start-up. The strings, the space-time picture and the lattice experiments'
// pictures are drawn on the window's canvas; the area left of the page
// controls and clear of the toolbar and the status bar is where they can be
// seen. The canvas's origin is the area's corner and the canvas keeps every
// drawing inside the area.
#include "app/TForm1.h"

#include "widgets/StatusBar.h"

#include <algorithm>

QRect TForm1::DrawingArea() const
{
    const QSize client = clientSize();
    int top = 0;
    int bottom = client.height();
    if (!StatusBar1->isHidden()) {
        if (StatusBar1->edge() == StatusBar::Edge::Top)
            top = std::max(top, StatusBar1->geometry().bottom() + 1);
        else
            bottom = std::min(bottom, StatusBar1->geometry().top());
    }
    if (!ControlBar1->isHidden())
        top = std::max(top, ControlBar1->geometry().bottom() + 1);
    const int right = std::min(PageControl1->geometry().left(), PageControl2->geometry().left());
    return QRect(0, top, right, std::max(0, bottom - top));
}

void TForm1::LayOutDrawingArea()
{
    const QRect area = DrawingArea();
    canvas().setClip(area);
    canvas().setOrigin(area.topLeft());
}

void TForm1::DrawStartPicture()
{
    Canvas& c = Image17->canvas();
    const int w = c.width(), h = c.height();
    c.brush.style = BrushStyle::Solid;
    c.brush.color = RGBColor(233, 240, 230);
    c.fillRect(0, 0, w, h);

    // A few rows of a space-time picture: the phase stripes with the marks of a
    // run of strings A and B, as the workbench draws them.
    static constexpr TColor kPhase[3] = {ColorInactiveCaption, RGBColor(233, 240, 230), RGBColor(255, 128, 128)};
    const int cell = 25, columns = 27, rows = 9;
    const int left = (w - columns * cell) / 2, top = h / 2 + 40;
    for (int t = 0; t < rows; ++t) {
        c.pen.style = PenStyle::Clear;
        c.brush.style = BrushStyle::Solid;
        c.brush.color = kPhase[t % 3];
        c.fillRect(left, top + t * cell, left + columns * cell, top + (t + 1) * cell);
        for (int col = 0; col < columns; ++col) {
            const int x = left + col * cell, y = top + t * cell;
            const int value = (col * 7 + t * 5 + (col * t) % 4) % 3;
            if (value == 0) {
                c.brush.color = RGBColor(128, 128, 128);
                c.polygon({QPoint(x, y + cell), QPoint(x + cell / 2, y + cell / 2), QPoint(x + cell, y + cell)});
            } else if (value == 2) {
                c.brush.color = ColorLime;
                c.ellipse(x + 5, y + 5, x + cell - 5, y + cell - 5);
            }
        }
    }

    c.brush.style = BrushStyle::Clear;
    c.font.bold = true;
    c.font.size = 32;
    c.font.color = ColorNavy;
    const QString title = "String workbench";
    c.textOut((w - c.textWidth(title)) / 2, h / 2 - 170, title);
    c.font.bold = false;
    c.font.size = 13;
    c.font.color = ColorBlack;
    const QString about = "Strings of cells under a mask rule: their runs, and the transition tables learned from them.";
    c.textOut((w - c.textWidth(about)) / 2, h / 2 - 100, about);
    c.font.bold = true;
    c.font.size = 15;
    c.font.color = ColorMaroon;
    const QString hint = "Click anywhere to begin.";
    c.textOut((w - c.textWidth(hint)) / 2, h / 2 - 40, hint);
}
