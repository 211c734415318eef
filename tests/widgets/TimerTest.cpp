// Timer rules: interval 0, no restart, no re-entry, disabling inside a tick, and no
// ticks behind message boxes and file dialogs while modal windows let them through.
#include "WidgetTestSupport.h"
#include "widgets/Form.h"
#include "widgets/Handlers.h"
#include "widgets/Timer.h"

#include <gtest/gtest.h>

TEST(TimerRules, TicksRepeatedlyAndIntervalZeroMeansNoTicks)
{
    Timer timer(nullptr, 5);
    int ticks = 0;
    OnTimer(&timer, [&] { ++ticks; });
    spinUntil([&] { return ticks >= 3; });
    EXPECT_GE(ticks, 3);
    timer.setInterval(0);
    const int before = ticks;
    spinFor(60);
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

TEST(TimerRules, TickNeverReentersNorContinuesAfterDisablingItsTimer)
{
    Timer slow(nullptr, 1000);
    int depth = 0, maxDepth = 0, slowTicks = 0;
    OnTimer(&slow, [&] {
        ++slowTicks;
        maxDepth = std::max(maxDepth, ++depth);
        Timer::fireForTest(slow);   // as if the loop ran inside the handler
        --depth;
    });
    Timer::fireForTest(slow);
    EXPECT_EQ(slowTicks, 1);
    EXPECT_EQ(maxDepth, 1);

    Timer fast(nullptr, 2);
    int ticks = 0;
    OnTimer(&fast, [&] {
        ++ticks;
        fast.setEnabled(false);
    });
    spinUntil([&] { return ticks > 0; });
    spinFor(50);
    EXPECT_EQ(ticks, 1);
    EXPECT_FALSE(fast.enabled());
}

TEST(TimerRules, NoTicksWhileAMessageBoxIsOpenAndTheyResumeAfter)
{
    Timer timer(nullptr, 2);
    int ticks = 0;
    bool suppressedSeen = false;
    OnTimer(&timer, [&] { ++ticks; });
    timer.setEnabled(false);
    QTimer::singleShot(0, [&] {
        suppressedSeen = ModalSuppression::active() && QApplication::activeModalWidget() != nullptr;
        Timer::fireForTest(timer);
    });
    closeModalWidgetLater(120);
    timer.setEnabled(true);
    ShowMessage("Table is full", "Warning");   // real box: runs its own loop until closed
    EXPECT_TRUE(suppressedSeen);
    EXPECT_EQ(ticks, 0);
    EXPECT_FALSE(ModalSuppression::active());
    spinUntil([&] { return ticks > 0; });
    EXPECT_GT(ticks, 0);
}

TEST(TimerRules, NoTicksWhileAFileDialogIsOpen)
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

TEST(TimerRules, TimersTickWhileAModalWindowIsOpen)
{
    Form window;
    Timer timer(nullptr, 2);
    int ticks = 0;
    OnTimer(&timer, [&] {
        if (++ticks == 3)
            window.setModalResult(1);
    });
    closeModalWidgetLater(3000);   // safety net only
    EXPECT_EQ(window.showModal(), 1);   // real nested loop
    EXPECT_EQ(ticks, 3);
    EXPECT_FALSE(window.isVisible());
}
