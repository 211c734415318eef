// Opens a local HTML page in the desktop's browser. A missing file is reported in a
// message naming the path, and the call returns false.
#pragma once

#include <QString>
#include <QStringList>

bool OpenLocalPage(const QString& path);

// When set, pages that exist are appended here instead of opened. nullptr = browser again.
void SetPageOpenRecorder(QStringList* sink);
