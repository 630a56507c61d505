// The SDL display as the one table the core sees.

#include "win32/display/display.h"
#include "win32/display/sdl/sdl_driver.h"

namespace w32 {

namespace {

constexpr Display kSdlDisplay = {
    .name = "sdl",
    .open = sdl::open,
    .close = sdl::close,
    .screen = sdl::screen,
    .createSurface = sdl::createSurface,
    .showSurface = sdl::showSurface,
    .setTitle = sdl::setTitle,
    .destroySurface = sdl::destroySurface,
    .present = sdl::present,
    .nextEvent = sdl::nextEvent,
    .beep = sdl::beep,
    .now = sdl::now,
    .sleep = sdl::sleep,
};

}  // namespace

const Display& defaultDisplay() {
    return kSdlDisplay;
}

}  // namespace w32
