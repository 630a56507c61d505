#pragma once

// The paint cycle: update rectangles, which window paints next, and presenting what was drawn.

#include "win32/base/geometry.h"
#include "win32/user/window.h"

namespace w32::user {

// Adds area (client coordinates of w, cut to its client area) to w's update rectangle, and to
// every visible child it overlaps unless w clips its children. The erase request accumulates.
void invalidate(Window* w, Rect area, bool erase);

// Makes the area of a child that was shown, hidden or moved repaint in its parent.
void invalidateInParent(Window* child);

// The window whose WM_PAINT is due: parents before children, lower siblings first; null if none.
Window* windowToPaint();

// Shows every top-level window's dirty rectangles on the display.
void presentAll();

}  // namespace w32::user
