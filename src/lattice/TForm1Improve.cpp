// IMPROVE: each trial inverts the next rule entry that is not marked fixed,
// restarts the centre configuration and lets the string engine run; the
// decision keeps the inversion (saving the table and a record) when the
// trial improved the rule, or inverts the entry back.
#include "app/FormHelpers.h"
#include "app/TForm1.h"

#include "base/RunControls.h"
#include "engine/StringState.h"
#include "lattice/ImproveSearch.h"
#include "lattice/LatticeRuleTable.h"
#include "lattice/RuleTableFile.h"
#include "widgets/Handlers.h"

#include <algorithm>

namespace {

void ClearImproveRecords()
{
    std::fill(std::begin(improveRecordVcrit), std::end(improveRecordVcrit), 0);
    std::fill(std::begin(improveRecordIndex), std::end(improveRecordIndex), 0);
}

} // namespace

void TForm1::Button52Click()
{
    const std::string path = ImproveBaseFileName();
    const RuleFileStatus status = ReadRuleTableFile(path);
    stepsPerRun = 1;
    ShowNumber(Edit2, 1);
    UpDown1->setPosition(1);
    cPointPen = 1;
    ShowNumber(Edit3, 1);
    UpDown3->setPosition(1);
    RadioGroup1->setItemIndex(5);
    RadioGroup2->setItemIndex(0);
    isRedrawNeeded = 1;
    Button3Click();
    Button33Click();
    if (status != RuleFileStatus::Ok)
        StatusBar1->setSimpleText(QString::fromStdString(RuleFileMessage(status, path)));
}

void TForm1::Begon1Click()
{
    ClearImproveRecords();
    Center1Click();
    Button52Click();
    FillUsedSquare(improveMaskCopy, 0);
    improveVcrit = 0;
    stepsPerRun = 1;
    Timer1->setEnabled(true);
}

void TForm1::DO1Click()
{
    improveRecordCount = 1;
    improveEntryIndex = improveStartIndex;
    Button52Click();
    stepsPerRun = 1;
    ShowNumber(Edit2, 1);
    UpDown1->setPosition(1);
    Timer5->setEnabled(true);
}

// One trial, then the timer stops: one "DO", one trial.
void TForm1::Timer5Timer()
{
    FillUsedSquare(improveMaskCopy, 0);
    StatusBar1->setSimpleText(
        QString("  Vcrit= %1  NTimpr= %2").arg(improveVcrit).arg(improveEntryIndex));
    Center1Click();
    if (!AdvanceImproveEntry()) {
        Timer5->setEnabled(false);
        StatusBar1->setSimpleText("IMPROVE stopped: every rule entry is marked fixed, there is none to invert.");
        return;
    }
    ToggleRuleTableEntry(improveEntryIndex);
    stepCount = 0;
    isImproved = 0;
    improveVcrit = 0;
    Timer1->setEnabled(true);
    Timer5->setEnabled(false);
}

// Nothing in the workbench judges a trial, so isImproved stays clear and the
// decision undoes it; when it is set, the table is kept and saved as the
// next numbered record.
void TForm1::Button45Click()
{
    if (!isImproved) {
        ToggleRuleTableEntry(improveEntryIndex);
        return;
    }
    if (improveRecordCount < 1 || improveRecordCount > kImproveLastRecord) {
        StatusBar1->setSimpleText(QString("IMPROVE record %1 not saved: records are numbered 1 to %2.")
                                      .arg(improveRecordCount)
                                      .arg(kImproveLastRecord));
        return;
    }
    improveFilePath = ImproveRecordFileName(improveRecordCount);
    const RuleFileStatus status = WriteRuleTableFile(improveFilePath);
    if (status != RuleFileStatus::Ok) {
        StatusBar1->setSimpleText(QString::fromStdString(RuleFileMessage(status, improveFilePath)));
        return;
    }
    improveRecordIndex[improveRecordCount] = improveEntryIndex;
    improveRecordVcrit[improveRecordCount] = improveVcrit;
    ++improveRecordCount;
}

void TForm1::Stop1Click()
{
    Timer5->setEnabled(false);
}

// "T=2" and "T=3" are two marks of which one is set; nothing reads them.
void TForm1::T21Click()
{
    ToggleChecked(T21);
    T31->setChecked(!T21->isChecked());
}

void TForm1::T31Click()
{
    ToggleChecked(T31);
    T21->setChecked(!T31->isChecked());
}

void TForm1::Copymask1Click()
{
    ClearImproveRecords();
    std::copy(std::begin(frozenMask), std::end(frozenMask), improveMaskCopy);
    FillUsedSquare(frozenMask, 0);
    improveVcrit = 0;
    stepsPerRun = 1;
    Timer1->setEnabled(true);
}
