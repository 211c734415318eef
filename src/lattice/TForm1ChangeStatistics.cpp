// The change statistics of the 70 x 70 experiments on the main window: the
// boundary maps, the span marks with their dashes, the statistics display
// ("NAK") and its reset.
#include "app/TForm1.h"

#include "base/NumericHelpers.h"
#include "engine/StringState.h"
#include "lattice/ChangeStatistics.h"
#include "lattice/RiverFrames.h"
#include "lattice/TForm1CanvasBlocks.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>

namespace {

constexpr int kMainReBl = 2;     // items of "MAIN"

constexpr int kMainNak = 3;

TColor MarkColour(int8_t mark, TColor vanished, TColor appeared)
{
    return mark > 0 ? vanished : appeared;
}

// Bar colour of "RE - BL" with "GLAVN UNV": by |v| mod 12.
TColor BarColour(int32_t v)
{
    static const TColor kColours[6] = {ColorGreen, ColorLime, ColorRed, ColorFuchsia, ColorBlue, ColorNavy};
    const int64_t m = std::llabs(static_cast<int64_t>(v)) % 12;
    return kColours[(m / 4) * 2 + (m % 2)];
}

// A bar's vertical edge 3j + base - 6v kept within what the canvas can take.
int BarEdge(int j, int base, int32_t v)
{
    const int64_t y = 3 * int64_t(j) + base - 6 * int64_t(v);
    return static_cast<int>(std::clamp<int64_t>(y, -100000, 100000));
}

} // namespace

void TForm1::Button63Click()
{
    PushBoundaryMaps();
    // Later drawing relies on the pen this leaves.
    Canvas& c = canvas();
    c.pen.mode = PenMode::Copy;
    c.pen.style = PenStyle::Solid;
    c.pen.color = ColorOlive;
    c.pen.width = 1;
}

void TForm1::Button67Click()
{
    MakeSpanMarks();
    if (!IsIZM1->isChecked())
        return;
    const int item = RadioGroup6->itemIndex();
    const ChangeSpanMaps* x = ChangeSpan(item, true);
    const ChangeSpanMaps* y = ChangeSpan(item, false);
    if (x == nullptr)
        return;   // no span chosen: counted, not drawn
    Canvas& c = canvas();
    c.pen.mode = PenMode::Copy;
    c.pen.style = PenStyle::Solid;
    c.pen.width = statPenWidth;
    const int rows = StatRows();
    const int columns = StatColumns();
    for (int i = 0; i < rows; ++i)
        for (int j = 0; j < columns; ++j) {
            const int px = 5 * j + 5;
            const int py = 5 * i + 5;
            if (const int8_t m = x->mark[i][j]; m != 0) {
                c.pen.color = MarkColour(m, ColorBlack, ColorWhite);
                c.moveTo(px - 4, py - 3);
                c.lineTo(px + 1, py - 3);
            }
            if (const int8_t m = y->mark[i][j]; m != 0) {
                c.pen.color = MarkColour(m, ColorBlack, ColorWhite);
                c.moveTo(px - 4, py - 3);
                c.lineTo(px - 4, py + 2);
            }
        }
}

// The background of the statistics: mid grey, from x 352 in "RE - BL", the
// taller button-face area with "GLAVN UNV"; nothing while "not paint" is
// ticked, no fill while "Not Draw" is.
void TForm1::PrepareStatBackground()
{
    Canvas& c = canvas();
    const bool wide = GLAVNUNV1->isChecked();
    c.brush.color = wide ? ColorButtonFace : static_cast<TColor>(GreyScaleColor(0.5));
    c.brush.style = BrushStyle::Solid;
    if (notpaint1->isChecked())
        return;
    int left = RadioGroup7->itemIndex() == kMainReBl ? 352 : 0;
    int bottom = 428;
    if (wide) {
        left = 0;
        bottom = 628;
    }
    if (!CheckBox43->isChecked())
        c.fillRect(left, 0, 780, bottom);
}

void TForm1::Button73Click()
{
    Canvas& c = canvas();
    const int main = RadioGroup7->itemIndex();
    const bool notPaint = notpaint1->isChecked();
    const bool wide = GLAVNUNV1->isChecked();

    PrepareStatBackground();
    c.pen.mode = PenMode::Copy;
    c.pen.style = PenStyle::Solid;
    c.pen.color = ColorOlive;
    c.pen.width = statPenWidth;
    RecomputeNetMaps();

    // The maps that would feed these copies are never filled, so the copies clear.
    if (main == kMainNak && isRIVER1->isChecked())
        std::memset(cellStatMap, 0, sizeof cellStatMap);
    if (zapaRIVE1->isChecked() && stepCount - 3 > 0 && stepCount - 3 < kRiverFrameCount)
        std::memset(riverFrames[stepCount - 3], 0, sizeof riverFrames[0]);

    if (wide) {
        c.brush.color = ColorButtonFace;
        c.brush.style = BrushStyle::Solid;
        c.rectangle(0, 0, 840, 800);
        c.pen.style = PenStyle::Clear;
    }
    if (notPaint) {
        if (main == kMainReBl)
            Button80Click();
        return;
    }

    const int spanItem = RadioGroup6->itemIndex();
    const ChangeSpanMaps* markX = ChangeSpan(spanItem, true);
    const ChangeSpanMaps* markY = ChangeSpan(spanItem, false);
    QAction* netItems[kSpanCount] = {NAK01, NAK11, NAK21};
    const bool showMarks = main == kMainNak && !DONTSHOW2->isChecked();
    const bool drawMarks = showMarks && IsIZM1->isChecked() && markX != nullptr;
    const int64_t modulus = statColourModulus == 0 ? 1 : statColourModulus;

    for (int i = 0; i < kStatSide; ++i)
        for (int j = 0; j < kStatSide; ++j) {
            const int x = main == kMainReBl ? 6 * j + 357 : 6 * j + 5;
            const int y = 6 * i + 5;
            if (showMarks) {
                c.pen.mode = PenMode::Copy;
                c.pen.style = PenStyle::Solid;
                if (drawMarks) {
                    if (const int8_t m = markX->mark[i][j]; m != 0)
                        FillBlock(c, x + 2, y, 3, 2, MarkColour(m, ColorFuchsia, ColorWhite));
                    if (const int8_t m = markY->mark[i][j]; m != 0)
                        FillBlock(c, x, y + 2, 2, 3, MarkColour(m, ColorFuchsia, ColorWhite));
                }
                for (int s = 0; s < kSpanCount; ++s) {
                    if (!netItems[s]->isChecked())
                        continue;
                    if (const int32_t v = ChangeSpan(s, true)->net[i][j]; v != 0)
                        FillBlock(c, x, y, 8, 2, v == -1 ? ColorYellow : ColorWhite);
                    if (const int32_t v = ChangeSpan(s, false)->net[i][j]; v != 0)
                        FillBlock(c, x, y, 2, 6, v == -1 ? ColorYellow : ColorWhite);
                }
            }
            c.pen.mode = PenMode::Copy;
            c.pen.style = PenStyle::Solid;
            if (main != kMainReBl)
                continue;
            const int32_t v = cellStatMap[i][j];
            if (wide) {
                const int a = 6 * i + 2 * j + 50;
                c.brush.style = BrushStyle::Solid;
                c.brush.color = BarColour(v);
                c.pen.style = PenStyle::Clear;
                c.pen.width = 0;
                c.rectangle(a + 30, BarEdge(j, 150, v), a + 36, BarEdge(j, 156, v));
            } else {
                // The colour is chosen and left for whatever draws next.
                const int64_t r = int64_t(v) % modulus;   // the sign of v; no overflow for any modulus
                if (r < 0)
                    c.pen.color = ColorBlack;
                else if (r > 3)
                    c.pen.color = ColorWhite;
                else if (r == 0)
                    c.pen.color = ColorRed;
                else if (r == 1)
                    c.pen.color = ColorGreen;
                else if (r == 2)
                    c.pen.color = ColorBlue;
            }
        }
    if (main == kMainReBl)
        Button80Click();
}

void TForm1::Button69Click()
{
    if (RadioGroup8->itemIndex() != 1)
        return;   // "1 dim.": the statistics belong to the square
    ResetChangeStatistics();
    PrepareStatBackground();
}

void TForm1::N02Click()
{
    Button69Click();
    Button3Click();
}

// Repeats the result maps of the display alone; they are built from maps that
// no command fills, so there is nothing to repeat.
void TForm1::Button65Click() {}
