// The mask presets and the ANY I picker: the mask they set, the tables they
// empty and the table path a pick names.
#include "TableTestSupport.h"
#include "base/SquareSize.h"
#include "base/StringLength.h"
#include "engine/StringStart.h"
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

TEST_F(TForm1MaskPickerTest, PresetsSetTheirPointCountLengthAndRandomStarts)
{
    const struct {
        void (TForm1::*preset)();
        int points, length;
    } presets[] = {{&TForm1::Button202Click, 3, 10},
                   {&TForm1::Button201Click, 4, 13},
                   {&TForm1::Button187Click, 5, 20},
                   {&TForm1::Button193Click, 6, 20},    // the length as it was
                   {&TForm1::Button206Click, 6, 20}};
    const QString typed = Form1->Edit1->text();
    for (const auto& p : presets) {
        SCOPED_TRACE(p.points);
        Form1->CheckBox61->setChecked(false);
        Form1->Label450->setText("7");
        ttRecordCount = 12;
        (Form1->*p.preset)();
        EXPECT_EQ(mask1dPointCount, p.points);
        EXPECT_EQ(stringLength, p.length);
        EXPECT_EQ(squareRowCount, p.length);
        EXPECT_EQ(squareColumnCount, p.length);
        EXPECT_TRUE(Form1->CheckBox61->isChecked());   // "rand"
        EXPECT_EQ(isRandomInitialString, 1);
        EXPECT_EQ(Form1->Label450->text(), "0");
        EXPECT_EQ(ttRecordCount, 0);
    }
    EXPECT_EQ(Form1->Edit1->text(), typed);   // written directly, the edit keeps its text

    Form1->Label450->setText("7");   // "mk" of "Mask crest": five points, the counters stay
    Form1->Button207Click();
    EXPECT_EQ(mask1dPointCount, 5);
    EXPECT_EQ(Form1->Label450->text(), "7");
}

TEST_F(TForm1MaskPickerTest, WithoutAutoThePathTakesThePointCountOfTheLastBuild)
{
    Form1->CheckBox46->setChecked(false);   // "Auto"
    const int32_t built = mask1dPointCount;
    pick(45, 85);   // m = 9, k = 5: five points, not built
    EXPECT_EQ(mask1dPointCount, built);
    EXPECT_EQ(ttFileName1d, programDir + "RT/" + TableFileBaseName(built, 9, 5));
    Form1->CheckBox46->setChecked(true);
    pick(45, 85);
    EXPECT_EQ(ttFileName1d, programDir + "RT/R4_0905.dat");
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
