// Canvas drawing read back pixel by pixel: edge exclusion, not-xor, text and the
// outside of the image.
#include "widgets/Canvas.h"

#include <QImage>
#include <gtest/gtest.h>

namespace {
int countColor(const Canvas& c, TColor color, QRect area = {0, 0, 40, 40})
{
    int n = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            n += c.pixel(x, y) == color;
    return n;
}
}  // namespace

TEST(CanvasEdges, FiguresCoverLeftTopButNotRightBottom)
{
    Canvas c(20, 20, ColorWhite);
    c.pen.color = ColorRed;
    c.brush.color = ColorBlue;
    c.rectangle(0, 0, 10, 10);
    EXPECT_EQ(countColor(c, ColorRed), 36);   // outline of a 10x10 square
    EXPECT_EQ(countColor(c, ColorBlue), 64);
    EXPECT_EQ(c.pixel(9, 9), ColorRed);
    EXPECT_EQ(c.pixel(10, 5), ColorWhite);
    EXPECT_EQ(c.pixel(5, 10), ColorWhite);

    c.clear(ColorWhite);
    c.pen.style = PenStyle::Clear;
    c.rectangle(10, 10, 0, 0);   // reversed corners
    EXPECT_EQ(countColor(c, ColorBlue), 100);

    c.clear(ColorWhite);
    c.fillRect(2, 3, 5, 7);   // brush only
    EXPECT_EQ(countColor(c, ColorBlue), 3 * 4);
    EXPECT_EQ(c.pixel(5, 6), ColorWhite);

    c.clear(ColorWhite);
    c.pen.style = PenStyle::Solid;
    c.ellipse(5, 5, 15, 13);
    for (int y = 0; y < 20; ++y)
        for (int x = 0; x < 20; ++x)
            if (x < 5 || x >= 15 || y < 5 || y >= 13) {
                ASSERT_EQ(c.pixel(x, y), ColorWhite) << x << "," << y;
            }
    EXPECT_EQ(c.pixel(10, 9), ColorBlue);
}

TEST(CanvasLines, LineToExcludesItsEndPointAndMovesThePen)
{
    Canvas c(20, 20, ColorWhite);
    c.moveTo(2, 2);
    c.lineTo(8, 2);
    EXPECT_EQ(countColor(c, ColorBlack), 6);
    EXPECT_EQ(c.pixel(2, 2), ColorBlack);
    EXPECT_EQ(c.pixel(8, 2), ColorWhite);
    EXPECT_EQ(c.penPos(), QPoint(8, 2));
    c.lineTo(8, 8);   // continues from there: the corner is drawn now
    EXPECT_EQ(c.pixel(8, 2), ColorBlack);
    EXPECT_EQ(c.pixel(8, 8), ColorWhite);

    c.clear(ColorWhite);
    c.moveTo(0, 0);
    c.lineTo(10, 10);   // diagonal: one pixel per step
    EXPECT_EQ(countColor(c, ColorBlack), 10);
    EXPECT_EQ(c.pixel(9, 9), ColorBlack);

    // A closed polygon outline reaches every vertex, the last one included.
    c.clear(ColorWhite);
    c.brush.style = BrushStyle::Clear;
    c.polygon({{2, 2}, {12, 2}, {12, 12}, {2, 12}});
    EXPECT_EQ(c.pixel(12, 12), ColorBlack);
    EXPECT_EQ(countColor(c, ColorBlack), 40);
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

    c.pen = {};
    c.pen.mode = PenMode::NotXor;
    c.moveTo(30, 30);
    c.lineTo(32, 30);
    EXPECT_EQ(c.pixel(30, 30), TColor(0x7FFF7F));   // not(black xor purple)
    EXPECT_EQ(c.pixel(31, 30), ColorBlack);   // not(black xor white)
}

TEST(CanvasPixels, OutsideReadsWhiteAndFiguresDrawOnlyTheirVisiblePart)
{
    Canvas c(5, 5, ColorBlack);
    for (QPoint p : {QPoint(-1, 0), QPoint(5, 0), QPoint(0, 99999)})
        EXPECT_EQ(c.pixel(p.x(), p.y()), ColorWhite);
    c.setPixel(-1, -1, ColorRed);
    c.setPixel(5, 5, ColorRed);
    EXPECT_EQ(countColor(c, ColorRed, {0, 0, 5, 5}), 0);
    c.brush.color = ColorRed;
    c.pen.color = ColorNavy;
    c.rectangle(-100, -100, 2, 2);
    EXPECT_EQ(c.pixel(0, 0), ColorRed);
    EXPECT_EQ(c.pixel(1, 1), ColorNavy);   // bottom-right corner of the outline
    EXPECT_EQ(c.pixel(2, 2), ColorBlack);
    c.moveTo(-100000, 3);
    c.lineTo(100000, 3);
    EXPECT_EQ(countColor(c, ColorNavy, {0, 3, 5, 1}), 5);
    c.ellipse(1000, 1000, -1000, -1000);   // huge or far out: no crash
    c.polygon({{-50, -50}, {50, -50}, {50, 50}});
}

TEST(CanvasText, TextOutDrawsOnlyFontAndBrushColoursAndMovesThePen)
{
    Canvas c(200, 40, ColorWhite);
    c.font.color = ColorRed;
    c.brush.color = ColorYellow;
    c.textOut(5, 5, "Step 12");
    const QRect box(5, 5, c.textWidth("Step 12"), c.textHeight("Step 12"));
    ASSERT_GT(box.width(), 10);
    EXPECT_EQ(c.penPos(), QPoint(box.right() + 1, 5));
    EXPECT_GT(countColor(c, ColorRed, box), 10);
    for (int y = box.top(); y <= box.bottom(); ++y)   // no antialiasing shades
        for (int x = box.left(); x <= box.right(); ++x)
            ASSERT_TRUE(c.pixel(x, y) == ColorRed || c.pixel(x, y) == ColorYellow) << x << "," << y;
}
