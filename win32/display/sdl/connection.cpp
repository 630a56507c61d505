// Connecting to the desktop: the hints SDL needs before its first window, refusing the invisible
// drivers SDL falls back to without a display, and the screen and clock of the connection.

#include <SDL.h>

#include <strings.h>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "win32/display/sdl/quiet_stderr.h"
#include "win32/display/sdl/sdl_driver.h"

namespace w32::sdl {

namespace {

bool connected = false;

constexpr const char* kNoDisplayAdvice =
    "run it under xvfb-run, or use heaptree-replay to run a scenario headless";

// Drivers that draw nowhere a person can see. SDL picks one of them silently when neither X11 nor
// Wayland answers, so a program started without a display would run invisibly forever.
constexpr const char* kInvisibleDrivers[] = {"offscreen", "dummy"};

// Drivers with a window framebuffer of their own, so presenting needs no renderer. SDL 2 has none
// for Wayland or KMSDRM: there the window surface only exists through its texture framebuffer,
// and turning acceleration off would leave us without a surface at all.
constexpr const char* kNativeFramebufferDrivers[] = {"x11", "offscreen", "dummy"};

bool sameName(const char* a, const char* b) {
    return ::strcasecmp(a, b) == 0;
}

template <std::size_t N>
bool listed(const char* driver, const char* const (&names)[N]) {
    for (const char* name : names) {
        if (sameName(driver, name)) return true;
    }
    return false;
}

// Whether SDL_VIDEODRIVER names this driver. SDL 2.26 takes a single name; SDL 3, which may stand
// behind the SDL 2 library through sdl2-compat, takes a comma-separated list. Both are read here.
bool requestedByUser(const char* driver) {
    const char* list = std::getenv("SDL_VIDEODRIVER");
    if (list == nullptr) return false;
    const std::size_t length = std::strlen(driver);
    for (const char* item = list; *item != '\0';) {
        const char* end = std::strchr(item, ',');
        const std::size_t itemLength =
            end ? static_cast<std::size_t>(end - item) : std::strlen(item);
        if (itemLength == length && ::strncasecmp(item, driver, length) == 0) return true;
        if (end == nullptr) break;
        item = end + 1;
    }
    return false;
}

void setHints() {
    // Present through the driver's own framebuffer rather than an OpenGL texture: no GL stack is
    // loaded, and SDL does not recreate the X window after its first frame, which would cut the
    // owner link of a message box. SDL reads this at a window's first surface, not at start-up.
    SDL_SetHint(SDL_HINT_FRAMEBUFFER_ACCELERATION, "0");
    // The core decides what closing a window means; SDL would otherwise add a quit request of its
    // own whenever the last window's close box is pressed.
    SDL_SetHint(SDL_HINT_QUIT_ON_LAST_WINDOW_CLOSE, "0");
    // A teaching program left open must not keep the screen saver away, as SDL does by default.
    SDL_SetHint(SDL_HINT_VIDEO_ALLOW_SCREENSAVER, "1");
    // An ordinary desktop window: SDL would ask the compositor to bypass it, as for a game.
    SDL_SetHint(SDL_HINT_VIDEO_X11_NET_WM_BYPASS_COMPOSITOR, "0");
}

// Events the interface has no use for are dropped by SDL before they reach its queue.
void ignoreUnusedEvents() {
    // SDL starts text input (an input method connection) for every window by default.
    SDL_StopTextInput();
    for (const Uint32 type : {SDL_MOUSEMOTION, SDL_MOUSEWHEEL, SDL_TEXTINPUT, SDL_TEXTEDITING,
                              SDL_KEYUP, SDL_KEYMAPCHANGED}) {
        SDL_EventState(type, SDL_IGNORE);
    }
}

}  // namespace

bool open() {
    if (connected) return true;
    setHints();
    bool started;
    {
        // Failed back ends (libwayland above all) write to stderr while SDL tries them in turn.
        QuietStderr quiet;
        started = SDL_Init(SDL_INIT_VIDEO) == 0;
    }
    if (!started) {
        std::fprintf(stderr, "heaptree: no display (%s); %s\n", SDL_GetError(), kNoDisplayAdvice);
        SDL_Quit();
        return false;
    }
    const char* driver = SDL_GetCurrentVideoDriver();
    if (driver == nullptr || (listed(driver, kInvisibleDrivers) && !requestedByUser(driver))) {
        SDL_Quit();
        std::fprintf(stderr, "heaptree: no display (%s)\n", kNoDisplayAdvice);
        return false;
    }
    if (!listed(driver, kNativeFramebufferDrivers)) {
        SDL_SetHint(SDL_HINT_FRAMEBUFFER_ACCELERATION, "1");
    }
    ignoreUnusedEvents();
    connected = true;
    return true;
}

void close() {
    if (!connected) return;
    closeAudio();
    destroyAllSurfaces();
    SDL_Quit();
    connected = false;
}

bool isOpen() {
    return connected;
}

Rect screen() {
    SDL_Rect usable;
    if (SDL_GetDisplayUsableBounds(0, &usable) != 0 && SDL_GetDisplayBounds(0, &usable) != 0) {
        return {};
    }
    return Rect::fromSize(usable.x, usable.y, usable.w, usable.h);
}

std::uint32_t now() {
    return SDL_GetTicks();
}

void sleep(std::uint32_t milliseconds) {
    SDL_Delay(milliseconds);
}

}  // namespace w32::sdl
