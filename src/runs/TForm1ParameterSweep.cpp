// The menu "1 DIM": the parameter sweep over string lengths and numbers of B
// cells, one engine run per tick of Timer9, and its five result files.
#include "app/FormHelpers.h"
#include "app/TForm1.h"

#include "base/RunControls.h"
#include "base/StringLength.h"
#include "engine/StringState.h"
#include "runs/ParameterSweep.h"
#include "widgets/Dialogs.h"
#include "widgets/Handlers.h"

#include <algorithm>
#include <climits>

namespace {

const char* const kSweepFolder = "dataN";

void ReportUnwritten(const std::string& failed)
{
    if (!failed.empty())
        ShowMessage(QString::fromStdString("Could not write " + failed + " in " + kSweepFolder + "/"), "Warning");
}

} // namespace

void TForm1::Maketable1Click()
{
    const std::string problem = SweepParameterProblem();
    if (!problem.empty()) {
        ShowMessage(QString::fromStdString(problem), "Warning");
        return;
    }
    StartSweep();
    isSweepRunning = 1;
    isSweepRunPending = 0;
    Timer9->setEnabled(true);
}

void TForm1::Timer9Timer()
{
    int32_t remembered = stepCount;
    if (FindSweepPoint()) {
        const int32_t i = sweepLengthIndex, j = sweepBCountIndex, k = sweepRepeatIndex;
        stringLength = static_cast<int32_t>(std::clamp<int64_t>(int64_t{sweepLengthFrom} + i, 0, kStringCells));
        ShowNumber(Edit5, stringLength);
        requestedBPointCount = static_cast<int32_t>(std::clamp<int64_t>(int64_t{sweepBCountFrom} + j, INT32_MIN, INT32_MAX));
        ShowNumber(Edit7, requestedBPointCount);
        if (k == 0)
            ClearSweepPoint(j, i);
        remembered = stepCount;
        Button7Click();
        Button58Click();
        isSweepRunPending = 1;
        if (k == 0 && j == 0)
            PConec1Click();
    }
    QString status;
    for (int32_t v : {sweepRunIndex, sweepRepeatIndex, sweepBCountIndex, sweepLengthIndex, remembered})
        status += QString::number(v) + " ";
    StatusBar1->setSimpleText(status);
    ++sweepRunIndex;
    Timer1->setEnabled(true);
    Timer9->setEnabled(false);
}

void TForm1::CountSweepRunEnd(int32_t runSteps)
{
    if (!isSweepRunning)
        return;
    if (isSweepRunPending) {
        const int32_t length = UsedStringLength();
        CountSweepRun(runSteps, static_cast<int32_t>(std::count(stringA, stringA + length, uint8_t{1})));
        isSweepRunPending = 0;
    }
    if (sweepRunIndex < SweepRunTotal()) {
        Timer9->setEnabled(true);
        return;
    }
    // Every run is done: the files hold every length of the range.
    sweepLengthIndex = sweepLengthSteps;
    Conec1Click();
}

void TForm1::Conec1Click()
{
    ReportUnwritten(WriteSweepFiles(kSweepFolder, sweepLengthIndex));
    Timer1->setEnabled(false);
    Timer9->setEnabled(false);
    isSweepRunning = 0;
    isSweepRunPending = 0;
    Button7Click();
}

void TForm1::PConec1Click()
{
    ReportUnwritten(WriteSweepFiles(kSweepFolder, sweepLengthIndex));
}

void TForm1::isPlosk1Click()
{
    ToggleChecked(isPlosk1);
}

void TForm1::Edit11Change() { sweepBCountFrom = EditNumber(Edit11); }
void TForm1::Edit12Change() { sweepBCountTo = EditNumber(Edit12); }
void TForm1::Edit13Change() { sweepLengthFrom = EditNumber(Edit13); }
void TForm1::Edit14Change() { sweepLengthTo = EditNumber(Edit14); }
void TForm1::Edit15Change() { sweepSpareNumber = EditNumber(Edit15); }
void TForm1::Edit16Change() { sweepRepeatCount = EditNumber(Edit16); }
