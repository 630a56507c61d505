#pragma once

// A status bar's parts and texts, in a fixed pool, and where each part lies.

#include <windows.h>

namespace w32::controls {

constexpr int kMaxStatusBars = 4;
constexpr int kMaxStatusParts = 32;
constexpr int kMaxPartText = 256;  // with the terminating zero
constexpr int kStatusBarHeight = 20;
constexpr int kPartGap = 2;  // between one part's frame and the next
constexpr int kPartTop = 2;  // above every part's frame

// The drawing types of a part's text: the high byte of SB_SETTEXTA's wParam.
constexpr WORD kSunken = 0x0000;
constexpr WORD kNoBorders = 0x0100;
constexpr WORD kPopOut = 0x0200;

struct StatusPart {
    int right = -1;  // the right edge in client coordinates; -1 runs to the window's right end
    WORD type = kSunken;
    int length = 0;
    char text[kMaxPartText] = {};
};

struct StatusBar {
    HWND hwnd = nullptr;  // null: the record is free
    HFONT font = nullptr;
    int partCount = 1;
    StatusPart parts[kMaxStatusParts];
};

// A cleared record for a new status bar, or null when the pool is used up.
StatusBar* acquireStatusBar(HWND hwnd);
void releaseStatusBar(HWND hwnd);
StatusBar* statusBarOf(HWND hwnd);

// The part's whole cell, from its left neighbour's edge to its own, full height. Empty for a
// part that lies beyond the window or behind an earlier part reaching to the right end.
RECT partCell(const StatusBar& bar, int part, const RECT& client);

// The part's frame inside its cell.
RECT partFrame(const StatusBar& bar, int part, const RECT& client);

// The size grip: a square as high as the bar at its right end.
RECT gripRect(const RECT& client);

}  // namespace w32::controls
