// "1/6 => All" of "Any 2 dim": the counts of a two-dimensional table spread
// over the group, shown on "CH II" and written to the table file.
#include "app/TForm1.h"

#include "mask2d/Mask2dPath.h"
#include "mask2d/Mask2dTables.h"
#include "tables1d/GroupExtension.h"

void TForm1::Button232Click()
{
    const int k = mask2dPointCount;
    // A point count outside 5..9 changes nothing.
    if (!ExtendHitCounts2d(k)) return;
    FillTable2dGrid(k);
    WriteTable2dTo(ttFileName2d, k);
}
