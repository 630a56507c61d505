#include "win32/controls/status_bar_state.h"

#include <algorithm>

namespace w32::controls {

namespace {
StatusBar pool[kMaxStatusBars];
}

StatusBar* acquireStatusBar(HWND hwnd) {
    if (!hwnd) return nullptr;
    for (StatusBar& bar : pool) {
        if (bar.hwnd) continue;
        bar = StatusBar{};
        bar.hwnd = hwnd;
        return &bar;
    }
    return nullptr;
}

void releaseStatusBar(HWND hwnd) {
    if (StatusBar* bar = statusBarOf(hwnd)) bar->hwnd = nullptr;
}

StatusBar* statusBarOf(HWND hwnd) {
    if (!hwnd) return nullptr;
    for (StatusBar& bar : pool)
        if (bar.hwnd == hwnd) return &bar;
    return nullptr;
}

RECT partCell(const StatusBar& bar, int part, const RECT& client) {
    // Edges run left to right; one that goes back is held at its neighbour's, making the part
    // empty instead of reaching over it.
    LONG left = client.left;
    LONG right = client.left;
    for (int i = 0; i <= part && i < bar.partCount; ++i) {
        left = right;
        int edge = bar.parts[i].right;
        right = edge < 0 ? client.right : std::clamp<LONG>(edge, left, client.right);
    }
    if (part < 0 || part >= bar.partCount) return {0, 0, 0, 0};
    return {left, client.top, right, client.bottom};
}

RECT partFrame(const StatusBar& bar, int part, const RECT& client) {
    RECT cell = partCell(bar, part, client);
    RECT frame{cell.left, cell.top + kPartTop, cell.right - kPartGap, cell.bottom};
    if (frame.right < frame.left) frame.right = frame.left;
    if (frame.bottom < frame.top) frame.bottom = frame.top;
    return frame;
}

RECT gripRect(const RECT& client) {
    int size = client.bottom - client.top;
    return {std::max(client.left, client.right - size), client.top, client.right, client.bottom};
}

}  // namespace w32::controls
