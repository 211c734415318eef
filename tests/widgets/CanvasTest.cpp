// Canvas drawing read back pixel by pixel: edge exclusion, not-xor, text and the
// outside of the image; the paint that shows what was drawn.
#include "widgets/Canvas.h"
#include "widgets/PaintArea.h"

#include <QApplication>
#include <QImage>
#include <QPaintEvent>
#include <QPainter>
#include <QRegion>
#include <QThread>
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <functional>
#include <random>
#include <limits>

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

// Level and upright lines of every width, either way, some reaching past the image:
// each pixel of the path but the end covers w x w from (w / 2) before it, and a
// not-xor line flips each covered pixel once.
TEST(CanvasLines, LevelAndUprightLinesCoverTheirPixelsSquares)
{
    struct Case {
        QPoint from, to;
    };
    const Case cases[] = {{{3, 10}, {15, 10}}, {{15, 10}, {3, 10}}, {{10, 2}, {10, 17}},
                          {{10, 17}, {10, 2}}, {{-5, 0}, {30, 0}},  {{19, 25}, {19, -3}}};
    for (const int width : {1, 2, 3, 4})
        for (const Case& k : cases) {
            Canvas c(20, 20, ColorWhite);
            c.pen.width = width;
            c.moveTo(k.from.x(), k.from.y());
            c.lineTo(k.to.x(), k.to.y());
            const int off = width / 2;
            const int steps = std::max(std::abs(k.to.x() - k.from.x()), std::abs(k.to.y() - k.from.y()));
            const QPoint dir((k.to.x() - k.from.x()) / steps, (k.to.y() - k.from.y()) / steps);
            QImage expected(20, 20, QImage::Format_RGB32);
            expected.fill(Qt::white);
            for (int s = 0; s < steps; ++s)
                for (int dy = 0; dy < width; ++dy)
                    for (int dx = 0; dx < width; ++dx) {
                        const QPoint p = k.from + dir * s + QPoint(dx - off, dy - off);
                        if (expected.rect().contains(p)) expected.setPixel(p, qRgb(0, 0, 0));
                    }
            for (int y = 0; y < 20; ++y)
                for (int x = 0; x < 20; ++x)
                    ASSERT_EQ(c.pixel(x, y), expected.pixel(x, y) == qRgb(0, 0, 0) ? ColorBlack : ColorWhite)
                        << width << " " << x << "," << y;
            c.pen.mode = PenMode::NotXor;
            c.moveTo(k.from.x(), k.from.y());
            c.lineTo(k.to.x(), k.to.y());
            EXPECT_EQ(countColor(c, ColorWhite, {0, 0, 20, 20}), 400) << width;
        }
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

TEST(CanvasPixels, OutsideReadsWhiteAndAFigureDrawsItsVisiblePart)
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

// Bresenham's line is the same wherever it starts: the pixels a long line leaves on a small
// canvas are the ones the whole line leaves on a canvas large enough to hold it.
TEST(CanvasLines, AClippedLineKeepsThePixelsOfTheWholeLine)
{
    const int shift = 700;
    const QPoint ends[][2] = {{{-300, -250}, {400, 377}}, {{520, 60}, {-610, 31}}, {{37, -640}, {3, 650}},
                              {{-5, 90}, {90, -5}}, {{99, 0}, {-600, 0}}};
    for (const auto& e : ends) {
        for (int width : {1, 3}) {
            Canvas small(100, 100, ColorWhite), large(1500, 1500, ColorWhite);
            for (Canvas* c : {&small, &large})
                c->pen.width = width;
            small.moveTo(e[0].x(), e[0].y());
            small.lineTo(e[1].x(), e[1].y());
            large.moveTo(e[0].x() + shift, e[0].y() + shift);
            large.lineTo(e[1].x() + shift, e[1].y() + shift);
            ASSERT_EQ(small.image(), large.image().copy(shift, shift, 100, 100))
                << e[0].x() << "," << e[0].y() << " -> " << e[1].x() << "," << e[1].y() << " width " << width;
        }
    }
}

// Every primitive takes any int corners: what lies on the image is drawn, the rest is
// ignored, nothing overflows and nothing loops over the off-image part.
TEST(CanvasPixels, CoordinatesAtTheIntLimitsDrawTheVisiblePart)
{
    constexpr int lo = std::numeric_limits<int>::min(), hi = std::numeric_limits<int>::max();
    Canvas c(40, 30, ColorWhite);
    c.pen.color = ColorRed;
    c.brush.color = ColorBlue;
    for (int width : {1, 4}) {
        c.pen.width = width;
        c.clear(ColorWhite);
        c.moveTo(lo, lo);
        c.lineTo(hi, hi);   // the diagonal through the origin
        EXPECT_EQ(c.pixel(10, 10), ColorRed);
        c.moveTo(lo, 5);
        c.lineTo(hi, 5);
        EXPECT_EQ(c.pixel(0, 5), ColorRed);
        EXPECT_EQ(c.pixel(39, 5), ColorRed);
        c.moveTo(hi, lo);
        c.lineTo(lo, hi);   // never crosses the image
        c.moveTo(lo, hi);
        c.lineTo(lo, lo);
        EXPECT_EQ(c.penPos(), QPoint(lo, lo));

        c.clear(ColorWhite);
        c.pen.style = PenStyle::Clear;
        c.fillRect(lo, lo, hi, hi);
        EXPECT_EQ(countColor(c, ColorBlue, {0, 0, 40, 30}), 40 * 30);
        c.pen.style = PenStyle::Solid;
        c.clear(ColorWhite);
        c.rectangle(hi, hi, lo, lo);   // the outline lies far off; the image is all fill
        EXPECT_EQ(countColor(c, ColorBlue, {0, 0, 40, 30}), 40 * 30);
        c.rectangle(lo, lo, lo, hi);   // empty
        c.rectangle(lo, lo, lo + 1, lo + 1);

        c.clear(ColorWhite);
        c.ellipse(lo, lo, hi, hi);
        EXPECT_EQ(c.pixel(20, 15), ColorBlue);
        c.ellipse(hi - 1, hi - 1, hi, hi);
        c.ellipse(lo, lo, lo + 1, lo + 1);

        c.clear(ColorWhite);
        c.polygon({{lo, lo}, {hi, lo}, {hi, hi}, {lo, hi}});
        EXPECT_EQ(countColor(c, ColorBlue, {0, 0, 40, 30}), 40 * 30);
        c.polygon({{hi, hi}, {hi, hi}});
        c.polygon({{lo, 0}, {hi, 29}, {0, lo}});

        c.textOut(hi - 2, hi - 2, "far");
        EXPECT_EQ(c.penPos(), QPoint(hi, hi - 2));
        c.textOut(lo, lo, "far");
        QImage picture(8, 8, QImage::Format_RGB32);
        picture.fill(Qt::green);
        c.draw(hi, hi, picture);
        c.draw(lo, lo, picture);
        c.draw(-4, -4, picture);   // the visible quarter lands at the corner
        EXPECT_EQ(c.pixel(3, 3), RGBColor(0, 255, 0));
        EXPECT_EQ(c.pixel(4, 4), ColorBlue);
    }
}

TEST(CanvasPixels, DrawingStaysInsideTheClipRectangle)
{
    Canvas c(30, 30, ColorWhite);
    c.setClip(QRect(10, 10, 10, 10));
    EXPECT_EQ(c.clip(), QRect(10, 10, 10, 10));
    c.brush.color = ColorBlue;
    c.pen.color = ColorRed;
    c.pen.width = 3;
    c.fillRect(0, 0, 30, 30);
    c.ellipse(0, 0, 30, 30);
    c.rectangle(0, 0, 30, 30);
    c.polygon({{0, 0}, {30, 0}, {0, 30}});
    c.moveTo(0, 15);
    c.lineTo(30, 15);
    c.setPixel(5, 5, ColorRed);
    c.textOut(0, 0, "clip");
    QImage picture(30, 30, QImage::Format_RGB32);
    picture.fill(Qt::green);
    c.draw(0, 0, picture);
    EXPECT_EQ(c.pixel(12, 12), RGBColor(0, 255, 0));
    for (int y = 0; y < 30; ++y)
        for (int x = 0; x < 30; ++x)
            if (!QRect(10, 10, 10, 10).contains(x, y)) {
                ASSERT_EQ(c.pixel(x, y), ColorWhite) << x << "," << y;
            }
    c.clearClip();
    EXPECT_EQ(c.clip(), QRect(0, 0, 30, 30));
    c.fillRect(0, 0, 30, 30);
    EXPECT_EQ(c.pixel(0, 0), ColorBlue);
}

// With the origin moved, every figure lands where the same figure moved by the
// origin lands on a plain canvas; pixels, the clip and copies speak canvas
// coordinates, the change reports image coordinates.
TEST(CanvasPixels, EveryFigureMovesWithTheOrigin)
{
    const QPoint o(7, 5);
    Canvas moved(40, 40, ColorWhite), plain(40, 40, ColorWhite);
    moved.setOrigin(o);
    moved.setClip(QRect(7, 5, 30, 30));
    plain.setClip(QRect(7, 5, 30, 30));
    QRect reported;
    moved.onChanged = [&](const QRect& r) { reported = r; };
    QImage picture(6, 4, QImage::Format_RGB32);
    picture.fill(Qt::green);
    for (Canvas* c : {&moved, &plain}) {
        const int dx = c == &plain ? o.x() : 0, dy = c == &plain ? o.y() : 0;
        c->brush.color = ColorBlue;
        c->pen.color = ColorRed;
        c->pen.width = 2;
        c->fillRect(-3 + dx, -3 + dy, 4 + dx, 4 + dy);
        c->ellipse(5 + dx, 2 + dy, 15 + dx, 9 + dy);
        c->rectangle(16 + dx, 1 + dy, 26 + dx, 8 + dy);
        c->polygon({{2 + dx, 12 + dy}, {12 + dx, 12 + dy}, {2 + dx, 20 + dy}});
        c->moveTo(0 + dx, 24 + dy);
        c->lineTo(28 + dx, 30 + dy);
        c->setPixel(3 + dx, 28 + dy, ColorFuchsia);
        c->textOut(14 + dx, 12 + dy, "o");
        c->draw(22 + dx, 14 + dy, picture);
    }
    EXPECT_EQ(moved.image(), plain.image());
    EXPECT_EQ(reported, QRect(29, 19, 6, 4));   // the last figure, the picture, on the image
    EXPECT_EQ(moved.penPos(), plain.penPos() - o);
    EXPECT_EQ(moved.pixel(3, 28), ColorFuchsia);
    EXPECT_EQ(moved.pixel(-o.x(), -o.y()), ColorWhite);   // the image's corner, outside the clip
    EXPECT_EQ(moved.clip(), QRect(0, 0, 30, 30));
    EXPECT_EQ(moved.copy(QRect(20, 20, 1, 1)).pixel(0, 0), plain.image().pixel(27, 25));

    // Far coordinates stay safe when the origin is added to them.
    const int lo = std::numeric_limits<int>::min(), hi = std::numeric_limits<int>::max();
    EXPECT_EQ(moved.pixel(hi, hi), ColorWhite);
    EXPECT_EQ(moved.pixel(lo, lo), ColorWhite);
    moved.moveTo(lo, lo);
    moved.lineTo(hi, hi);
    moved.fillRect(lo, lo, hi, hi);
    moved.textOut(hi, hi, "far");
    EXPECT_EQ(moved.pixel(29, 29), ColorBlue);
}

// An ellipse covers the pixels whose centres lie inside it; those with a pixel
// outside it within the pen's width to the left, right, top or bottom are its
// outline, the others its fill. Every box up to 21 x 17, every pen width that
// matters, with and without pen or brush, against that rule pixel by pixel.
TEST(CanvasEdges, EllipsePixelsFollowTheirCentresAndThePenWidth)
{
    const auto inside = [](int x, int y, int w, int h) {
        const double a = w / 2.0, b = h / 2.0, u = (x + 0.5 - a) / a, v = (y + 0.5 - b) / b;
        return u * u + v * v <= 1.0;
    };
    for (int w = 1; w <= 21; ++w)
        for (int h = 1; h <= 17; ++h)
            for (int penWidth : {1, 2, 3, 5})
                for (int style = 0; style < 3; ++style) {
                    const bool withPen = style != 1, withBrush = style != 2;
                    Canvas c(w + 4, h + 4, ColorWhite);
                    c.pen.width = penWidth;
                    c.pen.color = ColorRed;
                    c.pen.style = withPen ? PenStyle::Solid : PenStyle::Clear;
                    c.brush.color = ColorBlue;
                    c.brush.style = withBrush ? BrushStyle::Solid : BrushStyle::Clear;
                    c.ellipse(2, 2, 2 + w, 2 + h);
                    for (int y = -2; y < h + 2; ++y)
                        for (int x = -2; x < w + 2; ++x) {
                            TColor want = ColorWhite;
                            if (inside(x, y, w, h)) {
                                bool edge = false;
                                for (int d = 1; d <= penWidth; ++d)
                                    edge = edge || !inside(x - d, y, w, h) || !inside(x + d, y, w, h) ||
                                           !inside(x, y - d, w, h) || !inside(x, y + d, w, h);
                                if (withPen && edge) want = ColorRed;
                                else if (withBrush) want = ColorBlue;
                            }
                            ASSERT_EQ(c.pixel(x + 2, y + 2), want)
                                << w << "x" << h << " pen " << penWidth << " style " << style << " at " << x << "," << y;
                        }
                }
}

// A fill inside an area that a fill of the same colour left untouched changes
// no pixel and reports nothing; any other drawing there, of any kind, makes
// the next fill paint again.
TEST(CanvasFills, AFillThatChangesNoPixelIsSkippedAndAnyOtherDrawingEndsThat)
{
    Canvas c(60, 40, ColorWhite);
    c.setOrigin({3, 2});
    int reports = 0;
    c.onChanged = [&](const QRect&) { ++reports; };
    c.brush.color = ColorOlive;
    c.fillRect(0, 0, 50, 30);
    EXPECT_EQ(reports, 1);
    c.fillRect(10, 5, 20, 15);   // same colour, inside: nothing to do
    c.fillRect(0, 0, 50, 30);
    EXPECT_EQ(reports, 1);
    c.brush.color = ColorRed;    // another colour paints
    c.fillRect(10, 5, 20, 15);
    EXPECT_EQ(reports, 2);
    EXPECT_EQ(c.pixel(12, 7), ColorRed);

    QImage picture(3, 3, QImage::Format_RGB32);
    picture.fill(Qt::green);
    // Each drawing leaves a pixel of its own at (x, 20); the teal fill over it
    // afterwards must paint it teal again.
    const std::function<void(Canvas&, int)> drawings[] = {
        [](Canvas& k, int x) { k.setPixel(x, 20, ColorRed); },
        [](Canvas& k, int x) { k.moveTo(x, 20); k.lineTo(x + 1, 20); },
        [](Canvas& k, int x) { k.moveTo(x, 20); k.lineTo(x + 2, 22); },
        [](Canvas& k, int x) { k.rectangle(x, 20, x + 2, 22); },
        [](Canvas& k, int x) { k.ellipse(x, 20, x + 2, 21); },
        [](Canvas& k, int x) { k.polygon({{x, 20}, {x + 2, 20}, {x, 22}}); },
        [](Canvas& k, int x) { k.font.color = ColorRed; k.textOut(x - 2, 16, "W"); },
        [picture](Canvas& k, int x) { k.draw(x, 20, picture); },
    };
    for (const auto& draw : drawings) {
        c.brush.color = ColorOlive;
        c.fillRect(0, 0, 50, 30);
        c.pen.color = ColorRed;
        c.brush.color = ColorRed;
        draw(c, 30);
        ASSERT_NE(c.pixel(30, 20), ColorOlive);
        c.brush.color = ColorOlive;
        c.fillRect(20, 10, 50, 30);
        EXPECT_EQ(c.pixel(30, 20), ColorOlive) << &draw - drawings;
        EXPECT_EQ(countColor(c, ColorOlive, {0, 0, 50, 30}), 50 * 30) << &draw - drawings;
    }

    // Clearing the image, and a fill larger than the last, start a new area.
    c.clear(ColorBlue);
    c.brush.color = ColorBlue;
    reports = 0;
    c.fillRect(-3, -2, 57, 38);
    EXPECT_EQ(reports, 0);
    c.brush.color = ColorNavy;
    c.fillRect(0, 0, 10, 10);
    c.fillRect(0, 0, 20, 10);   // reaches past the navy square
    EXPECT_EQ(countColor(c, ColorNavy, {0, 0, 50, 30}), 200);

    // A fill over rows most of which already hold its colour writes and reports
    // only the rows that did not, whatever pixel of them differed.
    c.clear(ColorWhite);
    c.setPixel(0, 12, ColorRed);    // first pixel of a row
    c.setPixel(49, 14, ColorRed);   // last pixel of a row
    c.setPixel(25, 17, ColorRed);   // a pixel inside a row
    std::vector<QRect> reported;
    c.onChanged = [&](const QRect& r) { reported.push_back(r); };
    c.brush.color = ColorWhite;
    c.fillRect(0, 0, 50, 30);
    EXPECT_EQ(countColor(c, ColorWhite, {0, 0, 50, 30}), 50 * 30);
    ASSERT_EQ(reported.size(), 1u);
    EXPECT_EQ(reported[0], QRect(3, 14, 50, 6));   // rows 12..17, in image coordinates
}

// A picture drawn again and again as the space-time view draws it: the area
// cleared, rows of stripes of three colours over a part of it, figures on the
// stripes. Every picture comes out whole, and each clearing after the first
// writes and reports only the columns the last picture took.
TEST(CanvasFills, ClearingWritesOnlyWhereTheLastPictureLay)
{
    Canvas c(160, 100, ColorWhite);
    std::vector<QRect> reported;
    c.onChanged = [&](const QRect& r) { reported.push_back(r); };
    const TColor stripes[] = {ColorRed, ColorNavy, ColorOlive};
    for (int picture = 0; picture < 4; ++picture) {
        const int rows = 3 + 2 * picture;   // each picture a little taller than the last
        reported.clear();
        c.brush.color = ColorButtonFace;
        c.fillRect(0, 0, 100, 80);
        if (picture > 0) {
            ASSERT_EQ(reported.size(), 1u) << picture;
            EXPECT_EQ(reported[0], QRect(0, 0, 60, 10 * (rows - 2))) << picture;   // the last picture's stripes
        }
        for (int t = 0; t < rows; ++t) {
            c.brush.color = stripes[t % 3];
            c.fillRect(0, 10 * t, 60, 10 * t + 10);
        }
        c.pen.color = ColorBlack;
        c.brush.color = ColorLime;
        for (int t = 0; t < rows; t += 2)
            c.ellipse(20, 10 * t + 2, 27, 10 * t + 8);

        QImage want(160, 100, QImage::Format_RGB32);
        want.fill(ToQColor(ColorWhite));
        QPainter p(&want);
        p.fillRect(0, 0, 100, 80, ToQColor(ColorButtonFace));
        for (int t = 0; t < rows; ++t)
            p.fillRect(0, 10 * t, 60, 10, ToQColor(stripes[t % 3]));
        p.end();
        for (int y = 0; y < 100; ++y)
            for (int x = 0; x < 160; ++x) {
                if (x >= 20 && x < 27 && y % 20 >= 2 && y % 20 < 8 && y < 10 * rows) continue;   // the figures
                ASSERT_EQ(c.image().pixel(x, y), want.pixel(x, y)) << picture << " at " << x << "," << y;
            }
    }
}

// Thousands of figures of every kind, at random, on a canvas whose origin and
// clip move now and then: after every fill each pixel it covers has its colour,
// and every pixel any figure changed lies in an area the canvas reported.
TEST(CanvasFills, EveryFillPaintsItsAreaAndEveryChangeIsReported)
{
    std::mt19937 random(20240611);
    const auto pick = [&random](int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(random); };
    Canvas c(48, 36, ColorWhite);
    QRegion reported;
    c.onChanged = [&](const QRect& r) { reported += r; };
    QImage picture(5, 3, QImage::Format_RGB32);
    picture.fill(Qt::darkCyan);
    const TColor colours[] = {ColorWhite, ColorRed, ColorButtonFace, ColorNavy};
    for (int step = 0; step < 4000; ++step) {
        const QImage before = c.image().copy();
        reported = QRegion();
        const int x = pick(-10, 50), y = pick(-10, 40), x2 = pick(-10, 50), y2 = pick(-10, 40);
        c.brush.color = colours[pick(0, 3)];
        c.pen.color = colours[pick(0, 3)];
        c.pen.width = pick(1, 3);
        const int kind = pick(0, 12);
        switch (kind) {
        case 0: c.setPixel(x, y, c.pen.color); break;
        case 1: c.moveTo(x, y); c.lineTo(x2, y2); break;
        case 2: c.moveTo(x, y); c.lineTo(x2, y); break;
        case 3: c.ellipse(x, y, x2, y2); break;
        case 4: c.rectangle(x, y, x2, y2); break;
        case 5: c.polygon({{x, y}, {x2, y}, {x, y2}}); break;
        case 6: c.draw(x, y, picture); break;
        case 7: if (pick(0, 20) == 0) c.textOut(x, y, "ab"); break;
        case 8: if (pick(0, 30) == 0) c.clear(colours[pick(0, 3)]); break;
        case 9:
            if (pick(0, 10) == 0) {
                c.setOrigin({pick(0, 6), pick(0, 6)});
                if (pick(0, 1)) {
                    c.setClip(QRect(pick(0, 10), pick(0, 10), pick(20, 48), pick(15, 36)));
                } else {
                    c.clearClip();
                }
            }
            break;
        default: {   // fills, the most of all, of the colours the canvas already holds
            c.fillRect(x, y, x2, y2);
            const QRect area = QRect(QPoint(std::min(x, x2), std::min(y, y2)), QPoint(std::max(x, x2) - 1, std::max(y, y2) - 1)) &
                               c.clip();
            for (int py = area.top(); py <= area.bottom(); ++py)
                for (int px = area.left(); px <= area.right(); ++px)
                    ASSERT_EQ(c.pixel(px, py), c.brush.color) << "step " << step << " at " << px << "," << py;
            break;
        }
        }
        if (kind == 8) continue;   // a clear reports the whole image itself
        for (int py = 0; py < before.height(); ++py)
            for (int px = 0; px < before.width(); ++px)
                if (before.pixel(px, py) != c.image().pixel(px, py)) {
                    ASSERT_TRUE(reported.contains(QPoint(px, py))) << "step " << step << " kind " << kind << " at " << px << "," << py;
                }
    }
}

// Figures drawn far apart and then between them: the next paint of the area
// covers every one of them, however the waiting area was gathered.
TEST(PaintAreaRepaint, TheNextPaintCoversEveryFigureDrawnSinceTheLast)
{
    PaintArea area(nullptr, QSize(300, 200));
    area.resize(300, 200);
    area.show();
    QApplication::processEvents();
    struct PaintRecorder : QObject {
        QRegion painted;
        bool eventFilter(QObject*, QEvent* e) override
        {
            if (e->type() == QEvent::Paint) painted += static_cast<QPaintEvent*>(e)->region();
            return false;
        }
    } recorder;
    area.installEventFilter(&recorder);
    Canvas& c = area.canvas();
    c.brush.color = ColorRed;
    const QRect figures[] = {{5, 5, 10, 10}, {250, 150, 20, 20}, {120, 80, 8, 8}, {140, 90, 4, 4}};
    for (const QRect& r : figures) c.fillRect(r.left(), r.top(), r.right() + 1, r.bottom() + 1);
    for (int i = 0; i < 20 && recorder.painted.isEmpty(); ++i) {
        QApplication::processEvents();
        QThread::msleep(5);
    }
    for (const QRect& r : figures) EXPECT_TRUE(recorder.painted.contains(r)) << r.x() << "," << r.y();
    recorder.painted = QRegion();
    c.fillRect(200, 20, 210, 30);   // after that paint, a new figure is painted again
    for (int i = 0; i < 20 && recorder.painted.isEmpty(); ++i) {
        QApplication::processEvents();
        QThread::msleep(5);
    }
    EXPECT_TRUE(recorder.painted.contains(QRect(200, 20, 10, 10)));
}

// What the area shows is the canvas where the canvas lies and the window's
// colour beyond it, for a paint of the whole area and for one of a part.
TEST(PaintAreaRepaint, ShowsTheCanvasAndTheWindowColourBeyondIt)
{
    PaintArea area(nullptr, QSize(100, 50));
    area.resize(150, 80);
    Canvas& c = area.canvas();
    c.brush.color = ColorMaroon;
    c.fillRect(10, 10, 60, 40);
    c.pen.color = ColorAqua;
    c.moveTo(0, 49);
    c.lineTo(99, 0);
    const QColor window = area.palette().window().color();
    for (const QRect& part : {QRect(0, 0, 150, 80), QRect(80, 30, 50, 40)}) {
        const QImage shown = area.grab(part).toImage();
        for (int y = 0; y < part.height(); ++y)
            for (int x = 0; x < part.width(); ++x) {
                const QPoint p = part.topLeft() + QPoint(x, y);
                const QColor want = c.image().rect().contains(p) ? QColor(c.image().pixel(p)) : window;
                ASSERT_EQ(QColor(shown.pixel(x, y)), want) << p.x() << "," << p.y();
            }
    }
}
