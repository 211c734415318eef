#include "widgets/ChartSummary.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

namespace {

bool Finite(const QPointF& p) { return std::isfinite(p.x()) && std::isfinite(p.y()); }

// The end (exclusive) of the run of finite points from i on that share i's pixel column.
std::size_t ColumnRunEnd(const std::vector<QPointF>& points, const PlotFrame& frame, std::size_t i)
{
    // pixelX's arithmetic, with the scale worked out once.
    const double left = frame.area.left(), minX = frame.minX, scale = frame.scaleX();
    const double column = std::floor(left + (points[i].x() - minX) * scale);
    std::size_t k = i + 1;
    for (; k < points.size() && Finite(points[k]); ++k) {
        const double x = left + (points[k].x() - minX) * scale;
        if (!(x >= column && x < column + 1))
            break;
    }
    return k;
}

// One colour's share of a pixel column: the indices of its first and last
// point and of its highest and lowest point.
struct ColourShare {
    TColor color;
    std::size_t first, last, high, low;
};

ColourShare& ShareOf(std::vector<ColourShare>& shares, TColor color, std::size_t first)
{
    for (ColourShare& s : shares)
        if (s.color == color)
            return s;
    shares.push_back({color, first, first, first, first});
    return shares.back();
}

void Include(ColourShare& s, const std::vector<QPointF>& points, std::size_t k)
{
    s.last = std::max(s.last, k);
    if (points[k].y() > points[s.high].y())
        s.high = k;
    if (points[k].y() < points[s.low].y())
        s.low = k;
}

} // namespace

std::vector<PlotStroke> SummariseLine(const std::vector<QPointF>& points, const std::vector<TColor>& colors,
                                      TColor seriesColor, const PlotFrame& frame)
{
    auto colorOf = [&](std::size_t k) { return colors.empty() ? seriesColor : colors[k]; };
    auto stretch = [&](std::size_t a, std::size_t b, TColor c) {
        return PlotStroke{{frame.toPixel(points[a]), frame.toPixel(points[b])}, c};
    };
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
            strokes.push_back(stretch(i - 1, i, colorOf(i)));
        // The stretches inside i's pixel column, each ending at point k.
        const std::size_t end = ColumnRunEnd(points, frame, i);
        shares.clear();
        for (std::size_t k = i + 1; k < end; ++k) {
            ColourShare& s = ShareOf(shares, colorOf(k), k - 1);
            Include(s, points, k - 1);
            Include(s, points, k);
        }
        // The colour whose stretch came last is drawn last.
        std::stable_sort(shares.begin(), shares.end(),
                         [](const ColourShare& a, const ColourShare& b) { return a.last < b.last; });
        for (const ColourShare& s : shares) {
            const std::size_t path[4] = {s.first, std::min(s.high, s.low), std::max(s.high, s.low), s.last};
            for (int j = 1; j < 4; ++j)
                if (path[j] != path[j - 1])
                    strokes.push_back(stretch(path[j - 1], path[j], s.color));
        }
        joined = true;
        i = end;
    }
    return strokes;
}

std::vector<PlotStroke> SummariseBars(const std::vector<QPointF>& points, const std::vector<TColor>& colors,
                                      TColor seriesColor, const PlotFrame& frame)
{
    auto colorOf = [&](std::size_t k) { return colors.empty() ? seriesColor : colors[k]; };
    const double base = frame.pixelY(0);
    std::vector<PlotStroke> strokes;
    // One colour's bars in a column: the last of them and how far up and down they reach.
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
        const std::size_t end = ColumnRunEnd(points, frame, i);
        extents.clear();
        for (std::size_t k = i; k < end; ++k) {
            const double y = frame.pixelY(points[k].y());
            const double top = std::min(base, y), bottom = std::max(base, y);
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
            const double x = frame.pixelX(points[e.last].x());
            strokes.push_back({{QPointF(x, e.bottom), QPointF(x, e.top)}, e.color});
        }
        i = end;
    }
    return strokes;
}

std::vector<PlotDot> SummariseDots(const std::vector<QPointF>& points, const std::vector<TColor>& colors,
                                   TColor seriesColor, const PlotFrame& frame)
{
    const double left = std::floor(frame.area.left()), top = std::floor(frame.area.top());
    const double width = std::floor(frame.area.right()) - left + 1, height = std::floor(frame.area.bottom()) - top + 1;
    if (!(width >= 1 && height >= 1))
        return {};
    // The last point on each pixel; a point off the plot area has no pixel and is clipped anyway.
    constexpr std::uint32_t none = UINT32_MAX;
    auto cellOf = [&](std::size_t k) -> std::int64_t {
        if (!Finite(points[k]))
            return -1;
        const QPointF p = frame.toPixel(points[k]);
        const double x = std::floor(p.x()) - left, y = std::floor(p.y()) - top;
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
            dots.push_back({frame.toPixel(points[k]), colors.empty() ? seriesColor : colors[k]});
    return dots;
}
