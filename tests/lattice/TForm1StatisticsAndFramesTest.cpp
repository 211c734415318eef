// The change statistics, the video recorders and the views of the 70 x 70 experiments.
#include "LatticeFormFixture.h"
#include "base/NumericHelpers.h"
#include "base/RunControls.h"
#include "base/ViewTransform.h"
#include "engine/StringPaint.h"
#include "engine/StringState.h"
#include "lattice/ChangeStatistics.h"
#include "lattice/ExperimentViews.h"
#include "lattice/LatticeSettings.h"
#include "lattice/SecondStepCount.h"
#include "lattice/TForm12.h"
#include "lattice/VideoFrameSize.h"
#include "lattice/VideoFrames.h"
#include "lattice/VideoStrip.h"
#include "widgets/Bitmap.h"

#include <QImage>

namespace {

class Experiments : public StartedWindows {
protected:
    void SetUp() override
    {
        StartedWindows::SetUp();
        Form1->CheckBox43->setChecked(false);   // "Not Draw" is ticked after start-up
        Form1->RadioGroup8->setItemIndex(1);    // "2 dim."
    }
    Canvas& canvas() { return Form1->canvas(); }
};

// A picture file of w x h in one colour.
void SavePicture(const QString& path, int w, int h, QColor colour)
{
    const std::filesystem::path file(path.toStdString());
    if (file.has_parent_path())
        std::filesystem::create_directories(file.parent_path());
    QImage image(w, h, QImage::Format_RGB32);
    image.fill(colour);
    ASSERT_TRUE(image.save(path, "BMP"));
}

// One square moved by a C cell from (1, 1) to (1, 2) between layers 2 and 3.
void PushMove()
{
    squareRowCount = squareColumnCount = 4;
    for (int k = 0; k < 6; ++k) {
        std::fill(std::begin(squareCells), std::end(squareCells), 2);
        squareCells[SquareIndex(1, k < 3 ? 1 : 2)] = 0;
        Form1->Button63Click();
    }
}

} // namespace

TEST_F(Experiments, MarksAreCountedAlwaysAndDrawnForTheChosenSpan)
{
    PushMove();
    EXPECT_EQ(canvas().pen.color, ColorOlive);   // the pen the boundary maps leave
    EXPECT_EQ(canvas().pen.width, 1);

    Form1->Button8Click();
    Form1->RadioGroup6->setItemIndex(-1);   // no span: counted, not drawn
    Form1->Button67Click();
    EXPECT_EQ(vanishCountX1[1][1], 1);
    EXPECT_EQ(canvas().pixel(8, 6), ColorButtonFace);

    Form1->RadioGroup6->setItemIndex(0);
    Form1->IsIZM1->setChecked(true);
    Form1->Button67Click();
    EXPECT_EQ(vanishCountX1[1][1], 2);
    // X mark of (1, 1): the line (6, 7)-(11, 7), two pixels wide, +1 in black.
    EXPECT_EQ(canvas().pixel(8, 6), ColorBlack);
    EXPECT_EQ(canvas().pixel(8, 7), ColorBlack);
    // X mark of (1, 2), appeared: white.
    EXPECT_EQ(canvas().pixel(13, 6), ColorWhite);

    Form1->Button8Click();
    Form1->IsIZM1->setChecked(false);
    Form1->Button67Click();
    EXPECT_EQ(canvas().pixel(8, 6), ColorButtonFace);
}

TEST_F(Experiments, StatisticsDisplayDrawsMarksAndNetMapsOverTheGreyBackground)
{
    PushMove();
    Form1->RadioGroup6->setItemIndex(0);
    Form1->IsIZM1->setChecked(true);
    Form1->Button67Click();
    Form1->RadioGroup7->setItemIndex(3);   // "NAK"
    Form1->NAK01->setChecked(true);
    Form1->NAK11->setChecked(false);
    Form1->Button73Click();

    const TColor grey = static_cast<TColor>(GreyScaleColor(0.5));
    EXPECT_EQ(canvas().pixel(700, 400), grey);
    EXPECT_EQ(canvas().pixel(790, 400), ColorButtonFace);
    // Cell (1, 1) at (11, 11): X net 1 fills 8 x 2 in white over the fuchsia
    // mark, up to where cell (1, 2) at x 17 draws its own -1 in yellow.
    EXPECT_EQ(canvas().pixel(11, 11), ColorWhite);
    EXPECT_EQ(canvas().pixel(16, 12), ColorWhite);
    EXPECT_EQ(canvas().pixel(18, 12), ColorYellow);
    EXPECT_EQ(canvas().pixel(13, 13), grey);
    // Cell (1, 3): Y net -1 in yellow, 2 x 6.
    EXPECT_EQ(canvas().pixel(23, 16), ColorYellow);
    // Without the net maps the marks show: cell (1, 1) X +1 fuchsia at x + 2.
    Form1->NAK01->setChecked(false);
    Form1->Button73Click();
    EXPECT_EQ(canvas().pixel(13, 11), ColorFuchsia);
    EXPECT_EQ(canvas().pixel(11, 11), grey);

    // "not paint": no background and no cell, the net maps still recomputed.
    Form1->Button8Click();
    vanishCountX1[5][5] = 4;
    Form1->notpaint1->setChecked(true);
    Form1->Button73Click();
    EXPECT_EQ(netChangeX1[5][5], 4);
    EXPECT_EQ(canvas().pixel(700, 400), ColorButtonFace);
    EXPECT_EQ(canvas().pixel(13, 11), ColorButtonFace);
}

TEST_F(Experiments, BarsAndExtremesOfTheCellStatistic)
{
    Form1->RadioGroup7->setItemIndex(2);   // "RE - BL"
    Form1->GLAVNUNV1->setChecked(true);
    cellStatMap[0][0] = -13;   // |v| mod 12 = 1: lime
    cellStatMap[69][69] = 5;
    statColourModulus = 0;     // read as 1, no division by zero
    Form1->Button73Click();
    // Bar of (0, 0): a = 50, x 80..85, y 150 + 78 .. 156 + 78.
    EXPECT_EQ(canvas().pixel(82, 230), ColorLime);
    EXPECT_EQ(digitDisplayValue, 5);   // the maximum's magnitude comes last
    // The minimum is negative: a minus sign at the height of digit top 250.
    const int y = static_cast<int>(WorldToScreenY(290));
    EXPECT_EQ(canvas().pixel(static_cast<int>(WorldToScreenX(30)), y), ColorBlack);

    Form1->Button8Click();
    cellStatMap[0][0] = 3;
    Form1->Button80Click();
    EXPECT_EQ(digitDisplayValue, 5);
    EXPECT_EQ(canvas().pixel(static_cast<int>(WorldToScreenX(30)), y), ColorButtonFace);
}

TEST_F(Experiments, ResetOnlyInTwoDimensions)
{
    vanishCountY5[3][3] = 9;
    cellStatMap[2][2] = 4;
    changeHistoryX[0][1][1] = 1;
    Form1->RadioGroup8->setItemIndex(0);
    Form1->Button8Click();
    Form1->Button69Click();
    EXPECT_EQ(vanishCountY5[3][3], 9);
    EXPECT_EQ(canvas().pixel(100, 100), ColorButtonFace);

    Form1->RadioGroup8->setItemIndex(1);
    Form1->RadioGroup7->setItemIndex(1);
    Form1->N02Click();
    EXPECT_EQ(vanishCountY5[3][3], 0);
    EXPECT_EQ(cellStatMap[2][2], 0);
    EXPECT_EQ(changeHistoryX[0][1][1], 1);
    EXPECT_EQ(canvas().pixel(700, 400), static_cast<TColor>(GreyScaleColor(0.5)));
}

TEST_F(Experiments, RecordedFramesAreBitmapsOfTheFrameSize)
{
    canvas().brush.color = ColorRed;
    canvas().brush.style = BrushStyle::Solid;
    canvas().fillRect(0, 0, 10, 10);   // top-left corner red
    for (const char* old : {"video/file0000.bmp", "video/file0001.bmp", "video/file0003.bmp"})
        WriteText(old, "old");
    Form1->Dntmove1->setChecked(true);   // record what is drawn, no steps
    Form1->Playvideo1Click();
    EXPECT_TRUE(Form1->Timer3->enabled());
    EXPECT_TRUE(std::filesystem::exists("video/file0003.bmp"));   // after the first gap

    Form1->Timer3Timer();
    EXPECT_TRUE(status().startsWith("0  frame template \"data/f_512_512.bmp\" not found")) << status().toStdString();
    QImage frame;
    ASSERT_TRUE(LoadBitmap("video/file0000.bmp", frame));
    EXPECT_EQ(frame.width(), 512);
    EXPECT_EQ(frame.height(), 512);
    EXPECT_EQ(FromQColor(frame.pixelColor(3, 3)), ColorRed);
    EXPECT_EQ(FromQColor(frame.pixelColor(300, 300)), canvas().pixel(300, 300));
    EXPECT_EQ(std::filesystem::file_size("video/file0000.bmp"), 54u + 3u * 512 * 512);

    // A slow start: the second tick writes 18 copies of its frame.
    Form1->Maxkabeg1Click();
    Form1->Timer3Timer();
    EXPECT_TRUE(status().startsWith("1  frame template")) << status().toStdString();
    EXPECT_EQ(videoFrameNumber, 1 + 18);
    EXPECT_TRUE(std::filesystem::exists("video/file0018.bmp"));
    EXPECT_FALSE(std::filesystem::exists("video/file0019.bmp"));
    Form1->MAXK51Click();
    EXPECT_EQ(frameMaxK[19999], 5);

    // "Cadr" stops after a tick once a step was made.
    Form1->Cadr1Click();
    stepCount = 1;
    Form1->Timer3Timer();
    EXPECT_FALSE(Form1->Timer3->enabled());
}

TEST_F(Experiments, AFrameThatCannotBeWrittenStopsTheRecorder)
{
    std::ofstream("video") << "a file where the folder should be";
    Form1->Dntmove1->setChecked(true);
    Form1->Playvideo1Click();
    Form1->Timer3Timer();
    EXPECT_FALSE(Form1->Timer3->enabled());
    EXPECT_TRUE(StatusHas("could not be written"));
}

TEST_F(Experiments, StripRecorderFillsSlotsFromTheRightAndStopsAt24)
{
    Form1->RadioGroup8->setItemIndex(0);
    std::filesystem::create_directories("data");
    Form1->Recordvideo31Click();   // no strip: said once, the ticks write nothing
    EXPECT_TRUE(StatusHas("filedem24.bmp"));
    EXPECT_EQ(stepsPerRun, 1);
    EXPECT_EQ(Form1->Edit2->text(), "1");
    ASSERT_TRUE(Form1->Timer8->enabled());
    for (int tick = 0; tick < 23; ++tick)
        Form1->Timer8Timer();
    EXPECT_TRUE(Form1->Timer8->enabled());
    Form1->Timer8Timer();
    EXPECT_FALSE(Form1->Timer8->enabled());
    EXPECT_EQ(videoFrameCounter, 24);
}

TEST_F(Experiments, StoredPicturesAreDrawnOrReported)
{
    secondStepCount = 7;
    Form1->RisLoad1Click();   // 7 div 3 = 2: "videoDD3/file0002.bmp", missing
    EXPECT_TRUE(Form1->RisLoad1->isChecked());
    EXPECT_EQ(framePath, "videoDD3/file0002.bmp");
    EXPECT_TRUE(StatusHas("videoDD3/file0002.bmp"));
    SavePicture("videoDD3/file0002.bmp", 4, 4, Qt::blue);
    Form1->Button71Click();
    EXPECT_EQ(canvas().pixel(2, 2), ColorBlue);

    Form1->Viewv2m3m3m1Click();   // neither picture: the box names the first
    ASSERT_EQ(messages_.shown.size(), 1u);
    EXPECT_TRUE(messages_.shown[0].text.contains("gragra.bmp"));
    EXPECT_EQ(messages_.shown[0].caption, "Warning");
    SavePicture("gragra.bmp", 5, 5, Qt::green);
    Form1->Viewv2m3m3m1Click();   // the first drawn, then the box for the second
    EXPECT_EQ(canvas().pixel(102, 362), RGBColor(0, 255, 0));
    ASSERT_EQ(messages_.shown.size(), 2u);
    EXPECT_TRUE(messages_.shown[1].text.contains("v4.bmp"));
}

TEST_F(Experiments, PatternBlocksClassesAndAdjustments)
{
    squareRowCount = squareColumnCount = 70;
    std::fill(std::begin(squareCells), std::end(squareCells), 2);
    squareCells[SquareIndex(2, 3)] = 1;
    WriteBytes("CA/ca70.dat", Square());
    std::fill(std::begin(squareCells), std::end(squareCells), 0);

    stepCount = 9;
    Form1->N1abeg1Click();
    EXPECT_EQ(stepCount, 0);
    EXPECT_EQ(squareCells[SquareIndex(2, 3)], 1);   // the pattern was read
    // Block of (2, 3): x 25..29, y 19..23, black.
    EXPECT_EQ(canvas().pixel(25, 19), ColorBlack);
    EXPECT_EQ(canvas().pixel(29, 23), ColorBlack);
    EXPECT_EQ(canvas().pixel(30, 23), ColorButtonFace);

    Form1->Button8Click();
    Form1->N5d121Click();   // missing file: the square's own cells are drawn
    EXPECT_TRUE(StatusHas("ca_REG5.dat"));
    EXPECT_EQ(canvas().pixel(26, 20), ColorRed);

    Form1->N211Click();   // snapshot 2
    Form1->Bstav1Click();
    EXPECT_EQ(canvas().pixel(6 * 3 + 359, 6 * 2 + 7), ColorRed);
    EXPECT_EQ(canvas().brush.color, ColorMaroon);
    stabilityClassTable[0][0] = 'g';
    stabilityClassTable[0][1] = 'x';
    Form1->Finstab1Click();
    EXPECT_EQ(canvas().pixel(359, 7), ColorBlue);
    EXPECT_EQ(canvas().pixel(365, 7), ColorButtonFace);

    cellStatMap[4][4] = 5;
    Form1->TEMP21Click();
    EXPECT_EQ(cellStatMap[4][4], -2);
    statMarkerMapB[4][4] = 1;
    Form1->aTEMP21Click();
    EXPECT_EQ(cellStatMap[4][4], -5);
}
