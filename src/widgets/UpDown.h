// Two small arrow buttons over a clamped position. Setting the position runs nothing and
// touches no edit; a user press moves it by one (clamped) and then emits clicked(up).
#pragma once

#include <QWidget>

class QToolButton;

class UpDown : public QWidget {
    Q_OBJECT
    Q_PROPERTY(int min READ min WRITE setMin)
    Q_PROPERTY(int max READ max WRITE setMax)
    Q_PROPERTY(int position READ position WRITE setPosition)

public:
    explicit UpDown(QWidget* parent = nullptr);

    int min() const { return min_; }
    void setMin(int v);
    int max() const { return max_; }
    void setMax(int v);
    int position() const { return position_; }
    void setPosition(int v);

    void press(bool up);   // what a user press does; also used by tests

signals:
    void clicked(bool up);

protected:
    void resizeEvent(QResizeEvent*) override;

private:
    int clamp(int v) const;

    int min_ = 0, max_ = 100, position_ = 0;
    QToolButton* up_;
    QToolButton* down_;
};
