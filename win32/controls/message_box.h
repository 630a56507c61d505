#pragma once

#include <windows.h>

namespace w32::controls {

constexpr const char* kMessageBoxClass = "#32770";

// Boxes open at once, each inside the loop of the one before.
constexpr int kMaxOpenMessageBoxes = 4;

LRESULT CALLBACK messageBoxProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);

}  // namespace w32::controls
