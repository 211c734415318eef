// Timer rules: interval 0, no restart, no re-entry, disabling inside a tick, and no
// ticks behind message boxes and file dialogs while modal windows let them through.
#include "widgets/Dialogs.h"
#include "widgets/Form.h"
#include "widgets/Handlers.h"
#include "widgets/Timer.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFileDialog>
#include <QMessageBox>
#include <QTimer>
#include <gtest/gtest.h>

namespace {
// Runs the event loop until done() or the time is up.
template <class Done>
void spinUntil(Done done, int ms = 3000)
{
    QElapsedTimer t;
    t.start();
    while (!done() && t.elapsed() < ms)
        QApplication::processEvents(QEventLoop::AllEvents, 5);
}

void closeModalWidgetLater(int ms)
{
    QTimer::singleShot(ms, [] {
        if (QWidget* w = QApplication::activeModalWidget())
            w->close();
    });
}
}  // namespace

TEST(TimerRules, TicksRepeatedlyAndIntervalZeroMeansNoTicks)
{
    Timer timer(nullptr, 5);
    int ticks = 0;
    OnTimer(&timer, [&] { ++ticks; });
    spinUntil([&] { return ticks >= 3; });
    EXPECT_GE(ticks, 3);

    timer.setInterval(0);
    const int before = ticks;
    spinUntil([] { return false; }, 60);
    EXPECT_EQ(ticks, before);
    Timer::fireForTest(timer);   // even a forced tick obeys the rule
    EXPECT_EQ(ticks, before);
}

TEST(TimerRules, EnablingAnEnabledTimerDoesNotRestartItsCount)
{
    Timer timer(nullptr, 80);
    int ticks = 0;
    OnTimer(&timer, [&] { ++ticks; });
    QElapsedTimer clock;
    clock.start();
    // Re-enabling every few ms would starve a restarting timer forever.
    while (ticks == 0 && clock.elapsed() < 2000) {
        timer.setEnabled(true);
        QApplication::processEvents(QEventLoop::AllEvents, 5);
    }
    EXPECT_EQ(ticks, 1);
    EXPECT_LT(clock.elapsed(), 1000);
}

TEST(TimerRules, TickNeverReentersItsOwnHandler)
{
    Timer timer(nullptr, 1000);
    int depth = 0, maxDepth = 0, ticks = 0;
    OnTimer(&timer, [&] {
        ++ticks;
        ++depth;
        maxDepth = std::max(maxDepth, depth);
        Timer::fireForTest(timer);   // as if the loop ran inside the handler
        --depth;
    });
    Timer::fireForTest(timer);
    EXPECT_EQ(ticks, 1);
    EXPECT_EQ(maxDepth, 1);
}

TEST(TimerRules, TickThatDisablesItsTimerGetsNoFurtherTicks)
{
    Timer timer(nullptr, 2);
    int ticks = 0;
    OnTimer(&timer, [&] {
        ++ticks;
        timer.setEnabled(false);
    });
    spinUntil([&] { return ticks > 0; });
    spinUntil([] { return false; }, 50);
    EXPECT_EQ(ticks, 1);
    EXPECT_FALSE(timer.enabled());
}

TEST(TimerRules, NoTicksWhileSuppressedAndTheyResumeAfter)
{
    Timer timer(nullptr, 2);
    int ticks = 0;
    OnTimer(&timer, [&] { ++ticks; });
    {
        ModalSuppression box;
        EXPECT_TRUE(ModalSuppression::active());
        spinUntil([] { return false; }, 50);
        Timer::fireForTest(timer);
        EXPECT_EQ(ticks, 0);
    }
    EXPECT_FALSE(ModalSuppression::active());
    spinUntil([&] { return ticks > 0; });
    EXPECT_GT(ticks, 0);
}

TEST(TimerRules, NoTicksWhileARealMessageBoxIsOpen)
{
    Timer timer(nullptr, 2);
    int ticks = 0;
    bool suppressedSeen = false;
    OnTimer(&timer, [&] { ++ticks; });
    timer.setEnabled(false);
    QTimer::singleShot(0, [&] {
        suppressedSeen = ModalSuppression::active() && QApplication::activeModalWidget() != nullptr;
    });
    closeModalWidgetLater(120);
    timer.setEnabled(true);
    ShowMessage("Table is full", "Warning");   // real box: runs its own loop until closed
    EXPECT_TRUE(suppressedSeen);
    EXPECT_EQ(ticks, 0);
    spinUntil([&] { return ticks > 0; });
    EXPECT_GT(ticks, 0);
}

TEST(TimerRules, NoTicksWhileARealFileDialogIsOpen)
{
    Timer timer(nullptr, 2);
    int ticks = 0;
    OnTimer(&timer, [&] { ++ticks; });
    closeModalWidgetLater(150);
    FileDialog dlg(FileDialog::Kind::Open);
    dlg.filter = "Tables (*.tab)|*.tab";
    EXPECT_FALSE(dlg.execute());   // closed = cancel
    EXPECT_EQ(ticks, 0);
}

namespace {
class TickingWindow : public Form {
public:
    using Form::Form;
};
}  // namespace

TEST(TimerRules, TimersTickWhileAModalWindowIsOpen)
{
    TickingWindow window;
    Timer timer(nullptr, 2);
    int ticks = 0;
    OnTimer(&timer, [&] {
        if (++ticks == 3)
            window.setModalResult(1);
    });
    closeModalWidgetLater(3000);   // safety net only
    const int result = window.showModal();   // real nested loop
    EXPECT_EQ(ticks, 3);
    EXPECT_EQ(result, 1);
    EXPECT_FALSE(window.isVisible());
}
