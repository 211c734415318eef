// File > "Open TT (2 dim.)": the mask of a two-dimensional table is encoded
// in its file name; opening a table makes that mask the current one, rebuilds
// the table path from it and reads the table of that path.
#include "app/TForm1.h"
#include "app/FormHelpers.h"

#include "base/ProgramDir.h"
#include "mask2d/Mask2dPath.h"
#include "mask2d/Mask2dTables.h"
#include "tables1d/TableFile.h"
#include "tables1d/TableGenerator.h"
#include "tables2d/GrowthGenerator.h"
#include "tables2d/HarvestListing.h"
#include "tables2d/TableFile2d.h"
#include "widgets/Dialogs.h"

void TForm1::OpenTT2dim1Click()
{
    // The next harvest would overwrite the opened list and its file.
    if (isTableGenerator2dRunning || isGenerating1d) {
        StatusBar1->setSimpleText("A table generator is running: press its \"Stop\" before a table is opened.");
        return;
    }
    Image17->setVisible(false);
    ShowTwoDimToolbar();

    FileDialog dialog(FileDialog::Kind::Open);
    dialog.initialDir = Text(programDir + kTable2dFolder);
    dialog.fileName = "";
    dialog.defaultExt = "txt";
    dialog.filter = "Protokol (*.dat)|*.dat";
    dialog.filterIndex = 1;
    const bool confirmed = dialog.execute();
    // A cancelled dialog opens the table of the current path again.
    const std::string chosen = confirmed ? BackslashToSlash(dialog.fileName.toStdString()) : ttFileName2d;
    if (chosen.empty()) {
        StatusBar1->setSimpleText("No two-dimensional table is chosen.");
        return;
    }

    const std::string base = Table2dBaseName(chosen);
    const Table2dName name = ParseTable2dBaseName(base);
    const bool namesMask = name.pointCount >= kHarvestMinPoints && name.pointCount <= kHarvestMaxPoints;
    if (namesMask) {
        // The mask changes only for a table that can be read with it.
        TableFileContent content;
        const TableFileStatus status = ReadTableFile(chosen, name.pointCount, content);
        if (status != TableFileStatus::Ok) {
            ShowMessage(Text(DescribeTableFileStatus(status, chosen, name.pointCount)), "Warning");
            return;
        }
    }

    if (confirmed) ttFileName2d = chosen;
    Label513->setText(Text(base));
    if (namesMask) {
        mask2dPointCount = name.pointCount;
        Label455->setText(QString::number(name.pointCount - 1));
        const int item = name.pointCount - 5;
        RadioGroup20->setItemIndex(item);
        // Extra point 5 + m goes into the tables 1 + m .. item that have it.
        for (int m = 0; m < item; ++m)
            for (int table = 1 + m; table <= item; ++table) mask2dPointTables[table][5 + m] = name.extraPoints[m];
    } else {
        StatusBar1->setSimpleText(Text("The name " + chosen + " gives no mask of 5 to 9 points: the table of the "
                                       "current mask is read."));
    }
    Image17->setVisible(false);
    RebuildMask2d();
    if (confirmed && namesMask && chosen != ttFileName2d)
        StatusBar1->setSimpleText(Text("The table of this mask is read from " + ttFileName2d + ", not from " +
                                       chosen + "."));
    // The reader shows the record count, its blocks and whether the records
    // carry counts, on the toolbar and in "MESSAGE 2 dim".
    Button220Click();
}
