#include "lattice/TForm14.h"

TForm14* Form14 = nullptr;

TForm14::TForm14(QWidget* parent) : Form(parent)
{
    setupUi(client());
    adoptLayout();
}
