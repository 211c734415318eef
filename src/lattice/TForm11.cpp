#include "lattice/TForm11.h"

TForm11* Form11 = nullptr;

TForm11::TForm11(QWidget* parent) : Form(parent)
{
    setupUi(client());
    adoptLayout();
}
