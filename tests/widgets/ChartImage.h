#pragma once
// A chart drawn to an image as the screen shows it, with its plot area and axes
// read from the chart, so that a test can look at the pixels where a value lies.
#include "widgets/Chart.h"

#include <QChart>
#include <QGraphicsScene>
#include <QGraphicsView>
#include <QImage>
#include <QValueAxis>

#include <cmath>
#include <set>

struct AxisRange {
    double min = 0, max = 0;
};

inline AxisRange ChartAxis(const Chart& chart, Qt::Orientation o)
{
    const auto* axis = static_cast<const QValueAxis*>(chart.chart()->axes(o).first());
    return {axis->min(), axis->max()};
}

class ChartImage {
public:
    explicit ChartImage(Chart& chart)
    {
        chart.flushNow();
        x_ = ChartAxis(chart, Qt::Horizontal);
        y_ = ChartAxis(chart, Qt::Vertical);
        image_ = chart.grab().toImage().convertToFormat(QImage::Format_RGB32);
        QGraphicsView* view = chart.chart()->scene()->views().first();
        const QPolygonF area = chart.chart()->mapToScene(chart.chart()->plotArea());
        plot_ = QRectF(view->mapTo(&chart, view->mapFromScene(area).boundingRect().topLeft()),
                       chart.chart()->plotArea().size());
    }

    const QImage& image() const { return image_; }
    const QRectF& plot() const { return plot_; }

    QPoint at(double x, double y) const
    {
        return {int(std::floor(plot_.left() + (x - x_.min) / (x_.max - x_.min) * plot_.width())),
                int(std::floor(plot_.bottom() - (y - y_.min) / (y_.max - y_.min) * plot_.height()))};
    }

    TColor pixel(QPoint p) const { return FromRgb32(image_.pixel(p)); }

    // The colours within r pixels of where (x, y) lies.
    std::set<TColor> coloursAround(double x, double y, int r = 1) const
    {
        std::set<TColor> found;
        const QPoint c = at(x, y);
        for (int dy = -r; dy <= r; ++dy)
            for (int dx = -r; dx <= r; ++dx)
                if (image_.valid(c.x() + dx, c.y() + dy))
                    found.insert(pixel({c.x() + dx, c.y() + dy}));
        return found;
    }

    // The pixel columns from where x0 lies to where x1 lies (a pixel in from
    // each end) without colour c within a pixel of the row where y lies: 0 when
    // a level line from x0 to x1 is drawn in c all along.
    int columnsMissing(double x0, double x1, double y, TColor c) const
    {
        int missing = 0;
        const int row = at(x0, y).y();
        for (int x = at(x0, y).x() + 1; x < at(x1, y).x(); ++x) {
            bool found = false;
            for (int dy = -1; dy <= 1 && !found; ++dy)
                found = image_.valid(x, row + dy) && pixel({x, row + dy}) == c;
            missing += !found;
        }
        return missing;
    }

    // Every colour inside the plot area.
    std::set<TColor> colours() const
    {
        std::set<TColor> found;
        const QRect area = plot_.toAlignedRect();
        for (int y = area.top(); y <= area.bottom(); ++y)
            for (int x = area.left(); x <= area.right(); ++x)
                if (image_.valid(x, y))
                    found.insert(pixel({x, y}));
        return found;
    }

    // Pixels of colour c inside the plot area.
    int count(TColor c) const
    {
        int n = 0;
        const QRect area = plot_.toAlignedRect();
        for (int y = area.top(); y <= area.bottom(); ++y)
            for (int x = area.left(); x <= area.right(); ++x)
                n += image_.valid(x, y) && pixel({x, y}) == c;
        return n;
    }

private:
    AxisRange x_, y_;
    QImage image_;
    QRectF plot_;
};
