// The mask presets of tabs "CH I" and "CH II" and the ANY I picker: the boxes,
// point counts and lengths they set, the tables they empty and the table path
// a pick names.
#include "TableTestSupport.h"
#include "app/TForm1.h"
#include "app/Workbench.h"
#include "engine/Mask1d.h"
#include "engine/ProgramDir.h"
#include "engine/SquareSize.h"
#include "engine/StringLength.h"
#include "engine/StringStart.h"
#include "tables1d/AnyIPicker.h"
#include "tables1d/KeyIndexedTables.h"
#include "tables1d/TableFile.h"
#include "tables1d/TableRecords.h"
#include "widgets/Colors.h"
#include "widgets/Dialogs.h"

#include <gtest/gtest.h>

#include <vector>

using namespace tabletest;

namespace {

class TForm1MaskPickerTest : public TempDirTest {
protected:
    void SetUp() override
    {
        TempDirTest::SetUp();
        CreateWindows();
        Form1->show_();
        programDir = dir_.string() + "/";
        SetMessageRecorder(&messages_);
    }
    void TearDown() override
    {
        SetMessageRecorder(nullptr);
        TempDirTest::TearDown();
    }

    // Checked left and right distances 1..6 as bit masks.
    static int32_t LeftTicks()
    {
        QCheckBox* boxes[] = {Form1->CheckBox3, Form1->CheckBox4, Form1->CheckBox5,
                              Form1->CheckBox6, Form1->CheckBox7, Form1->CheckBox8};
        int32_t bits = 0;
        for (int b = 0; b < 6; ++b) bits |= boxes[b]->isChecked() << b;
        return bits;
    }
    static int32_t RightTicks()
    {
        QCheckBox* boxes[] = {Form1->CheckBox14, Form1->CheckBox15, Form1->CheckBox16,
                              Form1->CheckBox17, Form1->CheckBox18, Form1->CheckBox19};
        int32_t bits = 0;
        for (int b = 0; b < 6; ++b) bits |= boxes[b]->isChecked() << b;
        return bits;
    }

    // Something learned and listed, so a clear can be seen.
    static void DirtyTables()
    {
        ttRecordCount = 42;
        tt6Used[5] = 1;
        tt6Value[5] = 3;
        tt8Used[7] = 1;
        tt9Used[9] = 1;
        for (QLabel* label : {Form1->Label303, Form1->Label449, Form1->Label450}) label->setText("17");
        isRandomInitialString = 0;
        Form1->CheckBox61->setChecked(false);
    }

    static void ExpectCleared()
    {
        EXPECT_EQ(ttRecordCount, 0);
        EXPECT_EQ(tt6Used[5], 0);
        EXPECT_EQ(tt6Value[5], kEmptyKeyValue);
        EXPECT_EQ(tt8Used[7], 0);
        EXPECT_EQ(tt9Used[9], 0);
    }

    void pick(int x, int y)
    {
        Form1->Image15->onMouseMove(Qt::NoModifier, x, y);
        Form1->Image15->onMouseDown(Qt::RightButton, Qt::ShiftModifier, 0, 0);
    }

    std::vector<MessageRecord> messages_;
};

TEST_F(TForm1MaskPickerTest, PresetsSetTheirMaskLengthAndAFreshTable)
{
    const QString lengthText = Form1->Edit1->text();
    DirtyTables();
    Form1->Button202->click();   // "mk " (1,1)
    EXPECT_EQ(mask1dPointCount, 3);
    EXPECT_EQ(LeftTicks(), 1);
    EXPECT_EQ(RightTicks(), 1);
    EXPECT_EQ(stringLength, 10);
    EXPECT_EQ(squareRowCount, 10);
    EXPECT_EQ(squareColumnCount, 10);
    EXPECT_EQ(Form1->Edit1->text(), lengthText);
    ExpectCleared();
    EXPECT_EQ(Form1->Label303->text(), "0");
    EXPECT_EQ(Form1->Label450->text(), "0");
    EXPECT_EQ(isRandomInitialString, 1);
    EXPECT_TRUE(Form1->CheckBox61->isChecked());

    Form1->Button201->click();   // (3,1)
    EXPECT_EQ(mask1dPointCount, 4);
    EXPECT_EQ(LeftTicks(), 3);
    EXPECT_EQ(RightTicks(), 1);
    EXPECT_EQ(stringLength, 13);

    Form1->Button187->click();   // (5,3)
    EXPECT_EQ(mask1dPointCount, 5);
    EXPECT_EQ(LeftTicks(), 5);
    EXPECT_EQ(RightTicks(), 3);
    EXPECT_EQ(stringLength, 20);
    EXPECT_EQ(squareColumnCount, 20);
    EXPECT_TRUE(messages_.empty());
}

TEST_F(TForm1MaskPickerTest, Mask73BuildsTheMaskAtOnceAnd139GivesTheSameWhateverRanBefore)
{
    Form1->Button206->click();   // "mk 13,9" first
    Form1->Button193->click();   // "mk 7,3"
    EXPECT_EQ(LeftTicks(), 7);
    EXPECT_EQ(RightTicks(), 3);
    EXPECT_EQ(mask1dPointCount, 6);
    EXPECT_EQ(mask1dCentreIndex, 3);
    const int32_t expected[] = {-3, -2, -1, 0, 1, 2};
    for (int j = 0; j < 6; ++j) EXPECT_EQ(mask1dOffsets[j], expected[j]) << j;

    Form1->CheckBox8->setChecked(true);   // distance 6: switched off by both presets
    Form1->Button206->click();
    EXPECT_EQ(LeftTicks(), 13);
    EXPECT_EQ(RightTicks(), 9);
    EXPECT_EQ(mask1dPointCount, 6);
    Form1->Button193->click();
    Form1->Button206->click();
    EXPECT_EQ(LeftTicks(), 13);
    EXPECT_EQ(RightTicks(), 9);
}

TEST_F(TForm1MaskPickerTest, PartialAndCrestPresetsLeaveCountersAndOtherBoxes)
{
    Form1->CheckBox18->setChecked(true);   // right 5
    DirtyTables();
    Form1->Button203Click();
    EXPECT_EQ(mask1dPointCount, 6);
    EXPECT_EQ(LeftTicks(), 7);
    EXPECT_EQ(RightTicks(), 3 | 16);
    EXPECT_EQ(Form1->Label303->text(), "17");
    ExpectCleared();

    DirtyTables();
    const int32_t length = stringLength;
    Form1->Button207->click();   // "mk" of "Mask crest": the two-dimensional clear only
    EXPECT_EQ(mask1dPointCount, 5);
    EXPECT_EQ(stringLength, length);
    EXPECT_EQ(Form1->Label449->text(), "17");
    EXPECT_EQ(ttRecordCount, 0);     // "Npr=0" is checked after start-up
    EXPECT_EQ(tt6Used[5], 0);
    EXPECT_EQ(LeftTicks(), 7);
}

TEST_F(TForm1MaskPickerTest, APickSetsTheMaskEmptiesTheTablesAndNamesTheTableFile)
{
    DirtyTables();
    Form1->Image17->setVisible(true);
    pick(45, 85);   // column 1, row 2: m = 9, k = 5
    EXPECT_FALSE(Form1->Image17->isVisible());
    EXPECT_EQ(mask1dLeftBits, 9);
    EXPECT_EQ(mask1dRightBits, 5);
    EXPECT_EQ(LeftTicks(), 9);
    EXPECT_EQ(RightTicks(), 5);
    EXPECT_EQ(mask1dPointCount, 5);
    const int32_t expected[] = {-4, -1, 0, 1, 3};
    for (int j = 0; j < 5; ++j) EXPECT_EQ(mask1dOffsets[j], expected[j]) << j;
    EXPECT_EQ(Form1->Label416->text(), "9");    // beside "k=": the left mask
    EXPECT_EQ(Form1->Label417->text(), "5");    // beside "m=": the right mask
    EXPECT_EQ(Form1->Label541->text(), "9");
    EXPECT_EQ(Form1->Label545->text(), "5");
    EXPECT_EQ(Form1->Label107->text(), "9");
    ExpectCleared();
    EXPECT_EQ(Form1->Label303->text(), "0");
    EXPECT_TRUE(Form1->CheckBox61->isChecked());
    EXPECT_EQ(ttFileName1d, programDir + "RT/R4_0905.dat");
    EXPECT_EQ(Form1->Label454->text().toStdString(), ttFileName1d);
    EXPECT_EQ(Form1->Label458->text().toStdString(), ttFileName1d);
    EXPECT_TRUE(messages_.empty());
}

TEST_F(TForm1MaskPickerTest, AClickBeforeAnyMoveAndAClickPastTheGridPickGridCells)
{
    Form1->Image15->onMouseDown(Qt::LeftButton, Qt::NoModifier, 300, 300);   // its own position is not used
    EXPECT_EQ(mask1dLeftBits, 7);
    EXPECT_EQ(mask1dRightBits, 1);
    EXPECT_EQ(ttFileName1d, programDir + "RT/R4_0701.dat");

    pick(525, 522);   // the strip right of and below the last cell
    EXPECT_EQ(mask1dLeftBits, 31);
    EXPECT_EQ(mask1dRightBits, 25);
    EXPECT_EQ(mask1dPointCount, 9);
    EXPECT_EQ(ttFileName1d, programDir + "RT/R8_3125.dat");
    EXPECT_EQ(Form1->Label416->text(), "31");

    // A far box ticked elsewhere stays and belongs to the mask and its name.
    Form1->CheckBox8->setChecked(true);   // left distance 6
    pick(0, 0);
    EXPECT_EQ(mask1dLeftBits, 7 + 32);
    EXPECT_EQ(mask1dPointCount, 6);
    EXPECT_EQ(ttFileName1d, programDir + "RT/R5_3901.dat");
}

TEST_F(TForm1MaskPickerTest, ThePictureColoursCellsByTheirNumberOfNeighbours)
{
    const Canvas& canvas = Form1->Image15->canvas();
    auto colourOf = [&](int column, int row) {
        return canvas.pixel(column * kAnyICellSize + 2, row * kAnyICellSize + 36);
    };
    EXPECT_EQ(colourOf(0, 0), ColorYellow);            // (7,1): 4
    EXPECT_EQ(colourOf(1, 0), ColorBlue);              // (9,1): 3, no result
    EXPECT_EQ(colourOf(4, 0), RGBColor(238, 130, 238));   // (15,1): 5
    EXPECT_EQ(colourOf(12, 0), RGBColor(255, 192, 203));  // (31,1): 6
    EXPECT_EQ(colourOf(12, 1), ColorSilver);           // (31,3): 7
    EXPECT_EQ(colourOf(12, 3), ColorAqua);             // (31,7): 8
    EXPECT_EQ(colourOf(12, 11), ColorOlive);           // (31,23): 9
    EXPECT_EQ(colourOf(0, 12), ColorBlue);             // (7,25): m below k
    // The grid fills the control's width but for its last 9 pixels.
    EXPECT_EQ(canvas.pixel(524, 100), ColorWhite);
}

} // namespace
