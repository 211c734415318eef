// Canvas drawing read back pixel by pixel: edge exclusion, not-xor, pen widths, fills,
// polygons, text, bitmaps and the outside of the image.
#include "widgets/Canvas.h"

#include <QImage>
#include <gtest/gtest.h>

namespace {
int countColor(const Canvas& c, TColor color, QRect area)
{
    int n = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            n += c.pixel(x, y) == color;
    return n;
}
}  // namespace

TEST(CanvasColors, PackedValuesRoundTripThroughQt)
{
    EXPECT_EQ(RGBColor(255, 0, 0), ColorRed);
    EXPECT_EQ(RGBColor(0, 128, 0), ColorGreen);
    EXPECT_EQ(RGBColor(300, -4, 0), ColorRed);
    EXPECT_EQ(ToQColor(ColorNavy), QColor(0, 0, 128));
    EXPECT_EQ(FromQColor(QColor(1, 2, 3)), TColor(1 + 2 * 256 + 3 * 65536));
    Canvas c(4, 4, ColorOlive);
    EXPECT_EQ(c.pixel(0, 0), ColorOlive);
    EXPECT_EQ(c.image().pixel(0, 0), QColor(128, 128, 0).rgb());
}

TEST(CanvasShapes, RectangleCoversLeftTopButNotRightBottom)
{
    Canvas c(20, 20, ColorWhite);
    c.pen.color = ColorRed;
    c.brush.color = ColorBlue;
    c.rectangle(0, 0, 10, 10);
    EXPECT_EQ(c.pixel(0, 0), ColorRed);
    EXPECT_EQ(c.pixel(9, 9), ColorRed);
    EXPECT_EQ(c.pixel(9, 0), ColorRed);
    EXPECT_EQ(c.pixel(10, 5), ColorWhite);
    EXPECT_EQ(c.pixel(5, 10), ColorWhite);
    EXPECT_EQ(c.pixel(5, 5), ColorBlue);
    EXPECT_EQ(c.pixel(1, 1), ColorBlue);
    EXPECT_EQ(countColor(c, ColorRed, {0, 0, 20, 20}), 36);    // outline of a 10x10 square
    EXPECT_EQ(countColor(c, ColorBlue, {0, 0, 20, 20}), 64);
}

TEST(CanvasShapes, ReversedCornersAndClearStyles)
{
    Canvas c(20, 20, ColorWhite);
    c.pen.style = PenStyle::Clear;
    c.brush.color = ColorLime;
    c.rectangle(10, 10, 0, 0);
    EXPECT_EQ(countColor(c, ColorLime, {0, 0, 20, 20}), 100);

    c.clear(ColorWhite);
    c.pen.style = PenStyle::Solid;
    c.brush.style = BrushStyle::Clear;
    c.rectangle(2, 2, 6, 6);
    EXPECT_EQ(c.pixel(3, 3), ColorWhite);   // inside stays
    EXPECT_EQ(c.pixel(2, 2), ColorBlack);
    EXPECT_EQ(c.pixel(5, 5), ColorBlack);
    EXPECT_EQ(c.pixel(6, 6), ColorWhite);
}

TEST(CanvasShapes, FillRectUsesBrushOnlyAndExcludesEdges)
{
    Canvas c(10, 10, ColorWhite);
    c.pen.color = ColorRed;
    c.brush.color = ColorYellow;
    c.fillRect(2, 3, 5, 7);
    EXPECT_EQ(countColor(c, ColorYellow, {0, 0, 10, 10}), 3 * 4);
    EXPECT_EQ(c.pixel(4, 6), ColorYellow);
    EXPECT_EQ(c.pixel(5, 6), ColorWhite);
    EXPECT_EQ(countColor(c, ColorRed, {0, 0, 10, 10}), 0);
    c.brush.style = BrushStyle::Clear;
    c.fillRect(0, 0, 10, 10);
    EXPECT_EQ(c.pixel(0, 0), ColorWhite);
}

TEST(CanvasShapes, EllipseStaysInsideItsBoxAndIsSymmetric)
{
    Canvas c(30, 30, ColorWhite);
    c.brush.color = ColorAqua;
    c.ellipse(5, 5, 15, 13);
    for (int y = 0; y < 30; ++y)
        for (int x = 0; x < 30; ++x) {
            if (x < 5 || x >= 15 || y < 5 || y >= 13) {
                ASSERT_EQ(c.pixel(x, y), ColorWhite) << x << "," << y;
            } else {   // mirror image about the box centre
                ASSERT_EQ(c.pixel(x, y), c.pixel(19 - x, 17 - y)) << x << "," << y;
            }
        }
    EXPECT_EQ(c.pixel(10, 9), ColorAqua);
    EXPECT_EQ(c.pixel(10, 5), ColorBlack);   // top of the outline
    EXPECT_EQ(c.pixel(5, 5), ColorWhite);    // corner of the box is outside
}

TEST(CanvasLines, LineToExcludesItsEndPointAndMovesThePen)
{
    Canvas c(20, 20, ColorWhite);
    c.moveTo(2, 2);
    c.lineTo(8, 2);
    EXPECT_EQ(countColor(c, ColorBlack, {0, 0, 20, 20}), 6);
    EXPECT_EQ(c.pixel(2, 2), ColorBlack);
    EXPECT_EQ(c.pixel(7, 2), ColorBlack);
    EXPECT_EQ(c.pixel(8, 2), ColorWhite);
    EXPECT_EQ(c.penPos(), QPoint(8, 2));
    c.lineTo(8, 8);   // continues from there: the corner is drawn now
    EXPECT_EQ(c.pixel(8, 2), ColorBlack);
    EXPECT_EQ(c.pixel(8, 8), ColorWhite);
    c.lineTo(8, 8);   // zero length draws nothing
    EXPECT_EQ(c.pixel(8, 8), ColorWhite);
}

TEST(CanvasLines, DiagonalAndSteepLinesHaveOnePixelPerStep)
{
    Canvas c(20, 20, ColorWhite);
    c.pen.width = 0;   // 0 draws one pixel wide, like 1
    c.moveTo(0, 0);
    c.lineTo(10, 10);
    EXPECT_EQ(countColor(c, ColorBlack, {0, 0, 20, 20}), 10);
    for (int i = 0; i < 10; ++i)
        EXPECT_EQ(c.pixel(i, i), ColorBlack);
    c.clear(ColorWhite);
    c.moveTo(3, 19);
    c.lineTo(5, 1);   // steep, upwards
    EXPECT_EQ(countColor(c, ColorBlack, {0, 0, 20, 20}), 18);
    for (int y = 2; y <= 19; ++y)
        EXPECT_EQ(countColor(c, ColorBlack, {0, y, 20, 1}), 1) << y;
}

TEST(CanvasLines, WidePenDrawsABand)
{
    Canvas c(20, 20, ColorWhite);
    c.pen.width = 3;
    c.moveTo(5, 10);
    c.lineTo(15, 10);
    EXPECT_EQ(c.pixel(10, 9), ColorBlack);
    EXPECT_EQ(c.pixel(10, 10), ColorBlack);
    EXPECT_EQ(c.pixel(10, 11), ColorBlack);
    EXPECT_EQ(c.pixel(10, 12), ColorWhite);
    EXPECT_EQ(c.pixel(10, 8), ColorWhite);
}

TEST(CanvasNotXor, DrawingTwiceRestoresEveryPixel)
{
    Canvas c(40, 40, ColorWhite);
    c.brush.color = ColorGreen;
    c.rectangle(3, 3, 20, 20);
    c.setPixel(30, 30, ColorPurple);
    const QImage before = c.image().copy();

    c.pen.mode = PenMode::NotXor;
    c.pen.color = ColorRed;
    c.pen.width = 3;   // wide strokes overlap themselves; each pixel must still flip once
    c.brush.style = BrushStyle::Clear;
    for (int pass = 0; pass < 2; ++pass) {
        c.moveTo(0, 0);
        c.lineTo(35, 31);
        c.lineTo(2, 36);
        c.rectangle(10, 10, 33, 33);
        c.ellipse(1, 5, 39, 25);
        c.polygon({{5, 5}, {30, 8}, {12, 30}});
        if (pass == 0) {
            EXPECT_NE(c.image(), before);
        }
    }
    EXPECT_EQ(c.image(), before);
}

TEST(CanvasNotXor, BlackPenInvertsWhatIsBelow)
{
    Canvas c(10, 10, ColorWhite);
    c.setPixel(2, 1, ColorRed);
    c.pen.mode = PenMode::NotXor;
    c.moveTo(0, 1);
    c.lineTo(5, 1);
    EXPECT_EQ(c.pixel(0, 1), ColorBlack);
    EXPECT_EQ(c.pixel(2, 1), ColorAqua);   // not(black xor red) = cyan
    EXPECT_EQ(c.pixel(5, 1), ColorWhite);
}

TEST(CanvasShapes, PolygonFillsItsInsideAndOutlinesEveryEdge)
{
    Canvas c(30, 30, ColorWhite);
    c.brush.color = ColorYellow;
    c.pen.color = ColorNavy;
    c.polygon({{2, 2}, {20, 2}, {20, 20}, {2, 20}});
    EXPECT_EQ(c.pixel(10, 10), ColorYellow);
    EXPECT_EQ(c.pixel(2, 2), ColorNavy);
    EXPECT_EQ(c.pixel(20, 20), ColorNavy);   // closed outline reaches every vertex
    EXPECT_EQ(c.pixel(11, 20), ColorNavy);
    EXPECT_EQ(c.pixel(21, 10), ColorWhite);
    EXPECT_EQ(c.pixel(10, 21), ColorWhite);

    // Self-crossing star: the centre is outside by the even-odd rule.
    c.clear(ColorWhite);
    c.pen.style = PenStyle::Clear;
    c.polygon({{15, 0}, {24, 29}, {0, 10}, {29, 10}, {6, 29}});
    EXPECT_EQ(c.pixel(15, 15), ColorWhite);
    EXPECT_EQ(c.pixel(15, 5), ColorYellow);
    EXPECT_GT(countColor(c, ColorYellow, {0, 0, 30, 30}), 100);
}

TEST(CanvasPixels, OutsideReadsWhiteAndWritesAreIgnored)
{
    Canvas c(5, 5, ColorBlack);
    EXPECT_EQ(c.pixel(-1, 0), ColorWhite);
    EXPECT_EQ(c.pixel(5, 0), ColorWhite);
    EXPECT_EQ(c.pixel(0, 99999), ColorWhite);
    c.setPixel(-1, -1, ColorRed);
    c.setPixel(5, 5, ColorRed);
    EXPECT_EQ(countColor(c, ColorRed, {0, 0, 5, 5}), 0);
    // Figures partly or far outside draw their visible part only.
    c.brush.color = ColorRed;
    c.pen.color = ColorNavy;
    c.rectangle(-100, -100, 2, 2);
    EXPECT_EQ(c.pixel(0, 0), ColorRed);
    EXPECT_EQ(c.pixel(1, 1), ColorNavy);   // bottom-right corner of the outline
    EXPECT_EQ(c.pixel(2, 2), ColorBlack);
    c.moveTo(-100000, 3);
    c.lineTo(100000, 3);
    EXPECT_EQ(countColor(c, ColorNavy, {0, 3, 5, 1}), 5);
    c.ellipse(1000, 1000, -1000, -1000);
    c.polygon({{-50, -50}, {50, -50}, {50, 50}});
}

TEST(CanvasText, TextOutDrawsInFontColourOnBrushAndMovesThePen)
{
    Canvas c(200, 40, ColorWhite);
    c.font.color = ColorRed;
    c.font.size = 12;
    c.brush.color = ColorYellow;
    c.textOut(5, 5, "Step 12");
    const int w = c.textWidth("Step 12"), h = c.textHeight("Step 12");
    ASSERT_GT(w, 10);
    ASSERT_GT(h, 5);
    const QRect box(5, 5, w, h);
    EXPECT_GT(countColor(c, ColorRed, box), 10);
    EXPECT_GT(countColor(c, ColorYellow, box), 10);
    EXPECT_EQ(countColor(c, ColorRed, {0, 0, 200, 40}), countColor(c, ColorRed, box));
    EXPECT_EQ(c.penPos(), QPoint(5 + w, 5));

    // Only two colours: no antialiasing shades.
    for (int y = box.top(); y <= box.bottom(); ++y)
        for (int x = box.left(); x <= box.right(); ++x) {
            const TColor p = c.pixel(x, y);
            ASSERT_TRUE(p == ColorRed || p == ColorYellow) << std::hex << p;
        }

    c.clear(ColorWhite);
    c.brush.style = BrushStyle::Clear;
    c.textOut(5, 5, "Step 12");
    EXPECT_EQ(countColor(c, ColorYellow, {0, 0, 200, 40}), 0);
}

TEST(CanvasBitmaps, DrawCopiesAndClipsABitmap)
{
    Canvas c(10, 10, ColorWhite);
    QImage bmp(4, 3, QImage::Format_RGB32);
    bmp.fill(QColor(0, 0, 255));
    c.draw(8, 8, bmp);
    EXPECT_EQ(c.pixel(8, 8), ColorBlue);
    EXPECT_EQ(c.pixel(9, 9), ColorBlue);
    EXPECT_EQ(c.pixel(7, 8), ColorWhite);
    EXPECT_EQ(countColor(c, ColorBlue, {0, 0, 10, 10}), 4);
}

TEST(CanvasNotify, ChangedAreaIsReportedAndClipped)
{
    Canvas c(10, 10, ColorWhite);
    std::vector<QRect> areas;
    c.onChanged = [&](const QRect& r) { areas.push_back(r); };
    c.fillRect(5, 5, 50, 50);
    c.setPixel(20, 20, ColorRed);   // outside: nothing changed, nothing reported
    c.rectangle(1, 2, 4, 6);
    ASSERT_EQ(areas.size(), 2u);
    EXPECT_EQ(areas[0], QRect(5, 5, 5, 5));
    EXPECT_EQ(areas[1], QRect(1, 2, 3, 4));
}

TEST(CanvasResize, KeepsWhatWasDrawn)
{
    Canvas c(4, 4, ColorWhite);
    c.setPixel(3, 3, ColorRed);
    c.resize(8, 2, ColorBlack);
    EXPECT_EQ(c.width(), 8);
    EXPECT_EQ(c.height(), 2);
    c.resize(8, 8, ColorBlack);
    EXPECT_EQ(c.pixel(1, 1), ColorWhite);
    EXPECT_EQ(c.pixel(3, 3), ColorBlack);   // dropped by the shrink
    EXPECT_EQ(c.pixel(6, 6), ColorBlack);
}
