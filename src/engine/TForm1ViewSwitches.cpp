// Menu switches that show or hide panels, the mark check boxes of "Single
// Work" and the click on "Results". A switch toggles its own check mark.
#include "app/TForm1.h"

#include "engine/StringState.h"
#include "widgets/Handlers.h"

void TForm1::VffinPanel1Click()
{
    GroupBox16->setVisible(ToggleChecked(VffinPanel1));
}

void TForm1::SingleWork1Click()
{
    GroupBox8->setVisible(ToggleChecked(SingleWork1));
}

void TForm1::F3x1Click()
{
    RichEdit3->setVisible(ToggleChecked(F3x1));
}

void TForm1::F2x1Click()
{
    RichEdit10->setVisible(ToggleChecked(F2x1));
}

void TForm1::Scale1Click()
{
    GroupBox21->setVisible(ToggleChecked(Scale1));
}

void TForm1::Extended1Click()
{
    const bool on = ToggleChecked(Extended1);
    Panel6->setVisible(on);
    Panel7->setVisible(on);
}

void TForm1::ViewImage1Click()
{
    Image9->setVisible(ToggleChecked(ViewImage1));
}

void TForm1::INTEGRATEDPanel1Click()
{
    Panel1->setVisible(ToggleChecked(INTEGRATEDPanel1));
}

// "Panel  Int." has no check mark: it only flips the panel.
void TForm1::PIntegrated1Click()
{
    Panel2->setVisible(Panel2->isHidden());
}

void TForm1::Dontshow1Click()
{
    ToggleChecked(Dontshow1);
}

void TForm1::ShowI1Click()
{
    if (!ToggleChecked(ShowI1))
        isRedrawNeeded = 1;
}

void TForm1::ShowII1Click()
{
    if (!ToggleChecked(ShowII1))
        isRedrawNeeded = 1;
}

void TForm1::GroupBox5Click()
{
    for (QMenu* menu : {ZAD1, File1, Initial1, KiyFile1, T61, EXPO1, NEW1, N1DIM1})
        menu->menuAction()->setVisible(false);
    Panel6->setVisible(false);
    Panel7->setVisible(false);
}

void TForm1::CheckBox33Click()
{
    const bool ordinary = CheckBox33->isChecked();
    for (QCheckBox* box : {CheckBox1, CheckBox2, CheckBox29, CheckBox30, CheckBox31, CheckBox32})
        box->setEnabled(!ordinary);
    CheckBox34->setEnabled(ordinary);
    CheckBox35->setEnabled(ordinary);
    Button8Click();
    Button3Click();
}

void TForm1::CheckBox29Click() { Button8Click(); Button3Click(); }
void TForm1::CheckBox30Click() { Button8Click(); Button3Click(); }
void TForm1::CheckBox31Click() { Button8Click(); Button3Click(); }
void TForm1::CheckBox32Click() { Button8Click(); Button3Click(); }
void TForm1::CheckBox34Click() { Button8Click(); Button3Click(); }
void TForm1::CheckBox35Click() { Button8Click(); Button3Click(); }

void TForm1::Button116Click()
{
    for (QCheckBox* box : {CheckBox1, CheckBox2, CheckBox29, CheckBox30, CheckBox31, CheckBox32})
        box->setChecked(true);
}
