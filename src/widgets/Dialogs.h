// Message boxes and open/save dialogs. Both hold ModalSuppression while open, so no
// timer ticks behind them. Tests answer them through hooks and never block.
#pragma once

#include "widgets/ModalSuppression.h"

#include <QString>
#include <QStringList>

class QDialog;
#include <deque>
#include <memory>
#include <vector>

// Modal box with the text and an OK button; Escape closes it too.
void ShowMessage(const QString& text, const QString& caption = "Warning");

// The box ShowMessage opens, built and placed but not shown: wide enough for its
// caption in the title bar, with the whole text (wrapped when wider than the screen
// allows), centred on the main window and wholly on the screen.
std::unique_ptr<QDialog> MessageBox(const QString& text, const QString& caption);

struct MessageRecord {
    QString text, caption;
};
// When set, ShowMessage appends here instead of opening a box. nullptr = real boxes again.
void SetMessageRecorder(std::vector<MessageRecord>* sink);

class FileDialog {
public:
    enum class Kind { Open, Save };
    explicit FileDialog(Kind kind);

    QString initialDir;
    QString defaultExt;   // with or without the leading "."; added to a name typed without one
    QString filter;       // "description|pattern|description|pattern", patterns joined by ";"
    QString fileName;     // preset name in, chosen path out
    QString title;
    int filterIndex = 1;  // 1-based, in and out

    // true and fileName set, or false on cancel (fileName unchanged).
    bool execute();

private:
    Kind kind_;
};

// When set, the next dialogs take their answers from the front of this queue without
// showing anything; an empty string or an empty queue means cancel. nullptr = real dialogs.
void SetFileDialogAnswers(std::deque<QString>* answers);

// "Protokol (*.dat)|*.dat|All|*.*" -> {"Protokol (*.dat)", "All (*)"}: Qt name filters.
// "*.*" means every file, as on the system the filters were written for.
QStringList ParseFilter(const QString& filter);
