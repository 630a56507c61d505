#pragma once

// The primitives over a Canvas. Coordinates are canvas pixels; pixel (x, y) covers the unit square
// [x, x + 1) x [y, y + 1), its centre at (x + 0.5, y + 0.5). Every primitive cuts clip to the
// canvas and its own extent to clip once, at the top, so nothing it does reaches outside either.
// No anti-aliasing anywhere: classic aliased lines and ellipses.
//
// Callers keep coordinates within +-kMaxCoordinate (GDI's documented 27-bit range), so sums with a
// pen width or an origin cannot overflow.

#include <cstdint>
#include <optional>

#include "win32/base/geometry.h"
#include "win32/gdi/canvas.h"

namespace w32::gdi {

constexpr int kMaxCoordinate = 1 << 27;
constexpr int kMaxPenWidth = 1 << 16;

// How a closed figure (Ellipse, Rectangle) is drawn. No pen colour: no outline, the brush fills the
// whole figure. No brush colour: only the outline.
struct FigureStyle {
    int penWidth = 1;
    std::optional<Pixel> pen;
    std::optional<Pixel> brush;
};

void fillRect(const Canvas& canvas, Rect clip, Rect area, Pixel color);

// A 1-pixel line from `from` towards `to`, `to` itself left out: max(|dx|, |dy|) pixels, the minor
// coordinate of step i being i * minor / major rounded to nearest, halves away from `from`.
void drawThinLine(const Canvas& canvas, Rect clip, Point from, Point to, Pixel color);

// A line of the given width with round ends: the pixels whose centres lie strictly within
// width / 2 of the segment. An odd-width path runs through the pixel centres; an even-width one
// through the pixels' top-left corners, so a width-2 vertical line at x covers columns x - 1 and
// x. Both ends are drawn (their caps make the left-out end point moot). A zero-length line draws
// nothing, as a 1-pixel one does.
void drawWideLine(const Canvas& canvas, Rect clip, Point from, Point to, int width, Pixel color);

// The ellipse inscribed in box = [left, right) x [top, bottom): a pixel belongs to it when its
// centre lies inside the ellipse with semi-axes width / 2 and height / 2 centred in the box. Every
// row keeps at least its middle pixel (two for an even width) and the middle row (two for an even
// height) spans the box's full width, so the figure touches all four edges of the box and never
// leaves it; it is symmetric about both of the box's centre lines. A pen of width w straddles that
// outline: w - 1 extra pixels, the outer half (rounded down) outside the box, the rest inside.
// A 1-pixel outline is the figure's pixels that have a 4-neighbour outside it.
void drawEllipse(const Canvas& canvas, Rect clip, Rect box, const FigureStyle& style);

// The rectangle [left, right) x [top, bottom); the pen straddles its edge as for drawEllipse.
void drawRectangle(const Canvas& canvas, Rect clip, Rect box, const FigureStyle& style);

// Sets the pixels of `at` + (x, y) whose mask byte is non-zero; the mask is width x height bytes.
void drawMask(const Canvas& canvas, Rect clip, Point at, const std::uint8_t* mask, int width,
              int height, Pixel color);

}  // namespace w32::gdi
