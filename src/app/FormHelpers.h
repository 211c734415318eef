#pragma once
// Small bridges between the controls and the globals they keep copies of.
#include <QLineEdit>
#include <QString>
#include <cstdint>
#include <string>

// The number in an edit by the number-entry rule (atoi, saturating).
int32_t EditNumber(const QLineEdit* edit);

// Shows a number in an edit as decimal text; the edit's change handler runs
// when the text differs from the one shown.
void ShowNumber(QLineEdit* edit, int32_t value);

// A message or path of the core as text for a control or a box.
inline QString Text(const std::string& s) { return QString::fromStdString(s); }
