#include "widgets/ChartSummary.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

namespace {

bool Finite(const QPointF& p) { return std::isfinite(p.x()) && std::isfinite(p.y()); }

// The points on the plot area; points that are not finite stay where they are
// and are told apart by Finite on the values.
std::vector<QPointF> ToPixels(const std::vector<QPointF>& points, const PlotFrame& frame)
{
    std::vector<QPointF> pixels(points.size());
    for (std::size_t k = 0; k < points.size(); ++k)
        if (Finite(points[k]))
            pixels[k] = frame.toPixel(points[k].x(), points[k].y());
    return pixels;
}

// The end of the run of finite points from i on that share i's pixel column.
std::size_t ColumnRunEnd(const std::vector<QPointF>& points, const std::vector<QPointF>& pixels, std::size_t i)
{
    const double column = std::floor(pixels[i].x());
    std::size_t b = i;
    while (b + 1 < points.size() && Finite(points[b + 1]) && std::floor(pixels[b + 1].x()) == column)
        ++b;
    return b;
}

// One colour's share of a pixel column: the indices of its first and last
// point and of its points nearest the top and the bottom of the plot area.
struct ColourShare {
    TColor color;
    std::size_t first, last, top, bottom;
};

ColourShare& ShareOf(std::vector<ColourShare>& shares, TColor color, std::size_t first)
{
    for (ColourShare& s : shares)
        if (s.color == color)
            return s;
    shares.push_back({color, first, first, first, first});
    return shares.back();
}

void Include(ColourShare& s, const std::vector<QPointF>& pixels, std::size_t k)
{
    s.last = std::max(s.last, k);
    if (pixels[k].y() < pixels[s.top].y())
        s.top = k;
    if (pixels[k].y() > pixels[s.bottom].y())
        s.bottom = k;
}

void SortByLastPoint(std::vector<ColourShare>& shares)
{
    std::stable_sort(shares.begin(), shares.end(),
                     [](const ColourShare& a, const ColourShare& b) { return a.last < b.last; });
}

} // namespace

std::vector<PlotStroke> SummariseLine(const std::vector<QPointF>& points, const std::vector<TColor>& colors,
                                      TColor seriesColor, const PlotFrame& frame)
{
    auto colorOf = [&](std::size_t k) { return colors.empty() ? seriesColor : colors[k]; };
    const std::vector<QPointF> pixels = ToPixels(points, frame);
    std::vector<PlotStroke> strokes;
    std::vector<ColourShare> shares;
    bool joined = false;   // the previous point is finite: the line comes from it
    for (std::size_t i = 0; i < points.size();) {
        if (!Finite(points[i])) {
            joined = false;
            ++i;
            continue;
        }
        if (joined)
            strokes.push_back({{pixels[i - 1], pixels[i]}, colorOf(i)});
        // The stretches inside the column, each ending at point k.
        const std::size_t b = ColumnRunEnd(points, pixels, i);
        shares.clear();
        for (std::size_t k = i + 1; k <= b; ++k) {
            ColourShare& s = ShareOf(shares, colorOf(k), k - 1);
            Include(s, pixels, k - 1);
            Include(s, pixels, k);
        }
        SortByLastPoint(shares);
        for (const ColourShare& s : shares) {
            std::size_t path[4] = {s.first, std::min(s.top, s.bottom), std::max(s.top, s.bottom), s.last};
            for (int j = 1; j < 4; ++j)
                if (path[j] != path[j - 1])
                    strokes.push_back({{pixels[path[j - 1]], pixels[path[j]]}, s.color});
        }
        joined = true;
        i = b + 1;
    }
    return strokes;
}

std::vector<PlotStroke> SummariseBars(const std::vector<QPointF>& points, const std::vector<TColor>& colors,
                                      TColor seriesColor, const PlotFrame& frame)
{
    auto colorOf = [&](std::size_t k) { return colors.empty() ? seriesColor : colors[k]; };
    const std::vector<QPointF> pixels = ToPixels(points, frame);
    const double base = frame.toPixel(0, 0).y();
    std::vector<PlotStroke> strokes;
    struct Extent {
        TColor color;
        std::size_t last;
        double top, bottom;
    };
    std::vector<Extent> extents;
    for (std::size_t i = 0; i < points.size();) {
        if (!Finite(points[i])) {
            ++i;
            continue;
        }
        const std::size_t b = ColumnRunEnd(points, pixels, i);
        extents.clear();
        for (std::size_t k = i; k <= b; ++k) {
            const double top = std::min(base, pixels[k].y()), bottom = std::max(base, pixels[k].y());
            auto e = std::find_if(extents.begin(), extents.end(), [&](const Extent& x) { return x.color == colorOf(k); });
            if (e == extents.end()) {
                extents.push_back({colorOf(k), k, top, bottom});
            } else {
                e->last = k;
                e->top = std::min(e->top, top);
                e->bottom = std::max(e->bottom, bottom);
            }
        }
        std::stable_sort(extents.begin(), extents.end(), [](const Extent& a, const Extent& b) { return a.last < b.last; });
        for (const Extent& e : extents) {
            const double x = pixels[e.last].x();
            strokes.push_back({{QPointF(x, e.bottom), QPointF(x, e.top)}, e.color});
        }
        i = b + 1;
    }
    return strokes;
}

std::vector<PlotDot> SummariseDots(const std::vector<QPointF>& points, const std::vector<TColor>& colors,
                                   TColor seriesColor, const PlotFrame& frame)
{
    const std::vector<QPointF> pixels = ToPixels(points, frame);
    const double left = std::floor(frame.area.left()), top = std::floor(frame.area.top());
    const double width = std::floor(frame.area.right()) - left + 1, height = std::floor(frame.area.bottom()) - top + 1;
    if (!(width >= 1 && height >= 1))
        return {};
    // The last point on each pixel; a point off the plot area has no pixel and is clipped anyway.
    constexpr std::uint32_t none = UINT32_MAX;
    auto cellOf = [&](std::size_t k) -> std::int64_t {
        if (!Finite(points[k]))
            return -1;
        const double x = std::floor(pixels[k].x()) - left, y = std::floor(pixels[k].y()) - top;
        if (!(x >= 0 && x < width && y >= 0 && y < height))
            return -1;
        return std::int64_t(y) * std::int64_t(width) + std::int64_t(x);
    };
    std::vector<std::uint32_t> lastOnCell(std::size_t(width * height), none);
    for (std::size_t k = 0; k < points.size(); ++k)
        if (const std::int64_t cell = cellOf(k); cell >= 0)
            lastOnCell[std::size_t(cell)] = std::uint32_t(k);
    std::vector<PlotDot> dots;
    for (std::size_t k = 0; k < points.size(); ++k)
        if (const std::int64_t cell = cellOf(k); cell >= 0 && lastOnCell[std::size_t(cell)] == k)
            dots.push_back({pixels[k], colors.empty() ? seriesColor : colors[k]});
    return dots;
}
