#pragma once

#include <windows.h>

namespace w32::controls {

LRESULT CALLBACK statusBarProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);

}  // namespace w32::controls
