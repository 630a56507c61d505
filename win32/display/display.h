#pragma once

// The one small interface between our Win32 core and whatever shows its windows. The core owns
// every window's pixels; a display only shows surfaces, presents dirty rectangles of them,
// delivers input, beeps and tells the time. The SDL display and the headless one are both real
// drivers of the same core, and nothing outside a driver knows which one runs.

#include <cstdint>

#include "win32/base/geometry.h"
#include "win32/gdi/canvas.h"

namespace w32 {

using SurfaceId = int;  // a driver's own number for a surface; kNoSurface for none
constexpr SurfaceId kNoSurface = -1;

struct SurfaceRequest {
    const char* title = "";
    Rect screen;                   // where the client area lies on the screen, and its size
    SurfaceId owner = kNoSurface;  // a modal box names the surface it is modal for
};

// Wake carries nothing: the program just looks at its queue again.
enum class InputKind : std::uint8_t { ButtonDown, ButtonUp, KeyDown, CloseRequest, Quit, Wake };
enum class MouseButton : std::uint8_t { Left, Right, Middle };

struct InputEvent {
    InputKind kind = InputKind::Quit;
    SurfaceId surface = kNoSurface;
    Point at;  // client pixels of the surface, for button events
    MouseButton button = MouseButton::Left;
    int key = 0;             // a virtual-key code (VK_RETURN, VK_SPACE, VK_ESCAPE, ...)
    std::uint32_t time = 0;  // milliseconds on the display's clock
};

struct Display {
    const char* name;
    // Connects to the screen. False means unusable; the driver has said why on stderr.
    bool (*open)();
    void (*close)();
    Rect (*screen)();
    SurfaceId (*createSurface)(const SurfaceRequest& request);
    void (*showSurface)(SurfaceId surface, bool visible);
    void (*setTitle)(SurfaceId surface, const char* title);
    void (*destroySurface)(SurfaceId surface);
    // Shows the given rectangles of frame (the surface's pixels, client coordinates).
    void (*present)(SurfaceId surface, const Canvas& frame, const Rect* rects, int count);
    // The next input event. With wait false it returns false at once when there is none; with wait
    // true it blocks until there is one (and then always returns true).
    bool (*nextEvent)(InputEvent& event, bool wait);
    void (*beep)();
    std::uint32_t (*now)();  // milliseconds
    void (*sleep)(std::uint32_t milliseconds);
};

// The display a program links with: the SDL one for heaptree, the headless one for tests.
const Display& defaultDisplay();

}  // namespace w32
