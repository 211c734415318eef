// The marker theory check: "Theory 98" builds the marker grid from string A's
// start, draws it over the string picture ("Ris Th 92") and compares its
// prediction with the zero trace of the run; the hidden marker panel offers
// the single steps, the derivations from a trace and the five-cell table M11.
#include "app/FormHelpers.h"
#include "app/TForm1.h"

#include "base/RunControls.h"
#include "base/SquareSize.h"
#include "base/StringLength.h"
#include "engine/StringState.h"
#include "engine/StringTraces.h"
#include "runs/MarkerTheory.h"

#include <algorithm>

namespace {

// Canvas coordinates of the marks, held far inside int whatever cell size
// the edits hold.
int Px(int64_t v)
{
    return static_cast<int>(std::clamp<int64_t>(v, -1000000, 1000000));
}

uint8_t PredictionAt(int64_t row, int32_t column)
{
    return row >= 0 && row < kTraceRows && column >= 0 && column < kStringCells ? theoryPrediction[row][column] : 0;
}

void Ellipse(Canvas& c, int64_t x1, int64_t y1, int64_t x2, int64_t y2)
{
    c.ellipse(Px(x1), Px(y1), Px(x2), Px(y2));
}

} // namespace

// Draws, at drawing row t = stepCount, the marks of grid row t - 1 (row 0
// shows nothing) and sets paintCellShiftY per column as the painter does.
void TForm1::Button92Click()
{
    Canvas& c = canvas();
    c.pen.mode = PenMode::Copy;
    const int64_t t = stepCount;
    const int64_t cw = cellWidth, ch = cellHeight;
    const int64_t q = cw / 4 + 1;
    const int64_t y0 = static_cast<int64_t>(1.5 * double(ch) * double(t)) - ch + ch / 4;
    const int64_t row = t - 1;
    const int32_t length = UsedStringLength();
    for (int32_t x = 0; x < length; ++x) {
        paintCellShiftY = static_cast<int32_t>(std::clamp<double>(0.75 * double(ch) * localTimeA[x], INT32_MIN, INT32_MAX));
        if (t < 1)
            continue;
        const int64_t left = x * cw;
        if (PredictionAt(row, x) && !CheckBox37->isChecked()) {
            c.pen.style = PenStyle::Clear;
            c.brush.style = BrushStyle::Solid;
            c.brush.color = ColorGray;
            Ellipse(c, left + q, y0 + 2, left + cw - q, y0 + ch - 2);
        }
        const int16_t m = MarkerAt(row, x);
        if (m >= 1 && m <= 3) {
            c.pen.style = PenStyle::Clear;
            c.brush.style = BrushStyle::Solid;
            c.brush.color = ColorBlack;
            if (m != 2)   // moving left
                Ellipse(c, left + q - 5, y0 + 8, left + cw - q - 5, y0 + ch - 8);
            if (m != 1)   // moving right
                Ellipse(c, left + q + 5, y0 + 8, left + cw - q + 5, y0 + ch - 8);
        } else if (m == 4 || m == 5) {
            c.pen.style = PenStyle::Solid;
            c.pen.width = 2;
            c.pen.color = m == 4 ? ColorBlack : ColorRed;
            c.brush.style = BrushStyle::Clear;
            Ellipse(c, left + q - 3, y0 + 5, left + cw - q + 3, y0 + ch - 5);
            c.pen.width = 1;
        }
        // A collision sits on the boundary between columns x - 1 and x.
        const bool collisions[] = {CollisionLeftAt(row, x) != 0, CollisionRightAt(row, x) != 0};
        for (int side = 0; side < 2; ++side) {
            if (!collisions[side])
                continue;
            c.pen.style = PenStyle::Solid;
            c.pen.width = 1;
            c.pen.color = ColorFuchsia;
            c.brush.style = BrushStyle::Solid;
            c.brush.color = ColorWhite;
            const int64_t x1 = side == 0 ? left - 6 : left;
            Ellipse(c, x1, y0 + 10, x1 + 6, y0 + ch - 10);
        }
    }
}

void TForm1::Button98Click()
{
    BuildMarkerPrediction();
    for (stepCount = 0; stepCount < kTheoryRows; ++stepCount)
        Button92Click();
    Label57->setText(MarkerPredictionHolds() ? "OK!!" : "NOT");
    Button104Click();
}

void TForm1::Button96Click() { MarkCollisions(); }
void TForm1::Button97Click() { AnnihilateMarkers(); }
void TForm1::Button99Click() { MarkMeetingSites(); }
void TForm1::Button95Click() { ConvergeMarkers(); }
void TForm1::Button94Click() { MoveMarkers(); }
void TForm1::Button100Click() { ReemitMarkers(); }

void TForm1::Button108Click() { DeriveMarkersFromTrace(false); }
void TForm1::Button112Click() { DeriveMarkersFromTrace(true); }

void TForm1::Button114Click()
{
    Label120->setText(QString::number(LearnM11()));
}

void TForm1::Button115Click()
{
    static const int kValues[] = {0, 4, 5};
    const int item = RadioGroup14->itemIndex();
    QStringList lines;
    if (item >= 0 && item < 3)
        for (const std::string& key : M11KeysHolding(kValues[item])) lines << QString::fromStdString(key);
    RichEdit2->setLines(lines);
    Label121->setText(QString::number(lines.size()));
}

void TForm1::Button105Click()
{
    Label120->setText(QString::number(CountM11Filled()));
}

void TForm1::Button113Click() { ResetM11(); }

void TForm1::Button111Click()
{
    switch (ReadM11File("CA/M_11.dat")) {
    case M11FileStatus::Loaded:
        return;
    case M11FileStatus::Missing:
        StatusBar1->setSimpleText("CA/M_11.dat is missing; M11 unchanged");
        return;
    case M11FileStatus::Short:
        StatusBar1->setSimpleText("CA/M_11.dat is shorter than 125 bytes; M11 unchanged");
        return;
    case M11FileStatus::Malformed:
        StatusBar1->setSimpleText("CA/M_11.dat holds values that are no markers; M11 unchanged");
        return;
    }
}

// A fresh marker run of length 24: the drawing switches off, a random start,
// stored as "CA/ca2.dat", and GO.
void TForm1::Button107Click()
{
    for (QCheckBox* box : {CheckBox36, CheckBox32, CheckBox31, CheckBox30, CheckBox1, CheckBox2, CheckBox33})
        box->setChecked(false);
    squareRowCount = squareColumnCount = stringLength = 24;
    ShowNumber(Edit1, 24);
    Button58Click();
    Button28Click();
    Button6Click();
}

// "Button109", "Marker 36" and "DrRab 37" have no effect of their own.
void TForm1::Button109Click() {}
void TForm1::CheckBox36Click() {}
void TForm1::CheckBox37Click() {}
