// Connects the controls of this subsystem to their TForm1 handlers.
#include "app/TForm1.h"

#include "widgets/Handlers.h"

void TForm1::ConnectLatticeHandlers()
{
    ConnectLatticeCoreHandlers();
    ConnectLatticeWindowHandlers();
    OnClick(RadioGroup1, Bind(&TForm1::RadioGroup1Click));
    OnClick(RadioGroup3, Bind(&TForm1::RadioGroup3Click));
    OnClick(RadioGroup5, Bind(&TForm1::RadioGroup5Click));
    OnClick(RadioGroup6, Bind(&TForm1::RadioGroup6Click));
    OnClick(RadioGroup7, Bind(&TForm1::RadioGroup7Click));
    OnClick(RadioGroup8, Bind(&TForm1::RadioGroup8Click));
    OnClick(RadioGroup10, Bind(&TForm1::RadioGroup10Click));
    ConnectLatticeMenuHandlers();

    // The trial experiment: the menu switch starts it, Timer10 sets up each run.
    Timer10->setEnabled(false);
    OnTimer(Timer10, Bind(&TForm1::Timer10Timer));
    OnClick(Timer101, Bind(&TForm1::Timer101Click));
    ConnectSeriesFileHandlers();

    ConnectLatticeExperimentHandlers();
    ConnectT6ScanHandlers();
    ConnectQhistHandlers();
}
