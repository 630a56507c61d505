// Input: SDL's events translated into the few the core knows. Everything else, exposure included,
// is dealt with here or dropped, and the wait goes on.

#include <SDL.h>

#include "win32/display/sdl/sdl_driver.h"
#include "win32/display/sdl/surface_table.h"

namespace w32::sdl {

namespace {

// Virtual-key codes, as the core's window procedures expect them.
constexpr int kVkReturn = 0x0D;
constexpr int kVkEscape = 0x1B;
constexpr int kVkSpace = 0x20;

// The keys a message box answers to; other keys mean nothing to the program. Zero: not ours.
int virtualKey(SDL_Keycode key) {
    switch (key) {
        case SDLK_RETURN:
        case SDLK_KP_ENTER:
            return kVkReturn;
        case SDLK_SPACE:
            return kVkSpace;
        case SDLK_ESCAPE:
            return kVkEscape;
        default:
            return 0;
    }
}

bool mouseButton(Uint8 sdlButton, MouseButton& button) {
    switch (sdlButton) {
        case SDL_BUTTON_LEFT:
            button = MouseButton::Left;
            return true;
        case SDL_BUTTON_RIGHT:
            button = MouseButton::Right;
            return true;
        case SDL_BUTTON_MIDDLE:
            button = MouseButton::Middle;
            return true;
        default:
            return false;
    }
}

bool translateButton(const SDL_MouseButtonEvent& e, InputEvent& event) {
    const SurfaceId surface = surfaceOfWindow(e.windowID);
    if (surface == kNoSurface || !mouseButton(e.button, event.button)) return false;
    event.kind = e.type == SDL_MOUSEBUTTONDOWN ? InputKind::ButtonDown : InputKind::ButtonUp;
    event.surface = surface;
    // A release outside the window after a press inside keeps its position relative to the
    // window, negative or beyond the size, as captured mouse input does.
    event.at = {e.x, e.y};
    event.time = e.timestamp;
    return true;
}

bool translateKey(const SDL_KeyboardEvent& e, InputEvent& event) {
    const int key = virtualKey(e.keysym.sym);
    if (key == 0) return false;
    // With the X focus on the root window (a bare X server, some window managers) X sends keys to
    // the window under the pointer while SDL knows of no focus window and names none. The core
    // drops input for no surface, so such keys go to the surface shown last, the active one. A
    // window that has gone is another matter: its keys are dropped.
    const SurfaceId surface = e.windowID == 0 ? lastShownSurface() : surfaceOfWindow(e.windowID);
    if (surface == kNoSurface) return false;
    // Held keys repeat, as they do for a Win32 program.
    event.kind = InputKind::KeyDown;
    event.surface = surface;
    event.key = key;
    event.time = e.timestamp;
    return true;
}

bool translateWindowEvent(const SDL_WindowEvent& e, InputEvent& event) {
    const SurfaceId surface = surfaceOfWindow(e.windowID);
    if (surface == kNoSurface) return false;
    switch (e.event) {
        case SDL_WINDOWEVENT_EXPOSED: {
            // The framebuffer still holds the last frame: show it again, without the core. Before
            // the first frame it holds nothing worth showing, and a black flash would be all.
            const Surface& s = surfaceAt(surface);
            if (s.presented) SDL_UpdateWindowSurface(s.window);
            return false;
        }
        case SDL_WINDOWEVENT_CLOSE:
            event.kind = InputKind::CloseRequest;
            event.surface = surface;
            event.time = e.timestamp;
            return true;
        default:
            return false;
    }
}

bool translate(const SDL_Event& e, InputEvent& event) {
    switch (e.type) {
        case SDL_MOUSEBUTTONDOWN:
        case SDL_MOUSEBUTTONUP:
            return translateButton(e.button, event);
        case SDL_KEYDOWN:
            return translateKey(e.key, event);
        case SDL_WINDOWEVENT:
            return translateWindowEvent(e.window, event);
        case SDL_QUIT:
            // With the last-window hint off, only a real request gets here (SIGTERM, SIGINT, the
            // session ending).
            event.kind = InputKind::Quit;
            event.time = e.quit.timestamp;
            return true;
        default:
            return false;
    }
}

}  // namespace

bool nextEvent(InputEvent& event, bool wait) {
    SDL_Event e;
    for (;;) {
        if (wait) {
            // SDL_WaitEvent sleeps in poll() on the display connection: no CPU while idle. It only
            // fails when the event system itself is gone; then there is nothing left to wait for.
            if (SDL_WaitEvent(&e) == 0) {
                event = InputEvent{};
                event.kind = InputKind::Quit;
                event.time = SDL_GetTicks();
                return true;
            }
        } else if (SDL_PollEvent(&e) == 0) {
            return false;
        }
        InputEvent translated;
        if (translate(e, translated)) {
            event = translated;
            return true;
        }
    }
}

}  // namespace w32::sdl
