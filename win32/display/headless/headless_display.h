#pragma once

// The headless display: a fixed 1280 x 800 screen that nobody sees, input from whoever feeds it
// (a scripted session), and a virtual clock that only waits of the script and Sleep move.

#include <cstdint>

#include "win32/display/display.h"

namespace w32::headless {

constexpr Rect kScreen{0, 0, 1280, 800};
constexpr int kMaxSurfaces = 8;
constexpr int kMaxPendingEvents = 64;

// Asked for more input whenever the program waits and nothing is pending. It pushes events and
// returns true (with nothing pushed, the program wakes, looks at its queue and waits again), or
// returns false when it has no more: the display then tells the program to quit, so a program
// can never hang on a script that ran out.
class InputSource {
  public:
    virtual ~InputSource() = default;
    virtual bool refill() = 0;
};

void setInputSource(InputSource* source);

// Queues an event; its time is the clock's now.
bool push(InputEvent event);

void advanceClock(std::uint32_t milliseconds);

struct SurfaceInfo {
    bool used = false;
    bool visible = false;
    char title[256] = {};
    Rect screen;
    SurfaceId owner = kNoSurface;
};
const SurfaceInfo* surfaceInfo(SurfaceId surface);

// What was presented so far, for tests of the paint cycle.
struct PresentStats {
    int presents = 0;
    long pixels = 0;
};
PresentStats presentStats();

const Display& display();

}  // namespace w32::headless
