#include "widgets/StatusBar.h"

#include "widgets/Handlers.h"

#include <QPainter>
#include <QStyle>

namespace {
// A handler running this long is a long command: nothing else paints meanwhile.
constexpr qint64 kLongHandlerMs = 300;
// Its texts are painted at most every this many ms, a few times a second.
constexpr qint64 kMinRepaintGapMs = 250;
// A progress text is formatted at most every this many ms.
constexpr qint64 kMinProgressGapMs = 50;
}

StatusBar::StatusBar(QWidget* parent) : QFrame(parent)
{
    setFrameShape(QFrame::Panel);
    setFrameShadow(QFrame::Sunken);
    // The bar lies over the window's canvas: it paints its own background so that no
    // drawing shows through it and its text can be read.
    setAutoFillBackground(true);
    setFixedHeight(kHeight);
    resize(sizeHint());
}

QSize StatusBar::sizeHint() const { return {200, kHeight}; }

QString StatusBar::simpleText() const { return text_; }

QRect StatusBar::textRect() const { return contentsRect().adjusted(4, 1, -4, -1); }

// The bar paints its text itself, as a label would: a new text asks for no layout
// and, while a paint is already due, for nothing more (a recorded run shows its step
// count at every step).
void StatusBar::paintEvent(QPaintEvent* e)
{
    paintDue_ = false;
    QFrame::paintEvent(e);
    QPainter p(this);
    style()->drawItemText(&p, textRect(), Qt::AlignLeft | Qt::AlignVCenter, palette(), isEnabled(), text_,
                          QPalette::WindowText);
}

bool StatusBar::repaintsWhileBusy() const { return isVisible() && HandlerRunningMs() >= kLongHandlerMs; }

void StatusBar::setSimpleText(const QString& text)
{
    if (text == text_)
        return;
    text_ = text;
    const bool longHandler = repaintsWhileBusy();
    const qint64 now = longHandler ? HandlerClockMs() : 0;
    if (longHandler && (lastRepaintMs_ < 0 || now - lastRepaintMs_ >= kMinRepaintGapMs)) {
        // Painted now: no event is taken, no input reaches a control.
        repaint(textRect());
        ++forcedRepaints_;
        lastRepaintMs_ = now;
        return;
    }
    if (!paintDue_) {
        paintDue_ = true;
        update(textRect());
    }
}

bool StatusBar::progressDue()
{
    const qint64 now = HandlerClockMs();
    if (lastProgressMs_ >= 0 && now - lastProgressMs_ < kMinProgressGapMs)
        return false;
    lastProgressMs_ = now;
    return true;
}

void StatusBar::setEdge(Edge e)
{
    if (e == edge_)
        return;
    edge_ = e;
    emit edgeChanged();
}
