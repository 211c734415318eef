// Shared helpers for the widget tests: spinning the event loop, recording message boxes,
// and closing whatever modal window is open a little later.
#pragma once

#include "widgets/Dialogs.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QTimer>
#include <QWidget>
#include <vector>

// Runs the event loop until done() or the time is up.
template <class Done>
void spinUntil(Done done, int ms = 3000)
{
    QElapsedTimer t;
    t.start();
    while (!done() && t.elapsed() < ms)
        QApplication::processEvents(QEventLoop::AllEvents, 5);
}

inline void spinFor(int ms)
{
    spinUntil([] { return false; }, ms);
}

inline void closeModalWidgetLater(int ms)
{
    QTimer::singleShot(ms, [] {
        if (QWidget* w = QApplication::activeModalWidget())
            w->close();
    });
}

// Message boxes go into `shown` instead of the screen while this lives.
struct RecordedMessages {
    std::vector<MessageRecord> shown;
    RecordedMessages() { SetMessageRecorder(&shown); }
    ~RecordedMessages() { SetMessageRecorder(nullptr); }
};
