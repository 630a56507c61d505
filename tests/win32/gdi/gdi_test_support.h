#pragma once

// What the gdi tests share: a canvas ringed by a sentinel colour, a context over it, and golden
// image comparison.

#include <gtest/gtest.h>
#include <windows.h>

#include <string>
#include <vector>

#include "win32/gdi/canvas.h"
#include "win32/gdi/gdi.h"

namespace w32::gdi::testing {

// No drawing in these tests uses this colour, so any pixel that lost it was written.
constexpr Pixel kSentinel = 0x123456;
constexpr Pixel kWhite = 0xFFFFFF;
constexpr Pixel kBlack = 0x000000;
constexpr Pixel kRed = 0xFF0000;
constexpr Pixel kGrey = 0xC0C0C0;
constexpr COLORREF kRedRef = 0x0000FF;  // red as a Win32 colour value (0x00BBGGRR)

// A width x height canvas inside a larger block whose margin keeps kSentinel, so a write past
// any edge of the canvas shows up in marginIntact().
class TestCanvas {
  public:
    TestCanvas(int width, int height, Pixel fill = kWhite, int margin = 16);
    TestCanvas(const TestCanvas&) = delete;  // canvas_ points into block_
    TestCanvas& operator=(const TestCanvas&) = delete;

    const Canvas& canvas() const { return canvas_; }
    Pixel at(int x, int y) const { return canvas_.row(y)[x]; }
    void fill(Rect area, Pixel color);
    bool marginIntact() const;
    // The canvas pixels whose colour differs from `background`: the ink of a drawing.
    std::vector<Point> inkOn(Pixel background) const;

  private:
    std::vector<Pixel> block_;
    int margin_;
    Canvas canvas_;
};

// Every test starts the graphics side (idempotent) first.
class GdiTest : public ::testing::Test {
  protected:
    void SetUp() override { ASSERT_TRUE(startup()); }
};

// A context over a canvas for the scope of a test.
class ScopedDc {
  public:
    ScopedDc(const Canvas& canvas, Point origin, Rect clip) : hdc_(openDc(canvas, origin, clip)) {}
    explicit ScopedDc(const Canvas& canvas) : ScopedDc(canvas, {0, 0}, canvas.bounds()) {}
    ~ScopedDc() { closeDc(hdc_); }
    ScopedDc(const ScopedDc&) = delete;
    ScopedDc& operator=(const ScopedDc&) = delete;
    operator HDC() const { return hdc_; }

  private:
    HDC hdc_;
};

// Compares the canvas with golden/<name>.png pixel by pixel. On a mismatch it writes
// <name>.actual.png and <name>.diff.png (differences magenta on a faded copy of the golden) into
// the build folder and fails naming the first differing pixel. With HEAPTREE_UPDATE_GOLDEN=1 it
// writes the golden instead.
void expectMatchesGolden(const std::string& name, const Canvas& canvas);

// Reads an 8-bit RGB PNG into pixels; false when it cannot.
bool loadPng(const std::string& path, std::vector<Pixel>& pixels, int& width, int& height);

}  // namespace w32::gdi::testing
