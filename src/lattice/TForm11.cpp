#include "lattice/TForm11.h"

#include "app/FormHelpers.h"
#include "lattice/ImproveSearch.h"
#include "lattice/ImproveTimes.h"
#include "widgets/Handlers.h"

#include <algorithm>

TForm11* Form11 = nullptr;

TForm11::TForm11(QWidget* parent) : Form(parent)
{
    setupUi(client());
    adoptLayout();
    OnChange(Edit1, [this] { Edit1Change(); });
    OnChange(Edit2, [this] { Edit2Change(); });
    OnChange(Edit3, [this] { Edit3Change(); });
}

void TForm11::FormShow()
{
    ShowNumber(Edit1, improveTimeCrit);
    ShowNumber(Edit2, improveTimeAll);
    ShowNumber(Edit3, improveStartIndex);
    for (QLabel* label : {Label6, Label7, Label8})
        label->setText("0");
    Label10->setText(QString::number(improveRecordCount));
    QLabel* const vcrit[] = {Label18, Label19, Label20, Label21, Label22, Label23, Label24};
    QLabel* const index[] = {Label25, Label26, Label27, Label28, Label29, Label30, Label31};
    for (int k = 0; k < 7; ++k) {
        vcrit[k]->setText(QString::number(improveRecordVcrit[k]));
        index[k]->setText(QString::number(improveRecordIndex[k]));
    }
    if (improveRecordCount != 0) {
        // The last record; the count never passes the records kept, but a
        // count outside them shows the nearest record instead of reading past.
        const int last = std::clamp(improveRecordCount - 1, 0, kImproveRecordCapacity - 1);
        Label33->setText(QString::number(improveRecordVcrit[last]));
        Label32->setText(QString::number(improveRecordIndex[last]));
    }
}

void TForm11::Edit1Change() { improveTimeCrit = EditNumber(Edit1); }
void TForm11::Edit2Change() { improveTimeAll = EditNumber(Edit2); }
void TForm11::Edit3Change() { improveStartIndex = EditNumber(Edit3); }
