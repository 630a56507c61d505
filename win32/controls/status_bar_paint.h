#pragma once

#include <windows.h>

#include "win32/controls/status_bar_state.h"

namespace w32::controls {

// The button face, each part's frame and text, and the size grip when it has one. A tab in a
// text centres what follows it in the part; a second tab puts the rest at the part's right end.
void paintStatusBar(HWND hwnd, const StatusBar& bar, bool grip);

}  // namespace w32::controls
