#include "widgets/HelpPage.h"

#include <QDesktopServices>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QUrl>

namespace {
QStringList* openedPages = nullptr;
QString opener = "xdg-open";

QString CouldNotOpen(const QString& page)
{
    return QString("No program on this desktop could open the help page \"%1\".").arg(page);
}
}  // namespace

void SetPageOpenRecorder(QStringList* sink) { openedPages = sink; }

void SetPageOpener(const QString& program) { opener = program.isEmpty() ? QString("xdg-open") : program; }

void OpenLocalPage(const QString& path, std::function<void(const QString&)> report)
{
    const QFileInfo info(path);
    if (path.isEmpty() || !info.isFile()) {
        report(QString("The help page \"%1\" was not found.").arg(path));
        return;
    }
    const QString full = info.absoluteFilePath();
    if (openedPages) {
        openedPages->append(full);
        return;
    }
    if (QStandardPaths::findExecutable(opener).isEmpty()) {
        if (!QDesktopServices::openUrl(QUrl::fromLocalFile(full)))
            report(CouldNotOpen(full));
        return;
    }
    // The opener may run the browser until the user closes it: it is watched, not
    // waited for, and it is left running when the workbench ends.
    auto* process = new QProcess;
    process->setStandardOutputFile(QProcess::nullDevice());
    process->setStandardErrorFile(QProcess::nullDevice());
    QObject::connect(process, &QProcess::errorOccurred, process, [process, report, full](QProcess::ProcessError e) {
        if (e == QProcess::FailedToStart) {
            report(CouldNotOpen(full));
            process->deleteLater();
        }
    });
    QObject::connect(process, &QProcess::finished, process,
                     [process, report, full](int code, QProcess::ExitStatus status) {
                         if (status != QProcess::NormalExit || code != 0)
                             report(CouldNotOpen(full));
                         process->deleteLater();
                     });
    process->start(opener, {full});
}
