// The main window's commands of the mask file, "Do find", the C/B pair
// starts, the time bar and the large step digits.
#include "LatticeFormFixture.h"
#include "base/RunControls.h"
#include "base/ViewTransform.h"
#include "engine/StringPaint.h"
#include "engine/StringState.h"
#include "lattice/LatticeSettings.h"
#include "lattice/MaskFile.h"
#include "lattice/SecondStepCount.h"
#include "lattice/TimeBar.h"
#include "lattice/VideoSettings.h"

#include <QImage>
#include <climits>
#include <iterator>

namespace {

class LatticeWindows : public StartedWindows {
protected:
    void SetUp() override
    {
        StartedWindows::SetUp();
        Form1->Timer1->setEnabled(false);
        Form1->Edit1->setText("27");   // start-up leaves the side of the default 2-D mask
        Form1->Button8Click();          // a clean drawing area
    }
    static TColor Pixel(int x, int y) { return Form1->canvas().pixel(x, y); }
    static QImage Canvas() { return Form1->canvas().image(); }
};

std::vector<uint8_t> Mask() { return {std::begin(frozenMask), std::end(frozenMask)}; }

// Not-xor on the button face: a black line inverts it, the maroon bar mixes
// in its own inverse.
constexpr TColor kInvertedFace = 0x0F0F0F;
constexpr TColor kBarOnFace = 0x0F0F8F;

} // namespace

// The mask is cleared only once the file holds it; a failed read or write keeps it.
TEST_F(LatticeWindows, MaskIsWrittenReadBackAndKeptWhenAFileFails)
{
    for (int k = 0; k < kSquareCellCount; ++k)
        frozenMask[k] = static_cast<uint8_t>(k % 251 + 1);
    const std::vector<uint8_t> mask = Mask();
    Form1->Writemask1->trigger();   // no file yet: it is made
    EXPECT_EQ(frozenMask[SquareIndex(26, 26)], 0);
    EXPECT_EQ(frozenMask[SquareIndex(27, 27)], mask[SquareIndex(27, 27)]);
    isRedrawNeeded = 0;
    Form1->Readmask1->trigger();
    EXPECT_EQ(Mask(), mask);
    EXPECT_EQ(isRedrawNeeded, 1);

    std::filesystem::remove_all("MA");
    isRedrawNeeded = 0;
    Form1->Readmask1Click();
    EXPECT_EQ(isRedrawNeeded, 0);
    EXPECT_TRUE(StatusHas("MA/mafin.dat"));

    std::ofstream("MA") << "x";   // a file where the folder belongs
    Form1->StatusBar1->setSimpleText("");
    Form1->Writemask1Click();
    EXPECT_EQ(Mask(), mask);
    EXPECT_TRUE(StatusHas("MA/mafin.dat"));
}

TEST_F(LatticeWindows, PairStartsAndDoFind)
{
    std::fill(std::begin(squareCells), std::end(squareCells), uint8_t{2});
    requestedCPointCount = 3;
    cycleCount = stepCount = activitySamplePaintCount = 5;
    Form1->N14->trigger();
    EXPECT_EQ(cycleCount + stepCount + activitySamplePaintCount, 0);
    EXPECT_LE(std::count(std::begin(squareCells), std::end(squareCells), 0), 3);
    EXPECT_EQ(Pixel(5 * 27 + 5, 20), ColorBlack);   // the frame of the square

    Form1->Button51->click();
    EXPECT_EQ(squareCells[SquareIndex(40, 40)], 0);
    EXPECT_EQ(squareCells[SquareIndex(100, 100)], 1);

    stepsPerRun = 6;
    Form1->Dofind1->trigger();
    EXPECT_EQ(stepsPerRun, 1);
    EXPECT_EQ(Form1->Edit2->text(), "1");
    EXPECT_EQ(Form1->UpDown1->position(), 1);
    EXPECT_TRUE(Form1->Timer1->enabled());
}

// Bar 55..724 x 443..614 over 2526 steps.
TEST_F(LatticeWindows, TimeBarShowsTheRunAndHidesAgain)
{
    const QImage clean = Canvas();
    Form1->N701->trigger();
    EXPECT_EQ(Pixel(100, 500), kBarOnFace);
    EXPECT_EQ(Pixel(724, 500), ColorButtonFace);
    Form1->N701Click();
    EXPECT_EQ(Canvas(), clean);

    stepCount = 1263;
    Form1->Button60->click();
    EXPECT_EQ(timeBarMarker1, 389);
    EXPECT_EQ(Pixel(20, 443), kInvertedFace);   // the first advance starts at column 0
    EXPECT_EQ(Pixel(388, 613), kInvertedFace);
    EXPECT_EQ(Pixel(389, 500), ColorButtonFace);
    const QImage once = Canvas();
    Form1->Button60Click();   // nothing new to draw
    EXPECT_EQ(Canvas(), once);

    stepCount = INT32_MAX;   // far past the total: up to the right edge, at once
    Form1->Button60Click();
    EXPECT_EQ(Pixel(723, 500), kInvertedFace);
    EXPECT_EQ(Pixel(724, 500), ColorButtonFace);

    secondStepCount = 2526;   // the playback marker at the right end ...
    Form1->Button60Click();
    secondStepCount = 1263;   // ... inverts back to its own column
    Form1->Button60Click();
    EXPECT_EQ(Pixel(500, 500), ColorButtonFace);
    EXPECT_EQ(Pixel(388, 500), kInvertedFace);

    Form1->Edit9->setText("77");
    EXPECT_EQ(timeBarMarker1, 77);
}

TEST_F(LatticeWindows, FilledBarUpToTheStepAndBarKeys)
{
    stepCount = 2526;   // at the total: nothing drawn, the column still taken
    Form1->Rislll1->trigger();
    EXPECT_EQ(timeBarDrawn1, 724);
    EXPECT_EQ(Pixel(100, 500), ColorButtonFace);
    stepCount = 1263;
    Form1->Rislll1Click();
    EXPECT_EQ(Pixel(388, 500), kBarOnFace);
    EXPECT_EQ(Pixel(389, 500), ColorButtonFace);

    Form1->Button8Click();
    Form1->N701Click();
    Form1->Button76KeyDown(Qt::Key_M);   // the left edge one pixel right, the bar redrawn there
    EXPECT_EQ(timeBarLeft, 56);
    EXPECT_EQ(Pixel(55, 500), ColorButtonFace);
    EXPECT_EQ(Pixel(56, 500), kBarOnFace);
    const QImage before = Canvas();
    Form1->Button76KeyDown(Qt::Key_A);   // not a bar key
    EXPECT_EQ(Canvas(), before);

    Form1->canvas().setPixel(10, 10, ColorRed);
    Form1->canvas().setPixel(140, 140, ColorRed);
    Form1->DO4Click();   // side 27: (0, 0)-(140, 140)
    EXPECT_EQ(Pixel(10, 10), ColorButtonFace);
    EXPECT_EQ(Pixel(140, 140), ColorRed);
}

TEST_F(LatticeWindows, StepDigitsWithAndWithoutTheMinus)
{
    viewOffsetX = viewOffsetY = viewOriginX = viewOriginY = 0;
    viewScale = 1.0;
    stepCount = 0;
    Form1->Button64->click();
    EXPECT_EQ(Pixel(24, 16), ColorBlack);        // top of the 0
    EXPECT_EQ(Pixel(24, 32), ColorButtonFace);   // no minus, no middle bar

    Form1->Button8Click();
    stepCount = -12;
    Form1->Button64Click();
    EXPECT_EQ(digitDisplayValue, 12);
    EXPECT_EQ(Pixel(24, 32), ColorBlack);   // the minus, world (20..40, 40)
    EXPECT_EQ(Pixel(52, 30), ColorBlack);   // "1" one cell on, world x 65
    EXPECT_EQ(Pixel(80, 16), ColorBlack);   // "2" two cells on, world (90..110, 20)
    EXPECT_EQ(Pixel(24, 16), ColorButtonFace);

    stepCount = INT32_MIN;
    Form1->Button64Click();
    EXPECT_EQ(digitDisplayValue, INT32_MAX);
}
