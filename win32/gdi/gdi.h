#pragma once

// What the rest of our Win32 needs from the graphics side beyond the public API.

#include <windows.h>

#include "win32/base/geometry.h"
#include "win32/gdi/canvas.h"

namespace w32::gdi {

// Creates the stock objects and loads the default fonts. Called once at start-up, before any
// window exists. False when the fonts cannot be loaded; it has said why on stderr.
bool startup();

// A device context with the defaults of a fresh paint: black 1-pixel pen, white brush,
// SYSTEM_FONT, black text on a white background, OPAQUE, current position (0, 0).
// origin is where the window's client (0, 0) lies in the canvas; nothing is drawn outside clip
// (canvas pixels), which is cut to the canvas. Returns NULL when the table of contexts is full.
HDC openDc(const Canvas& canvas, Point origin, Rect clip);
void closeDc(HDC hdc);

// Writes the area of the canvas (cut to it) as an 8-bit RGB PNG.
bool savePng(const Canvas& canvas, Rect area, const char* path);

}  // namespace w32::gdi
