// A chart without legend or title holding line, point and bar series. Points may carry
// their own colour: point and line series colour single points (Qt's per-point
// configuration, shown on the point markers; a point series is a line series that shows
// only its markers); bar series draw each bar as a thin vertical
// stroke from 0 to y, one stroke series per colour. Labels are kept but not drawn.
#pragma once

#include "widgets/Colors.h"

#include <QPointF>
#include <QString>
#include <QWidget>
#include <map>
#include <memory>
#include <vector>

class QChart;
class QChartView;
class QLineSeries;
class QValueAxis;
class QXYSeries;

enum class SeriesKind { Line, Point, Bar };

class Chart : public QWidget {
    Q_OBJECT

public:
    static constexpr TColor SeriesColor = 0xFFFFFFFF;   // "use the series' own colour"

    explicit Chart(QWidget* parent = nullptr);
    ~Chart() override;

    int addSeries(SeriesKind kind, TColor color);   // returns the series index
    void clearSeries(int s);
    void addXY(int s, double x, double y, const QString& label = {}, TColor color = SeriesColor);
    void addXYBulk(int s, const std::vector<QPointF>& points);   // one append, series colour
    int pointCount(int s) const;                                 // 0 for an unknown series
    int seriesCount() const { return int(series_.size()); }
    QString label(int s, int i) const;
    void flushNow() { flush(); }   // hand waiting points to Qt Charts at once
    QChart* chart() const { return chart_; }

private:
    struct Series;
    Series* find(int s) const;
    QLineSeries* barStrokes(Series& s, TColor c);
    void include(double x, double y);
    void scheduleFlush();
    void flush();

    QChartView* view_;
    QChart* chart_;
    QValueAxis* axisX_;
    QValueAxis* axisY_;
    std::vector<std::unique_ptr<Series>> series_;
    double minX_ = 0, maxX_ = 0, minY_ = 0, maxY_ = 0;
    bool empty_ = true;
    bool flushPending_ = false;
    // Points wait here until the handler returns: Qt Charts redraws a series for every
    // appended point, so they reach it in one replace per series.
    std::map<QXYSeries*, QList<QPointF>> pendingPoints_;
    std::map<QXYSeries*, std::vector<std::pair<int, TColor>>> pendingColors_;
};
