#pragma once

// Classic metrics of top-level windows: a fixed frame and a caption, so a 1220 x 660 window has a
// 1214 x 635 client area. The desktop's window manager draws the real frame.

#include <windows.h>

#include "win32/base/geometry.h"

namespace w32::user {

constexpr int kFixedFrame = 3;
constexpr int kCaption = 19;
constexpr Point kDefaultOrigin{24, 24};  // where CW_USEDEFAULT puts a window
constexpr Point kDefaultSize{640, 480};
constexpr int kDoubleClickTime = 500;
constexpr int kDoubleClickBox = 4;

inline bool hasCaption(DWORD style) {
    bool overlapped = (style & (WS_CHILD | WS_POPUP)) == 0;
    return overlapped || (style & WS_CAPTION) == WS_CAPTION;
}

inline Rect clientFromOuter(Rect outer, DWORD style) {
    if (!hasCaption(style)) return outer;
    Rect c{outer.left + kFixedFrame, outer.top + kFixedFrame + kCaption, outer.right - kFixedFrame,
           outer.bottom - kFixedFrame};
    if (c.right < c.left) c.right = c.left;
    if (c.bottom < c.top) c.bottom = c.top;
    return c;
}

inline Rect outerFromClient(Rect client, DWORD style) {
    if (!hasCaption(style)) return client;
    return {client.left - kFixedFrame, client.top - kFixedFrame - kCaption,
            client.right + kFixedFrame, client.bottom + kFixedFrame};
}

}  // namespace w32::user
