#include "widgets/ImageBox.h"

#include "widgets/Bitmap.h"

#include <QCoreApplication>
#include <QDir>
#include <QMouseEvent>
#include <QPainter>
#include <algorithm>

ImageBox::ImageBox(QWidget* parent) : QWidget(parent), canvas_(1, 1, ColorWhite)
{
    setMouseTracking(true);
    canvas_.onChanged = [this](const QRect&) { update(); };
}

void ImageBox::setStretch(bool on)
{
    stretch_ = on;
    update();
}

void ImageBox::setPicture(const QString& path)
{
    picture_ = path;
    if (path.isEmpty())
        return;
    const QString full =
        QDir::isAbsolutePath(path) ? path : QCoreApplication::applicationDirPath() + "/" + path;
    loadPicture(full);   // a picture we do not have leaves the box blank
}

Canvas& ImageBox::canvas()
{
    // Code draws on a picture-less box at the box's size, as the control would.
    if (!hasPicture_ && (width() > canvas_.width() || height() > canvas_.height()))
        canvas_.resize(std::max(width(), canvas_.width()), std::max(height(), canvas_.height()), ColorWhite);
    return canvas_;
}

bool ImageBox::loadPicture(const QString& path)
{
    QImage img;
    if (!LoadBitmap(path, img))
        return false;
    canvas_.resize(img.width(), img.height(), ColorWhite);
    canvas_.draw(0, 0, img);
    hasPicture_ = true;
    return true;
}

void ImageBox::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    if (!hasPicture_ && canvas_.width() <= 1 && canvas_.height() <= 1)
        return;
    if (stretch_)
        p.drawImage(rect(), canvas_.image());
    else
        p.drawImage(0, 0, canvas_.image());
}

void ImageBox::mousePressEvent(QMouseEvent* e)
{
    forwardPress(e);
}

void ImageBox::mouseReleaseEvent(QMouseEvent* e)
{
    forwardRelease(e);
}

void ImageBox::mouseMoveEvent(QMouseEvent* e)
{
    forwardMove(e);
}
