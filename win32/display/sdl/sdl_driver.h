#pragma once

// The SDL display's parts, shared between its files. Each function here is one entry of the
// display table (display_table.cpp) or a piece two entries need. Nothing outside
// win32/display/sdl/ includes this header: SDL types stop here.

#include <cstdint>

#include "win32/display/display.h"

namespace w32::sdl {

// connection.cpp: the link to the desktop, its screen and its clock.
bool open();
void close();
bool isOpen();
Rect screen();
std::uint32_t now();
void sleep(std::uint32_t milliseconds);

// surface_table.cpp: one SDL window per surface.
SurfaceId createSurface(const SurfaceRequest& asked);
void showSurface(SurfaceId surface, bool visible);
void setTitle(SurfaceId surface, const char* title);
void destroySurface(SurfaceId surface);
void destroyAllSurfaces();

// present.cpp
void present(SurfaceId surface, const Canvas& frame, const Rect* rects, int count);

// input.cpp
bool nextEvent(InputEvent& event, bool wait);

// beep.cpp: the audio device is opened at the first beep and closed with the display.
void beep();
void closeAudio();

}  // namespace w32::sdl
