// The paint cycle: update rectangles, WM_PAINT order, BeginPaint and EndPaint, presenting.

#include "win32/user/paint.h"

#include <windows.h>

#include "win32/gdi/gdi.h"
#include "win32/user/framebuffer.h"
#include "win32/user/system.h"
#include "win32/user/window.h"

namespace w32::user {

void invalidate(Window* w, Rect area, bool erase) {
    area = area.intersect(w->clientSize());
    if (area.empty()) return;
    w->update = w->update.unite(area);
    w->erasePending = w->erasePending || erase;
    if (w->style & WS_CLIPCHILDREN) return;
    for (Window* c = w->firstChild; c; c = c->nextSibling) {
        if (c->visible()) invalidate(c, area.offset(-c->client.left, -c->client.top), erase);
    }
}

void invalidateInParent(Window* child) {
    if (child->parent) invalidate(child->parent, child->rect, true);
}

namespace {

Window* firstToPaint(Window* w) {
    if (!w->visible()) return nullptr;
    if (!w->update.empty()) return w;
    Window* children[kMaxWindows];
    int n = 0;
    for (Window* c = w->firstChild; c; c = c->nextSibling)
        children[n++] = c;
    for (int i = n - 1; i >= 0; --i)  // from the bottom of the Z order up
        if (Window* found = firstToPaint(children[i])) return found;
    return nullptr;
}

// A paint's clip: the update area as far as it can be seen, in framebuffer pixels.
Rect clipInFrame(const Window* w, Rect area) {
    Point origin = originInTopLevel(w);
    return visibleClient(w).intersect(area).offset(origin.x, origin.y);
}

}  // namespace

Window* windowToPaint() {
    Window* tops[kMaxWindows];
    int n = topLevelWindows(tops, kMaxWindows);
    for (int i = 0; i < n; ++i)
        if (Window* w = firstToPaint(tops[i])) return w;
    return nullptr;
}

void presentAll() {
    Window* tops[kMaxWindows];
    int n = topLevelWindows(tops, kMaxWindows);
    for (int i = 0; i < n; ++i) {
        Window* top = tops[i];
        if (top->frame < 0) continue;
        takeDirty(top->frame, [&](const Canvas& canvas, const Rect* rects, int count) {
            display().present(top->surface, canvas, rects, count);
        });
    }
}

}  // namespace w32::user

using namespace w32;
using namespace w32::user;

BOOL WINAPI InvalidateRect(HWND hwnd, const RECT* rect, BOOL erase) {
    if (!hwnd) {
        Window* tops[kMaxWindows];
        int n = topLevelWindows(tops, kMaxWindows);
        for (int i = 0; i < n; ++i)
            invalidate(tops[i], tops[i]->clientSize(), erase);
        return TRUE;
    }
    Window* w = fromHandle(hwnd);
    if (!w) return FALSE;
    Rect area = rect ? Rect{rect->left, rect->top, rect->right, rect->bottom} : w->clientSize();
    invalidate(w, area, erase != FALSE);
    return TRUE;
}

BOOL WINAPI ValidateRect(HWND hwnd, const RECT* rect) {
    Window* w = fromHandle(hwnd);
    if (!w) return FALSE;
    // The update area is one rectangle: validating part of it keeps the whole.
    Rect area = rect ? Rect{rect->left, rect->top, rect->right, rect->bottom} : w->clientSize();
    if (area.intersect(w->update) == w->update) {
        w->update = {};
        w->erasePending = false;
    }
    return TRUE;
}

BOOL WINAPI GetUpdateRect(HWND hwnd, LPRECT rect, BOOL /*erase*/) {
    Window* w = fromHandle(hwnd);
    if (!w) return FALSE;
    if (rect) *rect = {w->update.left, w->update.top, w->update.right, w->update.bottom};
    return !w->update.empty();
}

HDC WINAPI BeginPaint(HWND hwnd, LPPAINTSTRUCT paint) {
    Window* w = fromHandle(hwnd);
    if (!w || !paint) return nullptr;
    Window* top = topLevelOf(w);
    Rect area = w->update;
    bool erase = w->erasePending;
    w->update = {};
    w->erasePending = false;

    Rect clip = clipInFrame(w, area);
    const Canvas& canvas = frameCanvas(top->frame);
    HDC hdc = gdi::openDc(canvas, originInTopLevel(w), clip);
    markDirty(top->frame, clip);

    *paint = PAINTSTRUCT{};
    paint->hdc = hdc;
    paint->rcPaint = {area.left, area.top, area.right, area.bottom};
    paint->fErase = FALSE;
    if (erase && hdc)
        paint->fErase = SendMessageA(hwnd, WM_ERASEBKGND, reinterpret_cast<WPARAM>(hdc), 0) == 0;
    return hdc;
}

BOOL WINAPI EndPaint(HWND hwnd, const PAINTSTRUCT* paint) {
    if (!fromHandle(hwnd) || !paint) return FALSE;
    if (paint->hdc) gdi::closeDc(paint->hdc);
    return TRUE;
}

HDC WINAPI GetDC(HWND hwnd) {
    Window* w = fromHandle(hwnd);
    if (!w) return nullptr;
    Window* top = topLevelOf(w);
    Rect clip = clipInFrame(w, w->clientSize());
    // Whatever is drawn through it shows at the next present.
    markDirty(top->frame, clip);
    return gdi::openDc(frameCanvas(top->frame), originInTopLevel(w), clip);
}

int WINAPI ReleaseDC(HWND /*hwnd*/, HDC hdc) {
    if (!hdc) return 0;
    gdi::closeDc(hdc);
    return 1;
}
