#include "win32/user/framebuffer.h"

#include <sys/mman.h>

#include <algorithm>
#include <cstddef>

namespace w32::user {

namespace {

struct Frame {
    bool used = false;
    Canvas canvas;
    DirtyList dirty;
};

// Static storage: pages the program never draws on are never touched, so the pool costs only
// what the windows really use. Each frame starts on a 2 MiB boundary so that a large canvas can
// live in transparent huge pages: touching the main window's 3 MB page by page at the first
// paint costs some 750 page faults, most of what start-up takes beyond a bare SDL window.
constexpr std::size_t kHugePage = std::size_t{2} << 20;
struct alignas(kHugePage) FramePixels {
    Pixel p[kMaxFrameWidth * kMaxFrameHeight];
};
FramePixels pixels[kMaxFrames];
Frame frames[kMaxFrames];

}  // namespace

int acquireFrame(int width, int height) {
    for (int i = 0; i < kMaxFrames; ++i) {
        if (frames[i].used) continue;
        Frame& f = frames[i];
        f.used = true;
        f.canvas.pixels = pixels[i].p;
        f.canvas.width = std::clamp(width, 0, kMaxFrameWidth);
        f.canvas.height = std::clamp(height, 0, kMaxFrameHeight);
        f.canvas.stride = f.canvas.width;
        f.dirty.count = 0;
        // Small frames (a message box) stay in small pages: a huge page each would cost 2 MiB.
        const std::size_t bytes =
            static_cast<std::size_t>(f.canvas.width) * f.canvas.height * sizeof(Pixel);
        if (bytes >= kHugePage)
            madvise(pixels[i].p, (bytes + kHugePage - 1) & ~(kHugePage - 1), MADV_HUGEPAGE);
        return i;
    }
    return -1;
}

void releaseFrame(int frame) {
    if (frame >= 0 && frame < kMaxFrames) frames[frame] = Frame{};
}

const Canvas& frameCanvas(int frame) {
    return frames[frame].canvas;
}

DirtyList& dirtyList(int frame) {
    return frames[frame].dirty;
}

void markDirty(int frame, Rect area) {
    DirtyList& list = frames[frame].dirty;
    area = area.intersect(frames[frame].canvas.bounds());
    if (area.empty()) return;
    for (int i = 0; i < list.count; ++i) {
        if (list.rects[i].intersect(area) == area) return;  // already covered
    }
    if (list.count == kMaxDirtyRects) {
        // Full: fold everything into one box rather than lose an area.
        for (int i = 1; i < list.count; ++i)
            list.rects[0] = list.rects[0].unite(list.rects[i]);
        list.rects[0] = list.rects[0].unite(area);
        list.count = 1;
        return;
    }
    list.rects[list.count++] = area;
}

}  // namespace w32::user
