#include "widgets/Chart.h"

#include "widgets/ChartSummary.h"

#include <QChart>
#include <QChartView>
#include <QGraphicsItem>
#include <QPainter>
#include <QVBoxLayout>
#include <QValueAxis>
#include <algorithm>
#include <cmath>

struct Chart::Series {
    SeriesKind kind;
    TColor color;
    std::vector<QPointF> points;   // every point as given
    std::vector<TColor> colors;    // one per point once a point differs from the series' colour
    std::vector<QString> labels;   // one per point; empty when none was given
    // The range of the finite points (a bar reaches from 0).
    bool bounded = false;
    double minX = 0, maxX = 0, minY = 0, maxY = 0;
    // What the plot area shows, for the frame it was made for.
    bool summarised = false;
    PlotFrame frame;
    std::vector<PlotStroke> strokes;
    std::vector<PlotDot> dots;

    void include(double x, double y)
    {
        if (!std::isfinite(x) || !std::isfinite(y))
            return;
        if (!bounded) {
            minX = maxX = x;
            minY = maxY = y;
            bounded = true;
            return;
        }
        minX = std::min(minX, x);
        maxX = std::max(maxX, x);
        minY = std::min(minY, y);
        maxY = std::max(maxY, y);
    }
};

// The series over the plot area of the chart, above its grid and axes, clipped
// to the plot area as the chart clips its own series.
class Chart::SeriesLayer : public QGraphicsItem {
public:
    SeriesLayer(Chart& owner, QGraphicsItem* parent) : QGraphicsItem(parent), owner_(owner) { setZValue(5); }

    void setSize(const QSizeF& size)
    {
        prepareGeometryChange();
        size_ = size;
    }
    QRectF boundingRect() const override { return QRectF(QPointF(0, 0), size_).adjusted(-5, -5, 5, 5); }

    void paint(QPainter* painter, const QStyleOptionGraphicsItem*, QWidget*) override
    {
        // Half a pixel more where the plot area's edges fall between pixels, so
        // that a line along an edge still shows; never more.
        const qreal x1 = pos().x() - int(pos().x()), y1 = pos().y() - int(pos().y());
        const qreal x2 = (size_.width() + 0.5) - int(size_.width() + 0.5);
        const qreal y2 = (size_.height() + 0.5) - int(size_.height() + 0.5);
        painter->save();
        painter->setClipRect(QRectF(QPointF(0, 0), size_).adjusted(-x1, -y1, std::max(x1, x2), std::max(y1, y2)));
        owner_.paintSeries(*painter, size_);
        painter->restore();
    }

private:
    Chart& owner_;
    QSizeF size_;
};

Chart::Chart(QWidget* parent)
    : QWidget(parent), view_(new QChartView(this)), chart_(new QChart), axisX_(new QValueAxis), axisY_(new QValueAxis)
{
    chart_->legend()->hide();
    chart_->setTitle({});
    chart_->addAxis(axisX_, Qt::AlignBottom);
    chart_->addAxis(axisY_, Qt::AlignLeft);
    layer_ = new SeriesLayer(*this, chart_);
    connect(chart_, &QChart::plotAreaChanged, this, [this] { placeLayer(); });
    view_->setChart(chart_);   // the view owns the chart
    view_->setRenderHint(QPainter::Antialiasing, false);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(view_);
    placeLayer();
}

Chart::~Chart() = default;

Chart::Series* Chart::find(int s) const
{
    return s >= 0 && s < int(series_.size()) ? series_[std::size_t(s)].get() : nullptr;
}

int Chart::addSeries(SeriesKind kind, TColor color)
{
    auto s = std::make_unique<Series>();
    s->kind = kind;
    s->color = color;
    series_.push_back(std::move(s));
    return int(series_.size()) - 1;
}

void Chart::changed(Series& s)
{
    s.summarised = false;
    scheduleFlush();
}

void Chart::clearSeries(int i)
{
    Series* s = find(i);
    if (!s)
        return;
    // The memory goes too: a cleared series of 100000 points keeps none of it.
    std::vector<QPointF>().swap(s->points);
    std::vector<TColor>().swap(s->colors);
    std::vector<QString>().swap(s->labels);
    s->bounded = false;
    changed(*s);
}

void Chart::addXY(int i, double x, double y, const QString& label, TColor color)
{
    Series* s = find(i);
    if (!s)
        return;
    const TColor c = color == SeriesColor ? s->color : color;
    if (c != s->color || !s->colors.empty()) {
        s->colors.resize(s->points.size(), s->color);
        s->colors.push_back(c);
    }
    if (!label.isEmpty()) {
        s->labels.resize(s->points.size() + 1);
        s->labels.back() = label;
    }
    s->points.emplace_back(x, y);
    s->include(x, y);
    if (s->kind == SeriesKind::Bar)
        s->include(x, 0);
    changed(*s);
}

void Chart::addXYBulk(int i, const std::vector<QPointF>& points, const std::vector<TColor>& colors)
{
    Series* s = find(i);
    if (!s || points.empty())
        return;
    auto own = [s](TColor c) { return c == SeriesColor ? s->color : c; };
    const bool colored =
        std::any_of(colors.begin(), colors.end(), [&](TColor c) { return own(c) != s->color; });
    if (colored || !s->colors.empty()) {
        s->colors.resize(s->points.size(), s->color);
        for (std::size_t k = 0; k < points.size(); ++k)
            s->colors.push_back(k < colors.size() ? own(colors[k]) : s->color);
    }
    s->points.insert(s->points.end(), points.begin(), points.end());
    for (const QPointF& p : points) {
        s->include(p.x(), p.y());
        if (s->kind == SeriesKind::Bar)
            s->include(p.x(), 0);
    }
    changed(*s);
}

int Chart::pointCount(int i) const
{
    const Series* s = find(i);
    return s ? int(s->points.size()) : 0;
}

QPointF Chart::point(int i, int k) const
{
    const Series* s = find(i);
    if (!s || k < 0 || k >= int(s->points.size()))
        return {};
    return s->points[std::size_t(k)];
}

QString Chart::label(int i, int point) const
{
    const Series* s = find(i);
    if (!s || point < 0 || point >= int(s->labels.size()))
        return {};
    return s->labels[std::size_t(point)];
}

// Axes and drawing follow the data once per batch of additions, not once per point.
void Chart::scheduleFlush()
{
    if (flushPending_)
        return;
    flushPending_ = true;
    QMetaObject::invokeMethod(this, [this] { flush(); }, Qt::QueuedConnection);
}

// The axes fit the points the chart holds now, with a margin of 5% above and
// below and one unit around a range of a single value; a chart without points
// keeps its axes.
void Chart::flush()
{
    flushPending_ = false;
    bool any = false;
    double minX = 0, maxX = 0, minY = 0, maxY = 0;
    for (const auto& s : series_) {
        if (!s->bounded)
            continue;
        minX = any ? std::min(minX, s->minX) : s->minX;
        maxX = any ? std::max(maxX, s->maxX) : s->maxX;
        minY = any ? std::min(minY, s->minY) : s->minY;
        maxY = any ? std::max(maxY, s->maxY) : s->maxY;
        any = true;
    }
    if (any) {
        const double padX = maxX > minX ? 0 : 1, padY = maxY > minY ? (maxY - minY) * 0.05 : 1;
        axisX_->setRange(minX - padX, maxX + padX);
        axisY_->setRange(minY - padY, maxY + padY);
    }
    layer_->update();
}

void Chart::placeLayer()
{
    const QRectF area = chart_->plotArea();
    layer_->setPos(area.topLeft());
    layer_->setSize(area.size());
}

// Drawn in device pixels, so that the summary's pixel columns are the device's.
void Chart::paintSeries(QPainter& painter, const QSizeF& size)
{
    const PlotFrame frame{axisX_->min(), axisX_->max(), axisY_->min(), axisY_->max(),
                          painter.deviceTransform().mapRect(QRectF(QPointF(0, 0), size))};
    if (!(frame.maxX > frame.minX && frame.maxY > frame.minY) || frame.area.isEmpty())
        return;
    painter.resetTransform();
    std::vector<QLineF> lines;
    for (const auto& s : series_) {
        if (!s->summarised || !(s->frame == frame)) {
            s->strokes.clear();
            s->dots.clear();
            if (s->kind == SeriesKind::Line)
                s->strokes = SummariseLine(s->points, s->colors, s->color, frame);
            else if (s->kind == SeriesKind::Bar)
                s->strokes = SummariseBars(s->points, s->colors, s->color, frame);
            else
                s->dots = SummariseDots(s->points, s->colors, s->color, frame);
            s->summarised = true;
            s->frame = frame;
        }
        // Strokes of one colour in a row go to the painter together.
        for (std::size_t k = 0; k < s->strokes.size();) {
            const TColor c = s->strokes[k].color;
            lines.clear();
            for (; k < s->strokes.size() && s->strokes[k].color == c; ++k)
                lines.push_back(s->strokes[k].line);
            painter.setPen(QPen(ToQColor(c), 1));
            painter.drawLines(lines.data(), int(lines.size()));
        }
        painter.setPen(Qt::NoPen);
        for (const PlotDot& d : s->dots) {
            painter.setBrush(ToQColor(d.color));
            painter.drawEllipse(d.at, 4, 4);
        }
    }
}
