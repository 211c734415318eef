// The stored examples (each loads a table, places the centre configuration,
// chooses the mode and starts a loop) and the presets of "EXPO_1" (each loads
// a table and places a start configuration, no loop). None of their files
// ships with the workbench: a missing or unreadable table leaves the rule as
// it was, everything else still happens, and the status bar says so at the end.
#include "app/FormHelpers.h"
#include "app/TForm1.h"

#include "base/PointLists.h"
#include "base/RunControls.h"
#include "base/SquareSize.h"
#include "engine/SquarePatterns.h"
#include "engine/StringState.h"
#include "lattice/RuleTableFile.h"
#include "widgets/Handlers.h"

namespace {

constexpr int kModeRandom3 = 4;
constexpr int kModeRandom4 = 5;

} // namespace

// side 0 keeps the side; a side is shown in the length edit with the step
// count in its edit.
void TForm1::RunStoredExample(const char* file, int32_t side, int32_t steps, int mode, Timer* timer)
{
    const RuleFileStatus status = file ? ReadRuleTableFile(file) : RuleFileStatus::Ok;
    Label28->setVisible(true);
    if (side > 0)
        squareRowCount = squareColumnCount = side;
    Center1Click();
    stepsPerRun = steps;
    if (side > 0) {
        ShowNumber(Edit1, side);
        UpDown2->setPosition(side);
        ShowNumber(Edit2, steps);
        UpDown1->setPosition(steps);
    }
    RadioGroup1->setItemIndex(mode);
    timer->setEnabled(true);
    isRedrawNeeded = 1;
    Dontshow1->setChecked(false);
    if (status != RuleFileStatus::Ok)
        StatusBar1->setSimpleText(QString::fromStdString(RuleFileMessage(status, file)));
}

void TForm1::N13Click() { RunStoredExample(nullptr, 0, 1, 0, Timer2); }
void TForm1::N22Click() { RunStoredExample(nullptr, 0, 1, 1, Timer2); }
void TForm1::N52Click() { RunStoredExample(nullptr, 0, 1, 2, Timer2); }
void TForm1::N42Click() { RunStoredExample(nullptr, 0, 1, 3, Timer2); }
void TForm1::N62Click() { RunStoredExample("examp/Ex06.dat", 0, 1, kModeRandom3, Timer2); }
void TForm1::N71Click() { RunStoredExample("examp/Ex07.dat", 0, 1, kModeRandom3, Timer2); }
void TForm1::N82Click() { RunStoredExample("examp/Ex08.dat", 0, 1, kModeRandom3, Timer2); }
void TForm1::N102Click() { RunStoredExample("examp/Ex10.dat", 0, 1, kModeRandom3, Timer2); }
void TForm1::N122Click() { RunStoredExample("examp/Ex12.dat", 0, 1, kModeRandom3, Timer2); }
void TForm1::N152Click() { RunStoredExample("examp/Ex15.dat", 0, 1, kModeRandom3, Timer2); }
void TForm1::N162Click() { RunStoredExample("examp/Ex16.dat", 0, 1, kModeRandom3, Timer2); }
void TForm1::N172Click() { RunStoredExample("examp/Ex17.dat", 0, 1, kModeRandom4, Timer2); }
void TForm1::N182Click() { RunStoredExample("examp/Ex18.dat", 0, 1, kModeRandom4, Timer2); }
void TForm1::Ex171Click() { RunStoredExample("examp/Ex17.dat", 29, 6, kModeRandom4, Timer1); }
void TForm1::Ex1847T301Click() { RunStoredExample("examp/Ex18.dat", 47, 1, kModeRandom4, Timer1); }
void TForm1::Ex1847T302Click() { RunStoredExample("examp/Ex18.dat", 49, 6, kModeRandom4, Timer1); }
void TForm1::Ex1847T303Click() { RunStoredExample("examp/Ex18.dat", 51, 6, kModeRandom4, Timer1); }

// Every preset runs "random-4" with the border "Frozen A".
void TForm1::LoadPreset(const char* file, int32_t steps, bool penTwo, PresetStart start)
{
    const RuleFileStatus status = ReadRuleTableFile(file);
    stepsPerRun = steps;
    ShowNumber(Edit2, steps);
    UpDown1->setPosition(steps);
    if (penTwo) {
        cPointPen = 2;
        ShowNumber(Edit3, 2);
        UpDown3->setPosition(2);
    }
    RadioGroup1->setItemIndex(kModeRandom4);
    RadioGroup2->setItemIndex(0);
    switch (start) {
    case PresetStart::Random:
        Button58Click();
        break;
    case PresetStart::Centre:
        Center1Click();
        break;
    case PresetStart::FourBPoints: {
        // (row, column) of the four B points
        static constexpr int16_t points[4][2] = {{20, 100}, {23, 10}, {50, 60}, {21, 103}};
        bPointCount = 4;
        for (int i = 0; i < 4; ++i) {
            bPointY[i] = points[i][0];
            bPointX[i] = points[i][1];
        }
        PlaceBPointsInSquare();
        break;
    }
    case PresetStart::None:
        break;
    }
    isRedrawNeeded = 1;
    Button3Click();
    if (status != RuleFileStatus::Ok)
        StatusBar1->setSimpleText(QString::fromStdString(RuleFileMessage(status, file)));
}

void TForm1::T2os1Click() { LoadPreset("!EXPO/T2_os.rca", 4, true, PresetStart::Random); }
void TForm1::T2IMP1Click() { LoadPreset("!EXPO/T2_IMP.rca", 2, true, PresetStart::Random); }
void TForm1::T3os1Click() { LoadPreset("!EXPO/T3_os.rca", 3, true, PresetStart::Random); }
void TForm1::N27Click() { LoadPreset("!EXPO/river.rca", 4, true, PresetStart::Random); }
void TForm1::Star1Click() { LoadPreset("!EXPO/rasbsb.rca", 4, true, PresetStart::Centre); }
void TForm1::N26Click() { LoadPreset("!EXPO/renormg.rca", 4, true, PresetStart::FourBPoints); }
void TForm1::T4vozb1Click() { LoadPreset("!EXPO/T4_vozb.rca", 4, false, PresetStart::Random); }
void TForm1::T4ust1Click() { LoadPreset("!EXPO/T4_ust.rca", 4, false, PresetStart::Random); }
void TForm1::T4str1Click() { LoadPreset("!EXPO/T4_str.rca", 4, false, PresetStart::None); }

void TForm1::Soliton1Click()
{
    Mousesoliton1Click();
    LoadPreset("!EXPO/soliton.rca", 4, true, PresetStart::None);
}

// "Mouse soliton": a switch that nothing reads.
void TForm1::Mousesoliton1Click() { ToggleChecked(Mousesoliton1); }

// "+1" of "EXPO_1" does nothing.
void TForm1::N112Click() {}
