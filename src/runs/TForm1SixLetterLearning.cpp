// The "D Work" panel: the learning step of small transition tables ("D Theory
// +R"), its neighbour-list reset ("Clear 93"), and the trial series that makes
// one random run after another for the chosen predictor to learn from.
#include "app/FormHelpers.h"
#include "app/TForm1.h"

#include "base/RunControls.h"
#include "base/SquareSize.h"
#include "base/StringLength.h"
#include "engine/StringState.h"
#include "engine/StringTraces.h"
#include "runs/LearningTrials.h"
#include "runs/RecordedRun.h"
#include "runs/SixLetterHistory.h"
#include "runs/SixLetterLearning.h"
#include "widgets/Dialogs.h"

#include <fstream>

void TForm1::Button93Click()
{
    trialTickCount = 0;
    timeLimitHitCount = 0;
    ResetSixLetterItem(RadioGroup15->itemIndex());
    ShowNeighbourList();
}

// Thirteen cells of the six-letter history in the labels beside "(119) 148".
void TForm1::ShowSixLetterCells()
{
    QLabel* const column0[] = {Label30, Label39, Label41, Label42, Label43};
    QLabel* const column1[] = {Label44, Label45, Label46, Label47, Label48};
    QLabel* const column2[] = {Label49, Label50, Label51};
    for (int r = 0; r < 5; ++r) {
        column0[r]->setText(QString::number(sixLetterHistory[r][0]));
        column1[r]->setText(QString::number(sixLetterHistory[r][1]));
    }
    for (int r = 0; r < 3; ++r)
        column2[r]->setText(QString::number(sixLetterHistory[r][2]));
}

void TForm1::Button119Click()
{
    ++seriesStepCount;
    const int32_t n = NeighbourCountOfItem(RadioGroup15->itemIndex());
    LearnSixLetterTable(n, [this](const LetterAmbiguity& a) {
        if (a.n == 4) {
            // The first conflict of N = 4 ends the learning and the trial series.
            Timer1->setEnabled(false);
            Timer11->setEnabled(false);
            isTrialSeriesActive = 0;
        }
        ShowMessage(QString::fromStdString(LetterAmbiguityText(a)), "Warning");
    });
    ShowSixLetterCells();
    Button101Click();
}

// Slots of the panel that do nothing ("Theory 110" is the predictor slot after
// "Direct Work 3"; "Button101" ends every learning step).
void TForm1::Button101Click() {}
void TForm1::Button110Click() {}
void TForm1::Button117Click() {}
void TForm1::Button118Click() {}

namespace {

// Opens "MLR/MLRMLR.dat" for reading and writing without creating it, and
// closes it again: no data is moved; a missing file is ignored.
void TouchMlrFile()
{
    std::fstream file("MLR/MLRMLR.dat", std::ios::binary | std::ios::in | std::ios::out);
    if (file)
        file.seekp(0);
}

} // namespace

void TForm1::Button120Click() { TouchMlrFile(); }
void TForm1::Button121Click() { TouchMlrFile(); }

void TForm1::Button124Click()
{
    QLabel* const results[] = {Label156, Label58,  Label169, Label173, Label140, Label165, Label170,
                               Label174, Label157, Label166, Label171, Label175, Label158, Label167};
    for (QLabel* label : results)
        label->setText("X");
    for (RichEdit* edit : {RichEdit4, RichEdit5, RichEdit6, RichEdit7, RichEdit8, RichEdit9})
        edit->clearLines();
    trialTickCount = 0;
    timeLimitHitCount = 0;
    Button93Click();
}

void TForm1::Button125Click()
{
    const std::string problem = TrialParameterProblem();
    if (!problem.empty()) {
        ShowMessage(QString::fromStdString(problem), "Warning");
        return;
    }
    Button126->setEnabled(true);
    Button124->setEnabled(false);
    Button125->setEnabled(false);
    isTestRunning = 1;
    isTrialSeriesActive = 1;
    Timer11->setEnabled(true);
}

void TForm1::Button126Click()
{
    Button126->setEnabled(false);
    Button124->setEnabled(true);
    Button125->setEnabled(true);
    Timer1->setEnabled(false);
    Timer11->setEnabled(false);
    // Nothing else would clear them: a finished run would start the next trial.
    isTestRunning = 0;
    isTrialSeriesActive = 0;
}

void TForm1::Timer11Timer()
{
    ++trialTickCount;
    ShowNumber(Edit1, stringLength);
    ShowNumber(Edit7, requestedBPointCount);
    Label138->setText(QString::number(trialTickCount));
    Label139->setText(QString::number(timeLimitHitCount));
    Button103Click();
}

void TForm1::Button103Click()
{
    Timer11->setEnabled(false);
    const std::string problem = TrialParameterProblem();
    if (!problem.empty()) {
        // The parameters were changed while the series ran: end it, draw nothing.
        isTrialSeriesActive = 0;
        ShowMessage(QString::fromStdString(problem), "Warning");
        return;
    }
    const TrialDraw draw = DrawTrial();
    squareRowCount = squareColumnCount = stringLength = draw.length;
    requestedBPointCount = draw.bCount;
    Button58Click();
}

void TForm1::Starttest1Click() { Button125Click(); }
void TForm1::Stoptest1Click() { Button126Click(); }
void TForm1::Clearresults1Click() { Button124Click(); }

void TForm1::Edit51Change() { trialBCountBase = EditNumber(Edit51); }
void TForm1::Edit32Change() { dirWorkNumber = EditNumber(Edit32); }

void TForm1::UpDown7Click()
{
    ShowNumber(Edit32, UpDown7->position());
    Button106Click();
    ShowNumber(Edit1, stringLength);
}
