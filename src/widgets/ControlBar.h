// The toolbar strip: a frame whose children sit at absolute positions. A press on its
// free area (not on a child) emits freeAreaClicked with the point in bar coordinates.
#pragma once

#include <QFrame>

class ControlBar : public QFrame {
    Q_OBJECT

public:
    explicit ControlBar(QWidget* parent = nullptr);

signals:
    void freeAreaClicked(int x, int y);

protected:
    void mousePressEvent(QMouseEvent*) override;
};
