#include "widgets/StatusBar.h"

#include <QLabel>

namespace {
constexpr qint64 kMinRepaintGapMs = 100;
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
    // A handler that runs for a long time gets no paint events; a forced repaint shows
    // progress, but only every 100 ms so that frequent texts cost nothing much.
    if (!isVisible())
        return;
    if (!sinceRepaint_.isValid() || sinceRepaint_.elapsed() >= kMinRepaintGapMs) {
        label_->repaint();
        ++forcedRepaints_;
        sinceRepaint_.restart();
    }
}

void StatusBar::setEdge(Edge e)
{
    if (e == edge_)
        return;
    edge_ = e;
    emit edgeChanged();
}
