#pragma once

// Pens, brushes and fonts: fixed tables addressed by handles (handle_table.h), the stock objects
// and the brushes of the system colours among them.

#include <windows.h>

#include <optional>

#include "win32/gdi/canvas.h"
#include "win32/gdi/handle_table.h"
#include "win32/gdi/text.h"

namespace w32::gdi {

struct Pen {
    int width = 1;
    std::optional<Pixel> color;  // none: PS_NULL
};

struct Brush {
    std::optional<Pixel> color;  // none: NULL_BRUSH
};

// Creates the stock objects. False when a stock font cannot be loaded.
bool startObjects();

const Pen* findPen(HandleValue handle);
const Brush* findBrush(HandleValue handle);
const Font* findFont(HandleValue handle);

// A brush handle as FillRect and class backgrounds accept it: a brush, or a system colour
// index + 1. None when it is neither.
std::optional<Brush> brushOrSystemColor(HandleValue handle);

// 0 before startObjects() or for an index without a stock object.
HandleValue stockObject(int index);
HandleValue systemColorBrush(int index);

}  // namespace w32::gdi
