// The current one-dimensional table file: WRITE 1, READ 1, "READ TT 1 dim"
// and File > "Open TT (1 dim.)", which rebuilds the mask from the file's name.
#include "app/TForm1.h"

#include "engine/Mask1d.h"
#include "engine/ProgramDir.h"
#include "tables1d/TableFile.h"
#include "tables1d/TableRecords.h"
#include "tables2d/TwoDimState.h"
#include "widgets/Dialogs.h"

#include <QCheckBox>

namespace {

QString Text(const std::string& s) { return QString::fromStdString(s); }

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

// The mask boxes of distances 1 to 6 as the two bit masks say; the farther
// boxes keep their state.
void SetNearMaskBoxes(TForm1& f, int32_t leftBits, int32_t rightBits)
{
    QCheckBox* left[6] = {f.CheckBox3, f.CheckBox4, f.CheckBox5, f.CheckBox6, f.CheckBox7, f.CheckBox8};
    QCheckBox* right[6] = {f.CheckBox14, f.CheckBox15, f.CheckBox16, f.CheckBox17, f.CheckBox18, f.CheckBox19};
    for (int b = 0; b < 6; ++b) {
        left[b]->setChecked((leftBits >> b) & 1);
        right[b]->setChecked((rightBits >> b) & 1);
    }
}

} // namespace

// WRITE 1. The file must exist (it is created when its table is started) and
// its name must be that of a table of the current point count, so that a
// table is never written with a key length its file's name contradicts.
void TForm1::Button231Click()
{
    const int n = mask1dPointCount;
    if (ttFileName1d.empty()) return;
    const auto name = ParseTableFileName(ttFileName1d);
    if (!name || name->pointCount != n) {
        ShowMessage(QString("The table of %1 points was not written to %2: that file holds tables of %3.")
                        .arg(n)
                        .arg(Text(ttFileName1d))
                        .arg(name ? QString("%1 points").arg(name->pointCount)
                                  : QString("a mask its name does not give")));
        return;
    }
    const TableFileStatus status = WriteListToTableFile(ttFileName1d, n);
    if (status == TableFileStatus::Missing)
        StatusBar1->setSimpleText(Text("Not written: " + ttFileName1d + " does not exist."));
    else if (status != TableFileStatus::Ok)
        ShowMessage(Text(DescribeTableFileStatus(status, ttFileName1d, n)));
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

// File > "Open TT (1 dim.)". The chosen file is checked (its name gives a
// mask, its records fit that mask) before the mask or the table changes.
void TForm1::OpenTT1dim1Click()
{
    Image17->setVisible(false);
    isTwoDimMode = 0;
    GroupBox31->setVisible(true);
    GroupBox2->setVisible(true);
    Button204->setVisible(true);
    Button211->setVisible(false);
    GroupBox33->setVisible(false);
    GroupBox51->setVisible(false);
    Button214->setVisible(false);
    Button215->setVisible(false);

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
    TableFileContent content;
    const TableFileStatus status = ReadTableFile(path, name->pointCount, content);
    if (status != TableFileStatus::Ok) {
        ShowMessage(Text(DescribeTableFileStatus(status, path, name->pointCount)));
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
    SetNearMaskBoxes(*this, name->leftBits, name->rightBits);
    Button228Click();
    Button234Click();
    ShowTableCounters(ttRecordCount);
}
