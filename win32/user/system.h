#pragma once

// Start and end of our Win32, and the display it runs on.

#include "win32/display/display.h"

namespace w32 {

// Opens the display, loads the fonts and registers the predefined classes. False when the
// display or the fonts cannot be had; the reason is on stderr.
bool startup(const Display& display);

// Destroys what is left and closes the display.
void shutdown();

const Display& display();

}  // namespace w32
