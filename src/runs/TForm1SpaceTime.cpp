// The space-time picture of the recorded run on the main window canvas: the
// phase stripes, string A as filled shapes and string B as outlines up to
// each column's front of the shown event row, the optional link lines
// between 0 cells, and the hatch marks on the front cells.
#include "app/TForm1.h"

#include "base/RunControls.h"
#include "engine/StringState.h"
#include "runs/EventTables.h"
#include "runs/RecordedRun.h"
#include "runs/RunViewState.h"
#include "runs/SpaceTimeView.h"
#include "tables2d/TwoDimState.h"

#include <algorithm>
#include <cstdint>

namespace {

SpaceTimeGeometry CurrentGeometry()
{
    SpaceTimeGeometry g;
    g.w = cellWidth;
    g.h = cellHeight;
    g.top = fieldDrawTop;
    g.scroll = viewScrollRow;
    return g;
}

// A figure whose box (grown by the pen) lies wholly off the canvas changes no
// pixel, so long runs cost only the rows that can be seen.
bool OffCanvas(const Canvas& canvas, int x1, int y1, int x2, int y2)
{
    const int m = canvas.pen.width + 1;
    return std::max(x1, x2) < -m || std::max(y1, y2) < -m || std::min(x1, x2) > canvas.width() + m
        || std::min(y1, y2) > canvas.height() + m;
}

// A rectangle whose outline (if any) has the brush's colour, drawn in copy
// mode, is the same as a filled one: the fill is the cheaper way to draw it.
bool DrawsPlainFill(const Canvas& canvas)
{
    return canvas.pen.mode == PenMode::Copy && canvas.brush.style == BrushStyle::Solid
        && (canvas.pen.style == PenStyle::Clear || canvas.pen.color == canvas.brush.color);
}

void Rectangle(Canvas& canvas, int x1, int y1, int x2, int y2)
{
    if (OffCanvas(canvas, x1, y1, x2, y2))
        return;
    if (DrawsPlainFill(canvas))
        canvas.fillRect(x1, y1, x2, y2);
    else
        canvas.rectangle(x1, y1, x2, y2);
}

// The rectangles of `count` cells side by side, w wide, from x. Plain fills of
// cells that touch cover what one fill of the whole row covers, so a row of
// stripes is one fill rather than one per column.
void CellRow(Canvas& canvas, int32_t x, int32_t y, int32_t w, int32_t h, int32_t count)
{
    if (count <= 0)
        return;
    const int64_t right = int64_t{x} + int64_t{w} * count;
    if (w > 0 && right <= INT32_MAX && DrawsPlainFill(canvas)) {
        if (!OffCanvas(canvas, x, y, int(right), y + h))
            canvas.fillRect(x, y, int(right), y + h);
        return;
    }
    for (int32_t c = 0; c < count; ++c)
        Rectangle(canvas, x + w * c, y, x + w * c + w, y + h);
}

void Line(Canvas& canvas, int x1, int y1, int x2, int y2)
{
    if (OffCanvas(canvas, x1, y1, x2, y2))
        return;
    canvas.moveTo(x1, y1);
    canvas.lineTo(x2, y2);
}

uint8_t PrCell(const uint8_t (*table)[kStringCells], int32_t t, int32_t c)
{
    return t >= 0 && t < kPrTableRows && c >= 0 && c < kStringCells ? table[t][c] : 1;
}

// The three links from cell (c, t) to its right neighbour's 0 cells one row
// up, level and one row down; the fronts are always those of string A. Only
// rows that can be seen are visited: a stop time far beyond the table's rows
// costs nothing.
void DrawLinks(Canvas& canvas, const SpaceTimeGeometry& g, const uint8_t (*table)[kStringCells], int32_t stopTime,
               int32_t length)
{
    const RowRange rows = VisibleRows(g, int64_t{stopTime} - 2, canvas.height());
    for (int32_t t = rows.first; t <= rows.last; ++t) {
        const int32_t Y = g.y(t) + g.h;
        for (int32_t c = 0; c <= length - 2; ++c) {
            if (PrCell(table, t, c) != 0)
                continue;
            const int32_t x0 = g.w * c + g.w / 2;
            const int32_t x1 = g.w * (c + 1) + g.w / 2;
            if (t >= 1 && frontStepA[c] >= t && frontStepA[c + 1] >= t - 1 && PrCell(table, t - 1, c + 1) == 0)
                Line(canvas, x0, Y, x1, Y - g.h);
            if (frontStepA[c] >= t && frontStepA[c + 1] >= t && PrCell(table, t, c + 1) == 0)
                Line(canvas, x0, Y, x1, Y);
            if (frontStepA[c] >= t && frontStepA[c + 1] >= t + 1 && PrCell(table, t + 1, c + 1) == 0)
                Line(canvas, x0, Y, x1, Y + g.h);
        }
    }
}

// The hatch lines of every column at its front marks, with offsets o = d*i + shift.
void DrawHatch(Canvas& canvas, int32_t w, int32_t h, int32_t top, int32_t length, const int32_t* marksB,
               const int32_t* marksA, int32_t shift)
{
    const int32_t d = w / 5;
    for (int32_t c = 0; c < length; ++c) {
        const int32_t x0 = w * c;
        for (int i = 0; i < 5; ++i) {
            const int32_t o = d * i + shift;
            const int32_t yB = top + h * marksB[c] + o;
            Line(canvas, x0, yB, x0 + w, yB);
            const int32_t yA = top + h * marksA[c];
            Line(canvas, x0 + o, yA, x0 + o, yA + h);
        }
    }
}

void SetHatchPen(Canvas& canvas)
{
    canvas.pen.color = ColorBlack;
    canvas.pen.style = PenStyle::Solid;
    canvas.pen.width = 2;
    canvas.brush.style = BrushStyle::Clear;
}

} // namespace

void TForm1::Button151Click()
{
    Canvas& cv = canvas();
    const SpaceTimeGeometry g = CurrentGeometry();
    const int32_t w = g.w, h = g.h;
    const int32_t length = UsedStringLength();
    const int32_t lastRow = std::max(stopTimeA, stopTimeB);

    ComputeShownFronts(viewStartRow);

    // Clearing, without the scroll offset.
    cv.pen.color = ColorButtonFace;
    cv.pen.style = PenStyle::Solid;
    cv.brush.color = ColorButtonFace;
    cv.brush.style = BrushStyle::Solid;
    SpaceTimeGeometry unscrolled = g;
    unscrolled.scroll = 0;
    const RowRange cleared = VisibleRows(unscrolled, int64_t{lastRow} - 1, cv.height());
    for (int32_t t = cleared.first; t <= cleared.last; ++t) {
        const int32_t mid = g.top + (2 * h * t + h) / 2;
        for (int32_t c = 0; c < length; ++c)
            Rectangle(cv, g.cx(c) - w / 2, mid - h / 2, g.cx(c) + w / 2, mid + h / 2);
    }

    // Phase stripes.
    cv.pen.style = PenStyle::Clear;
    cv.brush.style = BrushStyle::Solid;
    static constexpr TColor kPhaseColours[3] = {ColorInactiveCaption, RGBColor(233, 240, 230), RGBColor(255, 128, 128)};
    const RowRange striped = VisibleRows(g, lastRow, cv.height());
    for (int32_t t = striped.first; t <= striped.last; ++t) {
        cv.brush.color = kPhaseColours[t % 3];
        CellRow(cv, g.left(0), g.y(t), w, h, length);
    }

    // The front cell of each column is marked where it lies among the drawn rows,
    // seen or not; the shapes are drawn only where they can be seen.
    const auto markFronts = [&](const int32_t* fronts, int32_t stopTime, int32_t* marks) {
        for (int32_t c = 0; c < length; ++c)
            if (fronts[c] >= 0 && fronts[c] < stopTime && fronts[c] < kPrTableRows)
                marks[c] = fronts[c];
    };

    // String A, filled.
    if (CheckBox50->isChecked()) {
        markFronts(frontStepA, stopTimeA, frontRowMarkA);
        const RowRange rows = VisibleRows(g, std::min(stopTimeA, kPrTableRows) - 1, cv.height());
        for (int32_t t = rows.first; t <= rows.last; ++t) {
            for (int32_t c = 0; c < length; ++c) {
                if (t > frontStepA[c])
                    continue;
                cv.brush.color = t == frontStepA[c] ? ColorLime : RGBColor(128, 128, 128);
                const int32_t x = g.left(c), y = g.y(t), cx = g.cx(c), cy = g.cy(t);
                if (OffCanvas(cv, x, y, x + w, y + h))
                    continue;
                switch (prTableA[t][c]) {
                case 0: cv.polygon({QPoint(x, y + h), QPoint(cx, cy), QPoint(x + w, y + h)}); break;
                case 1: cv.polygon({QPoint(x, y), QPoint(cx, cy), QPoint(x + w, y)}); break;
                case 2:
                    cv.ellipse(int(cx - 0.3 * w), int(cy - 0.3 * h), int(cx + 0.3 * w), int(cy + 0.3 * h));
                    break;
                default: break;
                }
            }
        }
    }

    // String B, outlined.
    if (CheckBox51->isChecked()) {
        cv.pen.style = PenStyle::Solid;
        cv.pen.width = 2;
        cv.brush.style = BrushStyle::Clear;
        markFronts(frontStepB, stopTimeB, frontRowMarkB);
        const RowRange rows = VisibleRows(g, std::min(stopTimeB, kPrTableRows) - 1, cv.height());
        for (int32_t t = rows.first; t <= rows.last; ++t) {
            for (int32_t c = 0; c < length; ++c) {
                if (t > frontStepB[c])
                    continue;
                cv.pen.color = t == frontStepB[c] ? ColorYellow : ColorBlack;
                const int32_t x = g.left(c), y = g.y(t), cx = g.cx(c), cy = g.cy(t);
                if (OffCanvas(cv, x, y, x + w, y + h))
                    continue;
                switch (prTableB[t][c]) {
                case 0:
                    cv.moveTo(x + 1, y + h);
                    cv.lineTo(cx, cy);
                    cv.lineTo(x + w - 1, y + h);
                    break;
                case 1:
                    cv.moveTo(x + 1, y);
                    cv.lineTo(cx, cy);
                    cv.lineTo(x + w - 1, y);
                    break;
                case 2:
                    cv.ellipse(int(cx - 0.3 * w) + 1, int(cy - 0.3 * h) + 1, int(cx + 0.3 * w) - 1,
                               int(cy + 0.3 * h) - 1);
                    break;
                default: break;
                }
            }
        }
    }

    // Cells off the range between the two fronts painted over.
    if (CheckBox48->isChecked()) {
        cv.brush.color = ColorButtonFace;
        cv.brush.style = BrushStyle::Solid;
        cv.pen.style = PenStyle::Clear;
        const RowRange rows = VisibleRows(g, int64_t{stopTimeA} - 1, cv.height());
        for (int32_t t = rows.first; t <= rows.last; ++t)
            for (int32_t c = 0; c < length; ++c)
                if (t < frontLow[c] || t > frontHigh[c])
                    Rectangle(cv, g.cx(c) - w / 2 - 1, g.cy(t) - h / 2 - 1, g.cx(c) + w / 2 + 1, g.cy(t) + h / 2 + 1);
    }

    // Links between 0 cells.
    cv.pen.mode = PenMode::Copy;
    cv.pen.style = PenStyle::Solid;
    cv.pen.width = 2;
    cv.brush.style = BrushStyle::Clear;
    if (CheckBox47->isChecked()) {
        cv.pen.color = ColorBlue;
        DrawLinks(cv, g, prTableA, stopTimeA, length);
    }
    if (CheckBox53->isChecked()) {
        cv.pen.color = ColorGreen;
        cv.pen.width = 2;
        DrawLinks(cv, g, prTableB, stopTimeB, length);
    }

    cv.pen.style = PenStyle::Clear;
    cv.brush.style = BrushStyle::Solid;
    Button166Click();
}

void TForm1::Button152Click() {}

void TForm1::Button198Click()
{
    SetHatchPen(canvas());
    DrawHatch(canvas(), cellWidth, cellHeight, fieldDrawTop, UsedStringLength(), frontRowMarkB, frontRowMarkA,
              (cellWidth / 5) / 2);
}

void TForm1::Button197Click()
{
    const int32_t rows[4] = {1, 5, 8, 12};
    int pair = 0;
    for (int32_t row : rows) {
        viewStartRow = row;
        Button149Click();
        if (row == 8)
            continue;
        std::copy(std::begin(frontRowMarkB), std::end(frontRowMarkB), savedFrontRowMarks[pair][0]);
        std::copy(std::begin(frontRowMarkA), std::end(frontRowMarkA), savedFrontRowMarks[pair][1]);
        ++pair;
    }
    Button149Click();
    SetHatchPen(canvas());
    for (const auto& marks : savedFrontRowMarks)
        DrawHatch(canvas(), cellWidth, cellHeight, fieldDrawTop, UsedStringLength(), marks[0], marks[1], 0);
}

void TForm1::RadioGroup16Click() { Button151Click(); }
void TForm1::CheckBox47Click() { Button151Click(); }
void TForm1::CheckBox48Click() { Button151Click(); }
void TForm1::CheckBox50Click() { Button151Click(); }
void TForm1::CheckBox51Click() { Button151Click(); }
void TForm1::CheckBox53Click() { Button151Click(); }

void TForm1::UpDown9Click()
{
    viewStartRow = static_cast<int16_t>(UpDown9->position());
    Label134->setText(QString::number(viewStartRow));
    Button151Click();
    Button149Click();
    Button157Click();
    MoveColumnSumLabels();
}

void TForm1::UpDown10Click()
{
    const int32_t old = viewScrollRow;
    viewScrollRow = static_cast<int16_t>(UpDown10->position());
    Label282->setText(QString::number(viewScrollRow));
    viewStartRow += viewScrollRow <= old ? -2 : 2;
    UpDown9->setPosition(viewStartRow);
    Label134->setText(QString::number(viewStartRow));
    Button151Click();
    Button149Click();
}
