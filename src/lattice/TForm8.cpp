#include "lattice/TForm8.h"

TForm8* Form8 = nullptr;

TForm8::TForm8(QWidget* parent) : Form(parent)
{
    setupUi(client());
    adoptLayout();
}
