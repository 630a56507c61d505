#pragma once

#include <windows.h>

namespace w32::controls {

constexpr const char* kButtonClass = "Button";

// The class's window extra bytes: the state flags, then the font set by WM_SETFONT.
constexpr int kButtonStateOffset = 0;
constexpr int kButtonFontOffset = sizeof(LONG_PTR);
constexpr int kButtonExtraBytes = 2 * sizeof(LONG_PTR);

// Group box, automatic radio button and push button.
LRESULT CALLBACK buttonProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);

}  // namespace w32::controls
