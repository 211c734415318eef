// Rule table files: the scratch table "examp/Exr.dat", the numbered tables
// "examp/Ex01.dat" .. "examp/Ex04.dat" and any file chosen in the "RCA"
// dialogs. A table that cannot be read stays as it was and the status bar
// says why; a cancelled dialog reads or writes nothing.
#include "app/TForm1.h"

#include "engine/StringState.h"
#include "lattice/RuleTableFile.h"
#include "widgets/Dialogs.h"

#include <string>

bool TForm1::ReadRuleTableReporting(const std::string& path)
{
    const RuleFileStatus status = ReadRuleTableFile(path);
    if (status == RuleFileStatus::Ok)
        return true;
    StatusBar1->setSimpleText(QString::fromStdString(RuleFileMessage(status, path)));
    return false;
}

void TForm1::WriteRuleTableReporting(const std::string& path)
{
    const RuleFileStatus status = WriteRuleTableFile(path);
    if (status != RuleFileStatus::Ok)
        StatusBar1->setSimpleText(QString::fromStdString(RuleFileMessage(status, path)));
}

void TForm1::Readrandom1Click()
{
    ReadRuleTableReporting("examp/Exr.dat");
    Button3Click();
}

void TForm1::Writerandom1Click() { WriteRuleTableReporting("examp/Exr.dat"); }
void TForm1::Writerandom2Click() { WriteRuleTableReporting("examp/Ex01.dat"); }
void TForm1::Writerandom3Click() { WriteRuleTableReporting("examp/Ex02.dat"); }
void TForm1::Writerandom4Click() { WriteRuleTableReporting("examp/Ex03.dat"); }
void TForm1::Writerandom5Click() { WriteRuleTableReporting("examp/Ex04.dat"); }

void TForm1::ReadRCA1Click()
{
    FileDialog dialog(FileDialog::Kind::Open);
    dialog.filter = "RCA (*.dat)|*.dat";
    if (!dialog.execute())
        return;
    OpenDialog1CanClose(dialog.fileName);
    OpenDialog1Close();
    ReadRuleTableReporting(rcaFileName);
    RadioGroup1->setItemIndex(5);
    RadioGroup2->setItemIndex(0);
    isRedrawNeeded = 1;
    Button3Click();
}

void TForm1::WriteRCA1Click()
{
    FileDialog dialog(FileDialog::Kind::Save);
    dialog.filter = "*.dat|";
    if (!dialog.execute())
        return;
    SaveDialog1CanClose(dialog.fileName);
    WriteRuleTableReporting(rcaFileName);
}

void TForm1::OpenDialog1CanClose(const QString& fileName) { rcaFileName = fileName.toStdString(); }
void TForm1::SaveDialog1CanClose(const QString& fileName) { rcaFileName = fileName.toStdString(); }
void TForm1::OpenDialog1Close() {}
