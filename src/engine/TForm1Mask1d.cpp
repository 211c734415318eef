// The "Mask" group of tab M1 and the direction boxes: the ticks become the
// one-dimensional mask globals.
#include "app/TForm1.h"

#include "engine/Mask1d.h"
#include "tables2d/TwoDimState.h"

namespace {

Mask1dTicks ReadTicks(const TForm1& f)
{
    const QCheckBox* left[] = {f.CheckBox3, f.CheckBox4, f.CheckBox5, f.CheckBox6, f.CheckBox7,
                               f.CheckBox8, f.CheckBox9, f.CheckBox10, f.CheckBox11, f.CheckBox12};
    const QCheckBox* right[] = {f.CheckBox14, f.CheckBox15, f.CheckBox16, f.CheckBox17, f.CheckBox18,
                                f.CheckBox19, f.CheckBox20, f.CheckBox21, f.CheckBox22, f.CheckBox23};
    Mask1dTicks ticks;
    for (int d = 0; d < kMask1dMaxDistance; ++d) {
        ticks.left[d] = left[d]->isChecked();
        ticks.right[d] = right[d]->isChecked();
    }
    return ticks;
}

} // namespace

// "Nac 122"
void TForm1::Button122Click()
{
    Image17->setVisible(false);
    isTwoDimMode = 0;
    GroupBox31->setVisible(true);
    GroupBox2->setVisible(true);
    Button204->setVisible(true);
    Button211->setVisible(false);
    GroupBox51->setVisible(false);
    GroupBox33->setVisible(false);
    Button214->setVisible(false);
    Button215->setVisible(false);
    BuildMask1dFlags(ReadTicks(*this));
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
    BuildNeighbourList(ReadTicks(*this), direction);
    const int32_t n = mask1dPointCount;
    // Choosing "Npoint" runs its handler, which may lay down its default
    // neighbour list; the second pass of Button129Click restores the ticks.
    RadioGroup15->setItemIndex(n - 3 >= 0 && n - 3 <= 6 ? n - 3 : -1);
    Label453->setText(QString::number(n - 1));
    DeriveMask1dFromNeighbours();
}

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
