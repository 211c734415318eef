// The lattice step loop on Timer2 and the acceptance test of the rule table.
#include "app/TForm1.h"

#include "base/RunControls.h"
#include "engine/StringState.h"
#include "lattice/AcceptanceTest.h"
#include "lattice/LatticeStep.h"

namespace {

SquareBorder BorderOf(int item)
{
    return item == 0 ? SquareBorder::FrozenA : SquareBorder::Circle;
}

} // namespace

void TForm1::Timer2Timer()
{
    Button32Click();
}

// One tick: stepsPerRun steps (read once), until the pattern dies. The step
// draws nothing; "Don't show" tells the painters so.
void TForm1::Button32Click()
{
    Dontshow1->setChecked(true);
    const int32_t steps = stepsPerRun;
    const int mode = RadioGroup1->itemIndex();
    const SquareBorder border = BorderOf(RadioGroup2->itemIndex());
    for (int32_t k = 0; k < steps; ++k) {
        if (cycleCount % 100 == 0)
            Label28->setText("CYCLE=");
        if (StepSquare(mode, border)) {
            Label28->setText("CYCLE=");
            Timer2->setEnabled(false);
            break;
        }
    }
    cycleCount += isTimeReversed ? -1 : 1;
    isRedrawNeeded = 0;
}

void TForm1::Button31Click()
{
    if (RunAcceptanceTest(RadioGroup1->itemIndex()))
        isRuleAccepted = 1;
}
