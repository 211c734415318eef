// The current one-dimensional table file: WRITE 1, READ 1, "READ TT 1 dim"
// and File > "Open TT (1 dim.)", which rebuilds the mask from the file's name.
#include "app/TForm1.h"
#include "app/FormHelpers.h"

#include "base/ProgramDir.h"
#include "base/TableRecords.h"
#include "engine/Mask1d.h"
#include "tables1d/TableFile.h"
#include "tables1d/TableGenerator.h"
#include "tables2d/GrowthGenerator.h"
#include "tables2d/TwoDimState.h"
#include "widgets/Dialogs.h"

#include <QCheckBox>

namespace {

// READ 1 without its write-back; false (after saying why) when the file could
// not be read, in which case nothing has changed.
bool ReadCurrentTable(TForm1& f)
{
    const int n = mask1dPointCount;
    if (ttFileName1d.empty()) {
        ShowMessage("No table file is chosen: pick a mask on \"ANY I\" or open a table first.");
        return false;
    }
    const TableFileStatus status = ReadTableFileIntoList(ttFileName1d, n);
    if (status != TableFileStatus::Ok) {
        ShowMessage(Text(DescribeTableFileStatus(status, ttFileName1d, n)));
        return false;
    }
    int64_t countSum = 0;
    for (int32_t i = 0; i < ttRecordCount; ++i) countSum += ttHitCount[i];
    f.RadioGroup21->setItemIndex(-1);
    f.RadioGroup21->setItemIndex(countSum != 0 ? 2 : 1);
    f.Label458->setText(Text(ttFileName1d));
    f.Label463->setText(QString::number(ttRecordCount));
    f.Label469->setText(QString::number(n));
    return true;
}

} // namespace

// WRITE 1. The file must exist (it is created when its table is started) and
// its name must be that of a table of the current point count, so that a
// table is never written with a key length its file's name contradicts.
void TForm1::Button231Click()
{
    WriteTable1dFile();
}

bool TForm1::WriteTable1dFile()
{
    const int n = mask1dPointCount;
    if (ttFileName1d.empty()) return false;
    const auto name = ParseTableFileName(ttFileName1d);
    if (!name || name->pointCount != n) {
        ShowMessage(QString("The table of %1 points was not written to %2: that file holds tables of %3.")
                        .arg(n)
                        .arg(Text(ttFileName1d))
                        .arg(name ? QString("%1 points").arg(name->pointCount)
                                  : QString("a mask its name does not give")));
        return false;
    }
    const TableFileStatus status = WriteListToTableFile(ttFileName1d, n);
    if (status == TableFileStatus::Missing)
        StatusBar1->setSimpleText(Text("Not written: " + ttFileName1d + " does not exist."));
    else if (status != TableFileStatus::Ok)
        ShowMessage(Text(DescribeTableFileStatus(status, ttFileName1d, n)));
    return status == TableFileStatus::Ok;
}

// READ 1
void TForm1::Button234Click()
{
    if (!ReadCurrentTable(*this)) return;
    const int n = mask1dPointCount;
    if (n >= 6 && n <= 9) {
        FillTable1dGrid(n);
        Button231Click();
    }
}

// "READ TT 1 dim"
void TForm1::Button199Click()
{
    Label458->setText(Text(ttFileName1d));
    if (!ReadCurrentTable(*this)) return;
    ShowTableCounters(ttRecordCount);
    const int n = mask1dPointCount;
    if (n >= 6 && n <= 9) {
        FillTable1dGrid(n);
        Button231Click();
    }
}

namespace {

// The bit mask of the ticked distances 1..10 of one side.
int32_t TickBits(const bool* ticks)
{
    int32_t bits = 0;
    for (int d = 0; d < kMask1dMaxDistance; ++d)
        if (ticks[d]) bits |= 1 << d;
    return bits;
}

} // namespace

// File > "Open TT (1 dim.)". The chosen file is checked before anything
// changes: its name must give a mask, the mask that "mk" will build from it
// (the boxes of distances 7 to 10 are kept as they are) must have the point
// count the name gives, and its records must fit that mask. A refused file
// leaves the table, its mask and its path as they belonged together.
// A running generator would put its next table over the one opened here (and
// the one-dimensional chain into the opened file too): it stops first.
void TForm1::OpenTT1dim1Click()
{
    StopTableGeneratorsBeforeLoading();
    Image17->setVisible(false);
    ShowOneDimToolbar();

    FileDialog dialog(FileDialog::Kind::Open);
    dialog.initialDir = Text(programDir + "RT");
    dialog.fileName = "";
    dialog.defaultExt = "txt";
    dialog.filter = "Protokol (*.dat)|*.dat";
    dialog.filterIndex = 1;
    const bool confirmed = dialog.execute();
    // A cancelled dialog opens the current table again.
    const std::string path = confirmed ? dialog.fileName.toStdString() : ttFileName1d;
    if (path.empty()) return;

    const auto name = ParseTableFileName(path);
    if (!name) {
        ShowMessage(Text("\"" + path +
                         "\" is not named as a table file: the name must be R, the point count minus one, "
                         "_, the two mask numbers as two digits each, and .dat (for example R5_0703.dat)."));
        return;
    }
    const int32_t maskPoints = MaskPointCount(name->leftBits & 63, name->rightBits & 63);
    if (maskPoints != name->pointCount) {
        ShowMessage(QString("The name %1 does not fit together: the mask (%2,%3) has %4 points, the name says %5.")
                        .arg(Text(path))
                        .arg(name->leftBits)
                        .arg(name->rightBits)
                        .arg(maskPoints)
                        .arg(name->pointCount));
        return;
    }

    // The mask the rebuild below will make: the name's distances 1 to 6 with
    // the far boxes as they stand; without "Auto" the point count stays.
    Mask1dTicks ticks = ReadMaskTicks();
    for (int d = 0; d < 6; ++d) {
        ticks.left[d] = (name->leftBits >> d) & 1;
        ticks.right[d] = (name->rightBits >> d) & 1;
    }
    const Mask1dDirection direction = CheckBox41->isChecked()   ? Mask1dDirection::LeftToRight
                                      : CheckBox45->isChecked() ? Mask1dDirection::RightToLeft
                                                                : Mask1dDirection::None;
    const int32_t readPoints = CheckBox46->isChecked() ? NeighbourListLength(ticks, direction) : name->pointCount;
    const QString readMask = QString("the mask (%1,%2) of %3 points")
                                 .arg(TickBits(ticks.left))
                                 .arg(TickBits(ticks.right))
                                 .arg(readPoints);
    if (readPoints != name->pointCount) {
        ShowMessage(QString("%1 holds a table of %2 points, but it would be read with %3 (the \"Mask\" boxes of "
                            "distances 7 to 10 and \">>\"/\"<<\" stay as they are). The file was not opened; the "
                            "table, its mask and its path are as they were.")
                        .arg(Text(path))
                        .arg(name->pointCount)
                        .arg(readMask));
        return;
    }
    TableFileContent content;
    const TableFileStatus status = ReadTableFile(path, name->pointCount, content);
    if (status != TableFileStatus::Ok) {
        ShowMessage(QString("Read with %1: %2 The table, its mask and its path are as they were.")
                        .arg(readMask)
                        .arg(Text(DescribeTableFileStatus(status, path, name->pointCount))));
        return;
    }

    if (confirmed) {
        ttFileName1d = path;
        Label454->setText(Text(path));
    }
    mask1dPointCount = name->pointCount;
    Label453->setText(QString::number(name->pointCount - 1));
    mask1dLeftBits = name->leftBits;
    mask1dRightBits = name->rightBits;
    for (QLabel* label : {Label107, Label416, Label541}) label->setText(QString::number(name->leftBits));
    for (QLabel* label : {Label108, Label417, Label545}) label->setText(QString::number(name->rightBits));
    SetNearMaskBoxes(name->leftBits, name->rightBits, 6);
    Button228Click();
    Button234Click();
    ShowTableCounters(ttRecordCount);
}

void TForm1::StopTableGeneratorsBeforeLoading()
{
    if (isGenerating1d) Button211Click();
    if (isTableGenerator2dRunning) Button215Click();
}
