// The main window's drawing area and the picture that covers the window at
// start-up. The strings, the space-time picture and the lattice experiments'
// pictures are drawn on the window's canvas; the area left of the page
// controls and clear of the toolbar and the status bar is where they can be
// seen. The canvas's origin is the area's corner and the canvas keeps every
// drawing inside the area.
#include "app/TForm1.h"

#include <algorithm>

QRect TForm1::DrawingArea() const
{
    const QRect between = scrolledPart();
    const int right = std::min(PageControl1->geometry().left(), PageControl2->geometry().left());
    return QRect(0, between.top(), right, between.height());
}

void TForm1::LayOutDrawingArea()
{
    const QRect area = DrawingArea();
    canvas().setClip(area);
    canvas().setOrigin(area.topLeft());
}

namespace {

constexpr TColor kStartBackground = RGBColor(233, 240, 230);

// The start picture on the background colour, cropped to what it draws: the
// crop, not the fonts' line heights and side bearings, is what gets centred.
QImage StartPicture()
{
    const QString title = "String workbench";
    const QString about = "Strings of cells under a mask rule: their runs, and the transition tables learned from them.";
    const QString hint = "Click anywhere to begin.";
    const int cell = 25, columns = 27, rows = 9;
    constexpr int gap = 24, margin = 16;
    Canvas c(1, 1, kStartBackground);
    const auto setFont = [&c](int size, bool bold, TColor color) {
        c.font.size = size;
        c.font.bold = bold;
        c.font.color = color;
    };
    setFont(32, true, ColorNavy);
    const int titleWidth = c.textWidth(title), titleHeight = c.textHeight(title);
    setFont(13, false, ColorBlack);
    const int aboutWidth = c.textWidth(about), aboutHeight = c.textHeight(about);
    setFont(15, true, ColorMaroon);
    const int hintWidth = c.textWidth(hint), hintHeight = c.textHeight(hint);
    const int width = std::max({titleWidth, aboutWidth, hintWidth, columns * cell}) + 2 * margin;
    const int height = titleHeight + gap + aboutHeight + gap + hintHeight + 2 * gap + rows * cell + 2 * margin;
    c.resize(width, height, kStartBackground);

    const int centreX = width / 2;
    int y = margin;
    c.brush.style = BrushStyle::Clear;
    setFont(32, true, ColorNavy);
    c.textOut(centreX - titleWidth / 2, y, title);
    y += titleHeight + gap;
    setFont(13, false, ColorBlack);
    c.textOut(centreX - aboutWidth / 2, y, about);
    y += aboutHeight + gap;
    setFont(15, true, ColorMaroon);
    c.textOut(centreX - hintWidth / 2, y, hint);
    y += hintHeight + 2 * gap;

    // A few rows of a space-time picture: the phase stripes with the marks of a
    // run of strings A and B, as the workbench draws them.
    static constexpr TColor kPhase[3] = {ColorInactiveCaption, kStartBackground, RGBColor(255, 128, 128)};
    const int left = centreX - columns * cell / 2, top = y;
    for (int t = 0; t < rows; ++t) {
        c.pen.style = PenStyle::Clear;
        c.brush.style = BrushStyle::Solid;
        c.brush.color = kPhase[t % 3];
        c.fillRect(left, top + t * cell, left + columns * cell, top + (t + 1) * cell);
        for (int col = 0; col < columns; ++col) {
            const int x = left + col * cell, yy = top + t * cell;
            const int value = (col * 7 + t * 5 + (col * t) % 4) % 3;
            if (value == 0) {
                c.brush.color = RGBColor(128, 128, 128);
                c.polygon({QPoint(x, yy + cell), QPoint(x + cell / 2, yy + cell / 2), QPoint(x + cell, yy + cell)});
            } else if (value == 2) {
                c.brush.color = ColorLime;
                c.ellipse(x + 5, yy + 5, x + cell - 5, yy + cell - 5);
            }
        }
    }

    const QImage& image = c.image();
    const QRgb background = image.pixel(0, 0);
    QRect drawn;
    for (int py = 0; py < image.height(); ++py) {
        const auto* line = reinterpret_cast<const QRgb*>(image.constScanLine(py));
        for (int px = 0; px < image.width(); ++px)
            if (line[px] != background) {
                drawn |= QRect(px, py, 1, 1);
                break;
            }
        for (int px = image.width() - 1; px >= 0; --px)
            if (line[px] != background) {
                drawn |= QRect(px, py, 1, 1);
                break;
            }
    }
    return image.copy(drawn);
}

} // namespace

// The picture is centred in the part of Image17 the window shows, so that a
// window smaller than its client shows it whole; it is drawn again whenever that
// part changes while the picture is up.
void TForm1::DrawStartPicture()
{
    Canvas& c = Image17->canvas();
    const int w = c.width(), h = c.height();
    c.brush.style = BrushStyle::Solid;
    c.brush.color = kStartBackground;
    c.fillRect(0, 0, w, h);

    static const QImage picture = StartPicture();
    QRect seen = Image17->geometry().intersected(shownPart()).translated(-Image17->pos());
    if (seen.width() < picture.width() || seen.height() < picture.height())   // not laid out yet: the whole picture
        seen = QRect(0, 0, w, h);
    c.draw(seen.left() + (seen.width() - picture.width()) / 2, seen.top() + (seen.height() - picture.height()) / 2,
           picture);
}
