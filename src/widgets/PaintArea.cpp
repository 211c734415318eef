#include "widgets/PaintArea.h"

#include "widgets/Handlers.h"

#include <QMouseEvent>
#include <QPainter>
#include <QRegion>

PaintArea::PaintArea(QWidget* parent, QSize canvasSize)
    : QWidget(parent), canvas_(canvasSize.width(), canvasSize.height())
{
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMouseTracking(true);   // moves are reported without a pressed button too
    canvas_.onChanged = [this](const QRect& r) {
        // Drawing from onPaint is shown by the paint in progress. The area waiting for
        // the next paint is kept as one rectangle: of the thousands of small figures a
        // handler may draw, only those outside it make it grow.
        if (painting_ || dirty_.contains(r))
            return;
        dirty_ |= r;
        update(dirty_);
    };
}

void PaintArea::paintEvent(QPaintEvent* e)
{
    dirty_ = QRect();
    if (onPaint) {
        painting_ = true;
        RunGuarded(onPaint);
        painting_ = false;
    }
    QPainter p(this);
    const QRect r = e->rect();
    // The image is opaque: only what lies beyond it shows the window's colour.
    const QRect onImage = r & canvas_.image().rect();
    for (const QRect& beyond : QRegion(r).subtracted(onImage))
        p.fillRect(beyond, palette().window());
    if (!onImage.isEmpty())
        p.drawImage(onImage.topLeft(), canvas_.image(), onImage);
}

void PaintArea::mousePressEvent(QMouseEvent* e)
{
    forwardPress(e);
}

void PaintArea::mouseReleaseEvent(QMouseEvent* e)
{
    forwardRelease(e);
}

void PaintArea::mouseMoveEvent(QMouseEvent* e)
{
    forwardMove(e);
}
