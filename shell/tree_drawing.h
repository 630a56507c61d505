#pragma once

// The drawing of the exercise tree in the main window's client area.

#include <windows.h>

// A complete tree of six levels; a taller one does not fit the window and is refused.
inline constexpr int tallestDrawableTree = 63;
inline constexpr int nodeRadius = 12;

// Created once at start-up and never deleted; only DrawTree selects them.
extern HPEN redPen;
extern HBRUSH redBrush;

// Paints the whole tree into hdc, the first node of a pending swap filled red. A tree taller
// than the window shows a message instead and ends the program five seconds later.
void DrawTree(HDC hdc);
