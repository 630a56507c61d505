// The public drawing calls: client coordinates of a context mapped to its canvas, then handed to
// the rasterizer with the context's clip and objects.

#include <windows.h>

#include <algorithm>
#include <cstdint>
#include <optional>

#include "win32/gdi/dc.h"
#include "win32/gdi/objects.h"
#include "win32/gdi/raster.h"

namespace w32::gdi {
namespace {

// GDI keeps coordinates within 27 bits; a figure or line reaching beyond fails.
std::optional<Point> toCanvas(const DeviceContext& dc, int x, int y) {
    const std::int64_t cx = std::int64_t{x} + dc.origin.x;
    const std::int64_t cy = std::int64_t{y} + dc.origin.y;
    const auto inRange = [](std::int64_t v) { return v >= -kMaxCoordinate && v <= kMaxCoordinate; };
    if (!inRange(cx) || !inRange(cy)) return std::nullopt;
    return Point{static_cast<int>(cx), static_cast<int>(cy)};
}

std::optional<Rect> boxToCanvas(const DeviceContext& dc, int left, int top, int right, int bottom) {
    const auto topLeft = toCanvas(dc, left, top);
    const auto bottomRight = toCanvas(dc, right, bottom);
    if (!topLeft || !bottomRight) return std::nullopt;
    return Rect{topLeft->x, topLeft->y, bottomRight->x, bottomRight->y};
}

// A fill far beyond the canvas covers the same pixels as one cut at the coordinate limit.
Rect fillToCanvas(const DeviceContext& dc, const RECT& r) {
    const auto clamp = [](std::int64_t v) {
        return static_cast<int>(std::clamp<std::int64_t>(v, -kMaxCoordinate, kMaxCoordinate));
    };
    return {clamp(std::int64_t{r.left} + dc.origin.x), clamp(std::int64_t{r.top} + dc.origin.y),
            clamp(std::int64_t{r.right} + dc.origin.x),
            clamp(std::int64_t{r.bottom} + dc.origin.y)};
}

FigureStyle figureStyle(const DeviceContext& dc) {
    FigureStyle style;
    if (const Pen* pen = findPen(dc.pen)) {
        style.penWidth = pen->width;
        style.pen = pen->color;
    }
    if (const Brush* brush = findBrush(dc.brush)) style.brush = brush->color;
    return style;
}

}  // namespace
}  // namespace w32::gdi

using namespace w32::gdi;

BOOL WINAPI LineTo(HDC hdc, int x, int y) {
    DeviceContext* dc = findDc(hdc);
    if (!dc) return FALSE;
    const auto from = toCanvas(*dc, dc->position.x, dc->position.y);
    const auto to = toCanvas(*dc, x, y);
    if (!from || !to) return FALSE;
    const Pen* pen = findPen(dc->pen);
    if (pen && pen->color) {
        if (pen->width == 1) {
            drawThinLine(dc->canvas, dc->clip, *from, *to, *pen->color);
        } else {
            drawWideLine(dc->canvas, dc->clip, *from, *to, pen->width, *pen->color);
        }
    }
    dc->position = {x, y};
    return TRUE;
}

BOOL WINAPI Ellipse(HDC hdc, int left, int top, int right, int bottom) {
    const DeviceContext* dc = findDc(hdc);
    if (!dc) return FALSE;
    const auto box = boxToCanvas(*dc, left, top, right, bottom);
    if (!box) return FALSE;
    drawEllipse(dc->canvas, dc->clip, *box, figureStyle(*dc));
    return TRUE;
}

BOOL WINAPI Rectangle(HDC hdc, int left, int top, int right, int bottom) {
    const DeviceContext* dc = findDc(hdc);
    if (!dc) return FALSE;
    const auto box = boxToCanvas(*dc, left, top, right, bottom);
    if (!box) return FALSE;
    drawRectangle(dc->canvas, dc->clip, *box, figureStyle(*dc));
    return TRUE;
}

// The brush may be a system colour index + 1, as for a class background. Unlike Rectangle,
// FillRect does not reorder its corners: an inverted rectangle fills nothing.
int WINAPI FillRect(HDC hdc, const RECT* rect, HBRUSH brush) {
    const DeviceContext* dc = findDc(hdc);
    const auto fill = brushOrSystemColor(handleValue(brush));
    if (!dc || !rect || !fill) return 0;
    if (fill->color) fillRect(dc->canvas, dc->clip, fillToCanvas(*dc, *rect), *fill->color);
    return 1;
}

COLORREF WINAPI SetPixel(HDC hdc, int x, int y, COLORREF color) {
    const DeviceContext* dc = findDc(hdc);
    if (!dc) return CLR_INVALID;
    const auto at = toCanvas(*dc, x, y);
    if (!at || !dc->clip.contains(*at)) return CLR_INVALID;
    const w32::Pixel pixel = w32::pixelFromColorRef(color);
    dc->canvas.row(at->y)[at->x] = pixel;
    return w32::colorRefFromPixel(pixel);
}

COLORREF WINAPI GetPixel(HDC hdc, int x, int y) {
    const DeviceContext* dc = findDc(hdc);
    if (!dc) return CLR_INVALID;
    const auto at = toCanvas(*dc, x, y);
    if (!at || !dc->clip.contains(*at)) return CLR_INVALID;
    return w32::colorRefFromPixel(dc->canvas.row(at->y)[at->x]);
}
