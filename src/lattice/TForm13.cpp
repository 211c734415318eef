#include "lattice/TForm13.h"

#include "widgets/Handlers.h"

TForm13* Form13 = nullptr;

TForm13::TForm13(QWidget* parent) : Form(parent)
{
    setupUi(client());
    adoptLayout();
    OnClick(CheckBox1, [this] { CheckBox1Click(); });
    OnClick(CheckBox2, [this] { CheckBox2Click(); });
    OnClick(CheckBox3, [this] { CheckBox3Click(); });
    OnClick(CheckBox4, [this] { CheckBox4Click(); });
    OnClick(CheckBox5, [this] { CheckBox5Click(); });
    OnClick(CheckBox6, [this] { CheckBox6Click(); });
    OnClick(CheckBox7, [this] { CheckBox7Click(); });
    OnClick(CheckBox8, [this] { CheckBox8Click(); });
    OnClick(CheckBox9, [this] { CheckBox9Click(); });
    OnClick(CheckBox10, [this] { CheckBox10Click(); });
    OnClick(CheckBox11, [this] { CheckBox11Click(); });
    OnClick(CheckBox12, [this] { CheckBox12Click(); });
    OnClick(CheckBox13, [this] { CheckBox13Click(); });
    OnClick(CheckBox14, [this] { CheckBox14Click(); });
}

// A ring's panel is shown exactly while its box is ticked. The panels are not
// numbered like the rings: ring 11 is Panel10, rings 9 and 10 Panel11, Panel12.
void TForm13::ShowRingPanels()
{
    const std::pair<QCheckBox*, QFrame*> rings[] = {
        {CheckBox1, Panel2},   {CheckBox2, Panel3},   {CheckBox3, Panel4},   {CheckBox4, Panel5},
        {CheckBox5, Panel6},   {CheckBox6, Panel7},   {CheckBox7, Panel8},   {CheckBox8, Panel9},
        {CheckBox9, Panel11},  {CheckBox10, Panel12}, {CheckBox11, Panel10}, {CheckBox12, Panel13},
        {CheckBox13, Panel14}, {CheckBox14, Panel15},
    };
    for (const auto& [box, panel] : rings)
        panel->setVisible(box->isChecked());
}

void TForm13::CheckBox1Click() { ShowRingPanels(); }
void TForm13::CheckBox2Click() { ShowRingPanels(); }
void TForm13::CheckBox3Click() { ShowRingPanels(); }
void TForm13::CheckBox4Click() { ShowRingPanels(); }
void TForm13::CheckBox5Click() { ShowRingPanels(); }
void TForm13::CheckBox6Click() { ShowRingPanels(); }
void TForm13::CheckBox7Click() { ShowRingPanels(); }
void TForm13::CheckBox8Click() { ShowRingPanels(); }
void TForm13::CheckBox9Click() { ShowRingPanels(); }
void TForm13::CheckBox10Click() { ShowRingPanels(); }
void TForm13::CheckBox11Click() { ShowRingPanels(); }
void TForm13::CheckBox12Click() { ShowRingPanels(); }
void TForm13::CheckBox13Click() { ShowRingPanels(); }
void TForm13::CheckBox14Click() { ShowRingPanels(); }
