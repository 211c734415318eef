// The chart drawn to an image: every series and point in the colour given,
// whatever the theme; axes that fit the points held after a clear; and a series
// of many points drawn from its summary with the same pixels, extremes kept.
#include "ChartImage.h"
#include "widgets/ChartSummary.h"

#include <QPainter>
#include <gtest/gtest.h>

#include <functional>
#include <random>

namespace {

struct ColourCase {
    const char* name;
    SeriesKind kind;
    TColor seriesColour, pointColour, shown;
};

const ColourCase kColourCases[] = {
    {"black line", SeriesKind::Line, ColorBlack, Chart::SeriesColor, ColorBlack},
    {"black line, points black", SeriesKind::Line, ColorBlack, ColorBlack, ColorBlack},
    {"green line", SeriesKind::Line, ColorGreen, ColorGreen, ColorGreen},
    {"red line, points blue", SeriesKind::Line, ColorRed, ColorBlue, ColorBlue},
    {"red dots", SeriesKind::Point, ColorRed, ColorRed, ColorRed},
    {"black dots", SeriesKind::Point, ColorBlack, Chart::SeriesColor, ColorBlack},
    {"red dots, points green", SeriesKind::Point, ColorRed, ColorGreen, ColorGreen},
    {"green bars", SeriesKind::Bar, ColorGreen, Chart::SeriesColor, ColorGreen},
    {"green bars, bars maroon", SeriesKind::Bar, ColorGreen, ColorMaroon, ColorMaroon},
};

} // namespace

TEST(ChartColours, EverySeriesAndPointInTheColourGivenWhateverTheTheme)
{
    for (const QChart::ChartTheme theme : {QChart::ChartThemeLight, QChart::ChartThemeDark, QChart::ChartThemeBlueIcy}) {
        for (const ColourCase& c : kColourCases) {
            SCOPED_TRACE(std::string(c.name) + ", theme " + std::to_string(int(theme)));
            Chart chart;
            chart.resize(400, 250);
            chart.chart()->setTheme(theme);
            const int s = chart.addSeries(c.kind, c.seriesColour);
            for (int k = 0; k <= 10; ++k)
                chart.addXY(s, k, 5, {}, c.pointColour);
            const ChartImage drawn(chart);
            // Lines and dots at y = 5; bars reach from 0 to 5.
            const double y = c.kind == SeriesKind::Bar ? 2.5 : 5;
            for (const double x : {2.0, 5.0, 8.0})
                EXPECT_TRUE(drawn.coloursAround(x, y).count(c.shown)) << "x " << x;
            if (c.shown != c.seriesColour) {
                EXPECT_EQ(drawn.count(c.seriesColour), 0);
            }
        }
    }
}

// Along a line each stretch has the colour of the point it reaches.
TEST(ChartColours, AStretchOfALineTakesTheColourOfThePointItReaches)
{
    Chart chart;
    chart.resize(400, 250);
    const int s = chart.addSeries(SeriesKind::Line, ColorRed);
    chart.addXY(s, 0, 0);
    chart.addXY(s, 10, 0);
    chart.addXY(s, 20, 0, {}, ColorBlue);
    chart.addXY(s, 30, 0, {}, ColorBlack);
    const ChartImage drawn(chart);
    EXPECT_TRUE(drawn.coloursAround(5, 0).count(ColorRed));
    EXPECT_TRUE(drawn.coloursAround(15, 0).count(ColorBlue));
    EXPECT_TRUE(drawn.coloursAround(25, 0).count(ColorBlack));
    EXPECT_FALSE(drawn.coloursAround(25, 0).count(ColorRed));
}

// Each step adds to or clears a series; the axes then fit what the chart holds
// (x exactly, y with 5% more above and below).
TEST(ChartAxes, FitThePointsTheChartHolds)
{
    Chart chart;
    chart.resize(300, 200);
    const int line = chart.addSeries(SeriesKind::Line, ColorRed);
    const int bars = chart.addSeries(SeriesKind::Bar, ColorGreen);
    struct Step {
        const char* what;
        std::function<void()> change;
        AxisRange x, y;
    };
    const Step steps[] = {
        {"line 0..19 at 100..119", [&] { for (int k = 0; k < 20; ++k) chart.addXY(line, k, 100 + k); },
         {0, 19}, {99.05, 119.95}},
        {"cleared, then 3..16 at 5..8",
         [&] {
             chart.clearSeries(line);
             for (int k = 3; k <= 16; ++k)
                 chart.addXY(line, k, 5 + (k - 3) * 3.0 / 13);
         },
         {3, 16}, {4.85, 8.15}},
        {"a bar reaches from 0", [&] { chart.addXY(bars, 10, 20); }, {3, 16}, {-1, 21}},
        {"bars cleared", [&] { chart.clearSeries(bars); }, {3, 16}, {4.85, 8.15}},
        {"one point left", [&] { chart.clearSeries(line); chart.addXY(line, 7, 2); }, {6, 8}, {1, 3}},
    };
    for (const Step& step : steps) {
        SCOPED_TRACE(step.what);
        step.change();
        chart.flushNow();
        const AxisRange x = ChartAxis(chart, Qt::Horizontal), y = ChartAxis(chart, Qt::Vertical);
        EXPECT_NEAR(x.min, step.x.min, 1e-9);
        EXPECT_NEAR(x.max, step.x.max, 1e-9);
        EXPECT_NEAR(y.min, step.y.min, 1e-9);
        EXPECT_NEAR(y.max, step.y.max, 1e-9);
    }
}

// A series of 100000 points, flat but for one spike up and one down, keeps
// both spikes on screen at any width, and keeps every point for its readers.
TEST(ChartSummaryOnScreen, SpikesOfAHundredThousandPointsSurvive)
{
    Chart chart;
    const int s = chart.addSeries(SeriesKind::Line, ColorBlue);
    std::vector<QPointF> points;
    for (int k = 0; k < 100000; ++k)
        points.emplace_back(k, k == 54321 ? 1000 : (k == 20000 ? -1000 : 0));
    chart.addXYBulk(s, points);
    EXPECT_EQ(chart.pointCount(s), 100000);
    EXPECT_EQ(chart.point(s, 54321), QPointF(54321, 1000));
    for (const int width : {300, 700}) {
        SCOPED_TRACE(width);
        chart.resize(width, 200);
        const ChartImage drawn(chart);
        EXPECT_TRUE(drawn.coloursAround(54321, 1000).count(ColorBlue));
        EXPECT_TRUE(drawn.coloursAround(20000, -1000).count(ColorBlue));
        EXPECT_TRUE(drawn.coloursAround(99999, 0).count(ColorBlue));
    }
}

namespace {

constexpr int kImageWidth = 300, kImageHeight = 140;

QImage Blank()
{
    QImage image(kImageWidth, kImageHeight, QImage::Format_RGB32);
    image.fill(Qt::white);
    return image;
}

void Draw(QImage& image, const std::vector<PlotStroke>& strokes)
{
    QPainter painter(&image);
    for (const PlotStroke& s : strokes) {
        painter.setPen(QPen(ToQColor(s.color), 1));
        painter.drawLine(s.line);
    }
}

int Differing(const QImage& a, const QImage& b)
{
    int n = 0;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x)
            n += a.pixel(x, y) != b.pixel(x, y);
    return n;
}

int Lit(const QImage& a)
{
    return kImageWidth * kImageHeight - Differing(a, Blank());
}

// A random walk of n points over x = 0 .. n - 1, coloured in runs by colourOf.
struct Walk {
    std::vector<QPointF> points;
    std::vector<TColor> colors;
    PlotFrame frame;
};

Walk RandomWalk(int n, const std::function<TColor(int)>& colourOf)
{
    Walk w;
    std::mt19937 random(7);
    double y = 0;
    for (int k = 0; k < n; ++k) {
        y += double(random() % 201) - 100;
        w.points.emplace_back(k, y);
        w.colors.push_back(colourOf(k));
    }
    double lo = y, hi = y;
    for (const QPointF& p : w.points) {
        lo = std::min(lo, p.y());
        hi = std::max(hi, p.y());
    }
    // A plot area that starts between pixels, as the chart's may.
    w.frame = {0, double(n - 1), lo, hi, QRectF(10.4, 5.7, 250.3, 120.2)};
    return w;
}

// Every stretch of the walk, as a chart without a summary draws it.
std::vector<PlotStroke> EveryStretch(const Walk& w)
{
    std::vector<PlotStroke> all;
    for (std::size_t k = 1; k < w.points.size(); ++k)
        all.push_back({{w.frame.toPixel(w.points[k - 1].x(), w.points[k - 1].y()),
                        w.frame.toPixel(w.points[k].x(), w.points[k].y())},
                       w.colors[k]});
    return all;
}

} // namespace

// The summary of a line lights the pixels every stretch would (but for a few
// where two stretches of a column meet), with a few strokes per column.
TEST(ChartSummary, ALineOfOneColourLightsThePixelsOfEveryStretch)
{
    const Walk w = RandomWalk(100000, [](int) { return ColorRed; });
    const std::vector<PlotStroke> summary = SummariseLine(w.points, {}, ColorRed, w.frame);
    EXPECT_LE(summary.size(), 4u * 252);
    QImage full = Blank(), summarised = Blank();
    Draw(full, EveryStretch(w));
    Draw(summarised, summary);
    EXPECT_LE(Differing(full, summarised), Lit(full) / 100) << "of " << Lit(full);
}

// Where colours change inside a column, each keeps its extremes there and the
// colour of the column's last stretch is drawn last.
TEST(ChartSummary, ColumnsOfSeveralColoursKeepEachColoursExtremes)
{
    const Walk w = RandomWalk(20000, [](int k) { return (k / 7) % 2 ? ColorBlue : ColorRed; });
    const std::vector<PlotStroke> summary = SummariseLine(w.points, w.colors, ColorRed, w.frame);
    EXPECT_LE(summary.size(), 7u * 252);
    QImage full = Blank(), summarised = Blank();
    Draw(full, EveryStretch(w));
    Draw(summarised, summary);
    for (const TColor c : {ColorRed, ColorBlue}) {
        SCOPED_TRACE(c);
        // Each colour reaches as high and as low as it did (to a pixel: where a
        // stretch ends inside a column, its last pixel may fall either side).
        auto extremeRows = [c](const QImage& image) {
            int top = kImageHeight, bottom = -1;
            for (int y = 0; y < kImageHeight; ++y)
                for (int x = 0; x < kImageWidth; ++x)
                    if (FromRgb32(image.pixel(x, y)) == c) {
                        top = std::min(top, y);
                        bottom = std::max(bottom, y);
                    }
            return std::pair(top, bottom);
        };
        const auto [top, bottom] = extremeRows(full);
        const auto [summaryTop, summaryBottom] = extremeRows(summarised);
        EXPECT_NEAR(summaryTop, top, 1);
        EXPECT_NEAR(summaryBottom, bottom, 1);
    }
    // A column whose last stretch is red: red is drawn after blue there.
    const std::vector<QPointF> twoColours = {{0, 0}, {0.1, 10}, {0.2, 0}, {0.3, 10}};
    const std::vector<PlotStroke> column =
        SummariseLine(twoColours, {ColorRed, ColorRed, ColorBlue, ColorRed}, ColorRed, {0, 100, 0, 10, QRectF(0, 0, 100, 10)});
    ASSERT_FALSE(column.empty());
    EXPECT_EQ(column.back().color, ColorRed);
    EXPECT_EQ(column.front().color, ColorBlue);
}

// Bars sharing a column become one stroke per colour from 0 to the farthest bar.
TEST(ChartSummary, BarsOfAColumnKeepTheTallestBar)
{
    std::vector<QPointF> bars;
    std::vector<TColor> colors;
    for (int k = 0; k < 1000; ++k) {
        bars.emplace_back(k, k == 500 ? 90 : (k == 501 ? -40 : k % 10));
        colors.push_back(k == 700 ? ColorRed : ColorGreen);
    }
    const PlotFrame frame{0, 999, -50, 100, QRectF(0, 0, 50, 150)};
    const std::vector<PlotStroke> strokes = SummariseBars(bars, colors, ColorGreen, frame);
    EXPECT_LE(strokes.size(), 51u + 1);
    double top = frame.area.bottom(), bottom = frame.area.top();
    int red = 0;
    for (const PlotStroke& s : strokes) {
        top = std::min({top, s.line.y1(), s.line.y2()});
        bottom = std::max({bottom, s.line.y1(), s.line.y2()});
        red += s.color == ColorRed;
    }
    EXPECT_DOUBLE_EQ(top, frame.toPixel(500, 90).y());
    EXPECT_DOUBLE_EQ(bottom, frame.toPixel(501, -40).y());
    EXPECT_EQ(red, 1);
}

// Of the dots on one pixel only the last shows; dots on other pixels all stay, in order.
TEST(ChartSummary, OnlyTheLastDotOnAPixelIsKept)
{
    const PlotFrame frame{0, 10, 0, 10, QRectF(0.5, 0.5, 100, 100)};
    const std::vector<QPointF> points = {{1, 1}, {1.01, 1.01}, {5, 5}, {1, 1}, {9, 9}};
    const std::vector<TColor> colors = {ColorRed, ColorGreen, ColorBlue, ColorBlack, ColorRed};
    const std::vector<PlotDot> dots = SummariseDots(points, colors, ColorRed, frame);
    ASSERT_EQ(dots.size(), 3u);
    EXPECT_EQ(dots[0].color, ColorBlue);
    EXPECT_EQ(dots[1].color, ColorBlack);
    EXPECT_EQ(dots[2].color, ColorRed);

    std::vector<QPointF> many(100000, QPointF(3, 3));
    many.back() = QPointF(7, 7);
    EXPECT_EQ(SummariseDots(many, {}, ColorRed, frame).size(), 2u);
}
