// Pens, brushes and fonts: their tables, the stock objects, and the public calls that create,
// find and delete them.

#include "win32/gdi/objects.h"

#include <algorithm>
#include <array>
#include <cstdio>

#include "win32/gdi/dc.h"
#include "win32/gdi/raster.h"
#include "win32/gdi/system_colors.h"

namespace w32::gdi {
namespace {

// The stock objects take 3 pens, 6 + 30 brushes and 2 fonts of these.
constexpr int kPenCapacity = 32;
constexpr int kBrushCapacity = 64;
constexpr int kFontCapacity = 16;
constexpr int kStockCount = DEFAULT_GUI_FONT + 1;

// The pen styles CreatePen accepts, PS_SOLID through PS_INSIDEFRAME. Only PS_NULL differs here:
// the rest draw solid (the program uses solid pens only), and PS_INSIDEFRAME does not shrink
// figures.
constexpr int kLastPenStyle = 6;

HandleTable<Pen, kPenCapacity, HandleKind::Pen> gPens;
HandleTable<Brush, kBrushCapacity, HandleKind::Brush> gBrushes;
HandleTable<Font, kFontCapacity, HandleKind::Font> gFonts;
std::array<HandleValue, kStockCount> gStock{};
std::array<HandleValue, kSystemColorCount> gSystemBrushes{};

HandleValue addFont(const FontRequest& request, bool stock) {
    Font font;
    if (!loadFont(request, font)) return 0;
    return gFonts.add(std::move(font), stock);
}

}  // namespace

bool startObjects() {
    if (gStock[SYSTEM_FONT] != 0) return true;
    // The system font is a bold sans with a 16-pixel cell, the controls' font a regular one with
    // a 13-pixel cell.
    const HandleValue systemFont = addFont({16, 0, true, false, "DejaVu Sans"}, true);
    const HandleValue guiFont = addFont({13, 0, false, false, "DejaVu Sans"}, true);
    if (systemFont == 0 || guiFont == 0) {
        std::fprintf(stderr, "win32: the DejaVu Sans fonts could not be loaded\n");
        return false;
    }
    gStock[SYSTEM_FONT] = systemFont;
    gStock[DEFAULT_GUI_FONT] = guiFont;

    const auto solid = [](COLORREF c) { return Brush{pixelFromColorRef(c)}; };
    gStock[WHITE_BRUSH] = gBrushes.add(solid(RGB(255, 255, 255)), true);
    gStock[LTGRAY_BRUSH] = gBrushes.add(solid(RGB(192, 192, 192)), true);
    gStock[GRAY_BRUSH] = gBrushes.add(solid(RGB(128, 128, 128)), true);
    gStock[DKGRAY_BRUSH] = gBrushes.add(solid(RGB(64, 64, 64)), true);
    gStock[BLACK_BRUSH] = gBrushes.add(solid(RGB(0, 0, 0)), true);
    gStock[NULL_BRUSH] = gBrushes.add(Brush{}, true);
    gStock[WHITE_PEN] = gPens.add({1, pixelFromColorRef(RGB(255, 255, 255))}, true);
    gStock[BLACK_PEN] = gPens.add({1, pixelFromColorRef(RGB(0, 0, 0))}, true);
    gStock[NULL_PEN] = gPens.add({1, std::nullopt}, true);
    for (int i = 0; i < kSystemColorCount; ++i) {
        if (const auto color = systemColor(i)) {
            gSystemBrushes[i] = gBrushes.add(solid(*color), true);
        }
    }
    return true;
}

const Pen* findPen(HandleValue handle) {
    return gPens.find(handle);
}

const Brush* findBrush(HandleValue handle) {
    return gBrushes.find(handle);
}

const Font* findFont(HandleValue handle) {
    return gFonts.find(handle);
}

std::optional<Brush> brushOrSystemColor(HandleValue handle) {
    if (handle >= 1 && handle <= kSystemColorCount) {
        const auto color = systemColor(static_cast<int>(handle) - 1);
        if (!color) return std::nullopt;
        return Brush{pixelFromColorRef(*color)};
    }
    if (const Brush* brush = gBrushes.find(handle)) return *brush;
    return std::nullopt;
}

HandleValue stockObject(int index) {
    return index >= 0 && index < kStockCount ? gStock[index] : 0;
}

HandleValue systemColorBrush(int index) {
    return index >= 0 && index < kSystemColorCount ? gSystemBrushes[index] : 0;
}

}  // namespace w32::gdi

using namespace w32::gdi;

HPEN WINAPI CreatePen(int style, int width, COLORREF color) {
    if (style < PS_SOLID || style > kLastPenStyle) return nullptr;
    // Width 0 (or less) is a 1-pixel pen.
    Pen pen{std::clamp(width, 1, kMaxPenWidth), w32::pixelFromColorRef(color)};
    if (style == PS_NULL) pen.color.reset();
    return handleFromValue<HPEN>(gPens.add(pen));
}

HBRUSH WINAPI CreateSolidBrush(COLORREF color) {
    return handleFromValue<HBRUSH>(gBrushes.add(Brush{w32::pixelFromColorRef(color)}));
}

// Escapement, orientation, underline, strike-out, character set and the precision and quality
// hints are accepted and ignored: our text is horizontal, plain, single-byte and monochrome.
HFONT WINAPI CreateFontA(int height, int width, int /*escapement*/, int /*orientation*/, int weight,
                         DWORD italic, DWORD /*underline*/, DWORD /*strikeOut*/, DWORD /*charSet*/,
                         DWORD /*outPrecision*/, DWORD /*clipPrecision*/, DWORD /*quality*/,
                         DWORD pitchAndFamily, LPCSTR faceName) {
    constexpr DWORD kRomanFamily = 0x10;
    constexpr DWORD kModernFamily = 0x30;
    const char* face = faceName;
    if (!face || face[0] == '\0') {
        const DWORD family = pitchAndFamily & 0xF0;
        face = (pitchAndFamily & 0x3) == FIXED_PITCH || family == kModernFamily ? "monospace"
               : family == kRomanFamily                                         ? "serif"
                                                                                : "sans-serif";
    }
    const FontRequest request{height, width, weight >= 600, italic != 0, face};
    return handleFromValue<HFONT>(addFont(request, false));
}

HGDIOBJ WINAPI GetStockObject(int index) {
    return handleFromValue<HGDIOBJ>(stockObject(index));
}

// Stock objects are never deleted, and deleting one is harmless: it succeeds and does nothing.
// An object selected into an open context is refused, as Windows documents.
BOOL WINAPI DeleteObject(HGDIOBJ object) {
    const HandleValue handle = handleValue(object);
    const bool known = findPen(handle) || findBrush(handle) || findFont(handle);
    if (!known) return FALSE;
    if (gPens.isStock(handle) || gBrushes.isStock(handle) || gFonts.isStock(handle)) return TRUE;
    if (isSelectedInAnyDc(handle)) return FALSE;
    switch (kindOfHandle(handle)) {
        case HandleKind::Pen:
            return gPens.remove(handle);
        case HandleKind::Brush:
            return gBrushes.remove(handle);
        case HandleKind::Font:
            return gFonts.remove(handle);
        default:
            return FALSE;
    }
}
