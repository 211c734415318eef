#include "lattice/TForm15.h"

TForm15* Form15 = nullptr;

TForm15::TForm15(QWidget* parent) : Form(parent)
{
    setupUi(client());
    adoptLayout();
}
