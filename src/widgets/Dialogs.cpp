#include "widgets/Dialogs.h"

#include "widgets/WindowPlacement.h"

#include <QApplication>
#include <QDialog>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QFileInfo>
#include <QLabel>
#include <QRegularExpression>
#include <QVBoxLayout>

#include <algorithm>

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

std::unique_ptr<QDialog> MessageBox(const QString& text, const QString& caption)
{
    QWidget* owner = QApplication::activeWindow() ? QApplication::activeWindow() : MainWindow();
    auto box = std::make_unique<QDialog>(owner);
    box->setWindowTitle(caption);
    // Paths break after their separators when a line has to wrap.
    QString shown = text;
    shown.replace('/', QStringLiteral("/\u200B")).replace('\\', QStringLiteral("\\\u200B"));
    auto* label = new QLabel(shown);
    label->setTextFormat(Qt::PlainText);
    label->setTextInteractionFlags(Qt::TextSelectableByMouse);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok);
    QObject::connect(buttons, &QDialogButtonBox::accepted, box.get(), &QDialog::accept);
    auto* layout = new QVBoxLayout(box.get());
    layout->addWidget(label);
    layout->addWidget(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    // The text on one line per line of its own while it fits two thirds of the screen.
    const QFontMetrics fm(label->font());
    int natural = 0;
    for (const QString& line : text.split('\n'))
        natural = std::max(natural, fm.horizontalAdvance(line));
    const int widest = AvailableScreenArea(box.get()).width() * 2 / 3;
    if (natural > widest) {
        label->setWordWrap(true);
        label->setFixedSize(widest, label->heightForWidth(widest));
    }
    // The desktop draws the caption in the title bar, in a bold face, beside its buttons.
    QFont bold = box->font();
    bold.setBold(true);
    constexpr int kTitleBarButtons = 120;
    const int captionNeeds = QFontMetrics(bold).horizontalAdvance(caption) * 5 / 4 + kTitleBarButtons;
    label->setMinimumWidth(std::max(label->minimumWidth(), captionNeeds - layout->contentsMargins().left()
                                                                              - layout->contentsMargins().right()));
    box->adjustSize();
    PlaceOnOpening(box.get());
    return box;
}

void ShowMessage(const QString& text, const QString& caption)
{
    if (messageSink) {
        messageSink->push_back({text, caption});
        return;
    }
    ModalSuppression hold;
    MessageBox(text, caption)->exec();
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
    dlg.resize(dlg.sizeHint().boundedTo(AvailableScreenArea(&dlg).size() * 3 / 4));
    PlaceOnOpening(&dlg);

    ModalSuppression hold;
    if (dlg.exec() != QDialog::Accepted || dlg.selectedFiles().isEmpty())
        return false;
    fileName = dlg.selectedFiles().constFirst();
    const qsizetype chosen = filters.indexOf(dlg.selectedNameFilter());
    if (chosen >= 0)
        filterIndex = int(chosen) + 1;
    return true;
}
