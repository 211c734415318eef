// Opens a local HTML page in the desktop's browser. What keeps the page from the
// user (a missing page, no program on the desktop that opens it) is told to
// `report` as a sentence naming the page: at once, or later when the desktop's
// opener gives up. Nothing is told when the page opens.
#pragma once

#include <QString>
#include <QStringList>

#include <functional>

void OpenLocalPage(const QString& path, std::function<void(const QString&)> report);

// When set, pages that exist are appended here instead of opened. nullptr = browser again.
void SetPageOpenRecorder(QStringList* sink);

// The desktop's opener, run with the page's path ("xdg-open" unless set); tests set a
// program that fails or succeeds at once. An empty name restores the default.
void SetPageOpener(const QString& program);
