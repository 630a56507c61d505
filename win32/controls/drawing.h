#pragma once

// What every control draws with: the control font, the system colours as brushes and pens, the
// classic 3-D frames, and text cut to a width.

#include <windows.h>

namespace w32::controls {

// Creates the few pens the controls draw with. Once per process: GDI keeps its objects across
// start-ups, and a paint must never create one.
bool createPens();

// A solid 1-pixel pen in one of COLOR_BTNSHADOW, COLOR_BTNHIGHLIGHT, COLOR_BTNTEXT or
// COLOR_GRAYTEXT; the stock black pen for any other index.
HPEN systemPen(int colorIndex);

// The font a control draws with when none was set.
HFONT controlFont(HFONT chosen);

void fillSystem(HDC hdc, const RECT& rect, int colorIndex);

// A 1-pixel frame just inside rect: top and left in one colour, bottom and right in the other.
void frame(HDC hdc, const RECT& rect, int topLeftColor, int bottomRightColor);

// How many of the first count characters fit in width pixels with the selected font.
int fittingCount(HDC hdc, const char* text, int count, int width);

// The width and height of the text with the selected font.
SIZE textSize(HDC hdc, const char* text, int count);

}  // namespace w32::controls
