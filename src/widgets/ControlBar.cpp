#include "widgets/ControlBar.h"

#include <QMouseEvent>

ControlBar::ControlBar(QWidget* parent) : QFrame(parent)
{
    setFrameShape(QFrame::StyledPanel);
    setAutoFillBackground(true);
}

void ControlBar::mousePressEvent(QMouseEvent* e)
{
    // Presses on child controls never reach here; what arrives is the free area.
    const QPoint at = e->position().toPoint();
    emit freeAreaClicked(at.x(), at.y());
}
