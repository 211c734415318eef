// What a chart series shows on a plot area of a given size: the strokes and dots
// to paint, at most a few per pixel column however many points the series holds.
// A line is drawn from point to point, each stretch in the colour of the point it
// reaches; where many points share a pixel column, each colour's stretches there
// are replaced by the path through their first point, lowest and highest point
// and last point, which covers the same pixels. A bar is a stroke from 0 to its
// value; bars sharing a column become one stroke per colour from the lowest to
// the highest. Of dots drawn on the same pixel only the last one shows, so only
// that one is kept. Columns with several colours keep them in the order of their
// last point, so the colour drawn last stays on top.
#pragma once

#include "widgets/Colors.h"

#include <QLineF>
#include <QPointF>
#include <QRectF>
#include <vector>

// The value ranges of a plot area and where it lies on the device, in pixels:
// values map linearly onto area.left() .. area.right() (x growing rightwards)
// and area.bottom() .. area.top() (y growing upwards). Pixel columns are the
// device's, so a summary matches what the painter lights.
struct PlotFrame {
    double minX = 0, maxX = 1, minY = 0, maxY = 1;
    QRectF area;

    double scaleX() const { return area.width() / (maxX - minX); }
    double pixelX(double x) const { return area.left() + (x - minX) * scaleX(); }
    double pixelY(double y) const { return area.bottom() - (y - minY) * (area.height() / (maxY - minY)); }
    QPointF toPixel(double x, double y) const { return {pixelX(x), pixelY(y)}; }
    QPointF toPixel(const QPointF& p) const { return toPixel(p.x(), p.y()); }
    bool operator==(const PlotFrame&) const = default;
};

struct PlotStroke {
    QLineF line;
    TColor color;
};

struct PlotDot {
    QPointF at;
    TColor color;
};

// colors holds one colour per point, or is empty when every point has
// seriesColor. Points with a coordinate that is not finite are left out (a line
// is broken there).
std::vector<PlotStroke> SummariseLine(const std::vector<QPointF>& points, const std::vector<TColor>& colors,
                                      TColor seriesColor, const PlotFrame& frame);
std::vector<PlotStroke> SummariseBars(const std::vector<QPointF>& points, const std::vector<TColor>& colors,
                                      TColor seriesColor, const PlotFrame& frame);
std::vector<PlotDot> SummariseDots(const std::vector<QPointF>& points, const std::vector<TColor>& colors,
                                   TColor seriesColor, const PlotFrame& frame);
