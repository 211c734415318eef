#include "lattice/TForm12.h"

#include "lattice/VideoFrameSize.h"
#include "widgets/Handlers.h"

TForm12* Form12 = nullptr;

TForm12::TForm12(QWidget* parent) : Form(parent)
{
    setupUi(client());
    adoptLayout();
    OnClick(RadioGroup1, [this] { RadioGroup1Click(); });
}

void TForm12::RadioGroup1Click()
{
    SetFrameSizeFromItem(RadioGroup1->itemIndex());
}
