// The T=6 scan of the menu "T=6": a start state of one C point from the pair
// list and one point at the centre of a 31 x 31 square, handed to the string
// engine's timer for one run; and the two commands that prepare the mask
// chooser and load a stored square of side 31 or 71.
#include "app/FormHelpers.h"
#include "app/TForm1.h"

#include "base/SquareSize.h"
#include "engine/SquarePatterns.h"
#include "engine/StringState.h"
#include "lattice/T6Scan.h"
#include "lattice/TForm13.h"
#include "lattice/TForm5.h"
#include "widgets/Handlers.h"

namespace {

constexpr int32_t kScanSide = 31;

// The first steps of "Sh=31" and "Siz=71": the kind "Mask", rings 9, 10 and
// 12 of the mask chooser unticked, the torus.
void PrepareMaskKind(TForm1& form)
{
    form.RadioGroup3->setItemIndex(1);
    Form13->CheckBox9->setChecked(false);
    Form13->CheckBox10->setChecked(false);
    Form13->CheckBox12->setChecked(false);
    form.RadioGroup2->setItemIndex(1);
}

} // namespace

void TForm1::ConnectT6ScanHandlers()
{
    OnClick(Begim1, Bind(&TForm1::Begim1Click));
    OnClick(DO2, Bind(&TForm1::DO2Click));
    OnClick(CB1, Bind(&TForm1::CB1Click));
    OnClick(Sh411, Bind(&TForm1::Sh411Click));
    OnClick(Siz511, Bind(&TForm1::Siz511Click));
    OnTimer(Timer6, Bind(&TForm1::Timer6Timer));
}

void TForm1::Begim1Click()
{
    squareRowCount = squareColumnCount = kScanSide;
    ShowNumber(Edit1, kScanSide);
    UpDown2->setPosition(kScanSide);
    ResetT6Scan();
    Button8Click();
    const T6Pair corner{0, 0};
    LayT6StartState(CB1->isChecked(), &corner);
    PlaceCPointsInSquare();
    if (CB1->isChecked())
        PlaceBPointsInSquare();
    stepCount = 0;
    Timer6->setEnabled(true);
}

// Index 135 (and anything outside the pairs) keeps C point 0 where it is and
// starts no run.
void TForm1::Timer6Timer()
{
    Button8Click();
    const bool isPair = t6PairIndex >= 0 && t6PairIndex < kT6ShownPairs;
    const T6Pair pair = T6PairOfIndex(t6PairIndex);
    LayT6StartState(CB1->isChecked(), isPair ? &pair : nullptr);
    PlaceCPointsInSquare();
    PlaceBPointsInSquare();
    Timer1->setEnabled(isPair);
    Timer6->setEnabled(false);
}

void TForm1::DO2Click() { Timer6->setEnabled(false); }

void TForm1::CB1Click() { ToggleChecked(CB1); }

void TForm1::Sh411Click()
{
    PrepareMaskKind(*this);
    // The C list is read with the side as it was.
    Read311Click();
    squareRowCount = kScanSide;
    ShowNumber(Edit1, kScanSide);
    squareColumnCount = kScanSide;
    Showparameters1->setChecked(true);
}

void TForm1::Siz511Click()
{
    constexpr int32_t side = 71;
    PrepareMaskKind(*this);
    squareRowCount = side;
    ShowNumber(Edit1, side);
    squareColumnCount = side;
    Read711Click();
    Showparameters1->setChecked(true);
    stepCount = 0;
}

void TForm1::ShowRandom1Click() { Form5->showModal(); }
