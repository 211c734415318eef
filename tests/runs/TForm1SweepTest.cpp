// The parameter sweep on the main window: "Make table" runs every point of a
// small range one run after another and writes its five files at the end.
#include "../app/StartedWorkbench.h"
#include "app/TForm1.h"
#include "app/Workbench.h"
#include "base/Random.h"
#include "base/StringLength.h"
#include "engine/StringState.h"
#include "runs/ParameterSweep.h"
#include "widgets/Dialogs.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <string>
#include <vector>

namespace {

class SweepWindow : public StartedWorkbench {
protected:
    // Ticks the sweep's timers as the event loop would, until the sweep ends.
    void RunSweep(int tickLimit)
    {
        for (int ticks = 0; isSweepRunning && ticks < tickLimit; ++ticks) {
            if (Form1->Timer9->enabled())
                Timer::fireForTest(*Form1->Timer9);
            else if (Form1->Timer1->enabled())
                Timer::fireForTest(*Form1->Timer1);
            else
                break;
        }
    }
    std::vector<MessageRecord>& messages = messages_;
};

std::vector<std::string> Lines(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    std::vector<std::string> lines;
    for (std::string line; std::getline(in, line);)
        lines.push_back(line);
    return lines;
}

std::vector<double> Numbers(const std::string& line)
{
    std::istringstream in(line);
    std::vector<double> numbers;
    for (double v; in >> v;)
        numbers.push_back(v);
    return numbers;
}

} // namespace

// "1 DIM" stays out of the menu bar, as its edits stay out of sight; its items
// still run their commands when code triggers them.
TEST_F(SweepWindow, TheMenuIsHiddenAndItsItemsStillRun)
{
    EXPECT_FALSE(Form1->N1DIM1->menuAction()->isVisible());
    EXPECT_FALSE(Form1->MainMenu1->actionGeometry(Form1->N1DIM1->menuAction()).isValid());

    ASSERT_TRUE(Form1->isPlosk1->isChecked());
    Form1->isPlosk1->trigger();
    EXPECT_FALSE(Form1->isPlosk1->isChecked());
    Form1->PConec1->trigger();
    EXPECT_TRUE(std::ifstream("dataN/9_cont.dat").good());
    Form1->Maketable1->trigger();   // the default lengths do not fit a string
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].caption, "Warning");
}

TEST_F(SweepWindow, RefusesTheDefaultRangeAndArmsNothing)
{
    Form1->Maketable1Click();   // lengths 50..149 do not fit a string
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].caption, "Warning");
    EXPECT_FALSE(Form1->Timer9->enabled());
    EXPECT_FALSE(isSweepRunning);
}

// Lengths 4 and 5, B counts 1 and 2, two runs each: eight runs, every one
// counted into its point, and the files written with both lengths.
TEST_F(SweepWindow, SmallRangeEndToEndWithItsFiles)
{
    Form1->Edit13->setText("4");
    Form1->Edit14->setText("6");
    Form1->Edit11->setText("1");
    Form1->Edit12->setText("3");
    Form1->Edit16->setText("2");
    SeedRandom(11);
    Form1->Maketable1Click();
    ASSERT_TRUE(Form1->Timer9->enabled());
    Timer::fireForTest(*Form1->Timer9);   // the first run: length 4 with 1 B cell
    EXPECT_EQ(stringLength, 4);
    EXPECT_EQ(Form1->Edit5->text() + Form1->Edit7->text(), "41");
    EXPECT_TRUE(Form1->StatusBar1->simpleText().startsWith("0 0 0 0 "));
    EXPECT_TRUE(Form1->StatusBar1->simpleText().endsWith(" "));
    EXPECT_TRUE(Form1->Timer1->enabled());
    EXPECT_FALSE(Form1->Timer9->enabled());
    RunSweep(100000);
    ASSERT_FALSE(isSweepRunning);
    EXPECT_EQ(sweepRunIndex, 8);
    EXPECT_FALSE(Form1->Timer9->enabled());
    EXPECT_FALSE(Form1->Timer1->enabled());

    EXPECT_EQ(Lines("dataN/9_cont.dat"), (std::vector<std::string>{"4 2  2 ", "5 2  2 "}));
    const auto means = Lines("dataN/9_Tsr.dat");
    const auto ones = Lines("dataN/9_Bcol.dat");
    const auto spreads = Lines("dataN/9_DTsr.dat");
    ASSERT_EQ(means.size(), 2u);
    ASSERT_EQ(ones.size(), 2u);
    for (int i = 0; i < 2; ++i) {
        const auto t = Numbers(means[i]), b = Numbers(ones[i]), d = Numbers(spreads[i]);
        ASSERT_EQ(t.size(), 3u);
        EXPECT_EQ(t[0], 4 + i);
        for (int j = 1; j < 3; ++j) {
            EXPECT_GE(t[j], 3.0);             // a run ends after step 3 at the earliest
            EXPECT_GE(b[j], 0.0);
            EXPECT_LE(b[j], 4.0 + i);         // ones of string A at the end
            EXPECT_GE(d[j], 0.0);
        }
    }
}
