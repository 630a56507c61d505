// The default handling of messages a window procedure passes on.

#include <windows.h>

#include <cstring>

#include "win32/user/input.h"
#include "win32/user/system.h"
#include "win32/user/window.h"
#include "win32/user/window_class.h"

using namespace w32;
using namespace w32::user;

namespace {

LRESULT setText(Window* w, const char* text) {
    std::size_t n = text ? strnlen(text, kMaxWindowText - 1) : 0;
    if (n) std::memcpy(w->text, text, n);
    w->text[n] = '\0';
    if (w->surface != kNoSurface) display().setTitle(w->surface, w->text);
    return TRUE;
}

LRESULT getText(const Window* w, WPARAM capacity, char* out) {
    if (!out || capacity == 0) return 0;
    std::size_t n = std::min<std::size_t>(std::strlen(w->text), capacity - 1);
    std::memcpy(out, w->text, n);
    out[n] = '\0';
    return static_cast<LRESULT>(n);
}

// The class brush may be a system colour index plus one; FillRect knows both forms.
LRESULT eraseBackground(HWND hwnd, Window* w, HDC hdc) {
    HBRUSH brush = classAt(w->classIndex).background;
    if (!brush || !hdc) return 0;
    RECT client;
    GetClientRect(hwnd, &client);
    FillRect(hdc, &client, brush);
    return 1;
}

}  // namespace

LRESULT WINAPI DefWindowProcA(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    Window* w = fromHandle(hwnd);
    if (!w) return 0;
    switch (message) {
        case WM_NCCREATE:
            return TRUE;
        case WM_NCHITTEST:
            return HTCLIENT;
        case WM_CLOSE:
            DestroyWindow(hwnd);
            return 0;
        case WM_ERASEBKGND:
            return eraseBackground(hwnd, w, reinterpret_cast<HDC>(wParam));
        case WM_PAINT: {
            PAINTSTRUCT ps;
            BeginPaint(hwnd, &ps);
            EndPaint(hwnd, &ps);
            return 0;
        }
        case WM_SETTEXT:
            return setText(w, reinterpret_cast<const char*>(lParam));
        case WM_GETTEXT:
            return getText(w, wParam, reinterpret_cast<char*>(lParam));
        case WM_GETTEXTLENGTH:
            return static_cast<LRESULT>(std::strlen(w->text));
        case WM_CANCELMODE:
            if (captureWindow() == w) ReleaseCapture();
            return 0;
    }
    return 0;
}
