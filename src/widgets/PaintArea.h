// A widget that shows a Canvas as its background; child controls sit on top of it.
// Mouse events arrive in widget coordinates through the callbacks, each run guarded.
#pragma once

#include "widgets/Canvas.h"
#include "widgets/MouseHooks.h"

#include <QWidget>
#include <functional>

class PaintArea : public QWidget, public MouseHooks {
    Q_OBJECT

public:
    explicit PaintArea(QWidget* parent = nullptr, QSize canvasSize = {1600, 1000});

    Canvas& canvas() { return canvas_; }

    std::function<void()> onPaint;   // redraw from state; runs before the canvas is shown

protected:
    void paintEvent(QPaintEvent*) override;
    void mousePressEvent(QMouseEvent*) override;
    void mouseReleaseEvent(QMouseEvent*) override;
    void mouseMoveEvent(QMouseEvent*) override;

private:
    Canvas canvas_;
    bool painting_ = false;
    QRect dirty_;   // marked for the next paint since the last one
};
