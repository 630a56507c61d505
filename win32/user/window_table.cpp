#include <algorithm>
#include <cstdint>

#include "win32/base/contract.h"
#include "win32/user/window.h"

namespace w32::user {

namespace {

Window windows[kMaxWindows];
std::uint32_t nextSerial = 1;

// A handle is slot + 1 in the low 16 bits and the generation above, so NULL is never valid.
constexpr std::uintptr_t kSlotBits = 16;

}  // namespace

Window* table() {
    return windows;
}

Window* fromHandle(HWND hwnd) {
    auto value = reinterpret_cast<std::uintptr_t>(hwnd);
    std::uintptr_t slot = (value & 0xFFFF) - 1;
    if (value == 0 || slot >= static_cast<std::uintptr_t>(kMaxWindows)) return nullptr;
    Window& w = windows[slot];
    if (!w.used || w.generation != (value >> kSlotBits)) return nullptr;
    return &w;
}

HWND handleOf(const Window* w) {
    if (!w) return nullptr;
    auto value = (static_cast<std::uintptr_t>(w->generation) << kSlotBits) |
                 static_cast<std::uintptr_t>(slotOf(w) + 1);
    return reinterpret_cast<HWND>(value);
}

int slotOf(const Window* w) {
    return static_cast<int>(w - windows);
}

Window* allocate() {
    for (Window& w : windows) {
        if (w.used) continue;
        std::uint16_t generation = static_cast<std::uint16_t>(w.generation + 1);
        if (generation == 0) generation = 1;
        w = Window{};
        w.used = true;
        w.generation = generation;
        w.serial = nextSerial++;
        return &w;
    }
    return nullptr;
}

void release(Window* w) {
    // The generation stays, so old handles to this slot keep failing until it is reused.
    std::uint16_t generation = w->generation;
    *w = Window{};
    w->generation = generation;
}

Window* topLevelOf(Window* w) {
    while (w && w->parent)
        w = w->parent;
    return w;
}

Point originInTopLevel(const Window* w) {
    Point p;
    for (; w && w->parent; w = w->parent) {
        p.x += w->client.left;
        p.y += w->client.top;
    }
    return p;
}

Point screenOrigin(const Window* w) {
    Point p = originInTopLevel(w);
    const Window* top = w;
    while (top->parent)
        top = top->parent;
    return {p.x + top->client.left, p.y + top->client.top};
}

Rect visibleClient(const Window* w) {
    Rect visible = w->clientSize();
    int dx = 0, dy = 0;  // from w's client coordinates to the current ancestor's
    for (const Window* c = w; c->parent; c = c->parent) {
        dx += c->client.left;
        dy += c->client.top;
        visible = visible.intersect(c->parent->clientSize().offset(-dx, -dy));
    }
    return visible;
}

int topLevelWindows(Window** out, int capacity) {
    int n = 0;
    for (Window& w : windows)
        if (w.used && !w.parent && n < capacity) out[n++] = &w;
    std::sort(out, out + n, [](const Window* a, const Window* b) { return a->serial < b->serial; });
    return n;
}

void appendChild(Window* parent, Window* child) {
    child->parent = parent;
    child->nextSibling = nullptr;
    Window** link = &parent->firstChild;
    while (*link)
        link = &(*link)->nextSibling;
    *link = child;
}

void unlinkChild(Window* child) {
    if (!child->parent) return;
    for (Window** link = &child->parent->firstChild; *link; link = &(*link)->nextSibling) {
        if (*link == child) {
            *link = child->nextSibling;
            break;
        }
    }
    child->nextSibling = nullptr;
}

}  // namespace w32::user
