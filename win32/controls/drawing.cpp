#include "win32/controls/drawing.h"

namespace w32::controls {

namespace {

struct SystemPen {
    int colorIndex;
    HPEN pen;
};

SystemPen pens[] = {
    {COLOR_BTNSHADOW, nullptr},
    {COLOR_BTNHIGHLIGHT, nullptr},
    {COLOR_BTNTEXT, nullptr},
    {COLOR_GRAYTEXT, nullptr},
};

}  // namespace

bool createPens() {
    for (SystemPen& p : pens) {
        if (!p.pen) p.pen = CreatePen(PS_SOLID, 1, GetSysColor(p.colorIndex));
        if (!p.pen) return false;
    }
    return true;
}

HPEN systemPen(int colorIndex) {
    for (const SystemPen& p : pens)
        if (p.colorIndex == colorIndex && p.pen) return p.pen;
    return static_cast<HPEN>(GetStockObject(BLACK_PEN));
}

HFONT controlFont(HFONT chosen) {
    return chosen ? chosen : static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
}

void fillSystem(HDC hdc, const RECT& rect, int colorIndex) {
    FillRect(hdc, &rect, GetSysColorBrush(colorIndex));
}

void frame(HDC hdc, const RECT& r, int topLeftColor, int bottomRightColor) {
    if (r.right - r.left < 1 || r.bottom - r.top < 1) return;
    fillSystem(hdc, {r.left, r.top, r.right - 1, r.top + 1}, topLeftColor);
    fillSystem(hdc, {r.left, r.top, r.left + 1, r.bottom - 1}, topLeftColor);
    fillSystem(hdc, {r.left, r.bottom - 1, r.right, r.bottom}, bottomRightColor);
    fillSystem(hdc, {r.right - 1, r.top, r.right, r.bottom}, bottomRightColor);
}

int fittingCount(HDC hdc, const char* text, int count, int width) {
    // Widths grow with the count, so the longest fitting prefix is found by bisection.
    int low = 0;
    int high = count;
    while (low < high) {
        int middle = (low + high + 1) / 2;
        if (textSize(hdc, text, middle).cx <= width)
            low = middle;
        else
            high = middle - 1;
    }
    return low;
}

SIZE textSize(HDC hdc, const char* text, int count) {
    SIZE size{0, 0};
    if (!GetTextExtentPoint32A(hdc, text, count, &size)) size = {0, 0};
    return size;
}

}  // namespace w32::controls
