#include "tests/desktop/x_tools.h"

#include <sys/wait.h>

#include <cctype>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <thread>

namespace desktop {

namespace {

using Clock = std::chrono::steady_clock;

// Reads "KEY=value" lines, as xdotool --shell prints them.
int shellValue(const std::string& text, const std::string& key) {
    const std::string marker = key + "=";
    for (std::size_t at = text.find(marker); at != std::string::npos;
         at = text.find(marker, at + 1)) {
        if (at == 0 || text[at - 1] == '\n') return std::atoi(text.c_str() + at + marker.size());
    }
    return -1;
}

// The number after "label" in xwininfo's output.
int xwininfoValue(const std::string& text, const std::string& label) {
    const std::size_t at = text.find(label);
    return at == std::string::npos ? -1 : std::atoi(text.c_str() + at + label.size());
}

// Skips blanks and # comments between the fields of a PPM header, then reads a number.
bool ppmNumber(const std::string& data, std::size_t& at, int& value) {
    while (at < data.size()) {
        if (data[at] == '#') {
            while (at < data.size() && data[at] != '\n')
                ++at;
        } else if (std::isspace(static_cast<unsigned char>(data[at]))) {
            ++at;
        } else {
            break;
        }
    }
    value = 0;
    const std::size_t start = at;
    while (at < data.size() && std::isdigit(static_cast<unsigned char>(data[at]))) {
        value = value * 10 + (data[at++] - '0');
        if (value > 100000) return false;
    }
    return at > start;
}

}  // namespace

std::string run(const std::string& command, int* status) {
    const std::string bounded = "timeout 10 " + command;
    FILE* pipe = ::popen(bounded.c_str(), "r");
    if (pipe == nullptr) {
        if (status) *status = -1;
        return {};
    }
    std::string output;
    char chunk[65536];
    for (std::size_t got; (got = std::fread(chunk, 1, sizeof chunk, pipe)) > 0;) {
        output.append(chunk, got);
    }
    const int result = ::pclose(pipe);
    if (status) *status = WIFEXITED(result) ? WEXITSTATUS(result) : -1;
    return output;
}

WindowId findVisibleWindow(const std::string& title, int timeoutMs) {
    const auto deadline = Clock::now() + std::chrono::milliseconds(timeoutMs);
    for (;;) {
        const std::string found = run("xdotool search --onlyvisible --name '^" + title + "$'");
        if (!found.empty()) return std::strtoul(found.c_str(), nullptr, 10);
        if (Clock::now() >= deadline) return 0;
        sleepMs(20);
    }
}

bool waitUntilGone(const std::string& title, int timeoutMs) {
    const auto deadline = Clock::now() + std::chrono::milliseconds(timeoutMs);
    for (;;) {
        if (run("xdotool search --onlyvisible --name '^" + title + "$'").empty()) return true;
        if (Clock::now() >= deadline) return false;
        sleepMs(20);
    }
}

Geometry windowGeometry(WindowId window) {
    const std::string text = run("xdotool getwindowgeometry --shell " + std::to_string(window));
    return {shellValue(text, "X"), shellValue(text, "Y"), shellValue(text, "WIDTH"),
            shellValue(text, "HEIGHT")};
}

int windowDepth(WindowId window) {
    return xwininfoValue(run("xwininfo -id " + std::to_string(window)), "Depth:");
}

Geometry rootGeometry() {
    const std::string text = run("xwininfo -root");
    return {0, 0, xwininfoValue(text, "Width:"), xwininfoValue(text, "Height:")};
}

WindowId rootWindow() {
    const std::string text = run("xwininfo -root");
    const std::size_t at = text.find("Window id: ");
    return at == std::string::npos ? 0 : std::strtoul(text.c_str() + at + 11, nullptr, 16);
}

std::string windowProperty(WindowId window, const char* property) {
    return run("xprop -id " + std::to_string(window) + " " + property);
}

Image screenshot(WindowId window) {
    // By full path: a convert or import earlier in PATH may not be ImageMagick's.
    const std::string data =
        run("/usr/bin/import -window " + std::to_string(window) + " -depth 8 ppm:- 2>/dev/null");
    Image image;
    std::size_t at = 2;
    int width = 0;
    int height = 0;
    int maximum = 0;
    if (data.compare(0, 2, "P6") != 0 || !ppmNumber(data, at, width) ||
        !ppmNumber(data, at, height) || !ppmNumber(data, at, maximum) || maximum != 255) {
        return image;
    }
    ++at;  // the single blank after the header
    const std::size_t count = static_cast<std::size_t>(width) * height;
    if (data.size() < at + count * 3) return image;
    image.width = width;
    image.height = height;
    image.pixels.resize(count);
    for (std::size_t i = 0; i < count; ++i) {
        const auto byte = [&](std::size_t k) {
            return static_cast<std::uint32_t>(static_cast<unsigned char>(data[at + 3 * i + k]));
        };
        image.pixels[i] = byte(0) << 16 | byte(1) << 8 | byte(2);
    }
    return image;
}

bool sameColour(std::uint32_t a, std::uint32_t b, int tolerance) {
    for (int shift = 0; shift <= 16; shift += 8) {
        const int difference =
            static_cast<int>((a >> shift) & 0xFF) - static_cast<int>((b >> shift) & 0xFF);
        if (difference > tolerance || difference < -tolerance) return false;
    }
    return true;
}

void sleepMs(int milliseconds) {
    std::this_thread::sleep_for(std::chrono::milliseconds(milliseconds));
}

}  // namespace desktop
