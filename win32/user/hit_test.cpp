// Which window takes a press: the deepest visible, enabled child under the point, clipped by its
// ancestors. A child that answers WM_NCHITTEST with HTTRANSPARENT (a group box) lets the press
// through to what lies below it, but its own children still take presses. A disabled child
// hands the press to its parent; any other non-client answer swallows it.

#include <windows.h>

#include "win32/user/input.h"
#include "win32/user/window.h"

namespace w32::user {

namespace {

struct Hit {
    Window* window = nullptr;  // null: none of the children took it
    Point local;
    bool swallowed = false;  // a non-client spot: no client message at all
};

LPARAM screenPoint(const Window* w, Point p) {
    Point o = screenOrigin(w);
    return MAKELPARAM(p.x + o.x, p.y + o.y);
}

// Among w's children, p in w's client coordinates.
Hit childAt(Window* w, Point p) {
    for (Window* c = w->firstChild; c; c = c->nextSibling) {
        if (!c->visible() || !c->rect.contains(p)) continue;
        if (!c->enabled()) return {w, p, false};
        Point q{p.x - c->client.left, p.y - c->client.top};
        LRESULT answer = SendMessageA(handleOf(c), WM_NCHITTEST, 0, screenPoint(w, p));
        if (answer == HTTRANSPARENT) {
            Hit below = childAt(c, q);
            if (below.window || below.swallowed) return below;
            continue;
        }
        if (answer != HTCLIENT) return {nullptr, {}, true};
        Hit inner = childAt(c, q);
        if (inner.window || inner.swallowed) return inner;
        return {c, q, false};
    }
    return {};
}

}  // namespace

Window* windowAt(Window* top, Point p, Point* local) {
    Hit hit = childAt(top, p);
    if (hit.swallowed) return nullptr;
    if (!hit.window) {
        *local = p;
        return top;
    }
    *local = hit.local;
    return hit.window;
}

}  // namespace w32::user
