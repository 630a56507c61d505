#pragma once

// A plain block of pixels. The rasterizer draws into it and nothing else owns drawing state.
// Pixels are 0x00RRGGBB, the order an SDL window surface on X11 and Wayland uses, so presenting
// is a straight copy. Win32 colour values (0x00BBGGRR) are converted at the API surface.

#include <cstdint>

#include "win32/base/geometry.h"

namespace w32 {

using Pixel = std::uint32_t;

struct Canvas {
    Pixel* pixels = nullptr;
    int width = 0;
    int height = 0;
    int stride = 0;  // in pixels, not bytes

    Rect bounds() const { return {0, 0, width, height}; }
    Pixel* row(int y) const { return pixels + static_cast<long>(y) * stride; }
};

constexpr Pixel pixelFromColorRef(std::uint32_t bgr) {
    return ((bgr & 0xFF) << 16) | (bgr & 0xFF00) | ((bgr >> 16) & 0xFF);
}
constexpr std::uint32_t colorRefFromPixel(Pixel p) {
    return ((p & 0xFF) << 16) | (p & 0xFF00) | ((p >> 16) & 0xFF);
}

}  // namespace w32
