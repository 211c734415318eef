// The growth run's hidden commands: one step of both layers, the restart with
// its seeding, the file seeding, the event derivation and the fronts, and the
// picture of layer 1 on the main window.
#include "app/TForm1.h"

#include "base/BinaryFile.h"
#include "base/RunControls.h"
#include "base/SquareSize.h"
#include "base/StringLength.h"
#include "engine/StringState.h"
#include "runs/RecordedRun.h"
#include "runs/SpaceTimeView.h"
#include "tables2d/GrowthEventDerivation.h"
#include "tables2d/GrowthGenerator.h"
#include "tables2d/GrowthRun.h"
#include "tables2d/TForm1GrowthRunEnd.h"
#include "tables2d/TwoDimState.h"
#include "widgets/Dialogs.h"

#include <QImage>

#include <algorithm>
#include <cstring>

namespace {

// The initial configuration: its first byte is the torus side.
const char* const kInitialConfigurationFile = "DAT/nacpos2.dat";

// The figure of a cell of value 0 (red), 1 (blue) and 2 (black).
constexpr TColor kGrowthCellColours[3] = {RGBColor(255, 0, 0), RGBColor(0, 0, 255), ColorBlack};

// The pictures of a cell of value 0, 1 and 2, drawn with the canvas's own
// figures at the cell's origin. Figures on whole pixels draw the same at any
// whole-pixel offset, so a cell copied into place equals the cell drawn there,
// and a 27 x 27 layer costs one copy instead of 729 figures per step.
struct CellPictures {
    int w = 0, h = 0;
    QImage cells[3];
};

const CellPictures& CellPicturesOf(int w, int h)
{
    static CellPictures pictures;
    if (pictures.w == w && pictures.h == h) return pictures;
    pictures.w = w;
    pictures.h = h;
    for (int v = 0; v < 3; ++v) {
        Canvas cell(w, h);
        cell.pen.style = PenStyle::Clear;
        cell.brush.style = BrushStyle::Solid;
        cell.brush.color = ColorButtonFace;
        cell.fillRect(0, 0, w, h);
        cell.brush.color = kGrowthCellColours[v];
        if (v == 2)
            cell.rectangle(int(0.3 * w), int(0.3 * h), int(w - 0.3 * w), int(h - 0.3 * h));
        else
            cell.ellipse(0, 0, w, h);
        pictures.cells[v] = cell.image();
    }
    return pictures;
}

} // namespace

// Layer 1 with i along x and j along y, each cell a box of cellWidth x
// cellHeight below fieldDrawTop: 2 a black square inset by 0.3 of the cell,
// 1 a blue and 0 a red disc on the button face; cells of other values keep
// what the canvas showed.
void TForm1::DrawGrowthLayer1()
{
    Canvas& cv = canvas();
    cv.pen.style = PenStyle::Clear;
    cv.pen.mode = PenMode::Copy;
    cv.brush.style = BrushStyle::Solid;
    const int32_t n = std::clamp(growthSetup.side, 0, kGrowthSide);
    const int w = cellWidth, h = cellHeight, top = fieldDrawTop;
    // A cell larger than the whole picture area cannot be shown; the cell
    // sizes come unchecked from the "Scale" edits.
    if (n == 0 || w <= 0 || h <= 0 || w > cv.width() || h > cv.height() || top < 0 || top >= cv.height()) return;

    // Only what lies on the canvas is copied in.
    const int fieldW = int(std::min<int64_t>(int64_t(n) * w, cv.width()));
    const int fieldH = int(std::min<int64_t>(int64_t(n) * h, cv.height() - top));
    const CellPictures& pictures = CellPicturesOf(w, h);
    QImage field = cv.copy(QRect(0, top, fieldW, fieldH));
    for (int32_t i = 0; i < n && i * w < fieldW; ++i)
        for (int32_t j = 0; j < n && j * h < fieldH; ++j) {
            const uint8_t v = growthLayer1Cells[i][j];
            if (v > 2) continue;
            const int width = std::min(w, fieldW - i * w), rows = std::min(h, fieldH - j * h);
            for (int row = 0; row < rows; ++row)
                std::memcpy(field.scanLine(j * h + row) + size_t(i) * w * 4, pictures.cells[v].constScanLine(row),
                            size_t(width) * 4);
            cv.brush.color = kGrowthCellColours[v];   // the brush the last figure left
        }
    cv.draw(0, top, field);
}

// "DO WORK 158"
void TForm1::Button158Click()
{
    StepGrowthRun(growthSetup);
    if (!CheckBox67->isChecked()) DrawGrowthLayer1();
    StatusBar1->setSimpleText(QString::number(LargerOf(stepCount, secondStepCount)));
}

// "II Nacalo 159". A run needs a torus of at least 2 x 2 (the seeding draws
// block sizes mod N / 2) and a chosen mask; without them it does not start,
// and a generator waiting for it stops.
void TForm1::Button159Click()
{
    // A run that has ended is harvested before the next one is seeded over it.
    FinishGrowthRunEnd(*this);
    const GrowthSetup setup = MakeGrowthSetup(stringLength, RadioGroup20->itemIndex());
    if (setup.side < kGrowthMinSide || setup.pointCount == 0) {
        Timer13->setEnabled(false);
        if (isTableGenerator2dRunning) Button215Click();
        StatusBar1->setSimpleText(
            setup.pointCount == 0
                ? QString("No growth run: choose a mask in \"n points\" first.")
                : QString("No growth run on a torus of side %1: the side must be 2 to 27.").arg(stringLength));
        return;
    }
    growthSetup = setup;
    Label390->setText(isRunSuccessful ? "1" : "0");
    squareRowCount = setup.side;
    squareColumnCount = setup.side;
    ResetGrowthRun(setup.side);
    if (CheckBox61->isChecked())
        SeedGrowthLayerRandomly(setup.side);
    else
        Button179Click();
    BuildGrowthLayer2(growthSetup.side);
    if (!CheckBox67->isChecked()) DrawGrowthLayer1();
    Timer13->setEnabled(true);
}

// "read 179": the side from the initial configuration, then the fixed
// configuration on it. A missing or unusable file leaves the side as it was.
void TForm1::Button179Click()
{
    const auto bytes = ReadWholeFile(kInitialConfigurationFile);
    if (!bytes || bytes->empty()) {
        StatusBar1->setSimpleText(QString("%1 was not found: the side stays %2.")
                                      .arg(kInitialConfigurationFile)
                                      .arg(stringLength));
    } else if ((*bytes)[0] < kGrowthMinSide || (*bytes)[0] > kGrowthSide) {
        StatusBar1->setSimpleText(QString("%1 gives the side %2, outside 2 to 27: the side stays %3.")
                                      .arg(kInitialConfigurationFile)
                                      .arg((*bytes)[0])
                                      .arg(stringLength));
    } else {
        stringLength = (*bytes)[0];
    }
    growthSetup.side = std::clamp(stringLength, 0, kGrowthSide);
    SeedGrowthLayerFixed(growthSetup.side);
    BuildGrowthLayer2(growthSetup.side);
    if (!CheckBox67->isChecked()) DrawGrowthLayer1();
}

// "Pdb Pdb2 161": events of the finished run, one warning per cell and event
// of the same kind in both layers, then the fronts.
void TForm1::Button161Click()
{
    const GrowthEventCounts counts = DeriveGrowthEvents(growthSetup.side);
    for (const GrowthEventWarning& warning : counts.warnings)
        ShowMessage(QString::fromStdString(GrowthEventWarningText(warning)), "Warning");
    Button180Click();
}

// "opTonk 180"
void TForm1::Button180Click()
{
    DeriveGrowthFronts(growthSetup.side);
}

// "tim13 182": the run goes on from where it stands.
void TForm1::Button182Click()
{
    Timer13->setEnabled(true);
}

// "8-8 178": a new run every 100 ms, until "Stop".
void TForm1::Button178Click()
{
    Timer16->setEnabled(true);
}
