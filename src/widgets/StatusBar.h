// The one-line status bar (simple text). A new text is shown by the next ordinary paint,
// after the handler that set it; a handler that has run for longer than about 0.3 s (a
// check on a large table) gets no paints meanwhile, so there the bar repaints itself at
// once, at most a few times a second, taking no other input. The edge (top or bottom) is
// laid out by the Form that holds it. The bar is opaque.
#pragma once

#include <QFrame>

class StatusBar : public QFrame {
    Q_OBJECT
    Q_PROPERTY(QString simpleText READ simpleText WRITE setSimpleText)

public:
    enum class Edge { Top, Bottom };
    static constexpr int kHeight = 23;   // pixels; the field pictures leave this room under a top bar

    explicit StatusBar(QWidget* parent = nullptr);

    void setSimpleText(const QString& text);
    QString simpleText() const;
    // Whether a progress text given now would be seen: a long command reports
    // progress far more often than anyone can read it, so it formats a text only
    // when this says so (at most every 50 ms).
    bool progressDue();
    // Whether a text given now could be seen before the handler returns: only a
    // handler that has run long enough for the bar to repaint itself meanwhile
    // shows texts before its last. A command that reports every one of thousands
    // of small steps need not format the texts no one can see.
    bool repaintsWhileBusy() const;
    void setEdge(Edge e);   // emits edgeChanged on a change
    Edge edge() const { return edge_; }

    int forcedRepaints() const { return forcedRepaints_; }   // counted for tests
    QSize sizeHint() const override;

signals:
    void edgeChanged();

protected:
    void paintEvent(QPaintEvent* e) override;

private:
    QRect textRect() const;

    QString text_;
    bool paintDue_ = false;   // an update was asked for and has not been painted yet
    Edge edge_ = Edge::Bottom;
    qint64 lastRepaintMs_ = -1;   // on the handler clock (Handlers.h); -1: none yet
    qint64 lastProgressMs_ = -1;
    int forcedRepaints_ = 0;
};
