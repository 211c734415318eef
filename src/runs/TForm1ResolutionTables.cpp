// The resolution tables on tab "w2" and in the menus "Explore" and "Manage":
// the copies between table 1, table 2 and table U, their listings in the rich
// edits of tab "CH I", the matching "Comp.+" and its ambiguity check "CH !!!".
#include "app/TForm1.h"

#include "base/ResolutionProbe.h"
#include "engine/Mask1d.h"
#include "runs/ResolutionTables.h"
#include "widgets/Dialogs.h"
#include "widgets/Handlers.h"

#include <algorithm>

namespace {

void ListRows(RichEdit* edit, const uint8_t (*rows)[kResolutionCells], int32_t count, int32_t width,
              const int32_t* matches)
{
    edit->clearLines();
    QStringList lines;
    lines.reserve(std::max(count, 0));
    for (int32_t i = 0; i < count; ++i) lines << QString::fromStdString(ResolutionRowText(rows[i], width, matches[i]));
    edit->addLines(lines);
}

} // namespace

// The labels of table 2: the neighbour count, the offsets (each only while
// its index is below the count) or "x" in each, the width and the count.
void TForm1::ShowRt2Labels(bool withOffsets)
{
    Label199->setText(QString::number(neighbourCount));
    QLabel* const offsets[] = {Label208, Label209, Label210, Label211, Label212, Label213, Label214, Label215};
    for (int i = 0; i < 8; ++i) {
        if (!withOffsets)
            offsets[i]->setText("x");
        else
            offsets[i]->setText(i < neighbourCount ? QString::number(rt2Offsets[i]) : QString());
    }
    Label196->setText(QString::number(rt2Width));
    Label197->setText(QString::number(rt2Count));
}

void TForm1::Button131Click()
{
    ListRows(RichEdit5, rt2Keys, Table2Rows(), rt2Width, rt2MatchIndex);
    ShowRt2Labels(true);
}

void TForm1::Button133Click()
{
    ListRows(RichEdit6, rtuKeys, TableURows(), rtuWidth, rtuMatchIndex);
    Label216->setText(QString::number(rtuCount));
}

// "Show RT1", "Copy 2 => 1" and "1 => 2" do nothing.
void TForm1::Button130Click() {}
void TForm1::Copy211Click() {}
void TForm1::Button137Click() {}

void TForm1::Copy121Click()
{
    RichEdit5->clearLines();
    CopyTable1To2();
    ShowRt2Labels(true);
    Button131Click();
}

void TForm1::Copy1Inv21Click()
{
    RichEdit5->clearLines();
    CopyTable1To2Inverted();
    ShowRt2Labels(true);
    Button131Click();
}

void TForm1::Copy1U1Click()
{
    RichEdit6->clearLines();
    CopyTable1ToU();
    Button133Click();
}

void TForm1::CopyU11Click()
{
    RichEdit5->clearLines();
    CopyTableUTo1();
    ShowRt2Labels(false);
    Button131Click();
    RichEdit5->clearLines();
    RichEdit6->clearLines();
}

void TForm1::CopyU21Click()
{
    RichEdit5->clearLines();
    CopyTableUTo2();
    ShowRt2Labels(false);
    Button131Click();
}

void TForm1::Button136Click()
{
    CopyU21Click();
    RichEdit6->clearLines();
}

void TForm1::Button138Click()
{
    RichEdit5->clearLines();
    FilterTableUTo2();
    ShowRt2Labels(false);
    Button131Click();
}

void TForm1::Button132Click()
{
    const ResolutionIndex index;
    Label218->setText(QString::number(MatchTables(index)));
    if (Cytcr1->isChecked()) {
        CheckAmbiguity(index, [](const char* text) { ShowMessage(text, "Warning"); });
        Button133Click();
    }
    Button130Click();
    Button131Click();
}

void TForm1::Cytcr1Click() { ToggleChecked(Cytcr1); }

void TForm1::Res01231Click()
{
    if (!ToggleChecked(Res01231))
        return;
    ResT0c1c11->setChecked(false);
    N7->setChecked(false);
    for (RichEdit* edit : {RichEdit7, RichEdit8, RichEdit9})
        edit->setVisible(false);
}

void TForm1::N0colomn1Click() { ToggleChecked(N0colomn1); }
void TForm1::ResNfbleN11Click() { ToggleChecked(ResNfbleN11); }
void TForm1::ResTableN21Click() { ToggleChecked(ResTableN21); }
// "Res.T (=0) (c-1) (c+1)" and "Res.T =0=1=2=3=4=5" do nothing.
void TForm1::ResT0c1c11Click() {}
void TForm1::N7Click() {}
