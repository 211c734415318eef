// Connects the controls of this subsystem to their TForm1 handlers.
#include "app/TForm1.h"

#include "widgets/Handlers.h"

void TForm1::ConnectStringEngineHandlers()
{
    // The timers of this subsystem start disabled.
    Timer1->setEnabled(false);
    OnTimer(Timer1, Bind(&TForm1::Timer1Timer));

    // number edits and up-downs
    OnChange(Edit1, Bind(&TForm1::Edit1Change));
    OnChange(Edit2, Bind(&TForm1::Edit2Change));
    OnChange(Edit3, Bind(&TForm1::Edit3Change));
    OnChange(Edit5, Bind(&TForm1::Edit5Change));
    OnChange(Edit6, Bind(&TForm1::Edit6Change));
    OnChange(Edit7, Bind(&TForm1::Edit7Change));
    OnChange(Edit8, Bind(&TForm1::Edit8Change));
    OnChange(Edit20, Bind(&TForm1::Edit20Change));
    OnChange(Edit21, Bind(&TForm1::Edit21Change));
    OnChange(Edit22, Bind(&TForm1::Edit22Change));
    OnChange(Edit24, Bind(&TForm1::Edit24Change));
    OnChange(Edit25, Bind(&TForm1::Edit25Change));
    OnChange(Edit26, Bind(&TForm1::Edit26Change));
    OnChange(Edit27, Bind(&TForm1::Edit27Change));
    OnChange(Edit28, Bind(&TForm1::Edit28Change));
    OnChange(Edit29, Bind(&TForm1::Edit29Change));
    OnChange(Edit49, Bind(&TForm1::Edit49Change));
    OnChange(Edit50, Bind(&TForm1::Edit50Change));
    OnClick(UpDown1, [this](bool) { UpDown1Click(); });
    OnClick(UpDown2, [this](bool) { UpDown2Click(); });
    OnClick(UpDown3, [this](bool) { UpDown3Click(); });
    OnClick(UpDown5, [this](bool) { UpDown5Click(); });
    OnClick(UpDown8, [this](bool) { UpDown8Click(); });

    // mask
    OnClick(Button122, Bind(&TForm1::Button122Click));
    OnClick(Button127, Bind(&TForm1::Button127Click));
    OnClick(Button129, Bind(&TForm1::Button129Click));
    OnClick(Button228, Bind(&TForm1::Button228Click));
    OnChange(Edit33, Bind(&TForm1::Edit33Change));
    OnChange(Edit34, Bind(&TForm1::Edit34Change));
    OnChange(Edit35, Bind(&TForm1::Edit35Change));
    OnChange(Edit37, Bind(&TForm1::Edit37Change));
    OnChange(Edit38, Bind(&TForm1::Edit38Change));
    OnChange(Edit39, Bind(&TForm1::Edit39Change));
    OnChange(Edit40, Bind(&TForm1::Edit40Change));
    OnChange(Edit41, Bind(&TForm1::Edit41Change));
    OnChange(Edit42, Bind(&TForm1::Edit42Change));
    OnChange(Edit43, Bind(&TForm1::Edit43Change));
    OnChange(Edit44, Bind(&TForm1::Edit44Change));
    OnClick(CheckBox41, Bind(&TForm1::CheckBox41Click));
    OnClick(CheckBox45, Bind(&TForm1::CheckBox45Click));
    OnClick(CheckBox9, Bind(&TForm1::CheckBox9Click));
    OnClick(CheckBox10, Bind(&TForm1::CheckBox10Click));
    OnClick(CheckBox11, Bind(&TForm1::CheckBox11Click));
    OnClick(CheckBox12, Bind(&TForm1::CheckBox12Click));
    OnClick(CheckBox20, Bind(&TForm1::CheckBox20Click));
    OnClick(CheckBox21, Bind(&TForm1::CheckBox21Click));
    OnClick(CheckBox22, Bind(&TForm1::CheckBox22Click));
    OnClick(CheckBox23, Bind(&TForm1::CheckBox23Click));
    OnClick(CheckBox38, Bind(&TForm1::CheckBox38Click));
    OnClick(CheckBox40, Bind(&TForm1::CheckBox40Click));
    OnClick(RadioGroup15, Bind(&TForm1::RadioGroup15Click));

    // run controls and drawing
    OnClick(Button1, Bind(&TForm1::Button1Click));
    OnClick(Button2, Bind(&TForm1::Button2Click));
    OnClick(Button3, Bind(&TForm1::Button3Click));
    OnClick(Button6, Bind(&TForm1::Button6Click));
    OnClick(Button7, Bind(&TForm1::Button7Click));
    OnClick(Button140, Bind(&TForm1::Button140Click));
    OnClick(Button8, Bind(&TForm1::Button8Click));
    OnClick(Button9, Bind(&TForm1::Button9Click));
    OnClick(Button10, Bind(&TForm1::Button10Click));
    OnClick(Button22, Bind(&TForm1::Button22Click));
    OnClick(Button23, Bind(&TForm1::Button23Click));
    OnClick(Button24, Bind(&TForm1::Button24Click));
    OnClick(Button25, Bind(&TForm1::Button25Click));
    OnClick(Button33, Bind(&TForm1::Button33Click));
    OnClick(Button34, Bind(&TForm1::Button34Click));
    OnClick(Button46, Bind(&TForm1::Button46Click));
    OnClick(Button49, Bind(&TForm1::Button49Click));
    OnClick(Button104, Bind(&TForm1::Button104Click));
    OnClick(Button142, Bind(&TForm1::Button142Click));
    OnClick(Button143, Bind(&TForm1::Button143Click));
    OnClick(Time21, Bind(&TForm1::Time21Click));
    OnClick(Clear1, Bind(&TForm1::Clear1Click));
    OnClick(F11, Bind(&TForm1::F11Click));

    // initial configurations
    OnClick(Button58, Bind(&TForm1::Button58Click));
    OnClick(Button144, Bind(&TForm1::Button58Click));   // the visible "Random"
    OnClick(Button4, Bind(&TForm1::Button4Click));
    OnClick(Button5, Bind(&TForm1::Button5Click));
    OnClick(Button15, Bind(&TForm1::Button15Click));
    OnClick(Button21, Bind(&TForm1::Button21Click));
    OnClick(Button26, Bind(&TForm1::Button26Click));
    OnClick(Button27, Bind(&TForm1::Button27Click));
    OnClick(Button29, Bind(&TForm1::Button29Click));
    OnClick(Button30, Bind(&TForm1::Button30Click));
    OnClick(Button42, Bind(&TForm1::Button42Click));
    OnClick(Button43, Bind(&TForm1::Button43Click));
    OnClick(Button102, Bind(&TForm1::Button102Click));
    OnClick(Button106, Bind(&TForm1::Button106Click));
    OnClick(XXX1, Bind(&TForm1::XXX1Click));
    OnClick(Make1, Bind(&TForm1::Make1Click));
    OnClick(N159101, Bind(&TForm1::N159101Click));

    // view switches and mark boxes
    OnClick(VffinPanel1, Bind(&TForm1::VffinPanel1Click));
    OnClick(SingleWork1, Bind(&TForm1::SingleWork1Click));
    OnClick(F3x1, Bind(&TForm1::F3x1Click));
    OnClick(F2x1, Bind(&TForm1::F2x1Click));
    OnClick(Scale1, Bind(&TForm1::Scale1Click));
    OnClick(Extended1, Bind(&TForm1::Extended1Click));
    OnClick(ViewImage1, Bind(&TForm1::ViewImage1Click));
    OnClick(INTEGRATEDPanel1, Bind(&TForm1::INTEGRATEDPanel1Click));
    OnClick(PIntegrated1, Bind(&TForm1::PIntegrated1Click));
    OnClick(Dontshow1, Bind(&TForm1::Dontshow1Click));
    OnClick(ShowI1, Bind(&TForm1::ShowI1Click));
    OnClick(ShowII1, Bind(&TForm1::ShowII1Click));
    OnClick(GroupBox5, Bind(&TForm1::GroupBox5Click));
    OnClick(CheckBox29, Bind(&TForm1::CheckBox29Click));
    OnClick(CheckBox30, Bind(&TForm1::CheckBox30Click));
    OnClick(CheckBox31, Bind(&TForm1::CheckBox31Click));
    OnClick(CheckBox32, Bind(&TForm1::CheckBox32Click));
    OnClick(CheckBox33, Bind(&TForm1::CheckBox33Click));
    OnClick(CheckBox34, Bind(&TForm1::CheckBox34Click));
    OnClick(CheckBox35, Bind(&TForm1::CheckBox35Click));
    OnClick(Button116, Bind(&TForm1::Button116Click));

    // string files
    OnClick(WriteCA1, Bind(&TForm1::WriteCA1Click));
    OnClick(Wsq21, Bind(&TForm1::Wsq21Click));
    OnClick(Button28, Bind(&TForm1::Button28Click));
    OnClick(Wsq31, Bind(&TForm1::Wsq31Click));
    OnClick(Wsq41, Bind(&TForm1::Wsq41Click));
    OnClick(Wsq51, Bind(&TForm1::Wsq51Click));
    OnClick(ReadCA1, Bind(&TForm1::ReadCA1Click));
    OnClick(sq21, Bind(&TForm1::sq21Click));
    OnClick(Rsq31, Bind(&TForm1::Rsq31Click));
    OnClick(sq41, Bind(&TForm1::sq41Click));
    OnClick(Rsq51, Bind(&TForm1::Rsq51Click));
    OnClick(Button16, Bind(&TForm1::Button16Click));

    // square start patterns and backwards steps
    OnClick(Button50, Bind(&TForm1::Button50Click));
    OnClick(Button57, Bind(&TForm1::Button57Click));
    OnClick(Button72, Bind(&TForm1::Button72Click));
    OnClick(Center1, Bind(&TForm1::Center1Click));
    OnClick(Line1, Bind(&TForm1::Line1Click));
    OnClick(LineCenter1, Bind(&TForm1::LineCenter1Click));
    OnClick(ToBegin1, Bind(&TForm1::ToBegin1Click));
}
