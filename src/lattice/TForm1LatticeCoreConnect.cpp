// Connects the controls of the lattice step loop, the random rules, the rule
// files, FREEZE and IMPROVE to their TForm1 handlers. The examples and most
// presets have no control: code and tests reach them through their handlers.
#include "app/TForm1.h"

#include "widgets/Handlers.h"

void TForm1::ConnectLatticeCoreHandlers()
{
    Timer2->setEnabled(false);
    Timer4->setEnabled(false);
    Timer5->setEnabled(false);
    OnTimer(Timer2, Bind(&TForm1::Timer2Timer));
    OnTimer(Timer4, Bind(&TForm1::Timer4Timer));
    OnTimer(Timer5, Bind(&TForm1::Timer5Timer));

    OnClick(Button31, Bind(&TForm1::Button31Click));
    OnClick(Button32, Bind(&TForm1::Button32Click));
    OnClick(Button11, Bind(&TForm1::Button11Click));
    OnClick(Button59, Bind(&TForm1::Button59Click));
    OnClick(Button36, Bind(&TForm1::Button36Click));
    OnClick(Button37, Bind(&TForm1::Button37Click));

    OnClick(Readrandom1, Bind(&TForm1::Readrandom1Click));
    OnClick(Writerandom1, Bind(&TForm1::Writerandom1Click));
    OnClick(ReadRCA1, Bind(&TForm1::ReadRCA1Click));
    OnClick(WriteRCA1, Bind(&TForm1::WriteRCA1Click));
    OnClick(T2os1, Bind(&TForm1::T2os1Click));
    OnClick(T2IMP1, Bind(&TForm1::T2IMP1Click));
    OnClick(T3os1, Bind(&TForm1::T3os1Click));
    OnClick(N112, Bind(&TForm1::N112Click));
    OnClick(Mousesoliton1, Bind(&TForm1::Mousesoliton1Click));

    OnClick(Nofreeze1, Bind(&TForm1::Nofreeze1Click));
    OnClick(BEGIN1, Bind(&TForm1::BEGIN1Click));
    OnClick(Go1, Bind(&TForm1::Go1Click));
    OnClick(do1syep1, Bind(&TForm1::do1syep1Click));
    OnClick(Finish1, Bind(&TForm1::Finish1Click));
    OnClick(Drawfrozen1, Bind(&TForm1::Drawfrozen1Click));
    OnClick(Button38, Bind(&TForm1::Button38Click));
    OnClick(Button39, Bind(&TForm1::Button39Click));
    OnClick(Button40, Bind(&TForm1::Button40Click));
    OnClick(Button41, Bind(&TForm1::Button41Click));

    OnClick(Button52, Bind(&TForm1::Button52Click));
    OnClick(Button45, Bind(&TForm1::Button45Click));
    OnClick(Begon1, Bind(&TForm1::Begon1Click));
    OnClick(DO1, Bind(&TForm1::DO1Click));
    OnClick(Stop1, Bind(&TForm1::Stop1Click));
    OnClick(T21, Bind(&TForm1::T21Click));
    OnClick(T31, Bind(&TForm1::T31Click));
}
