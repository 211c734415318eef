#include "widgets/Handlers.h"

#include "widgets/Dialogs.h"
#include "widgets/RadioGroup.h"
#include "widgets/Timer.h"
#include "widgets/UpDown.h"

#include <QAbstractButton>
#include <QAction>
#include <QCheckBox>
#include <QElapsedTimer>
#include <QGroupBox>
#include <QLineEdit>
#include <QMouseEvent>
#include <QSignalBlocker>
#include <exception>

namespace {

qint64 (*testClock)() = nullptr;
int handlerDepth = 0;
qint64 handlerStartMs = 0;

} // namespace

qint64 HandlerClockMs()
{
    if (testClock)
        return testClock();
    static const QElapsedTimer clock = [] {
        QElapsedTimer t;
        t.start();
        return t;
    }();
    return clock.elapsed();
}

qint64 HandlerRunningMs() { return handlerDepth > 0 ? HandlerClockMs() - handlerStartMs : 0; }

void SetHandlerClockForTest(qint64 (*nowMs)()) { testClock = nowMs; }

void RunGuarded(const std::function<void()>& handler)
{
    if (!handler)
        return;
    struct Depth {
        Depth()
        {
            if (handlerDepth++ == 0)
                handlerStartMs = HandlerClockMs();
        }
        ~Depth() { --handlerDepth; }
    } depth;
    try {
        handler();
    } catch (const std::exception& e) {
        ShowMessage(QString::fromLocal8Bit(e.what()), "Error");
    } catch (...) {
        ShowMessage("An unknown error stopped the last action.", "Error");
    }
}

void OnClick(QAbstractButton* button, std::function<void()> h)
{
    QObject::connect(button, &QAbstractButton::clicked, button, [h = std::move(h)] { RunGuarded(h); });
}

void OnClick(QCheckBox* box, std::function<void()> h)
{
    QObject::connect(box, &QCheckBox::toggled, box, [h = std::move(h)] { RunGuarded(h); });
}

void OnChange(QLineEdit* edit, std::function<void()> h)
{
    QObject::connect(edit, &QLineEdit::textChanged, edit, [h = std::move(h)] { RunGuarded(h); });
}

void OnClick(RadioGroup* group, std::function<void()> h)
{
    QObject::connect(group, &RadioGroup::itemClicked, group, [h = std::move(h)] { RunGuarded(h); });
}

void OnClick(QAction* item, std::function<void()> h)
{
    QObject::connect(item, &QAction::triggered, item, [item, h = std::move(h)](bool checked) {
        if (item->isCheckable()) {
            QSignalBlocker quiet(item);
            item->setChecked(!checked);
        }
        RunGuarded(h);
    });
}

bool ToggleChecked(QAction* item)
{
    item->setChecked(!item->isChecked());
    return item->isChecked();
}

void OnClick(UpDown* updown, std::function<void(bool up)> h)
{
    QObject::connect(updown, &UpDown::clicked, updown, [h = std::move(h)](bool up) { RunGuarded([&] { h(up); }); });
}

void OnTimer(Timer* timer, std::function<void()> h)
{
    timer->onTimer = std::move(h);   // Timer runs it guarded
}

namespace {
constexpr const char* kBoxClickName = "workbenchBoxClick";

// Watches a group box for a press and a release that both land on no child of the box.
// A label ignores the mouse, so Qt hands its press on to the box: the position tells
// the two apart.
class BoxClick : public QObject {
public:
    BoxClick(QGroupBox* box, std::function<void()> h) : QObject(box), box_(box), handler_(std::move(h))
    {
        setObjectName(kBoxClickName);
        box->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (watched != box_)
            return false;
        if (event->type() == QEvent::MouseButtonPress) {
            pressed_ = onFreeArea(static_cast<QMouseEvent*>(event));
        } else if (event->type() == QEvent::MouseButtonRelease) {
            const bool click = pressed_ && onFreeArea(static_cast<QMouseEvent*>(event));
            pressed_ = false;
            if (click)
                RunGuarded(handler_);
        }
        return false;
    }

private:
    bool onFreeArea(const QMouseEvent* e) const
    {
        const QPoint at = e->position().toPoint();
        return box_->rect().contains(at) && box_->childAt(at) == nullptr;
    }

    QGroupBox* box_;
    std::function<void()> handler_;
    bool pressed_ = false;
};
}  // namespace

void OnClick(QGroupBox* box, std::function<void()> h)
{
    new BoxClick(box, std::move(h));
}

bool HasClickHandler(const QGroupBox* box)
{
    return box->findChild<QObject*>(kBoxClickName, Qt::FindDirectChildrenOnly) != nullptr;
}
