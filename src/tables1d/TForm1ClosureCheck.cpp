// "CHECK TT 1 dim" and "1/6 => All" on the table in memory.
#include "app/TForm1.h"

#include "base/TableRecords.h"
#include "engine/Mask1d.h"
#include "tables1d/ClosureCheck.h"
#include "tables1d/GroupExtension.h"
#include "tables1d/TForm1ClosureStatus.h"
#include "widgets/Dialogs.h"


namespace {

ClosureMask CurrentClosureMask()
{
    ClosureMask mask;
    mask.pointCount = mask1dPointCount;
    for (int p = 0; p < 10; ++p) mask.positions[p] = mask1dPositions[p];
    mask.doubleLeftReach = mask1dDoubleLeftReach;
    return mask;
}

QString ProgressText(const ClosureProgress& p, int pointCount)
{
    if (pointCount == 6) return QString::number(p.records[0]);
    QString text = QString("(%1) %2  %3  ").arg(p.startCount).arg(p.records[0]).arg(p.records[1]);
    if (pointCount >= 8) text += QString("%1  ").arg(p.records[2]);
    return text;
}

} // namespace

// "CHECK TT 1 dim"
void TForm1::Button200Click()
{
    const int n = mask1dPointCount;
    const bool checkable = n >= 6 && n <= 9;
    const ClosureMask mask = CurrentClosureMask();
    if (checkable) {
        const std::string why = WhyClosureCheckCannotRun(mask, ttRecordCount);
        if (!why.empty()) {
            ShowMessage(QString::fromStdString(why));
            return;
        }
    }
    lblCheckN->setText(QString::number(ttRecordCount));
    lblCheckPoints->setText(QString::number(n));
    lblCheckReach->setText(QString::number(mask1dDoubleLeftReach));
    Button188Click();
    if (!checkable) {
        Button236Click();
        return;
    }

    const ClosureOutcome outcome = RunClosureCheckShowingProgress(
        StatusBar1, mask, GeneralClosureScope(mask, ttRecordCount, CheckBox68->isChecked()),
        [n](const ClosureProgress& p) { return ProgressText(p, n); });
    ShowClosureVerdict(outcome.verdict);
    ShowCheckTrace(outcome, n);

    // The counts reached, also after a failure, go to the grid, the file and the export.
    FillTable1dGrid(n);
    Button231Click();
    Button236Click();
}

// The hidden trace of a check: the records of its last placement, the last
// record found, whether the last composed key was found, and the first counts.
void TForm1::ShowCheckTrace(const ClosureOutcome& outcome, int pointCount)
{
    QLabel* const placed[] = {lblPlaced0, lblPlaced1, lblPlaced2, lblPlaced3, lblPlaced4,
                              lblPlaced5, lblPlaced6, lblPlaced7, lblPlaced8};
    for (int level = 0; level < 9; ++level)
        placed[level]->setText(level < pointCount ? QString::number(outcome.lastPlacement[level]) : QString());
    lblLastFound->setText(QString::number(lastFoundIndex));
    lblFoundFlag->setText(outcome.lastFound ? "1" : "0");
    QLabel* const hits[] = {lblHitCount0,  lblHitCount1,  lblHitCount2,  lblHitCount3,  lblHitCount4,
                            lblHitCount5,  lblHitCount6,  lblHitCount7,  lblHitCount8,  lblHitCount9,
                            lblHitCount10, lblHitCount11, lblHitCount12, lblHitCount13, lblHitCount14,
                            lblHitCount15, lblHitCount16, lblHitCount17, lblHitCount18, lblHitCount19,
                            lblHitCount20, lblHitCount21, lblHitCount22, lblHitCount23, lblHitCount24,
                            lblHitCount25, lblHitCount26};
    for (int i = 0; i < 27; ++i) hits[i]->setText(QString::number(ttHitCount[i]));
}

// "1/6 => All"
void TForm1::Button233Click()
{
    const int n = mask1dPointCount;
    if (!ExtendHitCounts(n)) return;
    FillTable1dGrid(n);
    Button231Click();
}
