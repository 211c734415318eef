#include "lattice/TForm13.h"

#include "widgets/Handlers.h"

TForm13* Form13 = nullptr;

TForm13::TForm13(QWidget* parent) : Form(parent)
{
    setupUi(client());
    adoptLayout();
    OnClick(CheckBox9, [this] { CheckBox9Click(); });
    OnClick(CheckBox10, [this] { CheckBox10Click(); });
    OnClick(CheckBox12, [this] { CheckBox12Click(); });
    OnClick(CheckBox13, [this] { CheckBox13Click(); });
    OnClick(CheckBox14, [this] { CheckBox14Click(); });
}

void TForm13::CheckBox9Click()
{
    // Will show or hide ring 9's mark over the neighbourhood picture.
}

void TForm13::CheckBox10Click()
{
    // Will show or hide ring 10's mark over the neighbourhood picture.
}

void TForm13::CheckBox12Click()
{
    // Will show or hide ring 12's mark over the neighbourhood picture.
}

void TForm13::CheckBox13Click()
{
    // Will show or hide ring 13's mark over the neighbourhood picture.
}

void TForm13::CheckBox14Click()
{
    // Will show or hide ring 14's mark over the neighbourhood picture.
}
