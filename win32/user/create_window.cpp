// Creating and destroying windows.

#include <windows.h>

#include <cstring>

#include "win32/user/framebuffer.h"
#include "win32/user/input.h"
#include "win32/user/metrics.h"
#include "win32/user/paint.h"
#include "win32/user/system.h"
#include "win32/user/window.h"
#include "win32/user/window_class.h"

namespace w32::user {

namespace {

void copyText(char (&to)[kMaxWindowText], const char* from) {
    to[0] = '\0';
    if (!from) return;
    std::size_t n = strnlen(from, kMaxWindowText - 1);
    std::memcpy(to, from, n);
    to[n] = '\0';
}

// WM_PARENTNOTIFY for a child's creation or destruction, to each ancestor in turn.
void notifyAncestors(Window* child, UINT event) {
    for (Window* w = child; w->parent; w = w->parent) {
        if (w->exStyle & WS_EX_NOPARENTNOTIFY) return;
        SendMessageA(handleOf(w->parent), WM_PARENTNOTIFY, MAKEWPARAM(event, child->id),
                     reinterpret_cast<LPARAM>(handleOf(child)));
    }
}

void placeTopLevel(Window* w, int x, int y, int width, int height) {
    if (x == CW_USEDEFAULT) {
        x = kDefaultOrigin.x;
        y = kDefaultOrigin.y;
    }
    if (width == CW_USEDEFAULT) {
        width = kDefaultSize.x;
        height = kDefaultSize.y;
    }
    w->rect = Rect::fromSize(x, y, width, height);
    w->client = clientFromOuter(w->rect, w->style);
}

void freeTree(Window* w) {
    while (w->firstChild) {
        Window* child = w->firstChild;
        unlinkChild(child);
        freeTree(child);
    }
    forgetWindow(w);
    if (w->surface != kNoSurface) display().destroySurface(w->surface);
    if (w->frame >= 0) releaseFrame(w->frame);
    release(w);
}

void sendDestroy(Window* w) {
    w->destroying = true;
    SendMessageA(handleOf(w), WM_DESTROY, 0, 0);
    for (Window* c = w->firstChild; c; c = c->nextSibling)
        sendDestroy(c);
}

void sendNcDestroy(Window* w) {
    for (Window* c = w->firstChild; c; c = c->nextSibling)
        sendNcDestroy(c);
    SendMessageA(handleOf(w), WM_NCDESTROY, 0, 0);
}

}  // namespace

}  // namespace w32::user

using namespace w32;
using namespace w32::user;

HWND WINAPI CreateWindowExA(DWORD exStyle, LPCSTR className, LPCSTR windowName, DWORD style, int x,
                            int y, int width, int height, HWND parentHandle, HMENU menu,
                            HINSTANCE instance, LPVOID param) {
    int classIndex = findClass(className);
    if (classIndex < 0) return nullptr;
    Window* parent = fromHandle(parentHandle);
    bool child = (style & WS_CHILD) != 0;
    if (child && !parent) return nullptr;
    if (parentHandle && !parent) return nullptr;

    Window* w = allocate();
    if (!w) return nullptr;
    const WindowClass& cls = classAt(classIndex);
    w->classIndex = classIndex;
    w->proc = cls.proc;
    w->instance = instance;
    w->style = style;
    w->exStyle = exStyle;
    copyText(w->text, windowName);

    if (child) {
        if (x == CW_USEDEFAULT) x = y = 0;
        if (width == CW_USEDEFAULT) width = height = 0;
        w->id = static_cast<int>(reinterpret_cast<std::intptr_t>(menu));
        w->rect = w->client = Rect::fromSize(x, y, width, height);
        appendChild(parent, w);
    } else {
        w->owner = parent ? topLevelOf(parent) : nullptr;
        placeTopLevel(w, x, y, width, height);
        w->frame = acquireFrame(w->client.width(), w->client.height());
        if (w->frame < 0) {
            release(w);
            return nullptr;
        }
        SurfaceRequest request;
        request.title = w->text;
        request.screen = w->client;
        request.owner = w->owner ? w->owner->surface : kNoSurface;
        w->surface = display().createSurface(request);
    }

    HWND hwnd = handleOf(w);
    CREATESTRUCTA cs{
        param,      instance,  menu,   parentHandle, height, width, y, x, static_cast<LONG>(style),
        windowName, className, exStyle};
    if (!SendMessageA(hwnd, WM_NCCREATE, 0, reinterpret_cast<LPARAM>(&cs)) ||
        SendMessageA(hwnd, WM_CREATE, 0, reinterpret_cast<LPARAM>(&cs)) == -1) {
        DestroyWindow(hwnd);
        return nullptr;
    }
    if (!fromHandle(hwnd)) return nullptr;  // it destroyed itself while being created
    if (child) notifyAncestors(w, WM_CREATE);

    if (w->style & WS_VISIBLE) {
        w->style &= ~WS_VISIBLE;
        ShowWindow(hwnd, SW_SHOW);
    }
    return hwnd;
}

BOOL WINAPI DestroyWindow(HWND hwnd) {
    Window* w = fromHandle(hwnd);
    if (!w || w->destroying) return w ? TRUE : FALSE;

    // Owned windows go first, as their owner would otherwise leave them behind.
    Window* tops[kMaxWindows];
    int n = topLevelWindows(tops, kMaxWindows);
    for (int i = n - 1; i >= 0; --i)
        if (tops[i]->owner == w) DestroyWindow(handleOf(tops[i]));

    if (w->parent) notifyAncestors(w, WM_DESTROY);
    if (!fromHandle(hwnd)) return TRUE;
    if (w->visible()) {
        if (w->parent) invalidateInParent(w);
        w->style &= ~WS_VISIBLE;
        if (w->surface != kNoSurface) display().showSurface(w->surface, false);
    }
    sendDestroy(w);
    sendNcDestroy(w);
    unlinkChild(w);
    freeTree(w);
    return TRUE;
}
