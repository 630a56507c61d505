#pragma once

// The fixed table of surfaces: one SDL window each, found by our number or by SDL's window id.

#include <SDL.h>

#include "win32/display/display.h"

namespace w32::sdl {

// The main window and its message box, with room to spare. A program needing more is broken.
constexpr int kMaxSurfaces = 8;

struct Surface {
    SDL_Window* window = nullptr;  // null: the slot is free
    Uint32 windowId = 0;           // SDL's id, which event records carry
    SurfaceId owner = kNoSurface;  // set for a message box
    bool visible = false;
    bool presented = false;  // false until the core's first frame reached the window surface
    unsigned shownAt = 0;    // when it was last shown, counted in showings
};

// The surface in use under this number; anything else is a broken contract.
Surface& surfaceAt(SurfaceId surface);
// Our number for an SDL window id, or kNoSurface for a window that is not (or no longer) ours.
SurfaceId surfaceOfWindow(Uint32 windowId);
// The visible surface shown last: the one a person is looking at, normally the active window.
SurfaceId lastShownSurface();

}  // namespace w32::sdl
