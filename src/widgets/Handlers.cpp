#include "widgets/Handlers.h"

#include "widgets/Dialogs.h"
#include "widgets/RadioGroup.h"
#include "widgets/Timer.h"
#include "widgets/UpDown.h"

#include <QAbstractButton>
#include <QAction>
#include <QCheckBox>
#include <QLineEdit>
#include <QSignalBlocker>
#include <exception>

void RunGuarded(const std::function<void()>& handler)
{
    if (!handler)
        return;
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

void OnClick(UpDown* updown, std::function<void(bool up)> h)
{
    QObject::connect(updown, &UpDown::clicked, updown, [h = std::move(h)](bool up) { RunGuarded([&] { h(up); }); });
}

void OnTimer(Timer* timer, std::function<void()> h)
{
    timer->onTimer = std::move(h);   // Timer runs it guarded
}
