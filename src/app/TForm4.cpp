#include "app/TForm4.h"

TForm4* Form4 = nullptr;

TForm4::TForm4(QWidget* parent) : Form(parent)
{
    setupUi(client());
    adoptLayout();
}
