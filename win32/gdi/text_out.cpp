// The public text calls over a context: TextOutA and the measurements of the selected font.

#include <windows.h>

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <limits>

#include "win32/gdi/dc.h"
#include "win32/gdi/objects.h"
#include "win32/gdi/raster.h"

using namespace w32::gdi;

// The text need not end with a zero: exactly count bytes are read.
BOOL WINAPI TextOutA(HDC hdc, int x, int y, LPCSTR text, int count) {
    const DeviceContext* dc = findDc(hdc);
    if (!dc || count < 0 || (count > 0 && !text)) return FALSE;
    const Font* font = findFont(dc->font);
    const std::int64_t cx = std::int64_t{x} + dc->origin.x;
    const std::int64_t cy = std::int64_t{y} + dc->origin.y;
    if (!font || std::max(std::abs(cx), std::abs(cy)) > kMaxCoordinate) return FALSE;
    const TextStyle style{w32::pixelFromColorRef(dc->textColor),
                          w32::pixelFromColorRef(dc->backgroundColor),
                          dc->backgroundMode == OPAQUE};
    drawText(dc->canvas, dc->clip, *font, {static_cast<int>(cx), static_cast<int>(cy)}, text, count,
             style);
    return TRUE;
}

BOOL WINAPI GetTextExtentPoint32A(HDC hdc, LPCSTR text, int count, SIZE* size) {
    const DeviceContext* dc = findDc(hdc);
    if (!dc || !size || count < 0 || (count > 0 && !text)) return FALSE;
    const Font* font = findFont(dc->font);
    if (!font) return FALSE;
    const std::int64_t width = textWidth(*font, text, count);
    size->cx = static_cast<LONG>(std::min<std::int64_t>(width, std::numeric_limits<LONG>::max()));
    size->cy = font->height;
    return TRUE;
}

BOOL WINAPI GetTextMetricsA(HDC hdc, TEXTMETRICA* metrics) {
    const DeviceContext* dc = findDc(hdc);
    if (!dc || !metrics) return FALSE;
    const Font* font = findFont(dc->font);
    if (!font) return FALSE;
    metrics->tmHeight = font->height;
    metrics->tmAscent = font->ascent;
    metrics->tmDescent = font->descent;
    metrics->tmInternalLeading = font->internalLeading;
    metrics->tmExternalLeading = font->externalLeading;
    metrics->tmAveCharWidth = font->averageWidth;
    metrics->tmMaxCharWidth = font->maxWidth;
    metrics->tmWeight = font->weight;
    return TRUE;
}
