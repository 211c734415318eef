#include "widgets/Canvas.h"

#include <QFontMetrics>
#include <QPainter>
#include <algorithm>
#include <cmath>
#include <cstdlib>

// The pixels one figure covers, marked as pen or brush, so that a not-xor figure
// touches each pixel exactly once even where outline and fill or thick strokes overlap.
struct Canvas::Mask {
    QRect box;   // already clipped to the image
    std::vector<std::uint8_t> cells;
    std::uint32_t penRgb = 0, brushRgb = 0;

    explicit Mask(const QRect& b) : box(b), cells(b.isValid() ? std::size_t(b.width()) * std::size_t(b.height()) : 0, 0) {}
    void mark(int x, int y, std::uint8_t what)
    {
        if (!box.contains(x, y))
            return;
        std::uint8_t& c = cells[std::size_t(y - box.top()) * std::size_t(box.width()) + std::size_t(x - box.left())];
        c = std::max(c, what);
    }
};

namespace {
int penWidth(const Pen& p) { return std::max(1, p.width); }

// Bounding box of a figure's corners, normalised so that left < right is not required.
QRect spanBox(int x1, int y1, int x2, int y2)
{
    return QRect(QPoint(std::min(x1, x2), std::min(y1, y2)), QPoint(std::max(x1, x2) - 1, std::max(y1, y2) - 1));
}
}  // namespace

Canvas::Canvas(int width, int height, TColor fill)
    : image_(std::max(1, width), std::max(1, height), QImage::Format_RGB32)
{
    image_.fill(ToRgb32(fill));
}

void Canvas::changed(const QRect& r)
{
    const QRect touched = r & image_.rect();
    if (onChanged && !touched.isEmpty())
        onChanged(touched);
}

void Canvas::plot(int x, int y, std::uint32_t rgb, bool notXor)
{
    if (x < 0 || y < 0 || x >= image_.width() || y >= image_.height())
        return;
    auto* p = reinterpret_cast<std::uint32_t*>(image_.scanLine(y)) + x;
    *p = notXor ? (0xFF000000u | (~(rgb ^ *p) & 0x00FFFFFFu)) : rgb;
}

void Canvas::paintMask(const Mask& m)
{
    const bool notXor = pen.mode == PenMode::NotXor;
    std::size_t i = 0;
    for (int y = m.box.top(); y <= m.box.bottom(); ++y)
        for (int x = m.box.left(); x <= m.box.right(); ++x, ++i) {
            if (m.cells[i] == PenPx)
                plot(x, y, m.penRgb, notXor);
            else if (m.cells[i] == BrushPx)
                plot(x, y, m.brushRgb, notXor);
        }
    changed(m.box);
}

// Bresenham from (x0,y0) towards (x1,y1), the end point itself left out.
void Canvas::linePixels(int x0, int y0, int x1, int y1, const std::function<void(int, int)>& put) const
{
    long long x = x0, y = y0;
    const long long dx = std::llabs(static_cast<long long>(x1) - x0), sx = x0 < x1 ? 1 : -1;
    const long long dy = -std::llabs(static_cast<long long>(y1) - y0), sy = y0 < y1 ? 1 : -1;
    long long err = dx + dy;
    while (x != x1 || y != y1) {
        put(int(x), int(y));
        const long long e2 = 2 * err;
        if (e2 >= dy) {
            err += dy;
            x += sx;
        }
        if (e2 <= dx) {
            err += dx;
            y += sy;
        }
    }
}

void Canvas::moveTo(int x, int y) { pos_ = QPoint(x, y); }

void Canvas::lineTo(int x, int y)
{
    const QPoint from = pos_;
    pos_ = QPoint(x, y);
    if (pen.style == PenStyle::Clear)
        return;
    const int w = penWidth(pen);
    const int off = w / 2;
    const QRect reach = QRect(QPoint(std::min(from.x(), x) - off, std::min(from.y(), y) - off),
                              QPoint(std::max(from.x(), x) - off + w - 1, std::max(from.y(), y) - off + w - 1));
    if (!reach.intersects(image_.rect()))
        return;
    const std::uint32_t rgb = ToRgb32(pen.color);
    if (w == 1) {
        const bool notXor = pen.mode == PenMode::NotXor;
        linePixels(from.x(), from.y(), x, y, [&](int px, int py) { plot(px, py, rgb, notXor); });
        changed(reach);
        return;
    }
    Mask m(reach & image_.rect());
    m.penRgb = rgb;
    linePixels(from.x(), from.y(), x, y, [&](int px, int py) {
        for (int sy = 0; sy < w; ++sy)
            for (int sx = 0; sx < w; ++sx)
                m.mark(px - off + sx, py - off + sy, PenPx);
    });
    paintMask(m);
}

void Canvas::rectangle(int x1, int y1, int x2, int y2)
{
    if (x1 == x2 || y1 == y2)
        return;
    const QRect fig = spanBox(x1, y1, x2, y2);
    Mask m(fig & image_.rect());
    m.penRgb = ToRgb32(pen.color);
    m.brushRgb = ToRgb32(brush.color);
    const bool withPen = pen.style == PenStyle::Solid, withBrush = brush.style == BrushStyle::Solid;
    const int w = penWidth(pen);
    for (int y = m.box.top(); y <= m.box.bottom(); ++y)
        for (int x = m.box.left(); x <= m.box.right(); ++x) {
            const bool edge = x < fig.left() + w || x > fig.right() - w || y < fig.top() + w || y > fig.bottom() - w;
            if (withPen && edge)
                m.mark(x, y, PenPx);
            else if (withBrush)
                m.mark(x, y, BrushPx);
        }
    paintMask(m);
}

void Canvas::fillRect(int x1, int y1, int x2, int y2)
{
    if (brush.style == BrushStyle::Clear || x1 == x2 || y1 == y2)
        return;
    const QRect r = spanBox(x1, y1, x2, y2) & image_.rect();
    if (r.isEmpty())
        return;
    const std::uint32_t rgb = ToRgb32(brush.color);
    for (int y = r.top(); y <= r.bottom(); ++y) {
        auto* line = reinterpret_cast<std::uint32_t*>(image_.scanLine(y));
        std::fill(line + r.left(), line + r.right() + 1, rgb);
    }
    changed(r);
}

void Canvas::ellipse(int x1, int y1, int x2, int y2)
{
    if (x1 == x2 || y1 == y2)
        return;
    const QRect fig = spanBox(x1, y1, x2, y2);
    const double a = fig.width() / 2.0, b = fig.height() / 2.0;
    const double cx = fig.left() + a, cy = fig.top() + b;
    // A pixel belongs to the ellipse when its centre does.
    auto inside = [&](int x, int y) {
        const double u = (x + 0.5 - cx) / a, v = (y + 0.5 - cy) / b;
        return u * u + v * v <= 1.0;
    };
    Mask m(fig & image_.rect());
    m.penRgb = ToRgb32(pen.color);
    m.brushRgb = ToRgb32(brush.color);
    const bool withPen = pen.style == PenStyle::Solid, withBrush = brush.style == BrushStyle::Solid;
    const int w = penWidth(pen);
    for (int y = m.box.top(); y <= m.box.bottom(); ++y)
        for (int x = m.box.left(); x <= m.box.right(); ++x) {
            if (!inside(x, y))
                continue;
            bool edge = false;
            for (int d = 1; d <= w && !edge; ++d)
                edge = !inside(x - d, y) || !inside(x + d, y) || !inside(x, y - d) || !inside(x, y + d);
            if (withPen && edge)
                m.mark(x, y, PenPx);
            else if (withBrush)
                m.mark(x, y, BrushPx);
        }
    paintMask(m);
}

void Canvas::polygon(const std::vector<QPoint>& points)
{
    if (points.size() < 2)
        return;
    const bool withPen = pen.style == PenStyle::Solid, withBrush = brush.style == BrushStyle::Solid;
    const int w = penWidth(pen), off = w / 2;
    int minX = points[0].x(), maxX = minX, minY = points[0].y(), maxY = minY;
    for (const QPoint& p : points) {
        minX = std::min(minX, p.x());
        maxX = std::max(maxX, p.x());
        minY = std::min(minY, p.y());
        maxY = std::max(maxY, p.y());
    }
    Mask m(QRect(QPoint(minX - off, minY - off), QPoint(maxX - off + w - 1, maxY - off + w - 1)) & image_.rect());
    if (m.box.isEmpty())
        return;
    m.penRgb = ToRgb32(pen.color);
    m.brushRgb = ToRgb32(brush.color);
    const std::size_t n = points.size();
    if (withBrush) {
        // Even-odd scan lines through the pixel centres.
        std::vector<double> xs;
        for (int y = m.box.top(); y <= m.box.bottom(); ++y) {
            const double yc = y + 0.5;
            xs.clear();
            for (std::size_t i = 0; i < n; ++i) {
                const QPoint& p = points[i];
                const QPoint& q = points[(i + 1) % n];
                if (p.y() == q.y())
                    continue;
                if (yc >= std::min(p.y(), q.y()) && yc < std::max(p.y(), q.y()))
                    xs.push_back(p.x() + (yc - p.y()) * double(q.x() - p.x()) / double(q.y() - p.y()));
            }
            std::sort(xs.begin(), xs.end());
            for (std::size_t k = 0; k + 1 < xs.size(); k += 2) {
                const int from = std::max<int>(m.box.left(), int(std::ceil(xs[k] - 0.5)));
                const int to = std::min<int>(m.box.right(), int(std::ceil(xs[k + 1] - 0.5)) - 1);
                for (int x = from; x <= to; ++x)
                    m.mark(x, y, BrushPx);
            }
        }
    }
    if (withPen) {
        for (std::size_t i = 0; i < n; ++i) {
            const QPoint& p = points[i];
            const QPoint& q = points[(i + 1) % n];
            auto stamp = [&](int px, int py) {
                for (int sy = 0; sy < w; ++sy)
                    for (int sx = 0; sx < w; ++sx)
                        m.mark(px - off + sx, py - off + sy, PenPx);
            };
            if (p == q)
                stamp(p.x(), p.y());
            else
                linePixels(p.x(), p.y(), q.x(), q.y(), stamp);
        }
    }
    paintMask(m);
}

TColor Canvas::pixel(int x, int y) const
{
    if (x < 0 || y < 0 || x >= image_.width() || y >= image_.height())
        return ColorWhite;
    return FromRgb32(reinterpret_cast<const std::uint32_t*>(image_.constScanLine(y))[x]);
}

void Canvas::setPixel(int x, int y, TColor c)
{
    if (x < 0 || y < 0 || x >= image_.width() || y >= image_.height())
        return;
    plot(x, y, ToRgb32(c), false);
    changed(QRect(x, y, 1, 1));
}

QFont Canvas::qfont() const
{
    QFont f(font.name);
    f.setPixelSize(std::max(1, int(std::lround(font.size * 96.0 / 72.0))));
    f.setBold(font.bold);
    f.setStyleStrategy(QFont::NoAntialias);
    return f;
}

int Canvas::textWidth(const QString& text) const { return QFontMetrics(qfont()).horizontalAdvance(text); }
int Canvas::textHeight(const QString&) const { return QFontMetrics(qfont()).height(); }

void Canvas::textOut(int x, int y, const QString& text)
{
    const QFont f = qfont();
    const QFontMetrics fm(f);
    const QRect r(x, y, fm.horizontalAdvance(text), fm.height());
    {
        QPainter p(&image_);
        p.setRenderHint(QPainter::Antialiasing, false);
        p.setRenderHint(QPainter::TextAntialiasing, false);
        if (brush.style == BrushStyle::Solid)
            p.fillRect(r, ToQColor(brush.color));
        p.setFont(f);
        p.setPen(ToQColor(font.color));
        p.drawText(r, Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine, text);
    }
    pos_ = QPoint(x + r.width(), y);
    changed(r);
}

void Canvas::draw(int x, int y, const QImage& bitmap)
{
    if (bitmap.isNull())
        return;
    {
        QPainter p(&image_);
        p.setCompositionMode(QPainter::CompositionMode_Source);
        p.drawImage(x, y, bitmap);
    }
    changed(QRect(QPoint(x, y), bitmap.size()));
}

void Canvas::clear(TColor c)
{
    image_.fill(ToRgb32(c));
    changed(image_.rect());
}

void Canvas::resize(int width, int height, TColor fill)
{
    width = std::max(1, width);
    height = std::max(1, height);
    if (width == image_.width() && height == image_.height())
        return;
    QImage next(width, height, QImage::Format_RGB32);
    next.fill(ToRgb32(fill));
    {
        QPainter p(&next);
        p.setCompositionMode(QPainter::CompositionMode_Source);
        p.drawImage(0, 0, image_);
    }
    image_ = std::move(next);
    changed(image_.rect());
}
