// Mouse callbacks of a drawing control (the client area of a window, a picture),
// in the control's own coordinates; each callback runs guarded like a handler.
#pragma once

#include <Qt>
#include <functional>

class QMouseEvent;

struct MouseHooks {
    std::function<void(Qt::MouseButton, Qt::KeyboardModifiers, int x, int y)> onMouseDown, onMouseUp;
    std::function<void(Qt::KeyboardModifiers, int x, int y)> onMouseMove;

    // Called from the control's mouse events.
    void forwardPress(const QMouseEvent* e) const;
    void forwardRelease(const QMouseEvent* e) const;
    void forwardMove(const QMouseEvent* e) const;
};
