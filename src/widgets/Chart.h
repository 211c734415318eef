// A chart without legend or title holding line, point and bar series, each
// point in its own colour or its series' colour. A line is drawn from point to
// point, each stretch in the colour of the point it reaches; a point series
// draws a dot per point; a bar series draws each bar as a thin vertical stroke
// from 0 to y. The axes fit the points the chart holds. The chart keeps every
// point it is given and draws from a summary of a few strokes per pixel column
// (ChartSummary.h), made again when the plot area changes size, so a series of
// 100000 points draws as fast as one of a thousand. Labels are kept but not drawn.
#pragma once

#include "widgets/Colors.h"

#include <QPointF>
#include <QString>
#include <QWidget>
#include <memory>
#include <vector>

class QChart;
class QChartView;
class QPainter;
class QValueAxis;

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
    // Points at once; colors holds one colour per point, or is empty for the series' colour.
    void addXYBulk(int s, const std::vector<QPointF>& points, const std::vector<TColor>& colors = {});
    int pointCount(int s) const;        // 0 for an unknown series
    QPointF point(int s, int i) const;  // as given; (0, 0) when there is none
    int seriesCount() const { return int(series_.size()); }
    QString label(int s, int i) const;
    void flushNow() { flush(); }   // fit the axes and redraw at once, not when the handler returns
    QChart* chart() const { return chart_; }

private:
    struct Series;
    class SeriesLayer;
    Series* find(int s) const;
    void changed(Series& s);
    void scheduleFlush();
    void flush();
    void placeLayer();
    void paintSeries(QPainter& painter, const QSizeF& size);

    QChartView* view_;
    QChart* chart_;
    QValueAxis* axisX_;
    QValueAxis* axisY_;
    SeriesLayer* layer_;   // the series, drawn over the plot area; owned by the chart
    std::vector<std::unique_ptr<Series>> series_;
    bool flushPending_ = false;
};
