#include "widgets/HelpPage.h"

#include "widgets/Dialogs.h"

#include <QDesktopServices>
#include <QFileInfo>
#include <QUrl>

namespace {
QStringList* openedPages = nullptr;
}

void SetPageOpenRecorder(QStringList* sink) { openedPages = sink; }

bool OpenLocalPage(const QString& path)
{
    const QFileInfo info(path);
    if (path.isEmpty() || !info.isFile()) {
        ShowMessage(QString("The help page \"%1\" was not found.").arg(path));
        return false;
    }
    const QString full = info.absoluteFilePath();
    if (openedPages) {
        openedPages->append(full);
        return true;
    }
    if (!QDesktopServices::openUrl(QUrl::fromLocalFile(full))) {
        ShowMessage(QString("No program could open the help page \"%1\".").arg(full));
        return false;
    }
    return true;
}
