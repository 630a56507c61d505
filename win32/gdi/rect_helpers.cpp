// The rectangle helpers of user32. Rectangles are half-open like ours; offsets wrap around as
// Windows' 32-bit arithmetic does instead of overflowing.

#include <windows.h>

#include <cstdint>

#include "win32/base/geometry.h"

namespace {

LONG wrappingAdd(LONG a, int b) {
    return static_cast<LONG>(static_cast<std::uint32_t>(a) + static_cast<std::uint32_t>(b));
}

w32::Rect fromRect(const RECT& r) {
    return {r.left, r.top, r.right, r.bottom};
}

RECT toRect(const w32::Rect& r) {
    return {r.left, r.top, r.right, r.bottom};
}

}  // namespace

BOOL WINAPI SetRect(LPRECT rect, int left, int top, int right, int bottom) {
    if (!rect) return FALSE;
    *rect = {left, top, right, bottom};
    return TRUE;
}

BOOL WINAPI SetRectEmpty(LPRECT rect) {
    return SetRect(rect, 0, 0, 0, 0);
}

BOOL WINAPI IsRectEmpty(const RECT* rect) {
    return !rect || fromRect(*rect).empty();
}

BOOL WINAPI PtInRect(const RECT* rect, POINT point) {
    return rect && fromRect(*rect).contains({point.x, point.y});
}

BOOL WINAPI OffsetRect(LPRECT rect, int dx, int dy) {
    if (!rect) return FALSE;
    *rect = {wrappingAdd(rect->left, dx), wrappingAdd(rect->top, dy), wrappingAdd(rect->right, dx),
             wrappingAdd(rect->bottom, dy)};
    return TRUE;
}

BOOL WINAPI InflateRect(LPRECT rect, int dx, int dy) {
    if (!rect) return FALSE;
    *rect = {wrappingAdd(rect->left, -dx), wrappingAdd(rect->top, -dy),
             wrappingAdd(rect->right, dx), wrappingAdd(rect->bottom, dy)};
    return TRUE;
}

// No overlap empties the destination and answers FALSE. dst may be one of the sources.
BOOL WINAPI IntersectRect(LPRECT dst, const RECT* a, const RECT* b) {
    if (!dst || !a || !b) return FALSE;
    const w32::Rect r = fromRect(*a).intersect(fromRect(*b));
    *dst = toRect(r);
    return !r.empty();
}

// An empty source adds nothing; two empty ones empty the destination and answer FALSE.
BOOL WINAPI UnionRect(LPRECT dst, const RECT* a, const RECT* b) {
    if (!dst || !a || !b) return FALSE;
    const w32::Rect r = fromRect(*a).unite(fromRect(*b));
    *dst = r.empty() ? RECT{0, 0, 0, 0} : toRect(r);
    return !r.empty();
}

BOOL WINAPI EqualRect(const RECT* a, const RECT* b) {
    return a && b && fromRect(*a) == fromRect(*b);
}
