#include "lattice/TForm17.h"

TForm17* Form17 = nullptr;

TForm17::TForm17(QWidget* parent) : Form(parent)
{
    setupUi(client());
    adoptLayout();
}
