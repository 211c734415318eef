// The six-letter history ("(119) 148") and the run grids: the PR grids of
// strings A and B and the history grids ("StGr1234 (147)"), with the
// draw-cell colouring of the PR and Pdb grids by cell value.
#include "app/TForm1.h"

#include "engine/StringState.h"
#include "runs/EventTables.h"
#include "runs/RecordedRun.h"
#include "runs/RunGridTexts.h"
#include "runs/SixLetterHistory.h"
#include "runs/TForm1RunGridLayout.h"

#include <QPainter>

#include <algorithm>

namespace {

// PR grid of one string: rows 0 .. stopTime - 1 of its table as cell letters.
void FillPrGrid(StringGrid* grid, const uint8_t (*table)[kStringCells], int32_t stopTime)
{
    const int length = UsedStringLength();
    const int rows = std::clamp(stopTime, 0, kPrTableRows);
    FrameRunGrid(grid, length + 1, rows + 1, 23);
    LabelRunGridRows(grid, rows);
    ShowRunCells(grid, rows, length, [table](int t, int c) { return table[t][c]; }, CellLetter);
}

// History grid: historyRowCount rows of a 30-row history table in decimal;
// rows past the table are not shown.
void FillHistoryGrid(StringGrid* grid, const int16_t (*table)[kStringCells])
{
    const int length = UsedStringLength();
    const int rows = std::clamp(historyRowCount, 0, kTraceRows);
    FrameRunGrid(grid, length + 1, rows + 1, 23);
    LabelRunGridRows(grid, rows);
    ShowRunCells(grid, rows, length, [table](int r, int c) { return table[r][c]; }, Decimal);
}

// The colour and letter of a data cell holding value 0, 1 or 2: the cell is
// filled and its letter written 5 pixels right of and below its corner.
void PaintValueCell(GridCellPainter& cell, int32_t value)
{
    switch (value) {
    case 0: cell.brushColor = ColorButtonFace; break;
    case 1: cell.brushColor = RGBColor(128, 128, 128); break;
    case 2: cell.brushColor = ColorWindow; break;
    default: return;
    }
    cell.fontColor = ColorBlack;
    cell.text = CellLetter(value);
    if (!cell.painter)
        return;
    cell.painter->fillRect(cell.rect, ToQColor(cell.brushColor));
    cell.painter->setPen(ToQColor(cell.fontColor));
    cell.painter->drawText(cell.rect.adjusted(5, 5, 0, 0), Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine,
                           cell.text);
    cell.defaultDrawing = false;
}

// The data cell (col - 1, row - 1) behind a grid cell, when it lies below
// `rows` data rows; header cells keep the default drawing.
bool DataCell(const GridCellPainter& cell, int32_t rows, int32_t& t, int32_t& c)
{
    t = cell.row - 1;
    c = cell.col - 1;
    return !cell.isFixed && t >= 0 && c >= 0 && c < kStringCells && t < rows;
}

} // namespace

void TForm1::Button148Click()
{
    canvas().pen.mode = PenMode::Copy;
    canvas().pen.style = PenStyle::Solid;
    BuildSixLetterHistory();
    const int32_t rows = HistoryRowsInUse();
    QStringList sixLetters, parities;
    for (int32_t r = 0; r < rows; ++r) {
        sixLetters << QString::fromStdString(SixLetterLine(r));
        parities << QString::fromStdString(ParityLine(r));
    }
    RichEdit3->setLines(sixLetters);
    RichEdit10->setLines(parities);

    ShowSixLetterCells();
}

void TForm1::Button147Click()
{
    FillPrGrid(StringGrid1, prTableA, stopTimeA);
    FillPrGrid(StringGrid2, prTableB, stopTimeB);
    FillHistoryGrid(StringGrid3, sixLetterHistory);
    FillHistoryGrid(StringGrid4, parityHistory);
}

void TForm1::StringGrid1DrawCell(GridCellPainter& cell)
{
    int32_t t, c;
    if (DataCell(cell, std::min(stopTimeA, kPrTableRows), t, c))
        PaintValueCell(cell, prTableA[t][c]);
}

void TForm1::StringGrid2DrawCell(GridCellPainter& cell)
{
    int32_t t, c;
    if (DataCell(cell, std::min(stopTimeB, kPrTableRows), t, c))
        PaintValueCell(cell, prTableB[t][c]);
}

void TForm1::StringGrid13DrawCell(GridCellPainter& cell)
{
    int32_t k, c;
    if (DataCell(cell, UsableEventRows(), k, c))
        PaintValueCell(cell, eventValueA[k][c]);
}

void TForm1::StringGrid14DrawCell(GridCellPainter& cell)
{
    int32_t k, c;
    if (DataCell(cell, UsableEventRows(), k, c))
        PaintValueCell(cell, eventValueB[k][c]);
}

// "StGr5" and "StGr6" keep the default drawing.
void TForm1::StringGrid5DrawCell(GridCellPainter&) {}
void TForm1::StringGrid6DrawCell(GridCellPainter&) {}
