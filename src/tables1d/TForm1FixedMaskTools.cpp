// Tools on a fixed-mask table: the group multiplication in place, the mirror
// classes of the mask (1,1) table and the column sums ("ddTol") of the mask
// (3,1) table along the last recorded run.
#include "app/TForm1.h"

#include "runs/RunViewState.h"
#include "tables1d/FixedMaskTools.h"
#include "tables1d/FixedTableFiles.h"

// "mk rtt6[162][6] 155"
void TForm1::Button155Click()
{
    MultiplyBlocksInPlace(TableKeyLength());
}

// "TPP Check/6 156": the mask (1,1) table opened from its file, then grouped
// into mirror classes. Nothing is grouped when the file was refused.
void TForm1::Button156Click()
{
    if (!OpenMask11Table()) return;
    GroupMirrorClasses();
    FillMirrorClassGrid();
}

// "ddTol 157": reads the mask (3,1) table into a buffer of its own, so that
// the list, its point count and its permuted copy stay as they are (the view
// row moves it on every click of UpDown9). A file that cannot be read is
// reported in the status bar, and the labels keep their numbers.
void TForm1::Button157Click()
{
    TableFileContent table;
    const TableFileStatus status = ReadFixedTableFile(kTableFileR3_0301, table);
    if (status != TableFileStatus::Ok) {
        StatusBar1->setSimpleText(
            "ddTol: " + QString::fromStdString(DescribeTableFileStatus(status, kTableFileR3_0301.path, 4)));
        return;
    }
    const std::array<int64_t, 27> out = ColumnSumsOfValues(table, viewStartRow);
    QLabel* const labels[14] = {Label355, Label356, Label366, Label367, Label368, Label369, Label370,
                                Label371, Label372, Label373, Label374, Label375, Label376, Label377};
    for (int c = 0; c < 14; ++c) labels[c]->setText(QString::number(out[size_t(c)]));
}

void TForm1::MoveColumnSumLabels()
{
    const int step = viewStartRow % 2 != 0 ? -1 : 1;
    for (QLabel* label : {Label355, Label356, Label366, Label367, Label368, Label369, Label370, Label371, Label372,
                          Label373, Label374, Label375, Label376, Label377})
        label->move(label->x() + step, label->y());
}
