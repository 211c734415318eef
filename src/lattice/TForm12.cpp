#include "lattice/TForm12.h"

#include "app/FormHelpers.h"
#include "lattice/LatticeSettings.h"
#include "lattice/ChangeStatistics.h"
#include "lattice/VideoFrameSize.h"
#include "lattice/VideoSettings.h"
#include "widgets/Handlers.h"

TForm12* Form12 = nullptr;

TForm12::TForm12(QWidget* parent) : Form(parent)
{
    setupUi(client());
    adoptLayout();
    OnClick(RadioGroup1, [this] { RadioGroup1Click(); });
    OnChange(Edit1, [this] { Edit1Change(); });
    OnChange(Edit2, [this] { Edit2Change(); });
    OnChange(Edit3, [this] { Edit3Change(); });
    OnChange(Edit4, [this] { Edit4Change(); });
    OnChange(Edit5, [this] { Edit5Change(); });
    OnChange(Edit6, [this] { Edit6Change(); });
    OnChange(Edit7, [this] { Edit7Change(); });
    OnChange(Edit8, [this] { Edit8Change(); });
    OnChange(Edit9, [this] { Edit9Change(); });
    OnChange(Edit10, [this] { Edit10Change(); });
    OnChange(Edit11, [this] { Edit11Change(); });
    OnChange(Edit12, [this] { Edit12Change(); });
}

void TForm12::FormShow()
{
    RadioGroup2->setItemIndex(0);
    Edit1->setText(QString::fromStdString(videoName));
    ShowNumber(Edit2, mouseMultiplierLeft);
    ShowNumber(Edit3, mouseMultiplierRight);
    ShowNumber(Edit6, timeBarLeft);
    ShowNumber(Edit7, timeBarRight);
    ShowNumber(Edit8, timeBarTop);
    ShowNumber(Edit9, timeBarBottom);
    ShowNumber(Edit10, timeBarTotalSteps);
    ShowNumber(Edit11, statColourModulus);
}

void TForm12::RadioGroup1Click()
{
    SetFrameSizeFromItem(RadioGroup1->itemIndex());
}

void TForm12::Edit1Change() { videoName = Edit1->text().toStdString(); }
void TForm12::Edit2Change() { mouseMultiplierLeft = EditNumber(Edit2); }
void TForm12::Edit3Change() { mouseMultiplierRight = EditNumber(Edit3); }
void TForm12::Edit4Change() { videoPointX = EditNumber(Edit4); }
void TForm12::Edit5Change() { videoPointY = EditNumber(Edit5); }

// The bar's edges are kept within kTimeBarEdgeLimit; the edits keep what was typed.
void TForm12::Edit6Change() { timeBarLeft = ClampTimeBarEdge(EditNumber(Edit6)); }
void TForm12::Edit7Change() { timeBarRight = ClampTimeBarEdge(EditNumber(Edit7)); }
void TForm12::Edit8Change() { timeBarTop = ClampTimeBarEdge(EditNumber(Edit8)); }
void TForm12::Edit9Change() { timeBarBottom = ClampTimeBarEdge(EditNumber(Edit9)); }

void TForm12::Edit10Change() { timeBarTotalSteps = EditNumber(Edit10); }
void TForm12::Edit11Change() { statColourModulus = EditNumber(Edit11); }
void TForm12::Edit12Change() { videoSpareValue = EditNumber(Edit12); }
