// "Save to XLS": the table's first block as text beside its table file.
#include "app/TForm1.h"

#include "engine/Mask1d.h"
#include "mask2d/Mask2dTables.h"
#include "tables1d/TableFile.h"
#include "tables1d/TableTextExport.h"
#include "tables2d/TwoDimState.h"
#include "widgets/Dialogs.h"

void TForm1::Button236Click()
{
    if (isTwoDimMode) {
        ExportTable2d(mask2dPointCount);
        return;
    }
    if (ttFileName1d.empty()) {
        StatusBar1->setSimpleText("Text export skipped: no table file is chosen.");
        return;
    }
    const std::string path = TextExportPath(ttFileName1d);
    if (!WriteTableExport(path, mask1dPointCount, mask1dCentreIndex))
        ShowMessage(QString::fromStdString("The text export " + path +
                                           " could not be written (is the disk full?); it keeps its previous content."));
}
