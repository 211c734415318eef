// Menu commands that store string A in the five string files and read it
// back. A failed read or write is reported in the status bar; a read changes
// only what it could read.
#include "app/FormHelpers.h"
#include "app/TForm1.h"

#include "base/SquareSize.h"
#include "base/StringLength.h"

#include "base/StringLength.h"
#include "engine/StringFiles.h"
#include "engine/StringPaint.h"
#include "engine/StringStart.h"
#include "engine/StringState.h"
#include "widgets/ControlColor.h"

#include <algorithm>

void TForm1::WriteStringFileNumber(int number)
{
    const std::string path = StringFileName(number);
    const StringFileStatus status = WriteStringFile(path);
    if (status != StringFileStatus::Ok)
        StatusBar1->setSimpleText(QString::fromStdString(StringFileMessage(status, path)));
}

bool TForm1::ReadStringFileNumber(int number, StringFileRecord& record)
{
    const std::string path = StringFileName(number);
    const StringFileStatus status = ReadStringFile(path, record);
    if (status == StringFileStatus::Ok)
        return true;
    StatusBar1->setSimpleText(QString::fromStdString(StringFileMessage(status, path)));
    return false;
}

namespace {

// The file's length and cells become the string's; B is rebuilt for the new
// length: 2 in A gives 1, 1 gives 2, a 0 leaves B's cell as it was.
void TakeRecord(const StringFileRecord& record, bool rebuildB)
{
    stringLength = record.length;
    std::copy(record.cells, record.cells + kStringCells, stringA);
    if (!rebuildB)
        return;
    for (int32_t i = 0; i < record.length; ++i)
        if (stringA[i] != 0)
            stringB[i] = ExchangeOneTwo(stringA[i]);
}

void ResetStops()
{
    stopTimeA = stopTimeB = 0;
    stringAStopState = stringBStopState = 0;
}

} // namespace

void TForm1::WriteCA1Click() { WriteStringFileNumber(1); }
void TForm1::Wsq21Click() { WriteStringFileNumber(2); }
void TForm1::Button28Click() { Wsq21Click(); }
void TForm1::Wsq31Click() { WriteStringFileNumber(3); }
void TForm1::Wsq41Click() { WriteStringFileNumber(4); }
void TForm1::Wsq51Click() { WriteStringFileNumber(5); }

// "R sq(2)": the length and string A only; the square takes the length.
void TForm1::sq21Click()
{
    BareStringLoad();
}

bool TForm1::BareStringLoad()
{
    StringFileRecord record;
    if (!ReadStringFileNumber(2, record))
        return false;
    TakeBareLoad(record);
    return true;
}

void TForm1::TakeBareLoad(const StringFileRecord& record)
{
    TakeRecord(record, false);
    squareRowCount = squareColumnCount = stringLength;
    ShowNumber(Edit1, stringLength);
}

// The resets of the load happen whether or not the file could be read.
bool TForm1::FullStringLoad(int number, bool clearFirst)
{
    ResetStops();
    ResetStringBalances();
    if (clearFirst)
        Button8Click();
    ResetRunMenuMarks();
    drawOriginX = 0;
    cycleCount = 0;
    stepCount = 0;
    seriesStepCount = -17;
    StringFileRecord record;
    const bool read = ReadStringFileNumber(number, record);
    if (read) {
        TakeRecord(record, true);
        ShowNumber(Edit5, stringLength);
    }
    Button3Click();
    return read;
}

void TForm1::ReadCA1Click() { FullStringLoad(1, false); }
void TForm1::Rsq31Click() { FullStringLoad(3, true); }
void TForm1::sq41Click() { FullStringLoad(4, true); }

// "R sq(5)": the load with the whole run reset.
void TForm1::Rsq51Click()
{
    ResetStringCounters();
    ResetRunState();
    ResetRunMenuMarks();
    SingleSteppingWhenMain0();
    SetColor(Manage, ColorButtonFace);
    canvas().brush.color = ColorButtonFace;
    canvas().brush.style = BrushStyle::Solid;
    if (!CheckBox43->isChecked())
        canvas().fillRect(drawOriginX, 0, 704, 704);
    StringFileRecord record;
    if (ReadStringFileNumber(5, record)) {
        TakeRecord(record, true);
        ShowNumber(Edit5, stringLength);
    }
    Button8Click();
    Button3Click();
}

void TForm1::Button16Click() { Rsq51Click(); }
