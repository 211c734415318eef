#include "app/TForm1.h"

TForm1* Form1 = nullptr;

TForm1::TForm1(QWidget* parent) : Form(parent)
{
    Ui::TForm1Shell::setupUi(client());
    Ui::TForm1TabM1::setupUi(TabSheetM1);
    Ui::TForm1TabTTD::setupUi(TabSheetTTD);
    Ui::TForm1TabStepW::setupUi(TabSheetStepW);
    Ui::TForm1TabW1::setupUi(TabSheetW1);
    Ui::TForm1TabW2::setupUi(TabSheetW2);
    Ui::TForm1TabPdb::setupUi(TabSheetPdb);
    Ui::TForm1TabPdb2::setupUi(TabSheetPdb2);
    Ui::TForm1TabPR::setupUi(TabSheetPR);
    Ui::TForm1TabShow::setupUi(TabSheetShow);
    Ui::TForm1TabCH1::setupUi(TabSheetCH1);
    Ui::TForm1TabANY1::setupUi(TabSheetANY1);
    Ui::TForm1TabCH2::setupUi(TabSheetCH2);
    Ui::TForm1TabANY2::setupUi(TabSheetANY2);
    adoptLayout();
    setMenuBar(MainMenu1);
    setStatusBar(StatusBar1);
    setToolBar(ControlBar1);
    // The start picture covers the part of the client between the bars, wherever
    // they stand, and stands in the middle of what the window shows of it.
    Image17->setGeometry(scrolledPart());
    DrawStartPicture();
    connect(this, &Form::visibleAreaChanged, this, [this] {
        Image17->setGeometry(scrolledPart());
        if (!Image17->isHidden())
            DrawStartPicture();
    });
    LayOutDrawingArea();
    // Menus that the form keeps out of sight; their commands stay callable.
    for (QMenu* menu :
         {N1DIM1, Initial1, ZAD1, KiyFile1, Video1, b1, NEW1, T61, EXPO1, File1, FREEZE1, IMPROVE1, FIND1})
        menu->menuAction()->setVisible(false);
    CreateTimers();
    ConnectHandlers();
}

void TForm1::CreateTimers()
{
    struct TimerSetup { Timer** timer; int interval; const char* name; };
    const TimerSetup setups[] = {
        {&Timer1, 1, "Timer1"},      {&Timer2, 1, "Timer2"},      {&Timer3, 200, "Timer3"},
        {&Timer4, 200, "Timer4"},    {&Timer5, 1000, "Timer5"},   {&Timer6, 100, "Timer6"},
        {&Timer7, 100, "Timer7"},    {&Timer8, 200, "Timer8"},    {&Timer9, 10, "Timer9"},
        {&Timer10, 10, "Timer10"},   {&Timer11, 10, "Timer11"},   {&Timer12, 100, "Timer12"},
        {&Timer13, 10, "Timer13"},   {&Timer14, 10, "Timer14"},   {&Timer15, 100, "Timer15"},
        {&Timer16, 100, "Timer16"},  {&Timer17, 20, "Timer17"},   {&Timer18, 20, "Timer18"},
    };
    for (const TimerSetup& s : setups) {
        *s.timer = new Timer(this, s.interval);
        (*s.timer)->setObjectName(s.name);
        (*s.timer)->setEnabled(false);   // every timer waits for the command that starts it
    }
}

void TForm1::ConnectHandlers()
{
    ConnectShellHandlers();
    ConnectStringEngineHandlers();
    ConnectRunHandlers();
    ConnectTables1dHandlers();
    ConnectMask2dHandlers();
    ConnectTables2dHandlers();
    ConnectLatticeHandlers();
}

void TForm1::FormShow()
{
    if (hasBeenShown)
        return;
    hasBeenShown = true;
    FormShowDefaults();
}
