// Clearing the key-indexed tables, multiplying the table list by the group,
// and the substitution of "Perestan".
#include "app/TForm1.h"

#include "base/GroupAlgebra.h"
#include "base/TableRecords.h"
#include "engine/Mask1d.h"
#include "mask2d/Mask2dTables.h"
#include "tables1d/KeyIndexedTables.h"
#include "tables1d/TableBlocks.h"
#include "tables2d/TwoDimState.h"
#include "widgets/Dialogs.h"

#include <algorithm>
#include <iterator>

int TForm1::TableKeyLength() const
{
    return isTwoDimMode ? mask2dPointCount : mask1dPointCount;
}

// "I AL34=0": a fresh start for the learned tables. The eight- and nine-cell
// flags are emptied too, so that a new table of those sizes does not start
// with the keys an earlier mask left there.
void TForm1::Button163Click()
{
    ttRecordCount = 0;
    ClearSmallKeyTables();
    ClearEightAndNineCellFlags();
    Button170Click();
}

// "I AL=0 170": only while "Npr=0" is checked.
void TForm1::Button170Click()
{
    if (!CheckBox58->isChecked()) return;
    ttRecordCount = 0;
    std::fill(std::begin(harvestClassCount), std::end(harvestClassCount), 0);
    ClearTwoDimKeyTables(RadioGroup20->itemIndex() == 3, RadioGroup20->itemIndex() == 4);
}

// "BEZ DEL! 181": block b becomes block 0 multiplied cellwise by b.
void TForm1::Button181Click()
{
    if (MultiplyListByGroup(TableKeyLength())) return;
    ShowMessage(QString("The table of %1 records cannot be multiplied by the group: the %2 records it "
                        "would give exceed the capacity of %3. The table was left as it was.")
                    .arg(ttRecordCount)
                    .arg(int64_t(ttRecordCount) * 6)
                    .arg(kTableCapacity));
}

// "Mk OB3 188"
void TForm1::Button188Click()
{
    BuildPermutedCopy(TableKeyLength());
}

// "perestan 160": the substitution j -> 5 * (2 * j) of the six elements.
void TForm1::Button160Click()
{
    QLabel* const shown[] = {Label384, Label385, Label386, Label387, Label388, Label389};
    for (int j = 0; j < 6; ++j) shown[j]->setText(QString::number(GroupProduct(5, GroupProduct(2, j))));
}
