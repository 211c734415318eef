#pragma once
// The main window: toolbar, two page controls of tab sheets, the hidden panel,
// the main menu, the status bar and the drawing area under the controls.
// The class is one, its handlers are defined in the folder of the subsystem
// that owns them (files named TForm1*.cpp).
#include "widgets/Form.h"
#include "widgets/Timer.h"

#include <functional>

#include "ui_TForm1Shell.h"
#include "ui_TForm1TabANY1.h"
#include "ui_TForm1TabANY2.h"
#include "ui_TForm1TabCH1.h"
#include "ui_TForm1TabCH2.h"
#include "ui_TForm1TabM1.h"
#include "ui_TForm1TabPR.h"
#include "ui_TForm1TabPdb.h"
#include "ui_TForm1TabPdb2.h"
#include "ui_TForm1TabShow.h"
#include "ui_TForm1TabStepW.h"
#include "ui_TForm1TabTTD.h"
#include "ui_TForm1TabW1.h"
#include "ui_TForm1TabW2.h"

class TForm1 : public Form,
               public Ui::TForm1Shell,
               public Ui::TForm1TabANY1,
               public Ui::TForm1TabANY2,
               public Ui::TForm1TabCH1,
               public Ui::TForm1TabCH2,
               public Ui::TForm1TabM1,
               public Ui::TForm1TabPR,
               public Ui::TForm1TabPdb,
               public Ui::TForm1TabPdb2,
               public Ui::TForm1TabShow,
               public Ui::TForm1TabStepW,
               public Ui::TForm1TabTTD,
               public Ui::TForm1TabW1,
               public Ui::TForm1TabW2 {
    Q_OBJECT
public:
    explicit TForm1(QWidget* parent = nullptr);

    // The window's first showing brings every control and global to its
    // working defaults; later showings change nothing.
    void FormShow() override;

    // Timers of the main window, all disabled at start (intervals in ms).
    Timer* Timer1 = nullptr;    // 1: n steps of the string engine
    Timer* Timer2 = nullptr;    // 1: lattice step loop
    Timer* Timer3 = nullptr;    // 200: video frames
    Timer* Timer4 = nullptr;    // 200: FREEZE
    Timer* Timer5 = nullptr;    // 1000: IMPROVE search
    Timer* Timer6 = nullptr;    // 100: batch experiment
    Timer* Timer7 = nullptr;    // 100: batch experiment
    Timer* Timer8 = nullptr;    // 200: video frames
    Timer* Timer9 = nullptr;    // 10: sweeps
    Timer* Timer10 = nullptr;   // 10: random runs of the trial experiment
    Timer* Timer11 = nullptr;   // 10: learning test loop
    Timer* Timer12 = nullptr;   // 100: mask (3,1) learning loop
    Timer* Timer13 = nullptr;   // 10: growth run step
    Timer* Timer14 = nullptr;   // 10: growth run chain
    Timer* Timer15 = nullptr;   // 100: growth run chain
    Timer* Timer16 = nullptr;   // 100: growth run restart
    Timer* Timer17 = nullptr;   // 20: one-dimensional table generator
    Timer* Timer18 = nullptr;   // 20: two-dimensional table generator

    // --- shell: Help, About, Exit -------------------------------------------
    void Content1Click();
    void Content2Click();
    void About1Click();
    void Exit1Click();

    // --- string engine, run controls and number edits -----------------------
    void Edit1Change();
    void Edit2Change();
    void Edit6Change();
    void Edit7Change();
    void Edit49Change();
    void Edit50Change();
    void CheckBox29Click();
    void CheckBox32Click();
    void CheckBox33Click();
    void CheckBox34Click();
    void CheckBox35Click();
    void CheckBox41Click();
    void RadioGroup15Click();
    void Button8Click();
    void Button58Click();

    // --- recorded runs and their views ---------------------------------------
    void RadioGroup16Click();
    void CheckBox47Click();
    void CheckBox50Click();
    void CheckBox51Click();
    void CheckBox53Click();
    void Edit52Change();
    void Edit53Change();
    void CheckBox61Click();
    void RadioGroup19Click();
    void Edit45Change();
    void Edit46Change();
    void Edit47Change();
    void Edit48Change();
    void Button93Click();
    void CheckBox44Click();
    void RadioGroup12Click();

    // --- two-dimensional mask editor ------------------------------------------
    void Edit54Change();
    void Edit55Change();
    void RadioGroup20Click();
    void Button216Click();

    // --- two-dimensional panel switches ----------------------------------------
    void CheckBox54Click();
    void CheckBox56Click();
    void CheckBox57Click();
    void CheckBox58Click();
    void CheckBox64Click();
    void CheckBox66Click();
    void Image17MouseDown();

    // --- lattice workbench switches that start-up runs ---------------------------
    void RadioGroup1Click();
    void RadioGroup3Click();
    void RadioGroup5Click();
    void RadioGroup6Click();
    void RadioGroup7Click();
    void RadioGroup8Click();
    void RadioGroup10Click();

private:
    // A handler as a plain callable for the connect helpers.
    std::function<void()> Bind(void (TForm1::*handler)())
    {
        return [this, handler] { (this->*handler)(); };
    }

    void CreateTimers();
    // Each subsystem connects its own controls (src/<subsystem>/TForm1*Connect.cpp).
    void ConnectHandlers();
    void ConnectShellHandlers();
    void ConnectStringEngineHandlers();
    void ConnectRunHandlers();
    void ConnectTables1dHandlers();
    void ConnectMask2dHandlers();
    void ConnectTables2dHandlers();
    void ConnectLatticeHandlers();
    void FormShowDefaults();
    bool hasBeenShown = false;
};

extern TForm1* Form1;
