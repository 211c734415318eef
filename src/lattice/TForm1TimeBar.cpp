// The time bar and the large step digits on the main window's canvas. The
// bar's rectangle and total come from the video settings window; both
// markers invert the bar column by column in not-xor, so drawing a column
// twice restores it.
#include "app/FormHelpers.h"
#include "app/TForm1.h"

#include "base/NumericHelpers.h"
#include "base/Square.h"
#include "base/ViewTransform.h"
#include "engine/StringPaint.h"
#include "engine/StringState.h"
#include "lattice/LatticeSettings.h"
#include "lattice/SecondStepCount.h"
#include "lattice/TimeBar.h"
#include "lattice/VideoSettings.h"

#include <algorithm>
#include <cstdlib>

namespace {

// The line (x, top)-(x, bottom) without its end point, cut to the canvas:
// the same pixels, each inverted once, however far the edges lie outside.
void BarColumn(Canvas& c, int x, int top, int bottom)
{
    if (x < 0 || x >= c.width() || top == bottom)
        return;
    const int lo = std::max(top < bottom ? top : bottom + 1, 0);
    const int hi = std::min(top < bottom ? bottom - 1 : top, c.height() - 1);
    if (lo > hi)
        return;
    c.moveTo(x, lo);
    c.lineTo(x, hi + 1);
}

// Columns from .. to - 1 of the bar, only those on the canvas; the pen ends
// where the last line would have left it.
void BarColumns(Canvas& c, int32_t from, int32_t to)
{
    if (from >= to)
        return;
    const int32_t end = std::min(to, c.width());
    for (int32_t x = std::max(from, 0); x < end; ++x)
        BarColumn(c, x, timeBarTop, timeBarBottom);
    c.moveTo(to - 1, timeBarBottom);
}

void MaroonBarPen(Canvas& c)
{
    c.pen.mode = PenMode::NotXor;
    c.pen.style = PenStyle::Clear;
    c.pen.width = 3;
    c.brush.color = ColorMaroon;
    c.brush.style = BrushStyle::Solid;
}

int ScreenX(double x) { return static_cast<int>(WorldToScreenX(x)); }
int ScreenY(double y) { return static_cast<int>(WorldToScreenY(y)); }

} // namespace

void TForm1::N701Click()
{
    Canvas& c = canvas();
    MaroonBarPen(c);
    c.rectangle(timeBarLeft, timeBarTop, timeBarRight, timeBarBottom);
}

void TForm1::Button60Click()
{
    Canvas& c = canvas();
    c.pen.mode = PenMode::NotXor;
    c.pen.style = PenStyle::Solid;
    c.pen.color = ColorBlack;
    c.pen.width = 1;
    timeBarMarker1 = TimeBarX(stepCount);
    timeBarMarker2 = TimeBarX(secondStepCount);
    BarColumns(c, timeBarDrawn1, timeBarMarker1);
    timeBarDrawn1 = timeBarMarker1;
    BarColumns(c, timeBarMarker2, timeBarDrawn2);
    timeBarDrawn2 = timeBarMarker2;
}

// The marker this sets is recomputed by the next advance before it is drawn.
void TForm1::Edit9Change()
{
    timeBarMarker1 = EditNumber(Edit9);
}

void TForm1::Rislll1Click()
{
    Canvas& c = canvas();
    MaroonBarPen(c);
    c.pen.color = ColorBlack;
    timeBarDrawn1 = TimeBarX(stepCount);
    if (stepCount < TimeBarTotal())
        c.rectangle(timeBarLeft, timeBarTop, timeBarDrawn1, timeBarBottom);
}

void TForm1::Button64Click()
{
    Canvas& c = canvas();
    c.pen.mode = PenMode::Copy;
    c.pen.style = PenStyle::Solid;
    c.pen.width = 4;
    c.pen.color = ColorBlack;
    digitDisplayValue = AbsInt(stepCount);
    // The true magnitude: -2147483648 is drawn as such, though it has no int32.
    const auto magnitude = static_cast<uint32_t>(std::llabs(static_cast<long long>(stepCount)));
    if (stepCount >= 0) {
        DrawDigitsFrom(magnitude, 0);
        return;
    }
    c.moveTo(ScreenX(20), ScreenY(40));
    c.lineTo(ScreenX(40), ScreenY(40));
    DrawDigitsFrom(magnitude, 1);
}

void TForm1::Button76KeyDown(int key)
{
    int32_t* edge = nullptr;
    int32_t by = 0;
    switch (key) {
    case Qt::Key_B: edge = &timeBarTop; by = 1; break;
    case Qt::Key_J: edge = &timeBarTop; by = -1; break;
    case Qt::Key_V: edge = &timeBarBottom; by = 1; break;
    case Qt::Key_H: edge = &timeBarBottom; by = -1; break;
    case Qt::Key_G: edge = &timeBarLeft; by = -1; break;
    case Qt::Key_M: edge = &timeBarLeft; by = 1; break;
    case Qt::Key_K: edge = &timeBarRight; by = -1; break;
    case Qt::Key_N: edge = &timeBarRight; by = 1; break;
    default: return;
    }
    N701Click();   // erases the bar where it stands
    *edge = ClampTimeBarEdge(*edge + by);
    N701Click();
}

void TForm1::DO4Click()
{
    Canvas& c = canvas();
    c.brush.color = ColorButtonFace;
    c.brush.style = BrushStyle::Solid;
    const int side = 5 * UsedSquareRows() + 5;
    c.fillRect(0, 0, side, side);
}
