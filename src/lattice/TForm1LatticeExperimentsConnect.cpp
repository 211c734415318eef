// Connects the controls of the 70 x 70 experiments (change statistics, video
// frames, square patterns, start patterns and views) to their TForm1 handlers.
#include "app/TForm1.h"

#include "widgets/Handlers.h"

void TForm1::ConnectLatticeExperimentHandlers()
{
    struct ButtonHandler {
        QAbstractButton* button;
        void (TForm1::*handler)();
    };
    const ButtonHandler buttons[] = {
        {Button12, &TForm1::Button12Click}, {Button35, &TForm1::Button35Click}, {Button53, &TForm1::Button53Click},
        {Button56, &TForm1::Button56Click}, {Button62, &TForm1::Button62Click}, {Button63, &TForm1::Button63Click},
        {Button65, &TForm1::Button65Click}, {Button67, &TForm1::Button67Click}, {Button68, &TForm1::Button68Click},
        {Button69, &TForm1::Button69Click}, {Button70, &TForm1::Button70Click}, {Button71, &TForm1::Button71Click},
        {Button73, &TForm1::Button73Click}, {Button80, &TForm1::Button80Click}, {Button81, &TForm1::Button81Click},
    };
    for (const ButtonHandler& b : buttons)
        OnClick(b.button, Bind(b.handler));

    struct MenuHandler {
        QAction* item;
        void (TForm1::*handler)();
    };
    const MenuHandler items[] = {
        // change statistics
        {N02, &TForm1::N02Click},
        // video frames
        {Playvideo1, &TForm1::Playvideo1Click}, {Recordvideo31, &TForm1::Recordvideo31Click},
        {N38, &TForm1::N38Click}, {Maevideo1, &TForm1::Maevideo1Click},
        {Unmakevideo1, &TForm1::Unmakevideo1Click}, {Maxkabeg1, &TForm1::Maxkabeg1Click},
        {MAXK51, &TForm1::MAXK51Click}, {DlSH1, &TForm1::DlSH1Click}, {Cadr1, &TForm1::Cadr1Click},
        {NoDRAW1, &TForm1::NoDRAW1Click}, {MakeGrid1, &TForm1::MakeGrid1Click},
        {Dntmove1, &TForm1::Dntmove1Click}, {GLAVNUNV1, &TForm1::GLAVNUNV1Click},
        {RisLoad1, &TForm1::RisLoad1Click},
        // square pattern files
        {N1a9231, &TForm1::N1a9231Click}, {N1a100001, &TForm1::N1a100001Click}, {N1a1, &TForm1::N1a1Click},
        {N1c1, &TForm1::N1c1Click}, {N1k1, &TForm1::N1k1Click}, {Read7022, &TForm1::Read7022Click},
        {Read702, &TForm1::Read702Click}, {N7011, &TForm1::N7011Click}, {N70xx1, &TForm1::N70xx1Click},
        {D1X1, &TForm1::D1X1Click}, {cteobr1, &TForm1::cteobr1Click}, {zapobr1, &TForm1::zapobr1Click},
        // start patterns and windows
        {NpointC1, &TForm1::NpointC1Click}, {N6Npoints1, &TForm1::N6Npoints1Click},
        {CBCNtimes1, &TForm1::CBCNtimes1Click}, {DO3, &TForm1::DO3Click}, {RANDOM2, &TForm1::RANDOM2Click},
        {Clearall1, &TForm1::Clearall1Click}, {ViewInitial1, &TForm1::ViewInitial1Click},
        {Showvideo1, &TForm1::Showvideo1Click}, {Showinitial1, &TForm1::Showinitial1Click},
        {ShowtMatrix1, &TForm1::ShowtMatrix1Click}, {Showgrafics1, &TForm1::Showgrafics1Click},
        // views
        {N1abeg1, &TForm1::N1abeg1Click}, {N5d121, &TForm1::N5d121Click}, {Bstav1, &TForm1::Bstav1Click},
        {Finstab1, &TForm1::Finstab1Click}, {TEMP21, &TForm1::TEMP21Click}, {aTEMP21, &TForm1::aTEMP21Click},
        {Viewv2m3m3m1, &TForm1::Viewv2m3m3m1Click},
    };
    for (const MenuHandler& m : items)
        OnClick(m.item, Bind(m.handler));

    OnClick(CheckBox1, Bind(&TForm1::CheckBox1Click));
    OnClick(CheckBox2, Bind(&TForm1::CheckBox2Click));
    OnChange(Edit10, Bind(&TForm1::Edit10Change));
    OnClick(UpDown6, [this](bool) { UpDown6Click(); });
    OnChange(Edit17, Bind(&TForm1::Edit17Change));
    OnTimer(Timer3, Bind(&TForm1::Timer3Timer));
    OnTimer(Timer8, Bind(&TForm1::Timer8Timer));
}
