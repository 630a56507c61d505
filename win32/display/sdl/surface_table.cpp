// Surfaces as SDL windows: created hidden at their client size and place, shown and hidden on
// request, and linked to their owner as modal boxes.

#include "win32/display/sdl/surface_table.h"

#include <algorithm>
#include <iterator>

#include "win32/base/contract.h"
#include "win32/display/sdl/sdl_driver.h"

namespace w32::sdl {

namespace {

Surface surfaces[kMaxSurfaces];
unsigned showings = 0;

// Makes a box modal for its owner. X11 takes the link (the transient hint) at any time and a
// window manager reads it best before the box is first mapped, so it is set at creation; Wayland
// has no toplevel to link before a window is shown, so it is set again once both are shown. Where
// the platform refuses, the box stays an ordinary window: the core enforces modality itself.
void linkToOwner(const Surface& box) {
    if (box.owner != kNoSurface) SDL_SetWindowModalFor(box.window, surfaces[box.owner].window);
}

// After this surface was shown: links it to its shown owner and its shown boxes to it.
void linkShown(SurfaceId id) {
    const Surface& surface = surfaces[id];
    if (surface.owner != kNoSurface && surfaces[surface.owner].visible) linkToOwner(surface);
    for (const Surface& box : surfaces) {
        if (box.window != nullptr && box.owner == id && box.visible) linkToOwner(box);
    }
}

}  // namespace

Surface& surfaceAt(SurfaceId surface) {
    W32_EXPECT(surface >= 0 && surface < kMaxSurfaces && surfaces[surface].window != nullptr,
               "SDL display: no such surface");
    return surfaces[surface];
}

SurfaceId surfaceOfWindow(Uint32 windowId) {
    if (windowId == 0) return kNoSurface;
    for (int i = 0; i < kMaxSurfaces; ++i) {
        if (surfaces[i].window != nullptr && surfaces[i].windowId == windowId) return i;
    }
    return kNoSurface;
}

SurfaceId lastShownSurface() {
    SurfaceId last = kNoSurface;
    for (int i = 0; i < kMaxSurfaces; ++i) {
        const Surface& s = surfaces[i];
        if (s.window != nullptr && s.visible &&
            (last == kNoSurface || s.shownAt > surfaces[last].shownAt)) {
            last = i;
        }
    }
    return last;
}

SurfaceId createSurface(const SurfaceRequest& asked) {
    W32_EXPECT(isOpen(), "SDL display: a surface before open");
    if (asked.owner != kNoSurface) surfaceAt(asked.owner);
    const auto slot = std::find_if(std::begin(surfaces), std::end(surfaces),
                                   [](const Surface& s) { return s.window == nullptr; });
    W32_EXPECT(slot != std::end(surfaces), "SDL display: more surfaces than kMaxSurfaces");

    // A window has at least one pixel; a zero-sized client area is legal for the core.
    SDL_Window* window = SDL_CreateWindow(asked.title ? asked.title : "", asked.screen.left,
                                          asked.screen.top, std::max(1, asked.screen.width()),
                                          std::max(1, asked.screen.height()), SDL_WINDOW_HIDDEN);
    if (window == nullptr) return kNoSurface;
    // The framebuffer is made now, while the window is hidden: whatever SDL has to set up for it
    // (on some drivers a new native window) happens before anyone sees or links the window.
    if (SDL_GetWindowSurface(window) == nullptr) {
        SDL_DestroyWindow(window);
        return kNoSurface;
    }
    *slot = Surface{window, SDL_GetWindowID(window), asked.owner, false};
    linkToOwner(*slot);
    return static_cast<SurfaceId>(slot - std::begin(surfaces));
}

void showSurface(SurfaceId id, bool visible) {
    Surface& surface = surfaceAt(id);
    if (visible) {
        SDL_ShowWindow(surface.window);
        surface.visible = true;
        surface.shownAt = ++showings;
        linkShown(id);
    } else {
        SDL_HideWindow(surface.window);
        surface.visible = false;
    }
}

void setTitle(SurfaceId id, const char* title) {
    SDL_SetWindowTitle(surfaceAt(id).window, title ? title : "");
}

void destroySurface(SurfaceId id) {
    Surface& surface = surfaceAt(id);
    SDL_DestroyWindow(surface.window);
    surface = Surface{};
    // The number may come back for a new surface; no box may stay linked to that one.
    for (Surface& box : surfaces) {
        if (box.owner == id) box.owner = kNoSurface;
    }
}

void destroyAllSurfaces() {
    for (Surface& surface : surfaces) {
        if (surface.window != nullptr) SDL_DestroyWindow(surface.window);
        surface = Surface{};
    }
}

}  // namespace w32::sdl
