// The lattice menus on the main window: the bitmap import, the counter and
// river files, the statistics switches, the panel controls and two windows.
#include "BitmapTestSupport.h"
#include "LatticeFormFixture.h"
#include "base/MainMode.h"
#include "base/RunControls.h"
#include "engine/StringState.h"
#include "lattice/ChangeCounterFiles.h"
#include "lattice/ImproveSearch.h"
#include "lattice/LatticePanelValues.h"
#include "lattice/LatticeSettings.h"
#include "lattice/RiverFrames.h"
#include "lattice/TForm10.h"
#include "lattice/TForm11.h"
#include "lattice/VideoFrameSize.h"
#include "lattice/VideoFrames.h"

#include <algorithm>
#include <cstring>

using LatticeMenus = StartedWindows;

TEST_F(LatticeMenus, BitmapImportAddsCellsOrBluePixelsAndRefusesBadFiles)
{
    ASSERT_EQ(frameWidth, 512);
    std::fill(std::begin(squareCells), std::end(squareCells), 2);
    framePath = "video/file0007.bmp";
    const auto before = Square();

    Form1->READFROMFILE1Click();   // no file
    EXPECT_EQ(Square(), before);
    EXPECT_EQ(status(), "data/1_1.BMP: no such file; nothing read");

    // A bright 10 x 10 block at (100, 50): cells rows 10..11, columns 20..21.
    WriteBytes("data/1_1.BMP", MakeBitmap(512, 512, [](int x, int y) {
                   return uint8_t(x >= 100 && x < 110 && y >= 50 && y < 60 ? 255 : 0);
               }));
    Form1->Button8Click();
    Form1->canvas().setPixel(5, 5, ColorRed);   // dark pixels keep what was drawn there
    Form1->READFROMFILER1Click();   // drawn only
    EXPECT_EQ(Square(), before);
    EXPECT_EQ(Form1->canvas().pixel(5, 5), ColorRed);
    EXPECT_EQ(Form1->canvas().pixel(100, 50), ColorBlue);
    EXPECT_EQ(Form1->canvas().pixel(109, 59), ColorBlue);
    EXPECT_EQ(Form1->canvas().pixel(110, 59), ColorButtonFace);

    Form1->READFROMFILE1Click();
    for (int r = 10; r <= 11; ++r)
        for (int c = 20; c <= 21; ++c)
            EXPECT_EQ(squareCells[SquareIndex(r, c)], 0) << r << "," << c;
    EXPECT_EQ(std::count(std::begin(squareCells), std::end(squareCells), 0), 4);
    EXPECT_EQ(framePath, "video/file0007.bmp");   // the frame writer's path is its own
    EXPECT_TRUE(messages_.shown.empty());
}

TEST_F(LatticeMenus, CounterFilesComeBackNegatedOnlyWhereReadWhole)
{
    vanishCountX1[1][1] = 4;
    vanishCountY1[2][2] = 5;
    appearCountX1[3][3] = 6;
    appearCountY1[4][4] = 7;
    Form1->WrNAK1Click();
    for (const char* f : {"aT1d/aBLx0.dat", "aT1d/aBLy0.dat", "aT1d/aLIx0.dat", "aT1d/aLIy0.dat"})
        EXPECT_EQ(std::filesystem::file_size(f), 19600u) << f;

    Form1->ReNAK1Click();
    EXPECT_EQ(vanishCountX1[1][1], -4);
    EXPECT_EQ(appearCountY1[4][4], -7);
    Form1->Button79Click();   // the pair twice restores them
    Form1->Button78Click();
    EXPECT_EQ(vanishCountX1[1][1], 4);

    // One file gone, one short: those tables keep value and sign.
    vanishCountX1[1][1] = vanishCountY1[2][2] = appearCountX1[3][3] = appearCountY1[4][4] = 100;
    std::filesystem::remove("aT1d/aBLy0.dat");
    std::ofstream("aT1d/aLIx0.dat", std::ios::binary) << "short";
    Form1->Button78Click();
    EXPECT_EQ(vanishCountX1[1][1], 4);
    EXPECT_EQ(vanishCountY1[2][2], 100);
    EXPECT_EQ(appearCountX1[3][3], 100);
    EXPECT_EQ(appearCountY1[4][4], 7);
    EXPECT_EQ(status(), "Re NAK: aT1d/aBLy0.dat missing, table kept; "
                        "aT1d/aLIx0.dat is not 19600 bytes long, table kept");

    // "aT=0" then "Re NAK" with every file missing: all stay 0.
    std::filesystem::remove_all("aT1d");
    Form1->aT02Click();
    Form1->Button78Click();
    EXPECT_EQ(vanishCountX1[1][1], 0);
    EXPECT_EQ(appearCountY1[4][4], 0);
}

TEST_F(LatticeMenus, RiverFramesAreClearedOnlyWhenTheSwitchBecomesTicked)
{
    squareRowCount = squareColumnCount = 20;
    std::memset(riverFrames, 9, sizeof riverFrames);
    ASSERT_FALSE(Form1->zapaRIVE1->isChecked());
    Form1->zapaRIVE1->trigger();
    EXPECT_EQ(riverFrames[1999][19][19], 0);

    std::memset(riverFrames, 9, sizeof riverFrames);
    Form1->zapaRIVE1->trigger();   // unticks only
    EXPECT_FALSE(Form1->zapaRIVE1->isChecked());
    EXPECT_EQ(riverFrames[0][0][0], 9);

    Form1->WriteaRIVE1Click();
    std::memset(riverFrames, 0, sizeof riverFrames);
    Form1->ReadaREVE1Click();
    EXPECT_EQ(riverFrames[0][0][0], 9);
    std::filesystem::remove(kRiverFilePath);
    Form1->Button77Click();
    EXPECT_EQ(status(), "Read aREVE: aT1d/aRIVE.dat missing, river frames kept");
}

TEST_F(LatticeMenus, GroupsOfThreeAndBegin2SetTheStatisticsSwitches)
{
    Form1->DONTSHOW2->setChecked(true);
    Form1->NAK21->trigger();
    EXPECT_FALSE(Form1->NAK01->isChecked());
    EXPECT_FALSE(Form1->NAK11->isChecked());
    EXPECT_TRUE(Form1->NAK21->isChecked());
    EXPECT_FALSE(Form1->DONTSHOW2->isChecked());

    Form1->Cnc01->trigger();
    Form1->Cnc11->trigger();
    EXPECT_FALSE(Form1->Cnc01->isChecked());
    EXPECT_TRUE(Form1->Cnc11->isChecked());
    EXPECT_FALSE(Form1->Cnc21->isChecked());

    Form1->RadioGroup7->setItemIndex(3);
    Form1->BEGIN21->trigger();
    EXPECT_TRUE(Form1->notpaint1->isChecked());
    EXPECT_EQ(Form1->RadioGroup7->itemIndex(), 1);
    EXPECT_EQ(Form1->RadioGroup5->itemIndex(), 1);
    EXPECT_EQ(mainModeIndex, 0);   // "MAIN"'s own handler ran
    EXPECT_FALSE(Form1->XXcnc1->isChecked());
    EXPECT_TRUE(Form1->isRIVER1->isChecked());
    EXPECT_TRUE(Form1->NoA1->isChecked());
}

// Each switch's menu item reaches its own handler, which turns only its own mark.
TEST_F(LatticeMenus, EverySwitchTogglesItsOwnMark)
{
    const std::vector<QAction*> switches = {
        Form1->Nonreversible1, Form1->Showparameters1, Form1->randomize2, Form1->IsStopwheN1, Form1->IaStop1,
        Form1->IsStop1, Form1->IsStopwheniCX1, Form1->Nographics1, Form1->PorM1, Form1->N1Or31, Form1->Quolil1,
        Form1->DONTSHOW2, Form1->aRIV1, Form1->notpaint1, Form1->risCntriver1, Form1->isRIVER1, Form1->NOTSTOP1,
        Form1->Load3pict1, Form1->IsIZM1, Form1->isdef1, Form1->N4b1, Form1->Estobr1, Form1->ViewGraph1,
        Form1->VIKLdljalabdx1, Form1->isSMES1, Form1->iesZAD1, Form1->iesNesol1, Form1->notITZ1, Form1->XXXn1,
        Form1->XXcnc1, Form1->NoA1, Form1->Iz22, Form1->isIZ1IZ01, Form1->Showwithfilt1, Form1->Is6coins1,
    };
    for (std::size_t i = 0; i < switches.size(); ++i) {
        std::vector<bool> marks;
        for (QAction* a : switches)
            marks.push_back(a->isChecked());
        switches[i]->trigger();
        for (std::size_t k = 0; k < switches.size(); ++k)
            EXPECT_EQ(switches[k]->isChecked(), k == i ? !marks[k] : bool(marks[k]))
                << switches[i]->objectName().toStdString() << " moved " << switches[k]->objectName().toStdString();
        switches[i]->trigger();
        EXPECT_EQ(switches[i]->isChecked(), bool(marks[i])) << switches[i]->objectName().toStdString();
    }
}

TEST_F(LatticeMenus, OneOrThreeSquareSetsOneStepAndTimeHalvesToNoTicks)
{
    Form1->Showwithfilt1->setChecked(false);
    stepsPerRun = 4;
    Form1->Is6coins1->trigger();   // "1 OR 3 SQUARE" clear: steps stay
    EXPECT_EQ(stepsPerRun, 4);
    Form1->Showwithfilt1->trigger();
    EXPECT_EQ(stepsPerRun, 1);
    EXPECT_EQ(Form1->Edit2->text(), "1");
    stepsPerRun = 4;
    Form1->Is6coins1->trigger();
    EXPECT_EQ(stepsPerRun, 1);

    ASSERT_EQ(Form1->Timer1->interval(), 1);
    Form1->N210->trigger();
    Form1->N210->trigger();
    EXPECT_EQ(Form1->Timer1->interval(), 0);
}

TEST_F(LatticeMenus, PanelZadCountsTasksAndClears)
{
    Form1->Edit31->setText("5");
    EXPECT_EQ(zadTaskNumber, 5);
    Form1->canvas().pen.mode = PenMode::NotXor;
    Form1->canvas().brush.color = ColorRed;
    Form1->canvas().fillRect(0, 0, 50, 50);
    Form1->Button44->click();
    EXPECT_EQ(zadTaskNumber, 6);
    EXPECT_EQ(Form1->Edit31->text(), "6");
    EXPECT_EQ(Form1->canvas().pixel(10, 10), ColorButtonFace);
    EXPECT_EQ(Form1->canvas().pen.mode, PenMode::Copy);
    Form1->Edit31->setText("2147483647");
    Form1->Button48->click();   // the count stops at its largest value
    EXPECT_EQ(zadTaskNumber, 2147483647);
}

TEST_F(LatticeMenus, HeatMapAndImproveWindowsOpenFromTheirMenus)
{
    std::vector<Form*> shown;
    Form::modalHook = [&shown](Form& form) { shown.push_back(&form); };
    Form1->Showheatmap1->trigger();
    Form1->ShowIMPROVE1->trigger();
    EXPECT_EQ(shown, (std::vector<Form*>{Form10, Form11}));
}
