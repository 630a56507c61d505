#pragma once

// Device contexts: a fixed table of drawing states over canvases, addressed by HDC.

#include <windows.h>

#include "win32/base/geometry.h"
#include "win32/gdi/canvas.h"
#include "win32/gdi/handle_table.h"

namespace w32::gdi {

struct DeviceContext {
    Canvas canvas;
    Point origin;  // of the window's client area, in the canvas
    Rect clip;     // canvas pixels, within the canvas
    HandleValue pen = 0;
    HandleValue brush = 0;
    HandleValue font = 0;
    COLORREF textColor = 0;
    COLORREF backgroundColor = 0;
    int backgroundMode = OPAQUE;
    Point position;  // client coordinates, for MoveToEx and LineTo
};

DeviceContext* findDc(HDC hdc);

// A pen, brush or font selected into an open context may not be deleted.
bool isSelectedInAnyDc(HandleValue object);

}  // namespace w32::gdi
