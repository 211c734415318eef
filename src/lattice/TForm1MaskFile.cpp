// The freeze mask's file "MA/mafin.dat" (File2 menu "Read mask", "Write
// mask"; the Qhist batch reads it too). A file that is missing or shorter
// than the square leaves the mask as it was; a write that fails keeps the
// mask, which is cleared only once the file holds it. The status bar says why.
#include "app/TForm1.h"

#include "engine/StringState.h"
#include "lattice/MaskFile.h"

namespace {

void ReportMaskFile(StatusBar* bar, MaskFileStatus status)
{
    bar->setSimpleText(QString::fromStdString(MaskFileMessage(status, kMaskFileName)));
}

} // namespace

void TForm1::Readmask1Click()
{
    const MaskFileStatus status = ReadMaskFile(kMaskFileName);
    if (status != MaskFileStatus::Ok) {
        ReportMaskFile(StatusBar1, status);
        return;
    }
    isRedrawNeeded = 1;
    Button3Click();
}

void TForm1::Writemask1Click()
{
    const MaskFileStatus status = WriteMaskFile(kMaskFileName);
    if (status != MaskFileStatus::Ok) {
        ReportMaskFile(StatusBar1, status);
        return;
    }
    FillUsedSquare(frozenMask, 0);
}
