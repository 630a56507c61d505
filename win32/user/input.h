#pragma once

// Input routing: from a display's event to the window that gets it, with capture, double clicks
// and the parent notification of a press.

#include "win32/display/display.h"
#include "win32/user/window.h"

namespace w32::user {

// Turns one display event into messages: presses and keys are posted, notifications sent.
void handleInput(const InputEvent& event);

// The deepest window of top (a top-level window) that takes a press at p, a point in top's
// client coordinates; *local receives p in that window's client coordinates. Null when the press
// goes nowhere (a transparent or non-client spot with nothing below).
Window* windowAt(Window* top, Point p, Point* local);

// Forgets capture, focus and the last press of the windows being destroyed.
void forgetWindow(Window* w);
void resetInput();

Window* captureWindow();
Window* focusWindow();

}  // namespace w32::user
