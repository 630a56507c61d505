// Screenshots: an area of a canvas written as an 8-bit RGB PNG through libpng's simplified API.
// Not a drawing path, so it may allocate its row buffer.

#include <png.h>

#include <vector>

#include "win32/gdi/gdi.h"

namespace w32::gdi {

bool savePng(const Canvas& canvas, Rect area, const char* path) {
    area = area.intersect(canvas.bounds());
    if (area.empty() || !path) return false;
    std::vector<png_byte> rgb(static_cast<std::size_t>(area.width()) * area.height() * 3);
    png_byte* out = rgb.data();
    for (int y = area.top; y < area.bottom; ++y) {
        const Pixel* row = canvas.row(y);
        for (int x = area.left; x < area.right; ++x) {
            *out++ = static_cast<png_byte>(row[x] >> 16);
            *out++ = static_cast<png_byte>(row[x] >> 8);
            *out++ = static_cast<png_byte>(row[x]);
        }
    }
    png_image image{};
    image.version = PNG_IMAGE_VERSION;
    image.width = static_cast<png_uint_32>(area.width());
    image.height = static_cast<png_uint_32>(area.height());
    image.format = PNG_FORMAT_RGB;
    const bool ok = png_image_write_to_file(&image, path, 0, rgb.data(), 0, nullptr) != 0;
    png_image_free(&image);
    return ok;
}

}  // namespace w32::gdi
