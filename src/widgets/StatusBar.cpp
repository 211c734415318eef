#include "widgets/StatusBar.h"

#include "widgets/Handlers.h"

#include <QLabel>

namespace {
// A handler running this long is a long command: nothing else paints meanwhile.
constexpr qint64 kLongHandlerMs = 300;
// Its texts are painted at most every this many ms, a few times a second.
constexpr qint64 kMinRepaintGapMs = 250;
// A progress text is formatted at most every this many ms.
constexpr qint64 kMinProgressGapMs = 50;
}

StatusBar::StatusBar(QWidget* parent) : QFrame(parent), label_(new QLabel(this))
{
    setFrameShape(QFrame::Panel);
    setFrameShadow(QFrame::Sunken);
    // The bar lies over the window's canvas: it paints its own background so that no
    // drawing shows through it and its text can be read.
    setAutoFillBackground(true);
    setFixedHeight(kHeight);
    label_->setTextFormat(Qt::PlainText);
    resize(sizeHint());
    placeLabel();
}

// The label is placed by hand at a fixed size, not by a layout: a new text then
// asks for no new layout of the bar (measuring the text every few milliseconds,
// when a tick shows its step count, costs more than the tick's own work).
void StatusBar::placeLabel()
{
    const QRect r = contentsRect().adjusted(4, 1, -4, -1);
    label_->setFixedSize(r.size().expandedTo(QSize(0, 0)));
    label_->move(r.topLeft());
}

void StatusBar::resizeEvent(QResizeEvent* e)
{
    QFrame::resizeEvent(e);
    placeLabel();
}

QSize StatusBar::sizeHint() const { return {200, kHeight}; }

QString StatusBar::simpleText() const { return label_->text(); }

void StatusBar::setSimpleText(const QString& text)
{
    if (text == label_->text())
        return;
    label_->setText(text);
    if (!isVisible() || HandlerRunningMs() < kLongHandlerMs)
        return;
    const qint64 now = HandlerClockMs();
    if (lastRepaintMs_ >= 0 && now - lastRepaintMs_ < kMinRepaintGapMs)
        return;
    // The label alone, painted now: no event is taken, no input reaches a control.
    label_->repaint();
    ++forcedRepaints_;
    lastRepaintMs_ = now;
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
