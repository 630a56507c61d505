#include "gdi_test_support.h"

#include <png.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace w32::gdi::testing {

TestCanvas::TestCanvas(int width, int height, Pixel fill, int margin)
    : block_(static_cast<std::size_t>(width + 2 * margin) * (height + 2 * margin), kSentinel),
      margin_(margin) {
    const int stride = width + 2 * margin;
    canvas_ = {block_.data() + static_cast<std::ptrdiff_t>(margin) * stride + margin, width, height,
               stride};
    this->fill(canvas_.bounds(), fill);
}

void TestCanvas::fill(Rect area, Pixel color) {
    area = area.intersect(canvas_.bounds());
    for (int y = area.top; y < area.bottom; ++y) {
        for (int x = area.left; x < area.right; ++x)
            canvas_.row(y)[x] = color;
    }
}

bool TestCanvas::marginIntact() const {
    const int stride = canvas_.stride;
    const int rows = canvas_.height + 2 * margin_;
    for (int y = 0; y < rows; ++y) {
        for (int x = 0; x < stride; ++x) {
            const bool inside = y >= margin_ && y < margin_ + canvas_.height && x >= margin_ &&
                                x < margin_ + canvas_.width;
            if (!inside && block_[static_cast<std::size_t>(y) * stride + x] != kSentinel) {
                return false;
            }
        }
    }
    return true;
}

std::vector<Point> TestCanvas::inkOn(Pixel background) const {
    std::vector<Point> ink;
    for (int y = 0; y < canvas_.height; ++y) {
        for (int x = 0; x < canvas_.width; ++x) {
            if (at(x, y) != background) ink.push_back({x, y});
        }
    }
    return ink;
}

bool loadPng(const std::string& path, std::vector<Pixel>& pixels, int& width, int& height) {
    png_image image{};
    image.version = PNG_IMAGE_VERSION;
    if (!png_image_begin_read_from_file(&image, path.c_str())) return false;
    image.format = PNG_FORMAT_RGB;
    std::vector<png_byte> rgb(PNG_IMAGE_SIZE(image));
    if (!png_image_finish_read(&image, nullptr, rgb.data(), 0, nullptr)) {
        png_image_free(&image);
        return false;
    }
    width = static_cast<int>(image.width);
    height = static_cast<int>(image.height);
    pixels.resize(static_cast<std::size_t>(width) * height);
    for (std::size_t i = 0; i < pixels.size(); ++i) {
        pixels[i] = (Pixel{rgb[3 * i]} << 16) | (Pixel{rgb[3 * i + 1]} << 8) | rgb[3 * i + 2];
    }
    return true;
}

namespace {

std::string hex(Pixel p) {
    char text[8];
    std::snprintf(text, sizeof text, "#%06X", p & 0xFFFFFF);
    return text;
}

bool updatingGoldens() {
    const char* flag = std::getenv("HEAPTREE_UPDATE_GOLDEN");
    return flag && std::strcmp(flag, "1") == 0;
}

}  // namespace

void expectMatchesGolden(const std::string& name, const Canvas& canvas) {
    const std::string golden = std::string(HEAPTREE_GOLDEN_DIR) + "/" + name + ".png";
    const std::string actual = std::string(HEAPTREE_OUTPUT_DIR) + "/" + name + ".actual.png";
    const std::string diff = std::string(HEAPTREE_OUTPUT_DIR) + "/" + name + ".diff.png";
    if (updatingGoldens()) {
        ASSERT_TRUE(savePng(canvas, canvas.bounds(), golden.c_str())) << golden;
        std::printf("wrote %s\n", golden.c_str());
        return;
    }
    std::vector<Pixel> expected;
    int width = 0;
    int height = 0;
    if (!loadPng(golden, expected, width, height)) {
        savePng(canvas, canvas.bounds(), actual.c_str());
        FAIL() << "cannot read " << golden << "; the actual image is " << actual
               << " (HEAPTREE_UPDATE_GOLDEN=1 writes goldens)";
    }
    if (width != canvas.width || height != canvas.height) {
        savePng(canvas, canvas.bounds(), actual.c_str());
        FAIL() << name << ": golden is " << width << " x " << height << ", actual " << canvas.width
               << " x " << canvas.height << "; wrote " << actual;
    }
    std::vector<Pixel> diffPixels(expected.size());
    int differing = 0;
    Point first{-1, -1};
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            const Pixel want = expected[static_cast<std::size_t>(y) * width + x];
            const Pixel got = canvas.row(y)[x];
            Pixel& d = diffPixels[static_cast<std::size_t>(y) * width + x];
            if (want == got) {
                // A faded copy of the golden: a quarter of its colour on white.
                const auto fade = [&](int shift) {
                    return ((((want >> shift) & 0xFF) + 3 * 255) / 4) << shift;
                };
                d = fade(16) | fade(8) | fade(0);
                continue;
            }
            d = 0xFF00FF;
            if (differing++ == 0) first = {x, y};
        }
    }
    if (differing == 0) return;
    savePng(canvas, canvas.bounds(), actual.c_str());
    const Canvas diffCanvas{diffPixels.data(), width, height, width};
    savePng(diffCanvas, diffCanvas.bounds(), diff.c_str());
    ADD_FAILURE() << name << ": " << differing << " pixels differ, the first at (" << first.x
                  << ", " << first.y << "): golden "
                  << hex(expected[static_cast<std::size_t>(first.y) * width + first.x])
                  << ", actual " << hex(canvas.row(first.y)[first.x]) << "; wrote " << actual
                  << " and " << diff;
}

}  // namespace w32::gdi::testing
