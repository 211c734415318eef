// A persistent drawing surface (QImage Format_RGB32) with the pen, brush, font and
// current position that persist between handlers. Drawing is pixel-exact and never
// antialiased: rectangles and ellipses cover x1..x2-1 and y1..y2-1 (right and bottom edge
// excluded), lineTo does not draw its end point, pen width 0 draws 1 pixel. The pen mode
// (copy or not-xor) applies to pen and brush of rectangle, ellipse and polygon; fillRect
// always copies the brush, and writes and reports only the pixels that may not hold its
// colour yet: those that fills of that colour left, untouched since, are skipped.
// Pixels outside the image read as white; writes there are ignored,
// and so are writes outside the clip rectangle: any int coordinates are safe, and a figure
// costs only its visible part, however far it reaches. Coordinates are relative to the
// canvas's origin, a point of the image ((0, 0) unless set): figures, pixels, the pen
// position and the clip all move with it.
#pragma once

#include "widgets/Colors.h"
#include "widgets/Look.h"

#include <QImage>
#include <QPoint>
#include <QRect>
#include <QString>
#include <functional>
#include <utility>
#include <vector>

enum class PenStyle { Solid, Clear };
enum class PenMode { Copy, NotXor };
enum class BrushStyle { Solid, Clear };

struct Pen {
    TColor color = ColorBlack;
    int width = 1;
    PenStyle style = PenStyle::Solid;
    PenMode mode = PenMode::Copy;
};
struct Brush {
    TColor color = ColorWhite;
    BrushStyle style = BrushStyle::Solid;
};
struct FontSpec {
    QString name = kWorkbenchFontFamily;
    int size = 8;   // points at 96 dpi
    TColor color = ColorBlack;
    bool bold = false;
};

class Canvas {
public:
    explicit Canvas(int width, int height, TColor fill = ColorButtonFace);

    Pen pen;
    Brush brush;
    FontSpec font;

    void moveTo(int x, int y);
    void lineTo(int x, int y);
    void rectangle(int x1, int y1, int x2, int y2);   // brush fill + pen outline (drawn inside)
    void fillRect(int x1, int y1, int x2, int y2);    // brush only
    void ellipse(int x1, int y1, int x2, int y2);
    void polygon(const std::vector<QPoint>& points);  // even-odd fill + closed outline
    TColor pixel(int x, int y) const;
    void setPixel(int x, int y, TColor c);
    void textOut(int x, int y, const QString& text);  // top-left at (x,y); pen moves to its right end
    int textWidth(const QString& text) const;
    int textHeight(const QString& text) const;
    void draw(int x, int y, const QImage& bitmap);
    void clear(TColor c);   // the whole image, whatever the clip

    // Drawing is kept inside this rectangle of the image (image coordinates, whatever the
    // origin); pixels outside it stay as they are. By default, and after clearClip, the
    // whole image. clip() gives where drawing may write, in canvas coordinates.
    void setClip(const QRect& r);
    void clearClip();
    QRect clip() const;
    // The point of the image that canvas coordinates (0, 0) name.
    void setOrigin(QPoint imagePoint);
    QPoint origin() const { return origin_; }
    // The pixels of r (canvas coordinates) as an image; those off the image are 0.
    QImage copy(const QRect& r) const;
    // New size; what was drawn stays where it was, new area gets the fill colour.
    void resize(int width, int height, TColor fill = ColorButtonFace);

    const QImage& image() const { return image_; }
    int width() const { return image_.width(); }
    int height() const { return image_.height(); }
    QPoint penPos() const { return pos_; }

    std::function<void(const QRect&)> onChanged;   // the area that a drawing call touched

private:
    enum : std::uint8_t { None = 0, BrushPx = 1, PenPx = 2 };
    struct Mask;   // what one figure covers, resolved before any pixel is written

    QRect bounds() const;   // where drawing may write, in canvas coordinates: the image within the clip
    void plot(int x, int y, std::uint32_t rgb, bool notXor);   // (x, y) inside bounds()
    std::uint32_t* row(int y);   // image row of canvas row y (inside bounds()), at canvas x 0
    // The rows of the image for one figure: writing needs the image unshared,
    // which is seen to once here rather than for every row.
    struct Rows {
        std::uint8_t* bits;
        qsizetype bytesPerLine;
        QPoint origin;
        std::uint32_t* operator()(int y) const
        {
            return reinterpret_cast<std::uint32_t*>(bits + qsizetype(y + origin.y()) * bytesPerLine) + origin.x();
        }
    };
    Rows rows() { return {image_.bits(), image_.bytesPerLine(), origin_}; }
    void paintRect(const QRect& r, std::uint32_t rgb, bool notXor);
    static void Plot(std::uint32_t* p, std::uint32_t rgb, bool notXor)
    {
        *p = notXor ? (0xFF000000u | (~(rgb ^ *p) & 0x00FFFFFFu)) : rgb;
    }
    void paintMask(const Mask& m);
    void changed(const QRect& r);
    QFont qfont() const;

    QImage image_;
    // Per row of the image, what fills left there (image coordinates): a colour over
    // a span, except within a stretch that something else has drawn on since (the
    // dirt); two such spans of different colours at most. A fill of a span's colour
    // writes only the dirt it covers, and reports only what it wrote: clearing the
    // drawing area before each picture writes only where the last picture lay, and
    // the paint after it covers no more, though rows of stripes of other colours
    // were filled over the cleared area meanwhile.
    struct RowFill {
        std::uint32_t rgb = 0;
        int left = 0, right = -1;           // inclusive; empty: nothing known
        int dirtLeft = 0, dirtRight = -1;   // inclusive; empty: no dirt
        bool known() const { return left <= right; }
        void soil(int from, int to);        // pixels from..to drawn on
        void cleanWithin(int from, int to); // pixels from..to hold rgb
    };
    struct RowFills {
        RowFill spans[2];   // the one filled last first
    };
    std::vector<RowFills> rowFills_;
    void knowRowFills(std::uint32_t rgb);   // every row one colour throughout
    void forgetRowFills();   // nothing known of any row
    void soilRowFills(const QRect& touched);   // the image's pixels of touched drawn on
    // Fills pixels left..right of image row y with rgb, all but what the row's
    // spans know holds it already; returns the columns written (from > to: none).
    std::pair<int, int> fillRow(int y, int left, int right, std::uint32_t rgb);
    QPoint pos_{0, 0};
    QRect clip_;   // image coordinates; null: no clip
    QPoint origin_{0, 0};
};
