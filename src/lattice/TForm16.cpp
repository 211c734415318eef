#include "lattice/TForm16.h"

TForm16* Form16 = nullptr;

TForm16::TForm16(QWidget* parent) : Form(parent)
{
    setupUi(client());
    adoptLayout();
}
