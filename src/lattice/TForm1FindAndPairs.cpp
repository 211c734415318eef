// "Do find" of the menu "Clear RCA" (a centre start run one step a press),
// its two unreached twins, and the small C/B pair starts "N times CB" and
// Button51.
#include "app/FormHelpers.h"
#include "app/TForm1.h"

#include "base/RunControls.h"
#include "engine/StringState.h"
#include "lattice/CBPairPatterns.h"

void TForm1::Dofind1Click()
{
    Center1Click();
    stepsPerRun = 1;
    ShowNumber(Edit2, stepsPerRun);
    UpDown1->setPosition(stepsPerRun);
    isRedrawNeeded = 1;
    Button3Click();
    Button6Click();
}

void TForm1::N20Click()
{
    Dofind1Click();
}

void TForm1::NOfind1Click() {}

void TForm1::N14Click()
{
    ScatterCBPairs(requestedCPointCount);
    Button3Click();
    Button33Click();
    cycleCount = stepCount = activitySamplePaintCount = 0;
}

void TForm1::Button51Click()
{
    PlaceFourCBPairs();
    isRedrawNeeded = 1;
    Button3Click();
}

void TForm1::N5points1Click()
{
    Button51Click();
}
