#pragma once

// What the tests see of the X server, through the same tools a person would use: xdotool finds
// and clicks windows, xwininfo and xprop describe them, ImageMagick's import photographs them.
// Every call is bounded by `timeout`, and lookups poll until a deadline instead of sleeping.

#include <cstdint>
#include <string>
#include <vector>

namespace desktop {

// Runs a shell command (under `timeout 10`) and returns its standard output; status receives the
// exit status of the command.
std::string run(const std::string& command, int* status = nullptr);

using WindowId = unsigned long;  // an X window id; 0 for none

// The visible window with exactly this title, waiting up to timeoutMs for it; 0 if none.
WindowId findVisibleWindow(const std::string& title, int timeoutMs);
// Waits until no visible window has this title; false if one is still there at the deadline.
bool waitUntilGone(const std::string& title, int timeoutMs);

struct Geometry {
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;
};
Geometry windowGeometry(WindowId window);
int windowDepth(WindowId window);
// The screen's size, from the root window.
Geometry rootGeometry();
WindowId rootWindow();
// The raw value xprop prints for one property of a window.
std::string windowProperty(WindowId window, const char* property);

struct Image {
    int width = 0;
    int height = 0;
    std::vector<std::uint32_t> pixels;  // 0x00RRGGBB, row by row

    std::uint32_t at(int x, int y) const { return pixels[static_cast<std::size_t>(y) * width + x]; }
};
// A screenshot of the window's contents; an empty image if it cannot be taken.
Image screenshot(WindowId window);

// Channel by channel, at most `tolerance` apart.
bool sameColour(std::uint32_t a, std::uint32_t b, int tolerance);

void sleepMs(int milliseconds);

}  // namespace desktop
