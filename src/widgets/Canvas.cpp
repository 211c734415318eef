#include "widgets/Canvas.h"

#include <QFontMetrics>
#include <QPainter>
#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <limits>
#include <vector>

// The pixels one figure covers, marked as pen or brush, so that a not-xor figure
// touches each pixel exactly once even where outline and fill or thick strokes overlap.
struct Canvas::Mask {
    QRect box;   // already clipped to the bounds
    std::vector<std::uint8_t> cells;
    std::uint32_t penRgb = 0, brushRgb = 0;

    explicit Mask(const QRect& b) : box(b), cells(b.isValid() ? std::size_t(b.width()) * std::size_t(b.height()) : 0, 0) {}
    void mark(int x, int y, std::uint8_t what)
    {
        // The box's edges compared here: QRect::contains is a call into Qt per pixel.
        if (x < box.left() || x > box.right() || y < box.top() || y > box.bottom())
            return;
        std::uint8_t& c = cells[std::size_t(y - box.top()) * std::size_t(box.width()) + std::size_t(x - box.left())];
        c = std::max(c, what);
    }
};

namespace {
// An inclusive box in 64-bit coordinates, so that no corner of a figure overflows.
struct Span {
    long long l, t, r, b;   // inclusive; empty when l > r or t > b

    Span grown(long long before, long long after) const { return {l - before, t - before, r + after, b + after}; }
    // The part inside bounds as a QRect (whose corners then fit an int); null when none.
    QRect within(const QRect& bounds) const
    {
        const long long L = std::max<long long>(l, bounds.left()), T = std::max<long long>(t, bounds.top());
        const long long R = std::min<long long>(r, bounds.right()), B = std::min<long long>(b, bounds.bottom());
        if (L > R || T > B)
            return {};
        return QRect(QPoint(int(L), int(T)), QPoint(int(R), int(B)));
    }
};

int penWidth(const Pen& p) { return std::max(1, p.width); }

// The box of a figure's corners, right and bottom edges excluded, whichever way round
// the corners are given.
Span spanBox(int x1, int y1, int x2, int y2)
{
    return {std::min(x1, x2), std::min(y1, y2), std::max<long long>(x1, x2) - 1, std::max<long long>(y1, y2) - 1};
}

int saturate(long long v)
{
    return int(std::clamp<long long>(v, std::numeric_limits<int>::min(), std::numeric_limits<int>::max()));
}
// The pixels of Bresenham's line from (x0,y0) towards (x1,y1), the end point left out,
// that lie inside area. Along the major axis the k-th pixel is k steps from the start;
// on the minor axis it is floor((2*minor*k + major) / (2*major)) steps, exactly where the
// stepping algorithm's error term moves it. So only the pixels inside area are visited,
// and a line reaching to the int limits costs no more than its visible part.
template <class Put>
void linePixels(int x0, int y0, int x1, int y1, const Span& area, const Put& put)
{
    const long long dx = std::llabs(static_cast<long long>(x1) - x0), dy = std::llabs(static_cast<long long>(y1) - y0);
    const long long steps = std::max(dx, dy);
    if (steps == 0 || area.l > area.r || area.t > area.b)
        return;
    const bool xMajor = dx >= dy;
    const long long major = steps, minor = xMajor ? dy : dx;
    const long long majorStart = xMajor ? x0 : y0, minorStart = xMajor ? y0 : x0;
    const int majorDir = (xMajor ? x0 < x1 : y0 < y1) ? 1 : -1;
    const int minorDir = (xMajor ? y0 < y1 : x0 < x1) ? 1 : -1;
    const long long majorLo = xMajor ? area.l : area.t, majorHi = xMajor ? area.r : area.b;
    const long long minorLo = xMajor ? area.t : area.l, minorHi = xMajor ? area.b : area.r;

    auto minorAt = [&](long long k) {
        return minorStart + minorDir * static_cast<long long>((__int128(2) * minor * k + major) / (__int128(2) * major));
    };
    // Steps whose major coordinate lies inside the area.
    long long kLo = majorDir > 0 ? majorLo - majorStart : majorStart - majorHi;
    long long kHi = majorDir > 0 ? majorHi - majorStart : majorStart - majorLo;
    kLo = std::max(kLo, 0LL);
    kHi = std::min(kHi, steps - 1);
    if (kLo > kHi)
        return;
    // The minor coordinate only moves one way: cut off the steps before it enters the
    // area and after it leaves it (each a run at one end of the range).
    auto before = [&](long long k) { return minorDir > 0 ? minorAt(k) < minorLo : minorAt(k) > minorHi; };
    auto after = [&](long long k) { return minorDir > 0 ? minorAt(k) > minorHi : minorAt(k) < minorLo; };
    long long lo = kLo, hi = kHi + 1;   // first step not before the area
    while (lo < hi) {
        const long long mid = lo + (hi - lo) / 2;
        if (before(mid))
            lo = mid + 1;
        else
            hi = mid;
    }
    const long long first = lo;
    lo = first;
    hi = kHi + 1;   // first step after the area
    while (lo < hi) {
        const long long mid = lo + (hi - lo) / 2;
        if (after(mid))
            hi = mid;
        else
            lo = mid + 1;
    }
    for (long long k = first; k < lo; ++k) {
        const long long major_ = majorStart + majorDir * k, minor_ = minorAt(k);
        put(int(xMajor ? major_ : minor_), int(xMajor ? minor_ : major_));
    }
}

}  // namespace

Canvas::Canvas(int width, int height, TColor fill)
    : image_(std::max(1, width), std::max(1, height), QImage::Format_RGB32)
{
    image_.fill(ToRgb32(fill));
    knowRowFills(ToRgb32(fill));
}

void Canvas::RowFill::soil(int from, int to)
{
    if (!known() || to < left || right < from)
        return;
    const bool clean = dirtLeft > dirtRight;
    dirtLeft = clean ? from : std::min(dirtLeft, from);
    dirtRight = clean ? to : std::max(dirtRight, to);
    if (dirtLeft <= left && right <= dirtRight)
        *this = RowFill{};
}

void Canvas::RowFill::cleanWithin(int from, int to)
{
    if (from <= dirtLeft && dirtRight <= to)
        dirtLeft = 0, dirtRight = -1;
}

void Canvas::knowRowFills(std::uint32_t rgb)
{
    rowFills_.assign(std::size_t(image_.height()), RowFills{{RowFill{rgb, 0, image_.width() - 1}, RowFill{}}});
}

void Canvas::forgetRowFills() { rowFills_.assign(std::size_t(image_.height()), RowFills{}); }

void Canvas::soilRowFills(const QRect& touched)
{
    for (int y = touched.top(); y <= touched.bottom(); ++y)
        for (RowFill& f : rowFills_[std::size_t(y)].spans)
            f.soil(touched.left(), touched.right());
}

std::pair<int, int> Canvas::fillRow(int y, int left, int right, std::uint32_t rgb)
{
    RowFill* same = nullptr;
    for (RowFill& f : rowFills_[std::size_t(y)].spans) {
        if (f.known() && f.rgb == rgb)
            same = &f;
        else
            f.soil(left, right);
    }
    int from = left, to = right;
    if (same && same->left <= left && right <= same->right) {
        // Inside the span: only its dirt can differ.
        from = std::max(left, same->dirtLeft);
        to = std::min(right, same->dirtRight);
        same->cleanWithin(left, right);
    } else if (same && left <= same->right + 1 && same->left <= right + 1) {
        // Beside or over a part of the span: the span grows.
        same->left = std::min(same->left, left);
        same->right = std::max(same->right, right);
        same->cleanWithin(left, right);
    } else if (!same || right - left > same->right - same->left) {
        // A new span, in the place of the same colour's smaller one, or else of
        // the one filled longer ago.
        RowFills& row = rowFills_[std::size_t(y)];
        if (!same) {
            row.spans[1] = row.spans[0];
            same = &row.spans[0];
        }
        *same = RowFill{rgb, left, right};
    }
    // The span of the colour filled last comes first.
    RowFills& row = rowFills_[std::size_t(y)];
    if (same == &row.spans[1])
        std::swap(row.spans[0], row.spans[1]);
    if (from <= to) {
        std::uint32_t* line = reinterpret_cast<std::uint32_t*>(image_.scanLine(y));
        std::fill(line + from, line + to + 1, rgb);
    }
    return {from, to};
}

void Canvas::setClip(const QRect& r) { clip_ = r.isNull() ? QRect(0, 0, 0, 0) : r.normalized(); }
void Canvas::clearClip() { clip_ = QRect(); }
QRect Canvas::clip() const { return bounds(); }

// The origin stays on the image, so that every point of bounds() and its image point fit an int.
void Canvas::setOrigin(QPoint imagePoint)
{
    origin_ = QPoint(std::clamp(imagePoint.x(), 0, image_.width() - 1), std::clamp(imagePoint.y(), 0, image_.height() - 1));
}

QImage Canvas::copy(const QRect& r) const { return image_.copy(r.translated(origin_)); }

QRect Canvas::bounds() const
{
    return (clip_.isNull() ? image_.rect() : (image_.rect() & clip_)).translated(-origin_);
}

// r in canvas coordinates; the listeners get the image's.
void Canvas::changed(const QRect& r)
{
    const QRect touched = r.translated(origin_) & image_.rect();
    if (!touched.isEmpty())
        soilRowFills(touched);
    if (onChanged && !touched.isEmpty())
        onChanged(touched);
}

std::uint32_t* Canvas::row(int y)
{
    return reinterpret_cast<std::uint32_t*>(image_.scanLine(y + origin_.y())) + origin_.x();
}

void Canvas::plot(int x, int y, std::uint32_t rgb, bool notXor) { Plot(row(y) + x, rgb, notXor); }

void Canvas::paintMask(const Mask& m)
{
    const bool notXor = pen.mode == PenMode::NotXor;
    const Rows row = rows();
    std::size_t i = 0;
    for (int y = m.box.top(); y <= m.box.bottom(); ++y) {
        std::uint32_t* line = row(y);
        for (int x = m.box.left(); x <= m.box.right(); ++x, ++i) {
            if (m.cells[i] == PenPx)
                Plot(line + x, m.penRgb, notXor);
            else if (m.cells[i] == BrushPx)
                Plot(line + x, m.brushRgb, notXor);
        }
    }
    changed(m.box);
}

// Every pixel of r (inside bounds()) painted once.
void Canvas::paintRect(const QRect& r, std::uint32_t rgb, bool notXor)
{
    const Rows row = rows();
    for (int y = r.top(); y <= r.bottom(); ++y) {
        std::uint32_t* line = row(y);
        if (!notXor) {
            std::fill(line + r.left(), line + r.right() + 1, rgb);
            continue;
        }
        for (int x = r.left(); x <= r.right(); ++x) Plot(line + x, rgb, true);
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
    // A pixel p of the path covers p - off .. p - off + w - 1 on each axis.
    const Span path{std::min(from.x(), x), std::min(from.y(), y), std::max(from.x(), x), std::max(from.y(), y)};
    const QRect reach = path.grown(off, w - 1 - off).within(bounds());
    if (reach.isNull())
        return;
    const Span area = Span{reach.left(), reach.top(), reach.right(), reach.bottom()}.grown(w - 1 - off, off);
    const std::uint32_t rgb = ToRgb32(pen.color);
    const bool notXor = pen.mode == PenMode::NotXor;
    if ((from.x() == x) != (from.y() == y)) {
        // A level or upright line: its pixels, the end left out, each covering w x w,
        // make one rectangle (hatchings draw hundreds of these at a time).
        const bool level = from.y() == y;
        const int a = level ? from.x() : from.y(), b = level ? x : y;   // along the line
        const long long first = std::min(a, b < a ? b + 1 : a), last = std::max(a, b > a ? b - 1 : a);
        const long long across = level ? y : from.x();
        const Span covered = level ? Span{first, across, last, across} : Span{across, first, across, last};
        const QRect r = covered.grown(off, w - 1 - off).within(bounds());
        if (!r.isNull())
            paintRect(r, rgb, notXor);
        changed(reach);
        return;
    }
    if (w == 1) {
        const Rows row = rows();
        linePixels(from.x(), from.y(), x, y, area, [&](int px, int py) { Plot(row(py) + px, rgb, notXor); });
        changed(reach);
        return;
    }
    Mask m(reach);
    m.penRgb = rgb;
    linePixels(from.x(), from.y(), x, y, area, [&](int px, int py) {
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
    const Span fig = spanBox(x1, y1, x2, y2);
    Mask m(fig.within(bounds()));
    if (m.box.isNull())
        return;
    m.penRgb = ToRgb32(pen.color);
    m.brushRgb = ToRgb32(brush.color);
    const bool withPen = pen.style == PenStyle::Solid, withBrush = brush.style == BrushStyle::Solid;
    const long long w = penWidth(pen);
    for (int y = m.box.top(); y <= m.box.bottom(); ++y)
        for (int x = m.box.left(); x <= m.box.right(); ++x) {
            const bool edge = x < fig.l + w || x > fig.r - w || y < fig.t + w || y > fig.b - w;
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
    const QRect r = spanBox(x1, y1, x2, y2).within(bounds());
    if (r.isNull())
        return;
    const std::uint32_t rgb = ToRgb32(brush.color);
    // Each row writes only what it does not already hold in the fill's colour, as
    // far as its spans know; the area reported covers what was written.
    const int left = r.left() + origin_.x(), right = r.right() + origin_.x();
    int top = 1, bottom = 0, writtenLeft = right, writtenRight = left;   // image coordinates
    for (int y = r.top() + origin_.y(); y <= r.bottom() + origin_.y(); ++y) {
        // Most often the row's last fill was of this colour, covers this one and
        // is clean: nothing to write (a picture's cells cleared one by one).
        const RowFill& last = rowFills_[std::size_t(y)].spans[0];
        if (last.rgb == rgb && last.left <= left && right <= last.right && last.dirtLeft > last.dirtRight)
            continue;
        const auto [from, to] = fillRow(y, left, right, rgb);
        if (from > to)
            continue;
        if (top > bottom)
            top = y;
        bottom = y;
        writtenLeft = std::min(writtenLeft, from);
        writtenRight = std::max(writtenRight, to);
    }
    if (top > bottom || !onChanged)
        return;
    onChanged(QRect(QPoint(writtenLeft, top), QPoint(writtenRight, bottom)));
}

void Canvas::ellipse(int x1, int y1, int x2, int y2)
{
    if (x1 == x2 || y1 == y2)
        return;
    const Span fig = spanBox(x1, y1, x2, y2);
    Mask m(fig.within(bounds()));
    if (m.box.isNull())
        return;
    const double a = double(fig.r - fig.l + 1) / 2.0, b = double(fig.b - fig.t + 1) / 2.0;
    const double cx = double(fig.l) + a, cy = double(fig.t) + b;
    // A pixel belongs to the ellipse when its centre does.
    auto inside = [&](long long x, long long y) {
        const double u = (double(x) + 0.5 - cx) / a, v = (double(y) + 0.5 - cy) / b;
        return u * u + v * v <= 1.0;
    };
    m.penRgb = ToRgb32(pen.color);
    m.brushRgb = ToRgb32(brush.color);
    const bool withPen = pen.style == PenStyle::Solid, withBrush = brush.style == BrushStyle::Solid;
    if (!withPen && !withBrush)
        return;
    const long long w = penWidth(pen);
    // A pixel of the ellipse is on its outline when a pixel within the pen's width
    // beside, above or below it is not. Along a row or a column the pixels inside
    // form one run (the test grows with the distance from the centre), so it is
    // enough to look at the four pixels at the pen's full width.
    for (int y = m.box.top(); y <= m.box.bottom(); ++y) {
        const double v = (double(y) + 0.5 - cy) / b, vv = v * v;
        for (int x = m.box.left(); x <= m.box.right(); ++x) {
            const double u = (double(x) + 0.5 - cx) / a;
            if (!(u * u + vv <= 1.0))
                continue;
            const bool edge =
                withPen && (!inside(x - w, y) || !inside(x + w, y) || !inside(x, y - w) || !inside(x, y + w));
            if (edge)
                m.mark(x, y, PenPx);
            else if (withBrush)
                m.mark(x, y, BrushPx);
        }
    }
    paintMask(m);
}

void Canvas::polygon(const std::vector<QPoint>& points)
{
    if (points.size() < 2)
        return;
    const bool withPen = pen.style == PenStyle::Solid, withBrush = brush.style == BrushStyle::Solid;
    const int w = penWidth(pen), off = w / 2;
    long long minX = points[0].x(), maxX = minX, minY = points[0].y(), maxY = minY;
    for (const QPoint& p : points) {
        minX = std::min<long long>(minX, p.x());
        maxX = std::max<long long>(maxX, p.x());
        minY = std::min<long long>(minY, p.y());
        maxY = std::max<long long>(maxY, p.y());
    }
    Mask m(Span{minX, minY, maxX, maxY}.grown(off, w - 1 - off).within(bounds()));
    if (m.box.isNull())
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
                    xs.push_back(p.x() + (yc - p.y()) * (double(q.x()) - p.x()) / (double(q.y()) - p.y()));
            }
            std::sort(xs.begin(), xs.end());
            for (std::size_t k = 0; k + 1 < xs.size(); k += 2) {
                // Bounded to the box before the conversion, so a far edge stays a valid int.
                const int from = int(std::max<double>(m.box.left(), std::ceil(xs[k] - 0.5)));
                const int to = int(std::min<double>(m.box.right(), std::ceil(xs[k + 1] - 0.5) - 1));
                for (int x = from; x <= to; ++x)
                    m.mark(x, y, BrushPx);
            }
        }
    }
    if (withPen) {
        const Span area = Span{m.box.left(), m.box.top(), m.box.right(), m.box.bottom()}.grown(w - 1 - off, off);
        auto stamp = [&](int px, int py) {
            for (int sy = 0; sy < w; ++sy)
                for (int sx = 0; sx < w; ++sx)
                    m.mark(px - off + sx, py - off + sy, PenPx);
        };
        for (std::size_t i = 0; i < n; ++i) {
            const QPoint& p = points[i];
            const QPoint& q = points[(i + 1) % n];
            if (p == q) {
                if (p.x() >= area.l && p.x() <= area.r && p.y() >= area.t && p.y() <= area.b)
                    stamp(p.x(), p.y());
            } else {
                linePixels(p.x(), p.y(), q.x(), q.y(), area, stamp);
            }
        }
    }
    paintMask(m);
}

TColor Canvas::pixel(int x, int y) const
{
    const long long ix = static_cast<long long>(x) + origin_.x(), iy = static_cast<long long>(y) + origin_.y();
    if (ix < 0 || iy < 0 || ix >= image_.width() || iy >= image_.height())
        return ColorWhite;
    return FromRgb32(reinterpret_cast<const std::uint32_t*>(image_.constScanLine(int(iy)))[ix]);
}

void Canvas::setPixel(int x, int y, TColor c)
{
    if (!bounds().contains(x, y))
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
    f.setHintingPreference(QFont::PreferVerticalHinting);   // as the windows' own texts (Look.h)
    return f;
}

int Canvas::textWidth(const QString& text) const { return QFontMetrics(qfont()).horizontalAdvance(text); }
int Canvas::textHeight(const QString&) const { return QFontMetrics(qfont()).height(); }

void Canvas::textOut(int x, int y, const QString& text)
{
    const QFont f = qfont();
    const QFontMetrics fm(f);
    const int width = fm.horizontalAdvance(text);
    const QRect visible = Span{x, y, static_cast<long long>(x) + width - 1, static_cast<long long>(y) + fm.height() - 1}
                              .within(bounds());
    pos_ = QPoint(saturate(static_cast<long long>(x) + width), y);
    if (visible.isNull())
        return;
    forgetRowFills();   // a glyph may reach past the text's box
    {
        QPainter p(&image_);
        p.translate(origin_);
        p.setClipRect(bounds());
        p.setRenderHint(QPainter::Antialiasing, false);
        p.setRenderHint(QPainter::TextAntialiasing, false);
        // Drawn from the text's own origin; the clip keeps the parts off the image out.
        const QRectF r(x, y, width, fm.height());
        if (brush.style == BrushStyle::Solid)
            p.fillRect(r, ToQColor(brush.color));
        p.setFont(f);
        p.setPen(ToQColor(font.color));
        p.drawText(r, Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine, text);
    }
    changed(visible);
}

void Canvas::draw(int x, int y, const QImage& bitmap)
{
    if (bitmap.isNull())
        return;
    const QRect visible = Span{x, y, static_cast<long long>(x) + bitmap.width() - 1,
                               static_cast<long long>(y) + bitmap.height() - 1}
                              .within(bounds());
    if (visible.isNull())
        return;
    {
        QPainter p(&image_);
        p.translate(origin_);
        p.setClipRect(bounds());
        p.setCompositionMode(QPainter::CompositionMode_Source);
        // Only the visible part is copied, placed by offsets that fit an int.
        p.drawImage(visible.topLeft(), bitmap,
                    QRect(int(visible.left() - static_cast<long long>(x)), int(visible.top() - static_cast<long long>(y)),
                          visible.width(), visible.height()));
    }
    changed(visible);
}

void Canvas::clear(TColor c)
{
    image_.fill(ToRgb32(c));
    knowRowFills(ToRgb32(c));
    if (onChanged)
        onChanged(image_.rect());
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
    forgetRowFills();
    setOrigin(origin_);
    if (onChanged)
        onChanged(image_.rect());
}
