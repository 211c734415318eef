// The recorded run on the main window: "DO =58 146" resets the run's state and
// controls, makes the start string, runs both strings row by row and, when
// they have stopped, builds the six-letter history and fills the PR grids.
#include "app/FormHelpers.h"
#include "app/TForm1.h"

#include "base/RunControls.h"
#include "base/StringLength.h"
#include "engine/StringPaint.h"
#include "engine/StringStart.h"
#include "engine/StringState.h"
#include "engine/StringTraces.h"
#include "runs/MarkerGrids.h"
#include "runs/RecordedRun.h"
#include "widgets/ControlColor.h"

namespace {

RecordedRunSettings ReadRecordedRunSettings(const TForm1& form)
{
    const StringStepSettings engine = form.ReadStringSettings();
    RecordedRunSettings s;
    s.mask = engine.mask;
    s.border = engine.border;
    s.unStop = form.CheckBox49->isChecked();
    return s;
}

} // namespace

void TForm1::Button146Click()
{
    requestedBPointCount = 2;
    Button126->setEnabled(true);
    Button124->setEnabled(false);
    Button125->setEnabled(false);
    isTestRunning = 1;
    trialTickCount += 1;
    ShowNumber(Edit1, stringLength);
    ShowNumber(Edit7, requestedBPointCount);
    Label138->setText(QString::number(trialTickCount));
    Label139->setText(QString::number(timeLimitHitCount));

    CheckBox42->setChecked(false);
    Button8Click();

    ResetRecordedRun();
    ResetRunMenuMarks();
    Edit2->setText("1");
    UpDown1->setPosition(1);
    SetColor(Manage, ColorButtonFace);
    canvas().brush.color = ColorButtonFace;
    canvas().brush.style = BrushStyle::Solid;
    if (!CheckBox43->isChecked())
        canvas().fillRect(drawOriginX, 0, 704, 704);

    MakeRecordedRunStart();

    ShowNumber(Edit1, stringLength);
    ShowStepCount();
    Wsq51Click();
    Label57->setText("X");

    ResetMarkerGrids(RadioGroup12->itemIndex() == 2);
    BeginRecordedRows();

    // The status bar follows every step, also the one at which the row limit
    // ends the run; a written row leaves the count as that step showed it. What
    // it shows can only be seen before the handler returns when the handler has
    // run long enough for the bar to repaint itself (a sweep of many runs); else
    // the count of the last step, set when the run returns, is all anyone sees.
    const RecordedRunResult result = RunRecordedSteps(
        ReadRecordedRunSettings(*this), [this] { Button145Click(); },
        [this] {
            if (StatusBar1->repaintsWhileBusy()) ShowStepCount();
        });
    ShowStepCount();
    if (!result.finished)
        return;

    Label137->setText(QString::number(stopTimeA));
    Label180->setText(QString::number(stopTimeB));
    Label279->setText(QString::number(StopTimeThird()));
    Button148Click();
    historyRowCount = StopTimeThird();
    Button147Click();
}

void TForm1::Button145Click()
{
    canvas().pen.mode = PenMode::Copy;
    canvas().pen.style = PenStyle::Solid;
    AcknowledgeStops();
}

void TForm1::CheckBox61Click()
{
    isRandomInitialString = CheckBox61->isChecked() ? 1 : 0;
}
