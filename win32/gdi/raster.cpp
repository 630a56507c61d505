// The primitives over a Canvas.
//
// Sections: [spans] [rectangles] [thin lines] [wide lines] [ellipses] [masks]

#include "win32/gdi/raster.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <cstring>

namespace w32::gdi {
namespace {

// [spans] -----------------------------------------------------------------------------------------

// A half-open run of columns; 64-bit so that a figure far outside the canvas cannot overflow.
struct Span {
    std::int64_t left = 0;
    std::int64_t right = 0;
    bool empty() const { return right <= left; }
};

// Fills the part of row y's span that lies within [clip.left, clip.right). y must lie inside clip.
void fillSpan(const Canvas& canvas, const Rect& clip, int y, Span span, Pixel color) {
    const std::int64_t left = std::max<std::int64_t>(span.left, clip.left);
    const std::int64_t right = std::min<std::int64_t>(span.right, clip.right);
    if (right <= left) return;
    std::fill_n(canvas.row(y) + left, right - left, color);
}

Rect visibleClip(const Canvas& canvas, Rect clip) {
    return clip.intersect(canvas.bounds());
}

Rect normalised(Rect r) {
    if (r.left > r.right) std::swap(r.left, r.right);
    if (r.top > r.bottom) std::swap(r.top, r.bottom);
    return r;
}

Rect inflated(Rect r, int by) {
    return {r.left - by, r.top - by, r.right + by, r.bottom + by};
}

}  // namespace

// [rectangles] -----------------------------------------------------------------------------------

// The first row is filled pixel by pixel and copied to the others: the C library's memcpy is
// several times faster than a fill loop, which GCC does not vectorise at -O2.
void fillRect(const Canvas& canvas, Rect clip, Rect area, Pixel color) {
    const Rect r = area.intersect(visibleClip(canvas, clip));
    if (r.empty()) return;
    const Pixel* first = canvas.row(r.top) + r.left;
    std::fill_n(canvas.row(r.top) + r.left, r.width(), color);
    const std::size_t bytes = static_cast<std::size_t>(r.width()) * sizeof(Pixel);
    for (int y = r.top + 1; y < r.bottom; ++y) {
        std::memcpy(canvas.row(y) + r.left, first, bytes);
    }
}

void drawRectangle(const Canvas& canvas, Rect clip, Rect box, const FigureStyle& style) {
    box = normalised(box);
    if (box.empty()) return;
    if (!style.pen) {
        if (style.brush) fillRect(canvas, clip, box, *style.brush);
        return;
    }
    const int width = std::clamp(style.penWidth, 1, kMaxPenWidth);
    const Rect outer = inflated(box, (width - 1) / 2);
    const Rect inner = inflated(box, -(width / 2));
    const Rect interior = inner.empty() ? Rect{} : inflated(inner, -1);
    if (interior.empty()) {
        fillRect(canvas, clip, outer, *style.pen);
        return;
    }
    fillRect(canvas, clip, {outer.left, outer.top, outer.right, interior.top}, *style.pen);
    fillRect(canvas, clip, {outer.left, interior.bottom, outer.right, outer.bottom}, *style.pen);
    fillRect(canvas, clip, {outer.left, interior.top, interior.left, interior.bottom}, *style.pen);
    fillRect(canvas, clip, {interior.right, interior.top, outer.right, interior.bottom},
             *style.pen);
    if (style.brush) fillRect(canvas, clip, interior, *style.brush);
}

// [thin lines] -----------------------------------------------------------------------------------
// Along the major axis step i (0 <= i < major) lands on minor offset m(i) = floor((2 i minor +
// major) / (2 major)), a nondecreasing function. The clip becomes a range of i once: the major
// bounds directly, the minor bounds by inverting m. The loop then steps without any check.

namespace {

std::int64_t ceilDiv(std::int64_t a, std::int64_t b) {  // b > 0
    return a >= 0 ? (a + b - 1) / b : -((-a) / b);
}

// The offsets k >= 0 for which start + sign * k lies in [lo, hi).
Span offsetsWithin(std::int64_t start, int sign, std::int64_t lo, std::int64_t hi) {
    if (sign > 0) return {lo - start, hi - start};
    return {start - hi + 1, start - lo + 1};
}

}  // namespace

void drawThinLine(const Canvas& canvas, Rect clip, Point from, Point to, Pixel color) {
    clip = visibleClip(canvas, clip);
    const std::int64_t dx = std::int64_t{to.x} - from.x;
    const std::int64_t dy = std::int64_t{to.y} - from.y;
    if (clip.empty() || (dx == 0 && dy == 0)) return;

    const bool xMajor = std::abs(dx) >= std::abs(dy);
    const std::int64_t major = xMajor ? std::abs(dx) : std::abs(dy);
    const std::int64_t minor = xMajor ? std::abs(dy) : std::abs(dx);
    const int majorSign = (xMajor ? dx : dy) < 0 ? -1 : 1;
    const int minorSign = (xMajor ? dy : dx) < 0 ? -1 : 1;
    const std::int64_t majorStart = xMajor ? from.x : from.y;
    const std::int64_t minorStart = xMajor ? from.y : from.x;

    Span steps = offsetsWithin(majorStart, majorSign, xMajor ? clip.left : clip.top,
                               xMajor ? clip.right : clip.bottom);
    steps.left = std::max<std::int64_t>(steps.left, 0);
    steps.right = std::min(steps.right, major);
    const Span minors = offsetsWithin(minorStart, minorSign, xMajor ? clip.top : clip.left,
                                      xMajor ? clip.bottom : clip.right);
    if (minor == 0) {
        if (minors.left > 0 || minors.right <= 0) return;
    } else {
        steps.left = std::max(steps.left, ceilDiv(2 * major * minors.left - major, 2 * minor));
        steps.right = std::min(steps.right, ceilDiv(2 * major * minors.right - major, 2 * minor));
    }
    if (steps.empty()) return;

    const std::int64_t twoMajor = 2 * major;
    const std::int64_t numerator = 2 * steps.left * minor + major;
    std::int64_t error = numerator % twoMajor;
    const std::int64_t majorAt = majorStart + majorSign * steps.left;
    const std::int64_t minorAt = minorStart + minorSign * (numerator / twoMajor);
    const std::int64_t x = xMajor ? majorAt : minorAt;
    const std::int64_t y = xMajor ? minorAt : majorAt;
    const std::int64_t majorStep = xMajor ? majorSign : majorSign * std::int64_t{canvas.stride};
    const std::int64_t minorStep = xMajor ? minorSign * std::int64_t{canvas.stride} : minorSign;

    Pixel* p = canvas.row(static_cast<int>(y)) + x;
    for (std::int64_t i = steps.left; i < steps.right; ++i) {
        *p = color;
        p += majorStep;
        error += 2 * minor;
        if (error >= twoMajor) {
            error -= twoMajor;
            p += minorStep;
        }
    }
}

// [wide lines] -----------------------------------------------------------------------------------
// A capsule is convex, so each row meets it in one interval: the union of the row's chords through
// the two end discs and through the band between them.

namespace {

struct Interval {
    double low = 1.0;
    double high = -1.0;
    bool empty() const { return high < low; }
    void unite(Interval o) {
        if (o.empty()) return;
        if (empty()) {
            *this = o;
            return;
        }
        low = std::min(low, o.low);
        high = std::max(high, o.high);
    }
};

// The x where low <= a x + b <= high.
Interval solveLinear(double a, double b, double low, double high) {
    if (std::abs(a) < 1e-12) return b >= low && b <= high ? Interval{-1e300, 1e300} : Interval{};
    const double x0 = (low - b) / a;
    const double x1 = (high - b) / a;
    return {std::min(x0, x1), std::max(x0, x1)};
}

Interval discChord(double cx, double cy, double radius, double y) {
    const double d = y - cy;
    if (std::abs(d) >= radius) return {};
    const double s = std::sqrt(radius * radius - d * d);
    return {cx - s, cx + s};
}

}  // namespace

void drawWideLine(const Canvas& canvas, Rect clip, Point from, Point to, int width, Pixel color) {
    clip = visibleClip(canvas, clip);
    if (clip.empty() || (from.x == to.x && from.y == to.y)) return;
    width = std::clamp(width, 1, kMaxPenWidth);

    const double radius = width / 2.0;
    const double shift = width % 2 == 1 ? 0.5 : 0.0;
    const double x0 = from.x + shift, y0 = from.y + shift;
    const double x1 = to.x + shift, y1 = to.y + shift;
    const double length = std::hypot(x1 - x0, y1 - y0);
    const double ux = (x1 - x0) / length, uy = (y1 - y0) / length;

    const double top = std::floor(std::min(y0, y1) - radius);
    const double bottom = std::ceil(std::max(y0, y1) + radius);
    const int rowFirst = static_cast<int>(std::max<double>(top, clip.top));
    const int rowEnd = static_cast<int>(std::min<double>(bottom, clip.bottom));
    for (int y = rowFirst; y < rowEnd; ++y) {
        const double yc = y + 0.5;
        Interval chord = discChord(x0, y0, radius, yc);
        chord.unite(discChord(x1, y1, radius, yc));
        // Along the segment: 0 <= (q - p0) . u <= length; across it: |(q - p0) . n| < radius.
        const Interval along = solveLinear(ux, (yc - y0) * uy - x0 * ux, 0.0, length);
        const Interval across = solveLinear(-uy, (yc - y0) * ux + x0 * uy, -radius, radius);
        const Interval band{std::max(along.low, across.low), std::min(along.high, across.high)};
        if (!along.empty() && !across.empty()) chord.unite(band);
        if (chord.empty()) continue;
        // Pixel centres strictly inside the chord; clamped before the cast so huge values are safe.
        const double first = std::clamp(std::floor(chord.low - 0.5) + 1, -1e18, 1e18);
        const double end = std::clamp(std::ceil(chord.high - 0.5), -1e18, 1e18);
        fillSpan(canvas, clip, y,
                 {static_cast<std::int64_t>(first), static_cast<std::int64_t>(end)}, color);
    }
}

// [ellipses] -------------------------------------------------------------------------------------
// A figure is computed relative to its outer box, row by row: the figure's span and, with a pen,
// the interior the brush fills (everything else of the span is outline). The tree draws dozens
// of equal circles, so the rows of the last shape are kept; taller shapes are computed per row.

namespace {

// The row spans of the ellipse inscribed in a box (see drawEllipse in raster.h).
class EllipseRows {
  public:
    EllipseRows(std::int64_t left, std::int64_t top, std::int64_t right, std::int64_t bottom)
        : left_(left),
          top_(top),
          right_(right),
          bottom_(bottom),
          width_(right - left),
          semiX_(width_ / 2.0),
          semiY_((bottom - top) / 2.0),
          centreY_(top + semiY_) {}

    Span at(std::int64_t y) const {
        if (width_ <= 0 || y < top_ || y >= bottom_) return {};
        const double dy = (y + 0.5) - centreY_;
        if (std::abs(dy) < 1.0) return {left_, right_};
        const double t = dy / semiY_;
        const double halfWidth = semiX_ * std::sqrt(std::max(0.0, 1.0 - t * t));
        const std::int64_t middle = left_ + width_ / 2;
        // A pixel is in when its centre is within halfWidth of the box's centre line; the epsilon
        // keeps exact ties in despite sqrt's rounding, the same on both sides.
        constexpr double kTie = 1e-9;
        if (width_ % 2 == 0) {
            const auto n = std::clamp<std::int64_t>(
                static_cast<std::int64_t>(std::floor(halfWidth + 0.5 + kTie)), 1, width_ / 2);
            return {middle - n, middle + n};
        }
        const auto n = std::clamp<std::int64_t>(
            static_cast<std::int64_t>(std::floor(halfWidth + kTie)), 0, width_ / 2);
        return {middle - n, middle + n + 1};
    }

  private:
    std::int64_t left_, top_, right_, bottom_, width_;
    double semiX_, semiY_, centreY_;
};

// The pixels of row y whose four neighbours all belong to the figure.
Span interiorOf(Span above, Span here, Span below) {
    if (above.empty() || here.empty() || below.empty()) return {};
    return {std::max({above.left, here.left + 1, below.left}),
            std::min({above.right, here.right - 1, below.right})};
}

struct FigureRow {
    Span figure;
    Span interior;  // empty without a pen: then the brush fills the whole figure
};

struct EllipseKey {
    std::int64_t width = -1;
    std::int64_t height = -1;
    int penWidth = 0;  // 0: no pen
    bool operator==(const EllipseKey&) const = default;
};

// An ellipse of box size width x height whose pen straddles its outline: the outer box is
// (width + 2 outset) x (height + 2 outset), the inner box inset from the box.
class EllipseFigure {
  public:
    explicit EllipseFigure(const EllipseKey& key)
        : pen_(key.penWidth > 0),
          outer_(0, 0, key.width + 2 * outset(key), key.height + 2 * outset(key)),
          inner_(outset(key) + inset(key), outset(key) + inset(key),
                 outset(key) + key.width - inset(key), outset(key) + key.height - inset(key)) {}

    static std::int64_t outset(const EllipseKey& key) {
        return key.penWidth > 0 ? (key.penWidth - 1) / 2 : 0;
    }
    static std::int64_t inset(const EllipseKey& key) { return key.penWidth / 2; }

    FigureRow row(std::int64_t y) const {
        FigureRow r{outer_.at(y), {}};
        if (!pen_) return r;
        r.interior = interiorOf(inner_.at(y - 1), inner_.at(y), inner_.at(y + 1));
        r.interior.left = std::max(r.interior.left, r.figure.left);
        r.interior.right = std::min(r.interior.right, r.figure.right);
        return r;
    }

  private:
    bool pen_;
    EllipseRows outer_;
    EllipseRows inner_;
};

constexpr int kCachedRows = 256;

struct EllipseCache {
    EllipseKey key;
    std::array<FigureRow, kCachedRows> rows;
};

EllipseCache gLastEllipse;

}  // namespace

void drawEllipse(const Canvas& canvas, Rect clip, Rect box, const FigureStyle& style) {
    clip = visibleClip(canvas, clip);
    box = normalised(box);
    if (clip.empty() || box.empty() || (!style.pen && !style.brush)) return;

    const EllipseKey key{std::int64_t{box.right} - box.left, std::int64_t{box.bottom} - box.top,
                         style.pen ? std::clamp(style.penWidth, 1, kMaxPenWidth) : 0};
    const EllipseFigure figure(key);
    const std::int64_t outset = EllipseFigure::outset(key);
    const std::int64_t left = box.left - outset;
    const std::int64_t top = box.top - outset;
    const std::int64_t height = key.height + 2 * outset;
    const bool cached = height <= kCachedRows;
    if (cached && !(gLastEllipse.key == key)) {
        for (int y = 0; y < height; ++y)
            gLastEllipse.rows[y] = figure.row(y);
        gLastEllipse.key = key;
    }

    const int rowFirst = static_cast<int>(std::max<std::int64_t>(top, clip.top));
    const int rowEnd = static_cast<int>(std::min<std::int64_t>(top + height, clip.bottom));
    const auto shifted = [left](Span s) { return Span{s.left + left, s.right + left}; };
    for (int y = rowFirst; y < rowEnd; ++y) {
        const FigureRow r = cached ? gLastEllipse.rows[y - top] : figure.row(y - top);
        const Span span = shifted(r.figure);
        if (!style.pen) {
            fillSpan(canvas, clip, y, span, *style.brush);
        } else if (r.interior.empty()) {
            fillSpan(canvas, clip, y, span, *style.pen);
        } else {
            const Span interior = shifted(r.interior);
            fillSpan(canvas, clip, y, {span.left, interior.left}, *style.pen);
            if (style.brush) fillSpan(canvas, clip, y, interior, *style.brush);
            fillSpan(canvas, clip, y, {interior.right, span.right}, *style.pen);
        }
    }
}

// [masks] ----------------------------------------------------------------------------------------

void drawMask(const Canvas& canvas, Rect clip, Point at, const std::uint8_t* mask, int width,
              int height, Pixel color) {
    const Rect r = Rect::fromSize(at.x, at.y, width, height).intersect(visibleClip(canvas, clip));
    for (int y = r.top; y < r.bottom; ++y) {
        const std::uint8_t* m =
            mask + static_cast<std::int64_t>(y - at.y) * width + (r.left - at.x);
        Pixel* p = canvas.row(y) + r.left;
        for (int i = 0; i < r.width(); ++i) {
            if (m[i]) p[i] = color;
        }
    }
}

}  // namespace w32::gdi
