#include "widgets/Chart.h"

#include <QChart>
#include <QChartView>
#include <QLineSeries>
#include <QVBoxLayout>
#include <QValueAxis>
#include <algorithm>

struct Chart::Series {
    SeriesKind kind;
    TColor color;
    QXYSeries* main = nullptr;                 // line or point series; bars: strokes of their own colour
    std::map<TColor, QLineSeries*> strokes;    // bars of other colours
    std::vector<QString> labels;               // one per point; empty when none was given
    int count = 0;
};

Chart::Chart(QWidget* parent)
    : QWidget(parent), view_(new QChartView(this)), chart_(new QChart), axisX_(new QValueAxis), axisY_(new QValueAxis)
{
    chart_->legend()->hide();
    chart_->setTitle({});
    chart_->addAxis(axisX_, Qt::AlignBottom);
    chart_->addAxis(axisY_, Qt::AlignLeft);
    view_->setChart(chart_);   // the view owns the chart
    view_->setRenderHint(QPainter::Antialiasing, false);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(view_);
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
    s->main = new QLineSeries;
    s->main->setColor(ToQColor(color));
    if (kind == SeriesKind::Point) {
        // Markers of a line series without its line: Qt Charts draws them in one pass,
        // where a scatter series keeps a graphics item per point (too slow for 100k).
        QPen none(Qt::NoPen);
        none.setColor(ToQColor(color));
        s->main->setPen(none);
        s->main->setPointsVisible(true);
        s->main->setMarkerSize(4);
    }
    chart_->addSeries(s->main);
    s->main->attachAxis(axisX_);
    s->main->attachAxis(axisY_);
    series_.push_back(std::move(s));
    return int(series_.size()) - 1;
}

QLineSeries* Chart::barStrokes(Series& s, TColor c)
{
    if (c == s.color)
        return static_cast<QLineSeries*>(s.main);
    auto it = s.strokes.find(c);
    if (it != s.strokes.end())
        return it->second;
    auto* strokes = new QLineSeries;
    strokes->setColor(ToQColor(c));
    chart_->addSeries(strokes);
    strokes->attachAxis(axisX_);
    strokes->attachAxis(axisY_);
    s.strokes.emplace(c, strokes);
    return strokes;
}

void Chart::clearSeries(int i)
{
    Series* s = find(i);
    if (!s)
        return;
    pendingPoints_.erase(s->main);
    pendingColors_.erase(s->main);
    s->main->clear();
    s->main->clearPointsConfiguration();
    for (auto& [c, strokes] : s->strokes) {
        pendingPoints_.erase(strokes);
        chart_->removeSeries(strokes);
        delete strokes;
    }
    s->strokes.clear();
    s->labels.clear();
    s->count = 0;
    empty_ = std::all_of(series_.begin(), series_.end(), [](const auto& e) { return e->count == 0; });
}

void Chart::addXY(int i, double x, double y, const QString& label, TColor color)
{
    Series* s = find(i);
    if (!s)
        return;
    const TColor c = color == SeriesColor ? s->color : color;
    if (s->kind == SeriesKind::Bar) {
        // A bar is the stroke 0 -> y -> 0 at x, so one line series holds many bars.
        pendingPoints_[barStrokes(*s, c)] << QPointF(x, 0) << QPointF(x, y) << QPointF(x, 0);
        include(x, 0);
    } else {
        QList<QPointF>& waiting = pendingPoints_[s->main];
        if (c != s->color)
            pendingColors_[s->main].push_back({int(s->main->count() + waiting.size()), c});
        waiting << QPointF(x, y);
    }
    if (!label.isEmpty()) {
        s->labels.resize(std::size_t(s->count) + 1);
        s->labels.back() = label;
    }
    ++s->count;
    include(x, y);
}

void Chart::addXYBulk(int i, const std::vector<QPointF>& points)
{
    Series* s = find(i);
    if (!s || points.empty())
        return;
    QList<QPointF>& list = pendingPoints_[s->main];
    if (s->kind == SeriesKind::Bar) {
        list.reserve(list.size() + qsizetype(points.size()) * 3);
        for (const QPointF& p : points)
            list << QPointF(p.x(), 0) << p << QPointF(p.x(), 0);
    } else {
        list.append(QList<QPointF>(points.begin(), points.end()));
    }
    s->count += int(points.size());
    for (const QPointF& p : points)
        include(p.x(), p.y());
    if (s->kind == SeriesKind::Bar)
        include(points.front().x(), 0);
}

int Chart::pointCount(int i) const
{
    const Series* s = find(i);
    return s ? s->count : 0;   // points still waiting for the flush count too
}

QString Chart::label(int i, int point) const
{
    const Series* s = find(i);
    if (!s || point < 0 || point >= int(s->labels.size()))
        return {};
    return s->labels[std::size_t(point)];
}

void Chart::include(double x, double y)
{
    if (empty_) {
        minX_ = maxX_ = x;
        minY_ = maxY_ = y;
        empty_ = false;
    } else {
        minX_ = std::min(minX_, x);
        maxX_ = std::max(maxX_, x);
        minY_ = std::min(minY_, y);
        maxY_ = std::max(maxY_, y);
    }
    scheduleFlush();
}

// Axes and series follow the data once per batch of additions, not once per point.
void Chart::scheduleFlush()
{
    if (flushPending_)
        return;
    flushPending_ = true;
    QMetaObject::invokeMethod(this, [this] { flush(); }, Qt::QueuedConnection);
}

void Chart::flush()
{
    flushPending_ = false;
    for (auto& [series, waiting] : pendingPoints_) {
        if (waiting.isEmpty())
            continue;
        QList<QPointF> all = series->points();
        all.append(waiting);
        series->replace(all);
    }
    pendingPoints_.clear();
    for (auto& [series, colors] : pendingColors_) {
        auto config = series->pointsConfiguration();
        for (const auto& [index, c] : colors)
            config[index][QXYSeries::PointConfiguration::Color] = ToQColor(c);
        series->setPointsVisible(true);   // a line shows point colours on its markers
        series->setPointsConfiguration(config);
    }
    pendingColors_.clear();
    if (!empty_) {
        const double padX = maxX_ > minX_ ? 0 : 1, padY = maxY_ > minY_ ? (maxY_ - minY_) * 0.05 : 1;
        axisX_->setRange(minX_ - padX, maxX_ + padX);
        axisY_->setRange(minY_ - padY, maxY_ + padY);
    }
}
