// "n steps", "One st." and the run timer: the form side of the string engine.
// The engine steps the strings; this file reads the controls it needs, shows
// the outcome and switches the timers.
#include "app/TForm1.h"

#include "app/FormHelpers.h"
#include "base/NumericHelpers.h"
#include "engine/StringState.h"
#include "engine/StringTraces.h"
#include "engine/TrialBatch.h"
#include "runs/LearningTrials.h"

#include <QLabel>

#include <cstdlib>

namespace {

QString Number(int32_t v) { return QString::number(v); }

} // namespace

StringStepSettings TForm1::ReadStringSettings() const
{
    StringStepSettings s;
    for (int d = 1; d <= kStringMaxDistance; ++d) {
        s.mask.left[d] = LeftMaskBox(d)->isChecked();
        s.mask.right[d] = RightMaskBox(d)->isChecked();
    }
    s.border = RadioGroup2->itemIndex() == 0 ? StringBorder::FrozenA : StringBorder::Circle;
    s.stopAt101 = CheckBox37->isChecked();
    return s;
}

void TForm1::ShowStepCount()
{
    StatusBar1->setSimpleText(Number(stepCount));
}

void TForm1::Button2Click()
{
    const bool trial = Timer101->isChecked();
    const StringBatchResult result = RunStringBatch(ReadStringSettings(), trial);
    if (result.trialExperimentOver) {
        ShowTrialStatistics();
        Timer1->setEnabled(false);
        Timer10->setEnabled(false);
    }
    switch (result.end) {
    case StringBatchEnd::LimitReached:
        if (!trial || stepCount % 32 == 0)
            ShowStepCount();
        Button3Click();
        return;
    case StringBatchEnd::RunFinished:
        FinishStringRun();
        return;
    case StringBatchEnd::TrialRunEnded:
        Timer1->setEnabled(false);
        Timer10->setEnabled(true);
        ShowTrialStatistics();
        return;
    }
}

void TForm1::Button1Click()
{
    isSingleStep = 1;
    Button2Click();
    isSingleStep = 0;
}

void TForm1::Timer1Timer()
{
    Button2Click();
}

// The end of a run without the trial experiment: the outcome in the labels of
// "Results"; no repaint.
void TForm1::FinishStringRun()
{
    Timer1->setEnabled(false);
    // The predictors use stepCount as their row counter; the sweep counts the run's own.
    const int32_t runSteps = stepCount;
    // Only a series started by "Start test" goes on to its next trial (the
    // recorded run sets isTestRunning too, and must not start one).
    if (isTrialSeriesActive)
        Timer11->setEnabled(true);
    switch (RadioGroup12->itemIndex()) {
    case 1:
        Button98Click();   // "Marker Work"
        break;
    case 2:
        Button119Click();  // "Direct Work 3"
        break;
    default:               // "NOT"
        break;
    }
    RecordRunEnd();

    ShowStepCount();
    QLabel* balanceLabelsA[] = {Label3, Label4, Label6, Label17};
    QLabel* balanceLabelsB[] = {Label18, Label23, Label26, Label27};
    for (int i = 0; i < 4; ++i) {
        balanceLabelsA[i]->setText(Number(balanceA[i] / 2));
        balanceLabelsB[i]->setText(Number(balanceB[i] / 2));
    }
    Label25->setText(Number(stopTimeA));
    Label34->setText(Number(stopTimeB));
    Label29->setText(AbsInt(balanceA[0]) == AbsInt(balanceB[0]) ? "Yes" : "No");
    Label33->setText(areStoppedStringsDisjoint ? "Yes" : "No");
    Label112->setText(isStopAUnlikeStart ? "Yes" : "No");
    Label35->setText(std::llabs(int64_t{stopTimeA} - stopTimeB) == std::llabs(int64_t{balanceA[0] / 2}) ? "Yes" : "No");
    if (AbsInt(balanceA[0]) >= 1)
        Label131->setText("qH");
    else if (areStoppedStringsDisjoint && !isStopAUnlikeStart)
        Label130->setText("PnP");
    else if (isStopAUnlikeStart)
        Label128->setText("PP");
    Label132->setText("");
    Label37->setText(Number(lastHistoryRow + 1));
    Label56->setText(Number(static_cast<int32_t>((int64_t{stopTimeA} + stopTimeB) / 3)));

    ComputeTraceMatches();
    Label24->setText(Number(traceMatchTwoBZeroA));
    Label32->setText(Number(traceMatchZeroBTwoA));
    Label38->setText(Number(traceMatchZeroACompareA));
    Label66->setText(Number(traceMatchZeroBCompareB));
    CountSweepRunEnd(runSteps);
}

// The trial statistics: the mask labels of tab M1 and the counters on the
// results panel of tab "Show". An average is shown only when its count is not
// 0, so it keeps its last value otherwise.
void TForm1::ShowTrialStatistics()
{
    const StringStepSettings s = ReadStringSettings();
    Label107->setText(Number(MaskBitsOfDistances1To5(s.mask.left)));
    Label108->setText(Number(MaskBitsOfDistances1To5(s.mask.right)));
    const int32_t* t = trialStatistics;
    Label109->setText(Number(randomLengthMin));
    Label110->setText(Number(randomLengthMax));
    Label10->setText(t[5] >= 1000 ? QString("1000") : Number(t[5]));
    const struct { QLabel* label; int element; } counts[] = {
        {Label31, 6},  {Label55, 7},  {Label70, 9},  {Label71, 10}, {Label87, 22}, {Label89, 24},
        {Label94, 26}, {Label72, 11}, {Label75, 17}, {Label79, 18}, {Label84, 20},
    };
    for (const auto& c : counts)
        c.label->setText(Number(t[c.element]));
    const struct { QLabel* label; int sum; int count; } averages[] = {
        {Label76, 8, 7},   {Label88, 23, 22}, {Label93, 25, 24}, {Label95, 27, 26},
        {Label73, 12, 11}, {Label82, 19, 18}, {Label85, 21, 20},
    };
    for (const auto& a : averages)
        if (t[a.count] != 0)
            a.label->setText(Number(t[a.sum] / t[a.count]));
}

// The parameters of the trial experiment.
void TForm1::Edit26Change() { randomLengthMin = EditNumber(Edit26); }
void TForm1::Edit27Change() { randomLengthMax = EditNumber(Edit27); }
void TForm1::Edit28Change() { stepLimit = EditNumber(Edit28); }
void TForm1::Edit29Change() { trialLimit = EditNumber(Edit29); }
