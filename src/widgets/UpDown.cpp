#include "widgets/UpDown.h"

#include <QToolButton>
#include <algorithm>

UpDown::UpDown(QWidget* parent) : QWidget(parent), up_(new QToolButton(this)), down_(new QToolButton(this))
{
    up_->setArrowType(Qt::UpArrow);
    down_->setArrowType(Qt::DownArrow);
    up_->setAutoRepeat(true);
    down_->setAutoRepeat(true);
    connect(up_, &QToolButton::clicked, this, [this] { press(true); });
    connect(down_, &QToolButton::clicked, this, [this] { press(false); });
    resize(17, 21);
}

int UpDown::clamp(int v) const
{
    // A minimum above the maximum leaves the position at the minimum.
    return std::max(min_, std::min(v, max_));
}

void UpDown::setMin(int v)
{
    min_ = v;
    position_ = clamp(position_);
}

void UpDown::setMax(int v)
{
    max_ = v;
    position_ = clamp(position_);
}

void UpDown::setPosition(int v) { position_ = clamp(v); }

void UpDown::press(bool up)
{
    const long long next = static_cast<long long>(position_) + (up ? 1 : -1);
    position_ = int(std::max<long long>(min_, std::min<long long>(next, max_)));
    emit clicked(up);
}

void UpDown::resizeEvent(QResizeEvent*)
{
    const int half = height() / 2;
    up_->setGeometry(0, 0, width(), half);
    down_->setGeometry(0, half, width(), height() - half);
}
