#include "widgets/PaintArea.h"

#include "widgets/Handlers.h"

#include <QMouseEvent>
#include <QPainter>

PaintArea::PaintArea(QWidget* parent, QSize canvasSize)
    : QWidget(parent), canvas_(canvasSize.width(), canvasSize.height())
{
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMouseTracking(true);   // moves are reported without a pressed button too
    canvas_.onChanged = [this](const QRect& r) {
        if (!painting_)   // drawing from onPaint is shown by the paint in progress
            update(r);
    };
}

void PaintArea::paintEvent(QPaintEvent* e)
{
    if (onPaint) {
        painting_ = true;
        RunGuarded(onPaint);
        painting_ = false;
    }
    QPainter p(this);
    const QRect r = e->rect();
    p.fillRect(r, palette().window());
    p.drawImage(r.topLeft(), canvas_.image(), r);
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
