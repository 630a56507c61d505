// Device contexts: the table, the defaults of a fresh context, and the calls that change a
// context's state without drawing.

#include "win32/gdi/dc.h"

#include "win32/base/contract.h"
#include "win32/gdi/gdi.h"
#include "win32/gdi/objects.h"

namespace w32::gdi {
namespace {

// Contexts live from BeginPaint to EndPaint (or GetDC to ReleaseDC): a few at a time.
constexpr int kDcCapacity = 16;

HandleTable<DeviceContext, kDcCapacity, HandleKind::Dc> gContexts;

}  // namespace

DeviceContext* findDc(HDC hdc) {
    return gContexts.find(handleValue(hdc));
}

bool isSelectedInAnyDc(HandleValue object) {
    bool selected = false;
    gContexts.forEachLive([&](const DeviceContext& dc) {
        selected = selected || dc.pen == object || dc.brush == object || dc.font == object;
    });
    return selected;
}

HDC openDc(const Canvas& canvas, Point origin, Rect clip) {
    W32_EXPECT(stockObject(SYSTEM_FONT) != 0, "gdi::startup() must run before gdi::openDc()");
    DeviceContext dc;
    dc.canvas = canvas;
    dc.origin = origin;
    dc.clip = clip.intersect(canvas.bounds());
    dc.pen = stockObject(BLACK_PEN);
    dc.brush = stockObject(WHITE_BRUSH);
    dc.font = stockObject(SYSTEM_FONT);
    dc.textColor = RGB(0, 0, 0);
    dc.backgroundColor = RGB(255, 255, 255);
    dc.backgroundMode = OPAQUE;
    return handleFromValue<HDC>(gContexts.add(dc));
}

void closeDc(HDC hdc) {
    gContexts.remove(handleValue(hdc));
}

}  // namespace w32::gdi

using namespace w32::gdi;

HGDIOBJ WINAPI SelectObject(HDC hdc, HGDIOBJ object) {
    DeviceContext* dc = findDc(hdc);
    if (!dc) return nullptr;
    const HandleValue handle = handleValue(object);
    HandleValue* slot = nullptr;
    if (findPen(handle)) {
        slot = &dc->pen;
    } else if (findBrush(handle)) {
        slot = &dc->brush;
    } else if (findFont(handle)) {
        slot = &dc->font;
    } else {
        return nullptr;
    }
    const HandleValue previous = *slot;
    *slot = handle;
    return handleFromValue<HGDIOBJ>(previous);
}

COLORREF WINAPI SetBkColor(HDC hdc, COLORREF color) {
    DeviceContext* dc = findDc(hdc);
    if (!dc) return CLR_INVALID;
    const COLORREF previous = dc->backgroundColor;
    dc->backgroundColor = color;
    return previous;
}

COLORREF WINAPI GetBkColor(HDC hdc) {
    const DeviceContext* dc = findDc(hdc);
    return dc ? dc->backgroundColor : CLR_INVALID;
}

int WINAPI SetBkMode(HDC hdc, int mode) {
    DeviceContext* dc = findDc(hdc);
    if (!dc || (mode != OPAQUE && mode != TRANSPARENT)) return 0;
    const int previous = dc->backgroundMode;
    dc->backgroundMode = mode;
    return previous;
}

COLORREF WINAPI SetTextColor(HDC hdc, COLORREF color) {
    DeviceContext* dc = findDc(hdc);
    if (!dc) return CLR_INVALID;
    const COLORREF previous = dc->textColor;
    dc->textColor = color;
    return previous;
}

BOOL WINAPI MoveToEx(HDC hdc, int x, int y, LPPOINT previous) {
    DeviceContext* dc = findDc(hdc);
    if (!dc) return FALSE;
    if (previous) *previous = {dc->position.x, dc->position.y};
    dc->position = {x, y};
    return TRUE;
}
