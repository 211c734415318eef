// Start patterns of the square from the Initial menu, the counter reset of
// "Manage", the view switches the painter reads, and the secondary windows
// the menus open (shown modally; timers keep ticking while they are open).
#include "app/TForm1.h"

#include "base/PointLists.h"
#include "base/RunControls.h"
#include "base/Square.h"
#include "engine/SquarePatterns.h"
#include "engine/StringState.h"
#include "lattice/StartPatterns.h"
#include "lattice/TForm12.h"
#include "lattice/TForm13.h"
#include "lattice/TForm14.h"
#include "lattice/TForm15.h"
#include "lattice/TForm3.h"
#include "lattice/TForm5.h"
#include "widgets/Handlers.h"

#include <algorithm>

namespace {

void ResetRunCounters()
{
    cycleCount = stepCount = activitySamplePaintCount = 0;
}

// A requested point count as the 4900-entry lists can hold it; a note when cut.
int32_t ListablePoints(int32_t requested, int32_t capacity, QString& note)
{
    const int32_t count = std::clamp(requested, 0, capacity);
    if (count < requested)
        note = QString::number(requested) + " points requested, " + QString::number(count) + " placed";
    return count;
}

} // namespace

void TForm1::FinishStartPattern()
{
    Button3Click();
    Button33Click();
    ResetRunCounters();
}

namespace {

// "N rand. point C" and its B twin: the requested number of random points in
// an emptied square; a side of 0 leaves no cell to draw into and is refused.
void LayRandomPoints(TForm1& form, bool cPoints)
{
    if (UsedSquareRows() <= 0 || UsedSquareColumns() <= 0) {
        form.StatusBar1->setSimpleText("The square has no cells: no points placed");
        return;
    }
    QString note;
    const int32_t count =
        ListablePoints(cPoints ? requestedCPointCount : requestedBPointCount, kPointListCapacity, note);
    form.Button8Click();
    FillSquare(2);
    if (cPoints) {
        cPointCount = count;
        DrawRandomPoints(cPointX, cPointY, count, UsedSquareRows(), UsedSquareColumns());
        PlaceCPointsInSquare();
        bPointCount = 0;
    } else {
        bPointCount = count;
        DrawRandomPoints(bPointX, bPointY, count, UsedSquareRows(), UsedSquareColumns());
        PlaceBPointsInSquare();
    }
    form.FinishStartPattern();
    if (!note.isEmpty())
        form.StatusBar1->setSimpleText(note);
}

} // namespace

void TForm1::NpointC1Click() { LayRandomPoints(*this, true); }
void TForm1::NrandpointB1Click() { LayRandomPoints(*this, false); }

// Six batches of C points over the whole storage, one step apart.
void TForm1::N6Npoints1Click()
{
    const int32_t n = std::clamp(requestedCPointCount, 0, kMaxSixBatchPoints);
    QString note;
    if (n < requestedCPointCount)
        note = "6 x " + QString::number(requestedCPointCount) + " points requested, 6 x " + QString::number(n) +
               " placed";
    Button6Click();
    Button8Click();
    FillSquare(2);
    cPointCount = 6 * n;
    for (int batch = 0; batch < 6; ++batch) {
        LayRandomPointBatch(batch, n);
        if (batch < 5)
            Button1Click();
    }
    FinishStartPattern();
    if (!note.isEmpty())
        StatusBar1->setSimpleText(note);
}

void TForm1::CBCNtimes1Click()
{
    Button6Click();
    LayAlternatingRow(requestedBPointCount);
    FinishStartPattern();
}

// The point lists as they stand.
void TForm1::DO3Click()
{
    QString noteC, noteB;
    const int32_t cCount = ListablePoints(requestedCPointCount, kPointListCapacity, noteC);
    const int32_t bCount = ListablePoints(requestedBPointCount, kPointListCapacity, noteB);
    Button8Click();
    FillSquare(2);
    cPointCount = cCount;
    bPointCount = bCount;
    PlaceCPointsInSquare();
    PlaceBPointsInSquare();
    isRedrawNeeded = 1;
    FinishStartPattern();
    if (!noteC.isEmpty() || !noteB.isEmpty())
        StatusBar1->setSimpleText((noteC + (noteC.isEmpty() || noteB.isEmpty() ? "" : "; ") + noteB));
}

void TForm1::RANDOM2Click()
{
    Button8Click();
    FillSquareRandomly();
    isRedrawNeeded = 1;
    ReverseSevenForwardTen();
    ResetRunCounters();
}

void TForm1::Clearall1Click()
{
    Canvas& c = canvas();
    c.brush.color = ColorButtonFace;
    c.brush.style = BrushStyle::Solid;
    if (!CheckBox43->isChecked())
        c.fillRect(0, 0, 704, 704);
}

void TForm1::Button56Click()
{
    stepCount = 0;
    StatusBar1->setSimpleText("0");
    cycleCount = activitySamplePaintCount = 0;
}

void TForm1::CircleSquare1Click()
{
    RadioGroup5->setItemIndex(RadioGroup5->itemIndex() == 1 ? 0 : 1);
}

void TForm1::ViewInitial1Click()
{
    ToggleChecked(ViewInitial1);
    isRedrawNeeded = 1;
    Button3Click();
}

// "mA" and "mB": the painter reads them.
void TForm1::CheckBox1Click()
{
    Button8Click();
    Button3Click();
}

void TForm1::CheckBox2Click()
{
    Button8Click();
    Button3Click();
}

void TForm1::Showvideo1Click() { Form12->showModal(); }
void TForm1::Showinitial1Click() { Form3->showModal(); }
void TForm1::ShowtMatrix1Click() { Form5->showModal(); }
void TForm1::Showgrafics1Click() { Form14->showModal(); }
void TForm1::Showt61Click() { Form13->showModal(); }
void TForm1::ShowPARADOXES1Click() { Form15->showModal(); }
