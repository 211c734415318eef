// A repeating timer with the rules the windows rely on: interval 0 means no ticks;
// enabling an enabled timer changes nothing; a tick never re-enters its own handler;
// a tick that disables the timer gets no further ticks; while a message box or file
// dialog is open (ModalSuppression) ticks are skipped. Modal windows do not stop it.
#pragma once

#include <QObject>
#include <QTimer>
#include <functional>

class Timer : public QObject {
    Q_OBJECT
    Q_PROPERTY(int interval READ interval WRITE setInterval)
    Q_PROPERTY(bool enabled READ enabled WRITE setEnabled)

public:
    explicit Timer(QObject* parent = nullptr, int intervalMs = 1000);

    int interval() const { return interval_; }
    void setInterval(int ms);   // negative counts as 0; a new interval restarts the count
    bool enabled() const { return enabled_; }
    void setEnabled(bool on);

    std::function<void()> onTimer;   // run guarded (see Handlers.h)

    // Runs one tick as the event loop would, obeying every rule above.
    static void fireForTest(Timer& t) { t.tick(); }

private:
    void apply();
    void tick();

    QTimer qt_;
    int interval_;
    bool enabled_ = true;
    bool inTick_ = false;
};
