// Help pages, the About box and Exit.
#include "app/TForm1.h"
#include "app/TForm2.h"

#include "widgets/HelpPage.h"
#include "widgets/StatusBar.h"

#include <QCoreApplication>
#include <QDir>

namespace {

// The help path is built in a buffer of its own from the executable's folder,
// so the table-file prefix programDir is never touched by it.
QString HelpPagePath(const QString& relative)
{
    return QDir(QCoreApplication::applicationDirPath()).filePath(relative);
}

} // namespace

// A page the desktop cannot show is reported in the status bar.
void TForm1::Content1Click()
{
    OpenLocalPage(HelpPagePath("Help/index.html"), [this](const QString& why) { StatusBar1->setSimpleText(why); });
}

void TForm1::Content2Click()
{
    OpenLocalPage(HelpPagePath("HelpRUS/index.html"), [this](const QString& why) { StatusBar1->setSimpleText(why); });
}

void TForm1::About1Click()
{
    Form2->showModal();
}

void TForm1::Exit1Click()
{
    close_();
}
