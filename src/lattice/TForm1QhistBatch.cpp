// The Qhist batches of the hidden menu "T=6": each start command creates its
// output files empty and arms Timer7, whose one tick builds a start state and
// hands the run to Timer1. Also the "Kind" choice and 'Read RCA->"Square"',
// which prepare a side-51 square for the square view window.
#include "app/FormHelpers.h"
#include "app/TForm1.h"

#include "base/SquareSize.h"
#include "lattice/PointFile.h"
#include "lattice/QhistBatch.h"
#include "lattice/TForm15.h"
#include "widgets/Handlers.h"

namespace {

void StartQhistBatch(TForm1& form, bool anyN)
{
    qhistRunIndex = 0;
    isQhistAnyN = anyN ? 1 : 0;
    const std::string failed = CreateQhistOutputs(anyN);
    if (!failed.empty())
        form.StatusBar1->setSimpleText(QString::fromStdString(failed) + " could not be created");
    form.Timer7->setEnabled(true);
}

} // namespace

void TForm1::WriteQhist1Click() { StartQhistBatch(*this, false); }
void TForm1::WriteQhistanyn1Click() { StartQhistBatch(*this, true); }

// The start state is built before the end test, so the batch's last tick
// loads one more start state and runs nothing.
void TForm1::Timer7Timer()
{
    Button8Click();
    if (isQhistAnyN == 0) {
        pointRecordIndex = qhistRunIndex;
        Form15->Button3Click();
    } else {
        Button58Click();
    }
    if (ReadMask2->isChecked())
        Readmask1Click();
    if (QhistBatchOver()) {
        Timer1->setEnabled(false);
        Timer7->setEnabled(false);
        CloseStream(qhistSecondFile);
        return;
    }
    ++qhistRunIndex;
    Timer1->setEnabled(true);
    Timer7->setEnabled(false);
}

void TForm1::ReadMask2Click() { ToggleChecked(ReadMask2); }

void TForm1::PrepareSquareOf51()
{
    squareRowCount = squareColumnCount = 51;
    ShowNumber(Edit1, 51);
    UpDown2->setPosition(51);
    RadioGroup2->setItemIndex(1);
}

// Its own check mark stays as it is.
void TForm1::WriteLOGfile1Click()
{
    PrepareSquareOf51();
    RadioGroup3->setItemIndex(1);
    Form15->showModal();
}

void TForm1::ConnectQhistHandlers()
{
    OnClick(WriteQhist1, Bind(&TForm1::WriteQhist1Click));
    OnClick(WriteQhistanyn1, Bind(&TForm1::WriteQhistanyn1Click));
    OnClick(ReadMask2, Bind(&TForm1::ReadMask2Click));
    OnClick(WriteLOGfile1, Bind(&TForm1::WriteLOGfile1Click));
    OnTimer(Timer7, Bind(&TForm1::Timer7Timer));
}
