// The mask presets and the ANY I picker: the mask they set, the tables they
// empty and the table path a pick names.
#include "TableTestSupport.h"
#include "tables1d/KeyIndexedTables.h"

using namespace tabletest;

namespace {

class TForm1MaskPickerTest : public WindowTest {
protected:
    void pick(int x, int y)
    {
        Form1->Image15->onMouseMove(Qt::NoModifier, x, y);
        Form1->Image15->onMouseDown(Qt::RightButton, Qt::ShiftModifier, 0, 0);
    }
    static std::vector<int32_t> maskOffsets() { return {mask1dOffsets, mask1dOffsets + mask1dPointCount}; }
};

TEST_F(TForm1MaskPickerTest, PresetBuildsItsMaskWhateverRanBefore)
{
    Form1->CheckBox8->setChecked(true);   // left distance 6: switched off by the preset
    Form1->Button206->click();            // "mk 13,9" first
    Form1->Button193->click();            // "mk 7,3"
    EXPECT_FALSE(Form1->CheckBox8->isChecked());
    EXPECT_EQ(maskOffsets(), (std::vector<int32_t>{-3, -2, -1, 0, 1, 2}));
}

TEST_F(TForm1MaskPickerTest, APickSetsTheMaskEmptiesTheTablesAndNamesTheTableFile)
{
    ttRecordCount = 42;
    tt6Used[5] = 1;
    pick(45, 85);   // column 1, row 2: m = 9, k = 5
    EXPECT_EQ(mask1dLeftBits, 9);
    EXPECT_EQ(mask1dRightBits, 5);
    EXPECT_EQ(maskOffsets(), (std::vector<int32_t>{-4, -1, 0, 1, 3}));
    EXPECT_EQ(ttRecordCount, 0);
    EXPECT_EQ(tt6Used[5], 0);
    EXPECT_EQ(ttFileName1d, programDir + "RT/R4_0905.dat");
    EXPECT_EQ(Form1->Label454->text().toStdString(), ttFileName1d);

    pick(525, 522);   // the strip right of and below the last cell
    EXPECT_EQ(mask1dPointCount, 9);
    EXPECT_EQ(ttFileName1d, programDir + "RT/R8_3125.dat");
    Form1->CheckBox8->setChecked(true);   // a far box ticked elsewhere belongs to the mask and its name
    pick(-3, 0);
    EXPECT_EQ(mask1dLeftBits, 7 + 32);
    EXPECT_EQ(ttFileName1d, programDir + "RT/R5_3901.dat");
}

} // namespace
