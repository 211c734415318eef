#pragma once
// The texts the main window's status bar paints while one handler runs. With
// looksLong, the handler clock runs 20 ms on at every reading, so that the
// handler looks long at once and the bar repaints itself as the handler goes.
#include "app/TForm1.h"
#include "widgets/Handlers.h"
#include "widgets/StatusBar.h"

#include <QApplication>
#include <QEvent>
#include <QStringList>

template <class Handler>
QStringList StatusTextsPaintedDuring(Handler&& handler, bool looksLong = true)
{
    struct Recorder : QObject {
        QStringList texts;
        bool eventFilter(QObject*, QEvent* e) override
        {
            if (e->type() == QEvent::Paint) texts << Form1->StatusBar1->simpleText();
            return false;
        }
    } painted;
    QApplication::processEvents();   // what waits to be painted is not the handler's
    Form1->StatusBar1->installEventFilter(&painted);
    if (looksLong)
        SetHandlerClockForTest([] {
            static qint64 nowMs = 0;
            return nowMs += 20;
        });
    handler();
    SetHandlerClockForTest(nullptr);
    Form1->StatusBar1->removeEventFilter(&painted);
    return painted.texts;
}
