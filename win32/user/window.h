#pragma once

// The window table: every window's record, its place in the window tree and its handle.
// Windows live in a fixed table; a handle carries the slot and a generation, so a handle of a
// destroyed window is refused even after its slot is reused.
//
// Children are kept in Z order: firstChild is the topmost, and a new child goes to the bottom.

#include <windows.h>

#include <cstdint>

#include "win32/base/geometry.h"
#include "win32/display/display.h"

namespace w32::user {

constexpr int kMaxWindows = 64;
constexpr int kMaxWindowText = 256;
constexpr int kMaxWindowExtra = 4;  // LONG_PTR slots for cbWndExtra

struct Window {
    bool used = false;
    std::uint16_t generation = 0;
    int classIndex = -1;
    WNDPROC proc = nullptr;
    HINSTANCE instance = nullptr;
    DWORD style = 0;
    DWORD exStyle = 0;
    int id = 0;  // the menu argument of a child
    LONG_PTR userData = 0;
    LONG_PTR extra[kMaxWindowExtra] = {};
    char text[kMaxWindowText] = {};

    // Tree and ownership.
    Window* parent = nullptr;  // null for a top-level window
    Window* owner = nullptr;   // a top-level window's owner
    Window* firstChild = nullptr;
    Window* nextSibling = nullptr;

    // Geometry. rect is the window's outer rectangle: in its parent's client coordinates for a
    // child, on the screen for a top-level window. client is the client area in the same space.
    Rect rect;
    Rect client;

    // Painting: the update rectangle in client coordinates and whether it wants erasing.
    Rect update;
    bool erasePending = false;

    // A top-level window's surface on the display and its framebuffer slot.
    SurfaceId surface = kNoSurface;
    int frame = -1;

    bool destroying = false;
    std::uint32_t serial = 0;  // creation order

    bool isChild() const { return (style & WS_CHILD) != 0; }
    bool visible() const { return (style & WS_VISIBLE) != 0; }
    bool enabled() const { return (style & WS_DISABLED) == 0; }
    Rect clientSize() const { return {0, 0, client.width(), client.height()}; }
};

// The window a handle names, or null for NULL, a stale or a foreign handle.
Window* fromHandle(HWND hwnd);
HWND handleOf(const Window* window);
int slotOf(const Window* window);

// A free record, cleared, or null when the table is full.
Window* allocate();
void release(Window* window);

// The top-level window that contains this one (itself for a top-level window).
Window* topLevelOf(Window* window);

// Where the window's client origin lies in its top-level window's client area.
Point originInTopLevel(const Window* window);

// Where the window's client origin lies on the screen.
Point screenOrigin(const Window* window);

// The part of the window's client area that can be seen: cut by every ancestor's client area.
// In the window's own client coordinates; empty when any ancestor hides it.
Rect visibleClient(const Window* window);

// Calls fn on every used window; stops early when fn returns false.
template <typename Fn>
void forEachWindow(Fn fn);

// Top-level windows in creation order.
int topLevelWindows(Window** out, int capacity);

// Child list editing.
void appendChild(Window* parent, Window* child);  // at the bottom of the Z order
void unlinkChild(Window* child);

Window* table();  // the kMaxWindows records

template <typename Fn>
void forEachWindow(Fn fn) {
    Window* all = table();
    for (int i = 0; i < kMaxWindows; ++i)
        if (all[i].used && !fn(&all[i])) return;
}

}  // namespace w32::user
