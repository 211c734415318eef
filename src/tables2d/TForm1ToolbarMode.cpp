// The toolbar shows the table generator and the counters of the current kind
// of work: "TT 1d" in one-dimensional work, "TT 2d" in two-dimensional work.
// A generator that runs keeps its "Stop" in view whatever the mode, since
// nothing else ends its chain.
#include "app/TForm1.h"

#include "tables1d/TableGenerator.h"
#include "tables2d/GrowthGenerator.h"
#include "tables2d/TwoDimState.h"

void TForm1::ApplyToolbarMode()
{
    const bool twoDim = isTwoDimMode != 0;
    const bool running1d = isGenerating1d != 0;
    const bool running2d = isTableGenerator2dRunning != 0;
    // The two generator groups share one place on the toolbar.
    const bool generator2dShown = running2d || (twoDim && !running1d);
    GroupBox31->setVisible(!generator2dShown);
    GroupBox33->setVisible(generator2dShown);
    Button204->setVisible(!generator2dShown && !running1d);
    Button211->setVisible(!generator2dShown && running1d);
    Button214->setVisible(generator2dShown && !running2d);
    Button215->setVisible(generator2dShown && running2d);
    GroupBox2->setVisible(!twoDim);
    GroupBox51->setVisible(twoDim);
}

void TForm1::ShowOneDimToolbar()
{
    isTwoDimMode = 0;
    ApplyToolbarMode();
}

void TForm1::ShowTwoDimToolbar()
{
    isTwoDimMode = 1;
    ApplyToolbarMode();
}

// A press on the toolbar's free area switches between the two kinds of work.
void TForm1::ControlBar1MouseDown()
{
    Image17->setVisible(false);
    if (isTwoDimMode == 0)
        ShowTwoDimToolbar();
    else
        ShowOneDimToolbar();
}
