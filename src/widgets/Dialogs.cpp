#include "widgets/Dialogs.h"

#include <QApplication>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QRegularExpression>

namespace {
std::vector<MessageRecord>* messageSink = nullptr;
std::deque<QString>* fileAnswers = nullptr;

QString cleanExt(const QString& ext)
{
    QString e = ext.trimmed();
    while (e.startsWith('.'))
        e.remove(0, 1);
    return e;
}

// A name typed without an extension gets the default one, as the dialog would add it.
QString withDefaultExt(const QString& name, const QString& ext)
{
    const QString e = cleanExt(ext);
    if (e.isEmpty() || name.isEmpty() || !QFileInfo(name).suffix().isEmpty())
        return name;
    return name + "." + e;
}
}  // namespace

void SetMessageRecorder(std::vector<MessageRecord>* sink) { messageSink = sink; }

void ShowMessage(const QString& text, const QString& caption)
{
    if (messageSink) {
        messageSink->push_back({text, caption});
        return;
    }
    ModalSuppression hold;
    QMessageBox box(QMessageBox::NoIcon, caption, text, QMessageBox::Ok, QApplication::activeWindow());
    box.exec();
}

void SetFileDialogAnswers(std::deque<QString>* answers) { fileAnswers = answers; }

QStringList ParseFilter(const QString& filter)
{
    QStringList result;
    const QStringList parts = filter.split('|');
    if (filter.trimmed().isEmpty())
        return result;
    for (qsizetype i = 0; i < parts.size(); i += 2) {
        QString desc = parts[i].trimmed();
        QStringList patterns;
        if (i + 1 < parts.size()) {
            for (QString p : parts[i + 1].split(';', Qt::SkipEmptyParts)) {
                p = p.trimmed();
                if (p == "*.*")
                    p = "*";
                if (!p.isEmpty() && !patterns.contains(p))
                    patterns << p;
            }
        }
        if (patterns.isEmpty())
            patterns << "*";
        // The description often shows its patterns already ("Protokol (*.dat)"); Qt reads
        // the patterns from the last parentheses, so ours replace that part.
        static const QRegularExpression shown(R"(\s*\([^()]*\)\s*$)");
        desc.remove(shown);
        if (desc.isEmpty())
            desc = patterns.join(' ');
        result << desc + " (" + patterns.join(' ') + ")";
    }
    return result;
}

FileDialog::FileDialog(Kind kind) : kind_(kind) {}

bool FileDialog::execute()
{
    if (fileAnswers) {
        if (fileAnswers->empty())
            return false;
        const QString answer = fileAnswers->front();
        fileAnswers->pop_front();
        if (answer.isEmpty())
            return false;
        fileName = withDefaultExt(answer, defaultExt);
        return true;
    }

    const QStringList filters = ParseFilter(filter);
    QFileDialog dlg(QApplication::activeWindow(), title, initialDir);
    dlg.setOption(QFileDialog::DontUseNativeDialog);
    if (kind_ == Kind::Save) {
        dlg.setAcceptMode(QFileDialog::AcceptSave);
        dlg.setFileMode(QFileDialog::AnyFile);
    } else {
        dlg.setAcceptMode(QFileDialog::AcceptOpen);
        dlg.setFileMode(QFileDialog::ExistingFile);
    }
    if (!filters.isEmpty()) {
        dlg.setNameFilters(filters);
        if (filterIndex >= 1 && filterIndex <= filters.size())
            dlg.selectNameFilter(filters[filterIndex - 1]);
    }
    dlg.setDefaultSuffix(cleanExt(defaultExt));
    if (!fileName.isEmpty())
        dlg.selectFile(fileName);

    ModalSuppression hold;
    if (dlg.exec() != QDialog::Accepted || dlg.selectedFiles().isEmpty())
        return false;
    fileName = dlg.selectedFiles().constFirst();
    const qsizetype chosen = filters.indexOf(dlg.selectedNameFilter());
    if (chosen >= 0)
        filterIndex = int(chosen) + 1;
    return true;
}
