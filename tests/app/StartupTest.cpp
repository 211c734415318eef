// Start-up of the workbench: the windows, the defaults the main window takes on
// its first showing and the order in which that showing runs the handlers.
#include "app/TForm1.h"
#include "app/TForm2.h"
#include "app/Workbench.h"
#include "engine/IndexHelpers.h"
#include "engine/ProgramDir.h"
#include "engine/RunControls.h"
#include "engine/SquareSize.h"
#include "engine/StringLength.h"
#include "engine/StringStart.h"
#include "lattice/LatticeSettings.h"
#include "lattice/TForm12.h"
#include "lattice/TForm13.h"
#include "lattice/TForm15.h"
#include "lattice/VideoFrameSize.h"
#include "mask2d/Mask2dPath.h"
#include "mask2d/Mask2dTables.h"
#include "runs/RunViewState.h"
#include "tables1d/KeyIndexedTables.h"
#include "tables2d/TwoDimState.h"
#include "widgets/Dialogs.h"
#include "widgets/HelpPage.h"

#include <QApplication>
#include <QTimer>
#include <gtest/gtest.h>

#include <algorithm>

namespace {

void StartMainWindow()
{
    CreateWindows();
    Form1->show_();
}

} // namespace

TEST(Startup, RunsUntilTheMainWindowClosesAndReturnsZero)
{
    bool closedWhileRunning = false;
    QTimer::singleShot(0, [&] {
        ASSERT_NE(Form1, nullptr);
        closedWhileRunning = Form1->isVisible();
        Form1->close_();
    });
    EXPECT_EQ(RunWorkbench(*qApp), 0);
    EXPECT_TRUE(closedWhileRunning);
}

TEST(Startup, CreatesAllWindowsWithTheirCaptions)
{
    CreateWindows();
    ASSERT_NE(Form1, nullptr);
    EXPECT_EQ(Form2->windowTitle(), "About");
    EXPECT_EQ(Form2->client()->size(), QSize(237, 174));
    EXPECT_FALSE(Form2->isVisible());
    EXPECT_FALSE(Form12->isVisible());
}

TEST(Startup, MainWindowDefaultsAfterFirstShow)
{
    StartMainWindow();

    EXPECT_EQ(stepsPerRun, 1);
    EXPECT_EQ(Form1->Edit2->text(), "1");
    EXPECT_EQ(Form1->UpDown1->position(), 1);
    EXPECT_EQ(cellWidth, 25);
    EXPECT_EQ(cellHeight, 25);
    EXPECT_EQ(Form1->RadioGroup2->itemIndex(), 1);   // "Circle"
    EXPECT_EQ(Form1->Label21->text(), "+");
    EXPECT_EQ(Form1->Label299->text(), "27");
    EXPECT_EQ(squareRowCount, stringLength);
    EXPECT_EQ(squareColumnCount, stringLength);
    EXPECT_EQ(Form1->UpDown2->position(), squareRowCount);

    EXPECT_EQ(ruleModeIndex, 5);
    EXPECT_EQ(frameWidth, 512);
    EXPECT_EQ(frameHeight, 512);
    EXPECT_EQ(Form12->RadioGroup1->itemIndex(), 4);
    EXPECT_EQ(Form15->RadioGroup1->itemIndex(), 3);
    EXPECT_EQ(timeBarLeft, 55);
    EXPECT_EQ(timeBarBottom, 614);
    EXPECT_TRUE(std::all_of(std::begin(frameMaxK), std::end(frameMaxK), [](int32_t v) { return v == 1; }));
    // The frame lengths take the steps per press as it stood before start-up set 1.
    EXPECT_TRUE(std::all_of(std::begin(frameDl), std::end(frameDl), [](int16_t v) { return v == 6; }));
    EXPECT_DOUBLE_EQ(ruleWeightsX[44], 0.21);
    EXPECT_DOUBLE_EQ(ruleWeightsY[0], 0.21);

    EXPECT_EQ(stopStepA, 9);
    EXPECT_EQ(stopStepB, 12);
    EXPECT_EQ(Form1->Edit52->text(), "9");
    EXPECT_EQ(timeLimitC, 100);

    ASSERT_FALSE(programDir.empty());
    EXPECT_EQ(programDir.back(), '/');

    // The cross in its start-up order and the extra points of tables 1 and 2.
    EXPECT_EQ(mask2dPointTables[0][1].x, 1);
    EXPECT_EQ(mask2dPointTables[0][4].x, -1);
    EXPECT_EQ(mask2dPointTables[1][5].x, extraPointX5);
    EXPECT_EQ(mask2dPointTables[2][6].y, -extraPointY5);
    EXPECT_EQ(Form1->Edit54->text(), QString::number(extraPointX5));
    EXPECT_EQ(isTwoDimMode, 0);

    EXPECT_EQ(Form1->RichEdit5->lines(), QStringList{"(=0) 0 column = -1"});
    EXPECT_EQ(Form1->RichEdit6->lines(), QStringList{"(=0) 0 column = +1"});
}

// The chooser runs for "Cross +1" while the cross is not laid yet; "0 216"
// then rebuilds the mask from the cross in its start-up order and (-1, 1).
TEST(Startup, LeavesTheDefaultTwoDimensionalMaskAndItsTorusLength)
{
    StartMainWindow();

    EXPECT_EQ(stringLength, 6);
    EXPECT_EQ(Form1->Edit1->text(), "6");
    EXPECT_EQ(squareRowCount, 6);
    EXPECT_EQ(Form1->RadioGroup20->itemIndex(), 1);
    EXPECT_EQ(mask2dPointCount, 6);
    EXPECT_EQ(Form1->Label455->text(), "5");
    EXPECT_EQ(extraPointX5, -1);
    EXPECT_EQ(extraPointY5, 1);
    const std::pair<int, int> expected[] = {{0, 0}, {1, 0}, {0, 1}, {0, -1}, {-1, 0}, {-1, 1}};
    for (int p = 0; p < 6; ++p) {
        EXPECT_EQ(mask2dPointTables[1][p].x, expected[p].first) << p;
        EXPECT_EQ(mask2dPointTables[1][p].y, expected[p].second) << p;
    }
    EXPECT_EQ(mask2dMinX, -1);
    EXPECT_EQ(mask2dMinY, -1);
    EXPECT_EQ(mask2dSpanX, 5);
    EXPECT_EQ(mask2dSpanY, 5);
    EXPECT_EQ(ttFileName2d, programDir + "RT2/T5_-1+1.dat");
    EXPECT_EQ(Form1->Label512->text().toStdString(), ttFileName2d);

    // The edits of the first extra point, the others unused.
    EXPECT_EQ(Form1->Edit55->text(), "1");
    EXPECT_FALSE(Form1->Edit55->isHidden());
    EXPECT_EQ(Form1->Edit56->text(), "X");
    EXPECT_TRUE(Form1->Edit56->isHidden());

    // Random start strings are on, the toolbar back in one-dimensional mode.
    EXPECT_EQ(isRandomInitialString, 1);
    EXPECT_TRUE(Form1->CheckBox61->isChecked());
    EXPECT_EQ(isTwoDimMode, 0);
    EXPECT_FALSE(Form1->Image17->isHidden());
}

TEST(Startup, SwitchesAndPanelsAfterFirstShow)
{
    StartMainWindow();

    // "St" then "CP visible": the status bar at the top, the pictures below it
    // and the toolbar, from the canvas's origin on.
    EXPECT_EQ(Form1->StatusBar1->edge(), StatusBar::Edge::Top);
    EXPECT_EQ(Form1->canvas().origin(), QPoint(0, Form1->StatusBar1->height() + Form1->ControlBar1->height()));
    EXPECT_EQ(fieldDrawTop, 0);
    EXPECT_FALSE(Form1->ControlBar1->isHidden());
    // "Npr=0" checked hides the range group.
    EXPECT_TRUE(Form1->CheckBox58->isChecked());
    EXPECT_TRUE(Form1->GroupBox67->isHidden());

    // "Ordinary" is set and then cleared again by the predictor choice, which
    // enables the six marker boxes (so the painter draws) and ticks "Marker 36".
    EXPECT_EQ(Form1->RadioGroup12->itemIndex(), 2);
    EXPECT_FALSE(Form1->CheckBox33->isChecked());
    EXPECT_TRUE(Form1->CheckBox1->isEnabled());
    EXPECT_TRUE(Form1->CheckBox32->isEnabled());
    EXPECT_FALSE(Form1->CheckBox34->isEnabled());
    EXPECT_TRUE(Form1->CheckBox36->isChecked());
    EXPECT_FALSE(Form1->Button16->isEnabled());

    // The toolbar in one-dimensional mode.
    EXPECT_FALSE(Form1->Button204->isHidden());
    EXPECT_TRUE(Form1->Button211->isHidden());
    EXPECT_TRUE(Form1->GroupBox33->isHidden());
    EXPECT_TRUE(Form1->Button214->isHidden());
    EXPECT_FALSE(Form1->Image17->isHidden());

    // Menu switches are marks only.
    EXPECT_TRUE(Form1->VffinPanel1->isChecked());
    EXPECT_FALSE(Form1->Dontshow1->isChecked());
    EXPECT_TRUE(Form1->T21->isChecked());
    EXPECT_FALSE(Form1->T31->isChecked());
    EXPECT_TRUE(Form1->NAK11->isChecked());

    // The ring boxes of the mask chooser window.
    EXPECT_TRUE(Form13->CheckBox11->isChecked());
    EXPECT_FALSE(Form13->CheckBox9->isChecked());
    EXPECT_FALSE(Form13->CheckBox14->isChecked());
}

TEST(Startup, TheKeyIndexedValueTablesStartEmpty)
{
    StartMainWindow();
    // The chooser's two-dimensional clear ran with "Npr=0" checked, so the
    // generators' contradiction test sees empty entries, not values 0.
    const auto empty = [](uint8_t v) { return v == kEmptyKeyValue; };
    EXPECT_TRUE(std::all_of(std::begin(tt5Value), std::end(tt5Value), empty));
    EXPECT_TRUE(std::all_of(std::begin(tt6Value), std::end(tt6Value), empty));
    EXPECT_TRUE(std::all_of(std::begin(tt7Value), std::end(tt7Value), empty));
}

// Observers connected after the handlers see each handler's run in the order
// the first showing causes them.
TEST(Startup, FirstShowRunsTheHandlersInOrder)
{
    CreateWindows();
    QStringList trace;
    auto watch = [&trace](QCheckBox* box, const char* name) {
        QObject::connect(box, &QCheckBox::toggled, [&trace, name] { trace << name; });
    };
    auto watchGroup = [&trace](RadioGroup* group, const char* name) {
        QObject::connect(group, &RadioGroup::itemClicked,
                         [&trace, name, group] { trace << QString("%1=%2").arg(name).arg(group->itemIndex()); });
    };
    watch(Form1->CheckBox58, "Npr=0");
    watch(Form1->CheckBox56, "St");
    watch(Form1->CheckBox41, ">>");
    watch(Form1->CheckBox54, "CP visible");
    watch(Form1->CheckBox61, "rand");
    watch(Form1->CheckBox33, "Ordinary");
    watchGroup(Form1->RadioGroup20, "n points");
    watchGroup(Form1->RadioGroup15, "Npoint");
    watchGroup(Form1->RadioGroup3, "Kind");
    watchGroup(Form12->RadioGroup1, "Size");
    watchGroup(Form1->RadioGroup1, "sd");
    watchGroup(Form1->RadioGroup12, "Predictoms");

    Form1->show_();

    const QStringList expected{"Npr=0",   "St",       "n points=1", ">>",     "Npoint=1", "CP visible",
                               "rand",    "rand",     "Ordinary",   "Kind=1", "Size=9",   "Size=4",
                               "sd=5",    "Ordinary", "Predictoms=2", "rand"};
    EXPECT_EQ(trace, expected);

    // A second showing changes nothing.
    trace.clear();
    Form1->hide_();
    Form1->show_();
    EXPECT_TRUE(trace.isEmpty());
}

TEST(Startup, AllTimersWaitForTheirCommands)
{
    StartMainWindow();
    for (Timer* timer : {Form1->Timer1, Form1->Timer2, Form1->Timer3, Form1->Timer10, Form1->Timer17, Form1->Timer18})
        EXPECT_FALSE(timer->enabled());
    EXPECT_EQ(Form1->Timer1->interval(), 1);
    EXPECT_EQ(Form1->Timer17->interval(), 20);
}

TEST(Startup, AboutShowsTheSameWindowEachTime)
{
    StartMainWindow();
    std::vector<Form*> shown;
    Form::modalHook = [&shown](Form& form) { shown.push_back(&form); };
    Form1->About1Click();
    Form1->About1Click();
    Form::modalHook = nullptr;
    ASSERT_EQ(shown.size(), 2u);
    EXPECT_EQ(shown[0], Form2);
    EXPECT_EQ(shown[1], Form2);
}

TEST(Startup, HelpPagesLieBelowTheProgramAndLeaveTheTablePrefixAlone)
{
    StartMainWindow();
    const std::string before = programDir;
    QStringList opened;
    std::vector<MessageRecord> messages;
    SetPageOpenRecorder(&opened);
    SetMessageRecorder(&messages);
    Form1->Content1Click();
    Form1->Content2Click();
    SetPageOpenRecorder(nullptr);
    SetMessageRecorder(nullptr);

    // Beside the test program the pages may be missing: then each is named in a message.
    QStringList asked = opened;
    for (const MessageRecord& m : messages)
        asked << m.text;
    ASSERT_EQ(asked.size(), 2);
    EXPECT_TRUE(asked[0].contains("Help/index.html"));
    EXPECT_TRUE(asked[1].contains("HelpRUS/index.html"));
    EXPECT_EQ(programDir, before);
}

TEST(Startup, ExitClosesTheMainWindow)
{
    StartMainWindow();
    bool closed = false;
    QObject::connect(Form1, &Form::closed, [&closed] { closed = true; });
    Form1->Exit1Click();
    EXPECT_TRUE(closed);
    EXPECT_FALSE(Form1->isVisible());
}
