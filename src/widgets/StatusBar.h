// The one-line status bar (simple text). Inside a long handler a new text is painted at
// once at most about ten times a second; between those the newest text is shown by the
// next ordinary repaint. The edge (top or bottom) is laid out by the Form that holds it.
// The bar is opaque.
#pragma once

#include <QElapsedTimer>
#include <QFrame>

class QLabel;

class StatusBar : public QFrame {
    Q_OBJECT
    Q_PROPERTY(QString simpleText READ simpleText WRITE setSimpleText)

public:
    enum class Edge { Top, Bottom };
    static constexpr int kHeight = 23;   // pixels; the field pictures leave this room under a top bar

    explicit StatusBar(QWidget* parent = nullptr);

    void setSimpleText(const QString& text);
    QString simpleText() const;
    void setEdge(Edge e);   // emits edgeChanged on a change
    Edge edge() const { return edge_; }

    int forcedRepaints() const { return forcedRepaints_; }   // counted for tests
    QSize sizeHint() const override;

signals:
    void edgeChanged();

protected:
    void resizeEvent(QResizeEvent* e) override;

private:
    void placeLabel();

    QLabel* label_;
    Edge edge_ = Edge::Bottom;
    QElapsedTimer sinceRepaint_;
    int forcedRepaints_ = 0;
};
