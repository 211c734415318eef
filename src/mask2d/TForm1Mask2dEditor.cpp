// Tab "ANY II": the chooser "n points", the eight extra point edits and the
// shared steps every mask handler ends with (show the table, rebuild it from
// its rules, rebuild the table path). Writing an edit from here runs its
// handler at once, nested; the rewritten texts are the canonical forms of the
// stored values, so the nesting ends after one level.
#include "app/FormHelpers.h"
#include "app/TForm1.h"

#include "tables2d/GrowthGenerator.h"

#include "base/ProgramDir.h"
#include "base/SquareSize.h"
#include "base/StringLength.h"
#include "mask2d/Mask2dPath.h"
#include "mask2d/Mask2dTables.h"
#include "tables1d/TableGenerator.h"
#include "tables2d/TwoDimState.h"

#include <QSignalBlocker>

#include <array>

namespace {

// Torus side of the growth run per item of "n points".
constexpr int kTorusSide[kMask2dTableCount] = {6, 6, 8, 8, 8};

std::array<QLineEdit*, kMask2dEditCount> CoordinateEdits(TForm1& f)
{
    return {f.Edit54, f.Edit55, f.Edit56, f.Edit57, f.Edit58, f.Edit59, f.Edit60, f.Edit61};
}

struct PointLabels {
    QLabel *rawX, *rawY, *normX, *normY;
};

std::array<PointLabels, 9> ShiftLabels(TForm1& f)
{
    return {{{f.Label498, f.Label499, f.Label420, f.Label427},
             {f.Label500, f.Label501, f.Label421, f.Label466},
             {f.Label502, f.Label503, f.Label422, f.Label522},
             {f.Label504, f.Label505, f.Label423, f.Label523},
             {f.Label506, f.Label507, f.Label424, f.Label524},
             {f.Label508, f.Label509, f.Label425, f.Label525},
             {f.Label510, f.Label511, f.Label426, f.Label526},
             {f.Label565, f.Label566, f.Label570, f.Label571},
             {f.Label568, f.Label569, f.Label572, f.Label573}}};
}

QString Number(int32_t value) { return QString::number(value); }

// The labels of "Shift" for table t: raw coordinates always, the normalised
// ones and the bounds when asked; the labels of unused points are emptied.
void ShowShiftLabels(TForm1& f, int t, bool normalised, bool bounds)
{
    const auto labels = ShiftLabels(f);
    const int n = Mask2dTablePoints(t);
    for (int i = 0; i < int(labels.size()); ++i) {
        const PointLabels& l = labels[i];
        if (i < n) {
            l.rawX->setText(Number(mask2dPointTables[t][i].x));
            l.rawY->setText(Number(mask2dPointTables[t][i].y));
            if (normalised) {
                l.normX->setText(Number(mask2dNormalizedPoints[i].x));
                l.normY->setText(Number(mask2dNormalizedPoints[i].y));
            }
        } else {
            for (QLabel* label : {l.rawX, l.rawY, l.normX, l.normY})
                label->setText(QString());
        }
    }
    if (bounds) {
        f.Label418->setText(Number(mask2dMinX));
        f.Label419->setText(Number(mask2dMinY));
        f.Label531->setText(Number(mask2dMaxX));
        f.Label532->setText(Number(mask2dMaxY));
        f.Label534->setText(Number(mask2dSpanX));
        f.Label535->setText(Number(mask2dSpanY));
    }
}

// The eight edits in order; each write whose text differs runs that edit's
// handler before the next edit is written.
void WriteCoordinateEdits(TForm1& f, int t)
{
    const auto edits = CoordinateEdits(f);
    for (int e = 0; e < kMask2dEditCount; ++e)
        edits[e]->setText(QString::fromStdString(Mask2dEditText(e, t)));
}

} // namespace

bool TForm1::Mask2dChangeRefused()
{
    const bool running = isGenerating1d || isTableGenerator2dRunning || Timer17->enabled() || Timer18->enabled()
                         || Timer13->enabled();
    if (running)
        StatusBar1->setSimpleText("The two-dimensional mask stays as it is while a table generator or a growth "
                                  "run goes on: press \"Stop\" first.");
    return running;
}

void TForm1::RadioGroup20Click()
{
    if (Mask2dChangeRefused()) {
        // Back to the item in force, without running the chooser again.
        const QSignalBlocker quiet(RadioGroup20);
        RadioGroup20->setItemIndex(mask2dAppliedItem);
        return;
    }
    Image17->setVisible(false);
    ShowTwoDimToolbar();
    const int t = RadioGroup20->itemIndex();
    mask2dAppliedItem = t;
    if (IsMask2dTable(t)) {
        const int side = kTorusSide[t];
        stringLength = side;
        squareRowCount = side;
        squareColumnCount = side;
        ShowNumber(Edit1, side);
        UpDown2->setPosition(side);

        mask2dPointCount = Mask2dTablePoints(t);
        Label455->setText(Number(mask2dPointCount - 1));
        RebuildMask2dTable(t);   // table 0 keeps the cross as it stands
        const bool diagonals = t >= 3;
        if (diagonals)
            NormaliseMask2d(t);
        ShowShiftLabels(*this, t, diagonals, diagonals);
        if (t == 3) {
            Button226Click();
            Label512->setText(QString::fromStdString(ttFileName2d));
            Label513->setText(QString::fromStdString(ttFileName2d));
        }
        // The edits of two items always differ somewhere, so at least one edit
        // handler runs here; it normalises the new table and rebuilds the path.
        WriteCoordinateEdits(*this, t);
        const auto edits = CoordinateEdits(*this);
        for (int e = 0; e < kMask2dEditCount; ++e)
            edits[e]->setVisible(Mask2dEditPoint(e) < Mask2dTablePoints(t));
    }
    Button170Click();
}

void TForm1::ShowMask2d(int t)
{
    if (!IsMask2dTable(t))
        return;
    NormaliseMask2d(t);
    // "Cross" shows its raw points only; the bounds belong to the larger masks.
    ShowShiftLabels(*this, t, t > 0, t > 0);
    WriteCoordinateEdits(*this, t);
}

void TForm1::RebuildMask2d()
{
    Image17->setVisible(false);
    ShowMask2d(RadioGroup20->itemIndex());
    Button226Click();
}

void TForm1::ResetCurrentMask2d()
{
    Image17->setVisible(false);
    const int t = RadioGroup20->itemIndex();
    if (t == 0)
        LayCross(CrossOrder::Reset);
    else
        RebuildMask2dTable(t);
    ShowMask2d(t);
    Button226Click();
}

namespace {

// One extra point edit changed: store its number, then show the mask again.
// A refused change puts back the text of the mask in force, silently.
void CoordinateEditChanged(TForm1& f, int e)
{
    QLineEdit* edit = CoordinateEdits(f)[e];
    const int t = f.RadioGroup20->itemIndex();
    if (f.Mask2dChangeRefused()) {
        const QSignalBlocker quiet(edit);
        edit->setText(QString::fromStdString(Mask2dEditText(e, t)));
        return;
    }
    StoreMask2dEditValue(e, t, EditNumber(edit));
    f.RebuildMask2d();
}

} // namespace

void TForm1::Edit54Change() { CoordinateEditChanged(*this, 0); }
void TForm1::Edit55Change() { CoordinateEditChanged(*this, 1); }
void TForm1::Edit56Change() { CoordinateEditChanged(*this, 2); }
void TForm1::Edit57Change() { CoordinateEditChanged(*this, 3); }
void TForm1::Edit58Change() { CoordinateEditChanged(*this, 4); }
void TForm1::Edit59Change() { CoordinateEditChanged(*this, 5); }
void TForm1::Edit60Change() { CoordinateEditChanged(*this, 6); }
void TForm1::Edit61Change() { CoordinateEditChanged(*this, 7); }

void TForm1::Button216Click()
{
    if (Mask2dChangeRefused())
        return;
    ShowNumber(Edit54, extraPointX5);
    ShowNumber(Edit55, extraPointY5);
    ResetCurrentMask2d();
    Button213Click();
}

void TForm1::Button222Click()
{
    if (Mask2dChangeRefused())
        return;
    LayCross(CrossOrder::Reset);
    for (int t = 1; t <= 2; ++t)
        std::copy(mask2dPointTables[0], mask2dPointTables[0] + kMask2dCrossPoints, mask2dPointTables[t]);
    mask2dPointTables[1][5] = {-1, 1};
    extraPointX5 = -1;
    extraPointY5 = 1;
    ShowNumber(Edit54, extraPointX5);
    ShowNumber(Edit55, extraPointY5);
    ResetCurrentMask2d();
}

// The path names the mask in force; with no item chosen the last path stays.
void TForm1::Button226Click()
{
    if (const std::optional<std::string> name = Mask2dTableFileName(RadioGroup20->itemIndex()))
        ttFileName2d = programDir + *name;
    Label512->setText(QString::fromStdString(ttFileName2d));
}
