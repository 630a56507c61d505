#include "win32/display/headless/headless_display.h"

#include <cstring>

namespace w32::headless {

namespace {

SurfaceInfo surfaces[kMaxSurfaces];
InputEvent pending[kMaxPendingEvents];
int pendingHead = 0;
int pendingCount = 0;
InputSource* source = nullptr;
std::uint32_t clockNow = 0;
PresentStats stats;

bool pop(InputEvent& event) {
    if (pendingCount == 0) return false;
    event = pending[pendingHead];
    pendingHead = (pendingHead + 1) % kMaxPendingEvents;
    --pendingCount;
    return true;
}

bool open() {
    for (SurfaceInfo& s : surfaces)
        s = SurfaceInfo{};
    pendingHead = pendingCount = 0;
    stats = {};
    return true;
}

void close() {}

Rect screen() {
    return kScreen;
}

SurfaceId createSurface(const SurfaceRequest& request) {
    for (int i = 0; i < kMaxSurfaces; ++i) {
        SurfaceInfo& s = surfaces[i];
        if (s.used) continue;
        s = SurfaceInfo{};
        s.used = true;
        std::strncpy(s.title, request.title ? request.title : "", sizeof s.title - 1);
        s.screen = request.screen;
        s.owner = request.owner;
        return i;
    }
    return kNoSurface;
}

SurfaceInfo* find(SurfaceId id) {
    if (id < 0 || id >= kMaxSurfaces || !surfaces[id].used) return nullptr;
    return &surfaces[id];
}

void showSurface(SurfaceId id, bool visible) {
    if (SurfaceInfo* s = find(id)) s->visible = visible;
}

void setTitle(SurfaceId id, const char* title) {
    if (SurfaceInfo* s = find(id)) std::strncpy(s->title, title ? title : "", sizeof s->title - 1);
}

void destroySurface(SurfaceId id) {
    if (SurfaceInfo* s = find(id)) *s = SurfaceInfo{};
}

void present(SurfaceId, const Canvas&, const Rect* rects, int count) {
    ++stats.presents;
    for (int i = 0; i < count; ++i)
        stats.pixels += static_cast<long>(rects[i].width()) * rects[i].height();
}

bool nextEvent(InputEvent& event, bool wait) {
    if (pop(event)) return true;
    if (!wait) return false;
    event = InputEvent{};
    event.time = clockNow;
    if (source && source->refill()) {
        if (!pop(event)) event.kind = InputKind::Wake;
        return true;
    }
    event.kind = InputKind::Quit;
    return true;
}

void beep() {}

std::uint32_t now() {
    return clockNow;
}

void sleep(std::uint32_t milliseconds) {
    clockNow += milliseconds;
}

const Display headlessDisplay{
    "headless",     open,    close,     screen, createSurface, showSurface, setTitle,
    destroySurface, present, nextEvent, beep,   now,           sleep,
};

}  // namespace

void setInputSource(InputSource* s) {
    source = s;
}

bool push(InputEvent event) {
    if (pendingCount == kMaxPendingEvents) return false;
    event.time = clockNow;
    pending[(pendingHead + pendingCount) % kMaxPendingEvents] = event;
    ++pendingCount;
    return true;
}

void advanceClock(std::uint32_t milliseconds) {
    clockNow += milliseconds;
}

const SurfaceInfo* surfaceInfo(SurfaceId id) {
    return find(id);
}

PresentStats presentStats() {
    return stats;
}

const Display& display() {
    return headlessDisplay;
}

}  // namespace w32::headless
