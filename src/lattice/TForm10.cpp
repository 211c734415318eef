#include "lattice/TForm10.h"

TForm10* Form10 = nullptr;

TForm10::TForm10(QWidget* parent) : Form(parent)
{
    setupUi(client());
    adoptLayout();
}
