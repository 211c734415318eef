#include "lattice/TForm5.h"

TForm5* Form5 = nullptr;

TForm5::TForm5(QWidget* parent) : Form(parent)
{
    setupUi(client());
    adoptLayout();
}
