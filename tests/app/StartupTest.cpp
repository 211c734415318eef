// Start-up of the workbench: the defaults the main window's first showing leaves
// and the order in which it runs the handlers.
#include "app/TForm1.h"
#include "app/Workbench.h"
#include "base/ProgramDir.h"
#include "base/RunControls.h"
#include "base/SquareSize.h"
#include "base/StringLength.h"
#include "lattice/LatticeSettings.h"
#include "lattice/TForm12.h"
#include "lattice/VideoFrameSize.h"
#include "mask2d/Mask2dPath.h"
#include "mask2d/Mask2dTables.h"
#include "tables1d/KeyIndexedTables.h"
#include "widgets/HelpPage.h"
#include "widgets/Look.h"
#include "widgets/StatusBar.h"

#include <QApplication>
#include <QFontInfo>
#include <QMenuBar>
#include <QPushButton>
#include <QStyle>
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

// The windows and the pictures drawn on them speak in the font the install
// script installs, found on this machine, not in whatever a desktop or the
// machine's other fonts would choose.
TEST(Startup, TheWindowsAndTheirPicturesUseTheInstalledFont)
{
    StartMainWindow();
    for (QWidget* w : {static_cast<QWidget*>(Form1), static_cast<QWidget*>(Form1->Button204),
                       static_cast<QWidget*>(Form1->StatusBar1)}) {
        const QFontInfo used(w->font());
        EXPECT_EQ(used.family(), "DejaVu Sans") << w->objectName().toStdString();
        EXPECT_EQ(used.pixelSize(), 12) << w->objectName().toStdString();
    }
    EXPECT_EQ(QFontInfo(WorkbenchFont(43)).family(), Form1->canvas().font.name);
    EXPECT_EQ(QApplication::style()->name(), "fusion");
}

// The main window carries the workbench's name, as its README gives it. The
// menu bar shows the string side's menus only: the lattice side is reached
// through menus kept out of sight, whose commands stay callable. "Not Draw"
// starts checked.
TEST(Startup, TheMainWindowsNameMenusAndSwitchesAsItOpens)
{
    StartMainWindow();
    EXPECT_EQ(Form1->windowTitle(), "String workbench");
    QStringList shown;
    for (QAction* menu : Form1->MainMenu1->actions())
        if (menu->isVisible())
            shown << menu->text();
    EXPECT_EQ(shown, QStringList({"File", "View", "View 2", "Explore", "Help"}));   // "1 DIM" is hidden
    EXPECT_TRUE(Form1->CheckBox43->isChecked());
}

// The chooser runs for "Cross +1" while the cross is not laid yet; "0 216" then
// rebuilds the mask from the cross in its start-up order and (-1, 1). Its
// two-dimensional clear ran with "Npr=0" checked: the value tables start empty.
TEST(Startup, FirstShowLeavesTheDefaultMaskAndEmptyValueTables)
{
    StartMainWindow();
    EXPECT_EQ(stepsPerRun, 1);
    // The frame lengths take the steps per press as it stood before start-up set 1.
    EXPECT_TRUE(std::all_of(std::begin(frameDl), std::end(frameDl), [](int16_t v) { return v == 6; }));
    ASSERT_FALSE(programDir.empty());
    EXPECT_EQ(programDir.back(), '/');

    EXPECT_EQ(stringLength, 6);
    EXPECT_EQ(Form1->Edit1->text(), "6");
    EXPECT_EQ(squareRowCount, 6);
    EXPECT_EQ(mask2dPointCount, 6);
    const std::pair<int, int> expected[] = {{0, 0}, {1, 0}, {0, 1}, {0, -1}, {-1, 0}, {-1, 1}};
    for (int p = 0; p < 6; ++p) {
        EXPECT_EQ(mask2dPointTables[1][p].x, expected[p].first) << p;
        EXPECT_EQ(mask2dPointTables[1][p].y, expected[p].second) << p;
    }
    EXPECT_EQ(mask2dMinX, -1);
    EXPECT_EQ(mask2dSpanX, 5);
    EXPECT_EQ(ttFileName2d, programDir + "RT2/T5_-1+1.dat");
    EXPECT_EQ(Form1->Label512->text().toStdString(), ttFileName2d);

    const auto empty = [](uint8_t v) { return v == kEmptyKeyValue; };
    EXPECT_TRUE(std::all_of(std::begin(tt5Value), std::end(tt5Value), empty));
    EXPECT_TRUE(std::all_of(std::begin(tt6Value), std::end(tt6Value), empty));
    EXPECT_TRUE(std::all_of(std::begin(tt7Value), std::end(tt7Value), empty));
    for (Timer* timer : {Form1->Timer1, Form1->Timer2, Form1->Timer3, Form1->Timer10, Form1->Timer17, Form1->Timer18})
        EXPECT_FALSE(timer->enabled());
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

TEST(Startup, HelpPagesLieBelowTheProgramAndLeaveTheTablePrefixAlone)
{
    StartMainWindow();
    const std::string before = programDir;
    QStringList opened;
    SetPageOpenRecorder(&opened);
    // Beside the test program the pages may be missing: then the status bar names each.
    QStringList asked;
    for (void (TForm1::*command)() : {&TForm1::Content1Click, &TForm1::Content2Click}) {
        Form1->StatusBar1->setSimpleText("");
        (Form1->*command)();
        asked << (opened.size() > asked.size() ? opened.back() : Form1->StatusBar1->simpleText());
    }
    SetPageOpenRecorder(nullptr);

    EXPECT_TRUE(asked[0].contains("Help/index.html"));
    EXPECT_TRUE(asked[1].contains("HelpRUS/index.html"));
    EXPECT_EQ(programDir, before);
}
