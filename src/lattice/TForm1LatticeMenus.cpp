// The heat map and IMPROVE statistics windows, which no command of the
// original showed, are shown from the menus of their experiments, and the
// small controls of the lattice menus and panels are connected here.
#include "app/TForm1.h"

#include "lattice/TForm10.h"
#include "lattice/TForm11.h"
#include "widgets/Handlers.h"

void TForm1::Showheatmap1Click() { Form10->showModal(); }
void TForm1::ShowIMPROVE1Click() { Form11->showModal(); }

void TForm1::ConnectLatticeMenuHandlers()
{
    // Menu items the layout does not place: the heat map window beside the
    // statistics display, and two items that do nothing.
    EXPO1->addAction(Showheatmap1);
    EXPO1->addAction(N1);
    Initial1->addAction(Iesinv1);

    struct ButtonHandler {
        QAbstractButton* button;
        void (TForm1::*handler)();
    };
    const ButtonHandler buttons[] = {
        {Button17, &TForm1::Button17Click}, {Button44, &TForm1::Button44Click}, {Button48, &TForm1::Button48Click},
        {Button75, &TForm1::Button75Click}, {Button76, &TForm1::Button76Click}, {Button77, &TForm1::Button77Click},
        {Button78, &TForm1::Button78Click}, {Button79, &TForm1::Button79Click}, {Button83, &TForm1::Button83Click},
        {Button84, &TForm1::Button84Click}, {Button85, &TForm1::Button85Click}, {Button86, &TForm1::Button86Click},
    };
    for (const ButtonHandler& b : buttons)
        OnClick(b.button, Bind(b.handler));

    struct EditHandler {
        QLineEdit* edit;
        void (TForm1::*handler)();
    };
    const EditHandler edits[] = {
        {Edit18, &TForm1::Edit18Change}, {Edit19, &TForm1::Edit19Change}, {Edit23, &TForm1::Edit23Change},
        {Edit30, &TForm1::Edit30Change}, {Edit31, &TForm1::Edit31Change},
    };
    for (const EditHandler& e : edits)
        OnChange(e.edit, Bind(e.handler));

    struct MenuHandler {
        QAction* item;
        void (TForm1::*handler)();
    };
    const MenuHandler items[] = {
        // windows
        {Showheatmap1, &TForm1::Showheatmap1Click}, {ShowIMPROVE1, &TForm1::ShowIMPROVE1Click},
        // bitmap import
        {READFROMFILE1, &TForm1::READFROMFILE1Click}, {READFROMFILER1, &TForm1::READFROMFILER1Click},
        // counter and river files, statistics switches
        {WrNAK1, &TForm1::WrNAK1Click}, {ReNAK1, &TForm1::ReNAK1Click}, {WriteaRIVE1, &TForm1::WriteaRIVE1Click},
        {ReadaREVE1, &TForm1::ReadaREVE1Click}, {zapaRIVE1, &TForm1::zapaRIVE1Click}, {aT01, &TForm1::aT01Click},
        {aT02, &TForm1::aT02Click}, {NAK01, &TForm1::NAK01Click}, {NAK11, &TForm1::NAK11Click},
        {NAK21, &TForm1::NAK21Click}, {BEGIN21, &TForm1::BEGIN21Click}, {risCntriver1, &TForm1::risCntriver1Click},
        {isRIVER1, &TForm1::isRIVER1Click}, {aRIV1, &TForm1::aRIV1Click}, {notpaint1, &TForm1::notpaint1Click},
        // plain switches
        {Nonreversible1, &TForm1::Nonreversible1Click}, {Showparameters1, &TForm1::Showparameters1Click},
        {randomize2, &TForm1::randomize2Click}, {IsStopwheN1, &TForm1::IsStopwheN1Click},
        {IaStop1, &TForm1::IaStop1Click}, {IsStop1, &TForm1::IsStop1Click},
        {IsStopwheniCX1, &TForm1::IsStopwheniCX1Click}, {Nographics1, &TForm1::Nographics1Click},
        {PorM1, &TForm1::PorM1Click}, {N1Or31, &TForm1::N1Or31Click}, {Quolil1, &TForm1::Quolil1Click},
        {DONTSHOW2, &TForm1::DONTSHOW2Click}, {NOTSTOP1, &TForm1::NOTSTOP1Click},
        {Load3pict1, &TForm1::Load3pict1Click}, {IsIZM1, &TForm1::IsIZM1Click}, {isdef1, &TForm1::isdef1Click},
        {isSMES1, &TForm1::isSMES1Click}, {iesZAD1, &TForm1::iesZAD1Click}, {iesNesol1, &TForm1::iesNesol1Click},
        {notITZ1, &TForm1::notITZ1Click},
        // switches that repaint
        {XXXn1, &TForm1::XXXn1Click}, {XXcnc1, &TForm1::XXcnc1Click}, {NoA1, &TForm1::NoA1Click},
        {Iz22, &TForm1::Iz22Click}, {isIZ1IZ01, &TForm1::isIZ1IZ01Click}, {Showwithfilt1, &TForm1::Showwithfilt1Click},
        {Is6coins1, &TForm1::Is6coins1Click}, {Cnc01, &TForm1::Cnc01Click}, {Cnc11, &TForm1::Cnc11Click},
        {Cnc21, &TForm1::Cnc21Click},
        // "Time /2" and the menu ZAD
        {N210, &TForm1::N210Click}, {PokCij1, &TForm1::PokCij1Click}, {P21, &TForm1::P21Click},
    };
    for (const MenuHandler& m : items)
        OnClick(m.item, Bind(m.handler));
}
