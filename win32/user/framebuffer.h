#pragma once

// One framebuffer per top-level window, from a fixed pool. Children draw into their top-level
// window's framebuffer; what changed since the last present is kept as a few dirty rectangles.

#include "win32/base/geometry.h"
#include "win32/gdi/canvas.h"

namespace w32::user {

constexpr int kMaxFrames = 4;
constexpr int kMaxFrameWidth = 1920;
constexpr int kMaxFrameHeight = 1200;
constexpr int kMaxDirtyRects = 8;

// A framebuffer of that size (cut to the largest), or -1 when the pool is used up.
int acquireFrame(int width, int height);
void releaseFrame(int frame);
const Canvas& frameCanvas(int frame);

void markDirty(int frame, Rect area);
// Hands the dirty rectangles to fn(canvas, rects, count) and forgets them.
template <typename Fn>
void takeDirty(int frame, Fn fn);

struct DirtyList {
    Rect rects[kMaxDirtyRects];
    int count = 0;
};
DirtyList& dirtyList(int frame);

template <typename Fn>
void takeDirty(int frame, Fn fn) {
    DirtyList& list = dirtyList(frame);
    if (list.count == 0) return;
    fn(frameCanvas(frame), list.rects, list.count);
    list.count = 0;
}

}  // namespace w32::user
