// Choices of the hidden panel that belong to the lattice workbench.
#include "app/TForm1.h"

#include "base/MainMode.h"
#include "engine/StringState.h"
#include "lattice/LatticeSettings.h"
#include "lattice/TForm13.h"
#include "lattice/TForm15.h"

void TForm1::RadioGroup1Click()
{
    ruleModeIndex = static_cast<int16_t>(RadioGroup1->itemIndex());
}

// "Vid" and "kva-krug" are read where they matter; choosing them does nothing.
void TForm1::RadioGroup6Click() {}
void TForm1::RadioGroup10Click() {}

// "Kind" sets the border; "Square" prepares the side-51 square with the
// border "Circle" and shows the square view window.
void TForm1::RadioGroup3Click()
{
    switch (RadioGroup3->itemIndex()) {
    case 0:
        RadioGroup2->setItemIndex(0);
        break;
    case 1:
        RadioGroup2->setItemIndex(1);
        break;
    case 2:
        PrepareSquareOf51();
        Form15->showModal();
        break;
    default:
        break;
    }
}

// "C or S"
void TForm1::RadioGroup5Click()
{
    isRedrawNeeded = 1;
    Button3Click();
}

// "MAIN"
void TForm1::RadioGroup7Click()
{
    Button8Click();
    Button3Click();
    if (RadioGroup7->itemIndex() == 1)
        mainModeIndex = 0;
}

// "1 DUM": "2 dim." ticks rings 5 to 11 of the mask chooser and unticks the
// other rings and the presets.
void TForm1::RadioGroup8Click()
{
    if (RadioGroup8->itemIndex() != 1)
        return;
    QCheckBox* rings[] = {Form13->CheckBox1,  Form13->CheckBox2,  Form13->CheckBox3,  Form13->CheckBox4,
                          Form13->CheckBox5,  Form13->CheckBox6,  Form13->CheckBox7,  Form13->CheckBox8,
                          Form13->CheckBox9,  Form13->CheckBox10, Form13->CheckBox11, Form13->CheckBox12,
                          Form13->CheckBox13, Form13->CheckBox14};
    for (int k = 1; k <= 14; ++k)
        rings[k - 1]->setChecked(k >= 5 && k <= 11);
    for (QCheckBox* preset : {Form13->CheckBox15, Form13->CheckBox16, Form13->CheckBox17, Form13->CheckBox18,
                              Form13->CheckBox19, Form13->CheckBox20, Form13->CheckBox21})
        preset->setChecked(false);
}
