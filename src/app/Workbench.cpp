#include "app/Workbench.h"

#include "app/TForm1.h"
#include "app/TForm2.h"
#include "app/TForm4.h"
#include "lattice/TForm10.h"
#include "lattice/TForm11.h"
#include "lattice/TForm12.h"
#include "lattice/TForm13.h"
#include "lattice/TForm14.h"
#include "lattice/TForm15.h"
#include "lattice/TForm16.h"
#include "lattice/TForm17.h"
#include "lattice/TForm3.h"
#include "lattice/TForm5.h"
#include "lattice/TForm6.h"
#include "lattice/TForm8.h"
#include "widgets/Dialogs.h"
#include "widgets/Look.h"
#include "widgets/WindowPlacement.h"

#include <QApplication>

#include <exception>

void CreateWindows()
{
    UseWorkbenchLook();   // the layouts are measured in it
    Form1 = new TForm1;
    SetMainWindow(Form1);   // the other windows and the boxes open over it
    Form2 = new TForm2;
    Form3 = new TForm3;
    Form4 = new TForm4;
    Form5 = new TForm5;
    Form6 = new TForm6;
    Form8 = new TForm8;
    Form10 = new TForm10;
    Form11 = new TForm11;
    Form12 = new TForm12;
    Form13 = new TForm13;
    Form14 = new TForm14;
    Form15 = new TForm15;
    Form16 = new TForm16;
    Form17 = new TForm17;
}

int RunWorkbench(QApplication& app)
{
    try {
        CreateWindows();
        // The loop runs until the main window closes, even while a secondary
        // window is still open.
        QObject::connect(Form1, &Form::closed, &app, &QApplication::quit);
        Form1->show_();
        app.exec();
    } catch (const std::exception& e) {
        ShowMessage(QString::fromLocal8Bit(e.what()), "Error");
    } catch (...) {
        ShowMessage("An unexpected error ended the workbench.", "Error");
    }
    return 0;
}
