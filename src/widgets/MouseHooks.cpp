#include "widgets/MouseHooks.h"

#include "widgets/Handlers.h"

#include <QMouseEvent>

void MouseHooks::forwardPress(const QMouseEvent* e) const
{
    const QPoint at = e->position().toPoint();
    if (onMouseDown)
        RunGuarded([&] { onMouseDown(e->button(), e->modifiers(), at.x(), at.y()); });
}

void MouseHooks::forwardRelease(const QMouseEvent* e) const
{
    const QPoint at = e->position().toPoint();
    if (onMouseUp)
        RunGuarded([&] { onMouseUp(e->button(), e->modifiers(), at.x(), at.y()); });
}

void MouseHooks::forwardMove(const QMouseEvent* e) const
{
    const QPoint at = e->position().toPoint();
    if (onMouseMove)
        RunGuarded([&] { onMouseMove(e->modifiers(), at.x(), at.y()); });
}
