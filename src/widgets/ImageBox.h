// The picture control: its own Canvas, shown at its natural size or stretched over the
// control. The picture property names a file relative to the program's folder; a
// missing file leaves the box blank. The canvas grows with the control, keeping its pixels.
#pragma once

#include "widgets/Canvas.h"
#include "widgets/MouseHooks.h"

#include <QWidget>
#include <functional>

class ImageBox : public QWidget, public MouseHooks {
    Q_OBJECT
    Q_PROPERTY(bool stretch READ stretch WRITE setStretch)
    Q_PROPERTY(QString picture READ picture WRITE setPicture)

public:
    explicit ImageBox(QWidget* parent = nullptr);

    bool stretch() const { return stretch_; }
    void setStretch(bool on);
    QString picture() const { return picture_; }
    void setPicture(const QString& path);

    Canvas& canvas();
    bool loadPicture(const QString& path);   // canvas takes the picture's size; false on failure


protected:
    void paintEvent(QPaintEvent*) override;
    void mousePressEvent(QMouseEvent*) override;
    void mouseReleaseEvent(QMouseEvent*) override;
    void mouseMoveEvent(QMouseEvent*) override;

private:
    Canvas canvas_;
    bool stretch_ = false;
    bool hasPicture_ = false;
    QString picture_;
};
