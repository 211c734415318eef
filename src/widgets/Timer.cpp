#include "widgets/Timer.h"

#include "widgets/Handlers.h"
#include "widgets/ModalSuppression.h"

Timer::Timer(QObject* parent, int intervalMs) : QObject(parent), interval_(intervalMs < 0 ? 0 : intervalMs)
{
    qt_.setTimerType(Qt::PreciseTimer);
    connect(&qt_, &QTimer::timeout, this, &Timer::tick);
    apply();
}

void Timer::setInterval(int ms)
{
    ms = ms < 0 ? 0 : ms;
    if (ms == interval_)
        return;
    interval_ = ms;
    apply();
}

void Timer::setEnabled(bool on)
{
    if (on == enabled_)
        return;
    enabled_ = on;
    apply();
}

void Timer::apply()
{
    if (enabled_ && interval_ > 0)
        qt_.start(interval_);
    else
        qt_.stop();
}

void Timer::tick()
{
    if (!enabled_ || interval_ <= 0 || inTick_ || ModalSuppression::active() || !onTimer)
        return;
    inTick_ = true;
    struct Reset {
        bool& flag;
        ~Reset() { flag = false; }
    } reset{inTick_};
    RunGuarded(onTimer);
}
