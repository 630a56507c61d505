// Visibility, enabling, geometry, text, long values and the window tree, as the API reads them.

#include <windows.h>

#include <cstring>

#include "win32/user/input.h"
#include "win32/user/metrics.h"
#include "win32/user/paint.h"
#include "win32/user/system.h"
#include "win32/user/window.h"
#include "win32/user/window_class.h"

using namespace w32;
using namespace w32::user;

BOOL WINAPI ShowWindow(HWND hwnd, int cmdShow) {
    Window* w = fromHandle(hwnd);
    if (!w) return FALSE;
    bool wasVisible = w->visible();
    bool show = cmdShow != SW_HIDE;
    if (show == wasVisible) return wasVisible;
    SendMessageA(hwnd, WM_SHOWWINDOW, show, 0);
    if (!fromHandle(hwnd)) return wasVisible;
    if (show) {
        w->style |= WS_VISIBLE;
        if (w->surface != kNoSurface) display().showSurface(w->surface, true);
        invalidate(w, w->clientSize(), true);
    } else {
        if (w->parent) invalidateInParent(w);
        w->style &= ~WS_VISIBLE;
        if (w->surface != kNoSurface) display().showSurface(w->surface, false);
    }
    return wasVisible;
}

BOOL WINAPI UpdateWindow(HWND hwnd) {
    Window* w = fromHandle(hwnd);
    if (!w) return FALSE;
    if (!w->update.empty()) SendMessageA(hwnd, WM_PAINT, 0, 0);
    return TRUE;
}

BOOL WINAPI IsWindow(HWND hwnd) {
    return fromHandle(hwnd) != nullptr;
}

BOOL WINAPI IsWindowVisible(HWND hwnd) {
    for (Window* w = fromHandle(hwnd); w; w = w->parent)
        if (!w->visible()) return FALSE;
    return fromHandle(hwnd) != nullptr;
}

BOOL WINAPI IsWindowEnabled(HWND hwnd) {
    Window* w = fromHandle(hwnd);
    return w && w->enabled();
}

BOOL WINAPI EnableWindow(HWND hwnd, BOOL enable) {
    Window* w = fromHandle(hwnd);
    if (!w) return FALSE;
    BOOL wasDisabled = !w->enabled();
    if (!enable) {
        SendMessageA(hwnd, WM_CANCELMODE, 0, 0);
        if (!fromHandle(hwnd)) return wasDisabled;
        for (Window* c = captureWindow(); c; c = c->parent)
            if (c == w) ReleaseCapture();
    }
    if (static_cast<bool>(enable) == !wasDisabled) return wasDisabled;
    if (enable)
        w->style &= ~WS_DISABLED;
    else
        w->style |= WS_DISABLED;
    SendMessageA(hwnd, WM_ENABLE, enable ? TRUE : FALSE, 0);
    return wasDisabled;
}

BOOL WINAPI MoveWindow(HWND hwnd, int x, int y, int width, int height, BOOL repaint) {
    Window* w = fromHandle(hwnd);
    if (!w) return FALSE;
    if (!w->parent) {
        // A top-level window keeps its surface size: our windows are not resizable.
        Rect outer = Rect::fromSize(x, y, w->rect.width(), w->rect.height());
        w->rect = outer;
        w->client = clientFromOuter(outer, w->style);
        return TRUE;
    }
    if (repaint && w->visible()) invalidateInParent(w);
    Rect before = w->client;
    w->rect = w->client = Rect::fromSize(x, y, width < 0 ? 0 : width, height < 0 ? 0 : height);
    if (repaint && w->visible()) invalidate(w, w->clientSize(), true);
    if (before.width() != w->client.width() || before.height() != w->client.height())
        SendMessageA(hwnd, WM_SIZE, 0, MAKELPARAM(w->client.width(), w->client.height()));
    return TRUE;
}

HWND WINAPI GetParent(HWND hwnd) {
    Window* w = fromHandle(hwnd);
    if (!w) return nullptr;
    return handleOf(w->parent ? w->parent : w->owner);
}

HWND WINAPI GetWindow(HWND hwnd, UINT cmd) {
    Window* w = fromHandle(hwnd);
    if (!w) return nullptr;
    switch (cmd) {
        case GW_CHILD:
            return handleOf(w->firstChild);
        case GW_HWNDNEXT:
            return handleOf(w->nextSibling);
        case GW_OWNER:
            return handleOf(w->owner);
        case GW_HWNDFIRST:
            return w->parent ? handleOf(w->parent->firstChild) : hwnd;
        case GW_HWNDLAST: {
            if (!w->parent) return hwnd;
            Window* c = w->parent->firstChild;
            while (c->nextSibling)
                c = c->nextSibling;
            return handleOf(c);
        }
        case GW_HWNDPREV: {
            if (!w->parent || w->parent->firstChild == w) return nullptr;
            Window* c = w->parent->firstChild;
            while (c->nextSibling != w)
                c = c->nextSibling;
            return handleOf(c);
        }
    }
    return nullptr;
}

HWND WINAPI GetDlgItem(HWND parent, int id) {
    Window* p = fromHandle(parent);
    if (!p) return nullptr;
    for (Window* c = p->firstChild; c; c = c->nextSibling)
        if (c->id == id) return handleOf(c);
    return nullptr;
}

int WINAPI GetDlgCtrlID(HWND hwnd) {
    Window* w = fromHandle(hwnd);
    return w && w->parent ? w->id : 0;
}

LONG_PTR WINAPI GetWindowLongPtrA(HWND hwnd, int index) {
    Window* w = fromHandle(hwnd);
    if (!w) return 0;
    switch (index) {
        case GWL_ID:
            return w->id;
        case GWL_STYLE:
            return static_cast<LONG>(w->style);
        case GWL_EXSTYLE:
            return static_cast<LONG>(w->exStyle);
        case GWLP_USERDATA:
            return w->userData;
        case GWLP_WNDPROC:
            return reinterpret_cast<LONG_PTR>(w->proc);
        case GWLP_HINSTANCE:
            return reinterpret_cast<LONG_PTR>(w->instance);
        case GWLP_HWNDPARENT:
            return reinterpret_cast<LONG_PTR>(GetParent(hwnd));
    }
    if (index >= 0 && index % static_cast<int>(sizeof(LONG_PTR)) == 0 &&
        index / static_cast<int>(sizeof(LONG_PTR)) < kMaxWindowExtra)
        return w->extra[index / sizeof(LONG_PTR)];
    return 0;
}

LONG_PTR WINAPI SetWindowLongPtrA(HWND hwnd, int index, LONG_PTR value) {
    Window* w = fromHandle(hwnd);
    if (!w) return 0;
    LONG_PTR old = GetWindowLongPtrA(hwnd, index);
    switch (index) {
        case GWL_ID:
            w->id = static_cast<int>(value);
            return old;
        case GWL_STYLE:
            w->style = static_cast<DWORD>(value);
            return old;
        case GWL_EXSTYLE:
            w->exStyle = static_cast<DWORD>(value);
            return old;
        case GWLP_USERDATA:
            w->userData = value;
            return old;
        case GWLP_WNDPROC:
            if (value) w->proc = reinterpret_cast<WNDPROC>(value);
            return old;
    }
    if (index >= 0 && index % static_cast<int>(sizeof(LONG_PTR)) == 0 &&
        index / static_cast<int>(sizeof(LONG_PTR)) < kMaxWindowExtra) {
        w->extra[index / sizeof(LONG_PTR)] = value;
        return old;
    }
    return 0;
}

LONG WINAPI GetWindowLongA(HWND hwnd, int index) {
    return static_cast<LONG>(GetWindowLongPtrA(hwnd, index));
}

LONG WINAPI SetWindowLongA(HWND hwnd, int index, LONG value) {
    return static_cast<LONG>(SetWindowLongPtrA(hwnd, index, value));
}

int WINAPI GetWindowTextA(HWND hwnd, LPSTR text, int maxCount) {
    if (!text || maxCount <= 0) return 0;
    text[0] = '\0';
    if (!fromHandle(hwnd)) return 0;
    return static_cast<int>(SendMessageA(hwnd, WM_GETTEXT, static_cast<WPARAM>(maxCount),
                                         reinterpret_cast<LPARAM>(text)));
}

int WINAPI GetWindowTextLengthA(HWND hwnd) {
    return static_cast<int>(SendMessageA(hwnd, WM_GETTEXTLENGTH, 0, 0));
}

BOOL WINAPI SetWindowTextA(HWND hwnd, LPCSTR text) {
    if (!fromHandle(hwnd)) return FALSE;
    return static_cast<BOOL>(SendMessageA(hwnd, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text)));
}

BOOL WINAPI GetClientRect(HWND hwnd, LPRECT rect) {
    Window* w = fromHandle(hwnd);
    if (!w || !rect) return FALSE;
    *rect = {0, 0, w->client.width(), w->client.height()};
    return TRUE;
}

BOOL WINAPI GetWindowRect(HWND hwnd, LPRECT rect) {
    Window* w = fromHandle(hwnd);
    if (!w || !rect) return FALSE;
    Rect r = w->rect;
    if (w->parent) {
        Point o = screenOrigin(w->parent);
        r = r.offset(o.x, o.y);
    }
    *rect = {r.left, r.top, r.right, r.bottom};
    return TRUE;
}

BOOL WINAPI ClientToScreen(HWND hwnd, LPPOINT point) {
    Window* w = fromHandle(hwnd);
    if (!w || !point) return FALSE;
    Point o = screenOrigin(w);
    point->x += o.x;
    point->y += o.y;
    return TRUE;
}

BOOL WINAPI ScreenToClient(HWND hwnd, LPPOINT point) {
    Window* w = fromHandle(hwnd);
    if (!w || !point) return FALSE;
    Point o = screenOrigin(w);
    point->x -= o.x;
    point->y -= o.y;
    return TRUE;
}

// Immediate children only, hidden and disabled ones included: the first in Z order that
// contains the point; the parent itself when the point is inside it but on no child.
HWND WINAPI ChildWindowFromPoint(HWND parent, POINT point) {
    Window* p = fromHandle(parent);
    if (!p) return nullptr;
    Point at{point.x, point.y};
    Rect outer = p->parent ? p->clientSize() : p->rect.offset(-p->client.left, -p->client.top);
    if (!outer.contains(at)) return nullptr;
    for (Window* c = p->firstChild; c; c = c->nextSibling)
        if (c->rect.contains(at)) return handleOf(c);
    return parent;
}

HWND WINAPI WindowFromPoint(POINT point) {
    Window* tops[kMaxWindows];
    int n = topLevelWindows(tops, kMaxWindows);
    // The newest visible top-level window is the front one.
    for (int i = n - 1; i >= 0; --i) {
        Window* top = tops[i];
        Point at{point.x - top->client.left, point.y - top->client.top};
        if (!top->visible() || !top->clientSize().contains(at)) continue;
        Point local;
        Window* hit = windowAt(top, at, &local);
        return handleOf(hit ? hit : top);
    }
    return nullptr;
}

HWND WINAPI GetFocus() {
    return handleOf(focusWindow());
}

BOOL WINAPI CheckRadioButton(HWND dialog, int firstId, int lastId, int checkId) {
    Window* d = fromHandle(dialog);
    if (!d) return FALSE;
    for (Window* c = d->firstChild; c; c = c->nextSibling) {
        if (c->id < firstId || c->id > lastId) continue;
        SendMessageA(handleOf(c), BM_SETCHECK, c->id == checkId ? BST_CHECKED : BST_UNCHECKED, 0);
    }
    return TRUE;
}

BOOL WINAPI CheckDlgButton(HWND dialog, int id, UINT check) {
    HWND button = GetDlgItem(dialog, id);
    if (!button) return FALSE;
    SendMessageA(button, BM_SETCHECK, check, 0);
    return TRUE;
}

UINT WINAPI IsDlgButtonChecked(HWND dialog, int id) {
    HWND button = GetDlgItem(dialog, id);
    if (!button) return 0;
    return static_cast<UINT>(SendMessageA(button, BM_GETCHECK, 0, 0));
}
