// The "Mask" group of tab M1 and the direction boxes: the ticks become the
// one-dimensional mask globals.
#include "app/TForm1.h"

#include "app/FormHelpers.h"
#include "engine/Mask1d.h"

#include <QSignalBlocker>

#include <algorithm>
#include <array>

QCheckBox* TForm1::LeftMaskBox(int d) const
{
    QCheckBox* const boxes[] = {CheckBox3, CheckBox4,  CheckBox5,  CheckBox6,  CheckBox7, CheckBox8,
                                CheckBox9, CheckBox10, CheckBox11, CheckBox12, CheckBox13};
    return d >= 1 && d <= kStringMaxDistance ? boxes[d - 1] : nullptr;
}

QCheckBox* TForm1::RightMaskBox(int d) const
{
    QCheckBox* const boxes[] = {CheckBox14, CheckBox15, CheckBox16, CheckBox17, CheckBox18, CheckBox19,
                                CheckBox20, CheckBox21, CheckBox22, CheckBox23, CheckBox24};
    return d >= 1 && d <= kStringMaxDistance ? boxes[d - 1] : nullptr;
}

Mask1dTicks TForm1::ReadMaskTicks() const
{
    Mask1dTicks ticks;
    for (int d = 1; d <= kMask1dMaxDistance; ++d) {
        ticks.left[d - 1] = LeftMaskBox(d)->isChecked();
        ticks.right[d - 1] = RightMaskBox(d)->isChecked();
    }
    return ticks;
}

void TForm1::SetNearMaskBoxes(int32_t leftBits, int32_t rightBits, int distances)
{
    for (int d = 1; d <= std::min(distances, kMask1dMaxDistance); ++d) {
        LeftMaskBox(d)->setChecked((leftBits >> (d - 1)) & 1);
        RightMaskBox(d)->setChecked((rightBits >> (d - 1)) & 1);
    }
}

namespace {

// The edits of neighbourOffsets[0..9] in list order.
std::array<QLineEdit*, 10> NeighbourEdits(const TForm1& f)
{
    return {f.Edit34, f.Edit35, f.Edit37, f.Edit38, f.Edit39,
            f.Edit40, f.Edit41, f.Edit42, f.Edit43, f.Edit44};
}

} // namespace

// "Nac 122"
void TForm1::Button122Click()
{
    Image17->setVisible(false);
    ShowOneDimToolbar();
    BuildMask1dFlags(ReadMaskTicks());
    Label107->setText(QString::number(mask1dLeftBits));
    Label108->setText(QString::number(mask1dRightBits));
}

// "Do from mask"
void TForm1::Button127Click()
{
    Mask1dDirection direction = Mask1dDirection::None;
    if (CheckBox41->isChecked())
        direction = Mask1dDirection::LeftToRight;
    else if (CheckBox45->isChecked())
        direction = Mask1dDirection::RightToLeft;
    BuildNeighbourList(ReadMaskTicks(), direction);
    ShowNeighbourList();
    const int32_t n = mask1dPointCount;
    // Choosing an item of "Npoint" runs its handler, which lays down its
    // default neighbour list; the second pass of Button129Click restores the
    // ticks. A point count without an item selects nothing, and runs nothing.
    if (n - 3 >= 0 && n - 3 <= 6) {
        RadioGroup15->setItemIndex(n - 3);
    } else {
        const QSignalBlocker silent(RadioGroup15);
        RadioGroup15->setItemIndex(-1);
    }
    Label453->setText(QString::number(n - 1));
    DeriveMask1dFromNeighbours();

    Label451->setText(QString::number(n));
    QLabel* const sorted[] = {Label442, Label443, Label444, Label445, Label446,
                              Label447, Label448, Label461, Label462};
    // The first three labels always show their entry; the others only
    // while the mask has that many points.
    for (int i = 0; i < 9; ++i) {
        if (i < 3 || i < n)
            sorted[i]->setText(QString::number(mask1dOffsets[i]));
        else
            sorted[i]->setText("");
    }
    Label586->setText(QString::number(mask1dCentreIndex));
}

void TForm1::ShowNeighbourList()
{
    ShowNumber(Edit33, neighbourCount);
    const auto edits = NeighbourEdits(*this);
    for (int j = 0; j < 10; ++j) {
        ShowNumber(edits[j], neighbourOffsets[j]);
        if (j >= 3)
            edits[j]->setVisible(neighbourCount > j);
    }
}

// Typing the list length shows the list as it stands at that length.
void TForm1::Edit33Change()
{
    neighbourCount = EditNumber(Edit33);
    ShowNeighbourList();
}

void TForm1::Edit34Change() { neighbourOffsets[0] = EditNumber(Edit34); }
void TForm1::Edit35Change() { neighbourOffsets[1] = EditNumber(Edit35); }
void TForm1::Edit37Change() { neighbourOffsets[2] = EditNumber(Edit37); }
void TForm1::Edit38Change() { neighbourOffsets[3] = EditNumber(Edit38); }
void TForm1::Edit39Change() { neighbourOffsets[4] = EditNumber(Edit39); }
void TForm1::Edit40Change() { neighbourOffsets[5] = EditNumber(Edit40); }
void TForm1::Edit41Change() { neighbourOffsets[6] = EditNumber(Edit41); }
void TForm1::Edit42Change() { neighbourOffsets[7] = EditNumber(Edit42); }
void TForm1::Edit43Change() { neighbourOffsets[8] = EditNumber(Edit43); }
void TForm1::Edit44Change() { neighbourOffsets[9] = EditNumber(Edit44); }

void TForm1::Button129Click()
{
    Button127Click();
    Button127Click();
}

// "mk"
void TForm1::Button228Click()
{
    Button122Click();
    if (CheckBox46->isChecked())
        Button129Click();
    Image17->setVisible(false);
}

void TForm1::CheckBox41Click()
{
    if (CheckBox41->isChecked())
        CheckBox45->setChecked(false);
    Button129Click();
}

void TForm1::CheckBox45Click()
{
    if (CheckBox45->isChecked())
        CheckBox41->setChecked(false);
    Button129Click();
}

void TForm1::RunFarOffsetClick()
{
    Button122Click();
    if (CheckBox46->isChecked())
        Button129Click();
}

void TForm1::CheckBox9Click() { RunFarOffsetClick(); }
void TForm1::CheckBox10Click() { RunFarOffsetClick(); }
void TForm1::CheckBox11Click() { RunFarOffsetClick(); }
void TForm1::CheckBox12Click() { RunFarOffsetClick(); }
void TForm1::CheckBox20Click() { RunFarOffsetClick(); }
void TForm1::CheckBox21Click() { RunFarOffsetClick(); }
void TForm1::CheckBox22Click() { RunFarOffsetClick(); }
void TForm1::CheckBox23Click() { RunFarOffsetClick(); }

void TForm1::CheckBox38Click()
{
    Button122Click();
}

void TForm1::CheckBox40Click() {}

// "Npoint" lays down the default neighbour list of its size ("Clear 93").
void TForm1::RadioGroup15Click()
{
    Button93Click();
}
