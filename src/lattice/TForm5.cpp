#include "lattice/TForm5.h"

#include "lattice/T6Scan.h"

TForm5* Form5 = nullptr;

TForm5::TForm5(QWidget* parent) : Form(parent)
{
    setupUi(client());
    adoptLayout();
}

void TForm5::FormShow()
{
    QLabel* const labels[] = {
        Label1,  Label2,  Label3,  Label4,  Label5,  Label6,  Label7,  Label8,  Label9,  Label10,
        Label11, Label12, Label13, Label14, Label15, Label16, Label17, Label18, Label19, Label20,
        Label21, Label22, Label23, Label24, Label25, Label26, Label27, Label28, Label29, Label30,
        Label31, Label32, Label33, Label34, Label35, Label36, Label37,
    };
    for (int k = 0; k < 37; ++k)
        labels[k]->setText(QString::number(t6Counters[k]));
}

void TForm5::RadioGroup1Click() {}
void TForm5::TrackBar1Change() {}
void TForm5::TrackBar2Change() {}
void TForm5::TrackBar3Change() {}
void TForm5::TrackBar4Change() {}
void TForm5::TrackBar5Change() {}
void TForm5::Edit1Change() {}
void TForm5::Button3Click() {}
