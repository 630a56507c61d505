// The status bar, "msctls_statusbar32": a row of parts along the bottom of its parent, each with
// a text the bar keeps a copy of.
//
// It takes no notice of the geometry it is created with: it places itself when created and on
// every WM_SIZE, which a parent forwards when its own size changes.

#include "win32/controls/status_bar.h"

#include <commctrl.h>

#include <cstring>

#include "win32/base/observer.h"
#include "win32/controls/status_bar_paint.h"
#include "win32/controls/status_bar_state.h"

namespace w32::controls {

namespace {

RECT clientOf(HWND hwnd) {
    RECT r{0, 0, 0, 0};
    GetClientRect(hwnd, &r);
    return r;
}

void place(HWND hwnd) {
    HWND parent = GetParent(hwnd);
    if (!parent) return;
    RECT area = clientOf(parent);
    bool top = (GetWindowLongA(hwnd, GWL_STYLE) & CCS_BOTTOM) == CCS_TOP;
    RECT wanted{0, top ? 0 : area.bottom - kStatusBarHeight, area.right, 0};
    wanted.bottom = wanted.top + kStatusBarHeight;

    RECT now;
    GetWindowRect(hwnd, &now);
    POINT corner{now.left, now.top};
    ScreenToClient(parent, &corner);
    // MoveWindow sends WM_SIZE back here: moving only when something differs ends the round.
    if (corner.x == wanted.left && corner.y == wanted.top && now.right - now.left == wanted.right &&
        now.bottom - now.top == kStatusBarHeight)
        return;
    MoveWindow(hwnd, wanted.left, wanted.top, wanted.right - wanted.left, kStatusBarHeight, TRUE);
}

bool hasGrip(HWND hwnd) {
    return (GetWindowLongA(hwnd, GWL_STYLE) & SBARS_SIZEGRIP) != 0;
}

LRESULT hitTest(HWND hwnd, LPARAM lParam) {
    POINT p{static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
    ScreenToClient(hwnd, &p);
    RECT grip = gripRect(clientOf(hwnd));
    return hasGrip(hwnd) && PtInRect(&grip, p) ? HTBOTTOMRIGHT : HTCLIENT;
}

LRESULT setParts(HWND hwnd, StatusBar& bar, WPARAM count, const int* rights) {
    if (!rights || count == 0 || count > static_cast<WPARAM>(kMaxStatusParts)) return FALSE;
    int n = static_cast<int>(count);
    for (int i = 0; i < n; ++i)
        bar.parts[i].right = rights[i];
    // Parts dropped now come back empty if they are set again.
    for (int i = n; i < kMaxStatusParts; ++i)
        bar.parts[i] = StatusPart{};
    bar.partCount = n;
    InvalidateRect(hwnd, nullptr, TRUE);
    return TRUE;
}

LRESULT getParts(const StatusBar& bar, WPARAM wanted, int* rights) {
    if (rights) {
        int n =
            wanted < static_cast<WPARAM>(bar.partCount) ? static_cast<int>(wanted) : bar.partCount;
        for (int i = 0; i < n; ++i)
            rights[i] = bar.parts[i].right;
    }
    return bar.partCount;
}

LRESULT setText(HWND hwnd, StatusBar& bar, WPARAM wParam, const char* text) {
    int index = LOBYTE(LOWORD(wParam));
    if (index >= bar.partCount) return FALSE;
    StatusPart& part = bar.parts[index];
    WORD type = static_cast<WORD>(HIBYTE(LOWORD(wParam)) << 8);
    // Our own copy, cut to fit: the caller's buffer may change or go away.
    int length = text ? static_cast<int>(strnlen(text, kMaxPartText - 1)) : 0;
    bool textChanged =
        length != part.length || (length && std::memcmp(part.text, text, length) != 0);
    if (!textChanged && type == part.type) return TRUE;
    if (length) std::memcpy(part.text, text, length);
    part.text[length] = '\0';
    part.length = length;
    part.type = type;
    RECT cell = partCell(bar, index, clientOf(hwnd));
    InvalidateRect(hwnd, &cell, TRUE);
    if (textChanged)
        if (Observer* o = observer()) o->statusTextChanged(hwnd, index, part.text);
    return TRUE;
}

const StatusPart* partAt(const StatusBar& bar, WPARAM wParam) {
    int index = LOBYTE(LOWORD(wParam));
    return index < bar.partCount ? &bar.parts[index] : nullptr;
}

LRESULT getText(const StatusBar& bar, WPARAM wParam, char* out) {
    const StatusPart* part = partAt(bar, wParam);
    if (!part) return 0;
    if (out) std::memcpy(out, part->text, part->length + 1);
    return MAKELONG(part->length, part->type);
}

LRESULT getTextLength(const StatusBar& bar, WPARAM wParam) {
    const StatusPart* part = partAt(bar, wParam);
    return part ? MAKELONG(part->length, part->type) : 0;
}

}  // namespace

LRESULT CALLBACK statusBarProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        // No room for its parts: the creation fails, as Win32 fails one it has no memory for.
        if (!acquireStatusBar(hwnd)) return FALSE;
        return DefWindowProcA(hwnd, message, wParam, lParam);
    }
    StatusBar* bar = statusBarOf(hwnd);
    if (!bar) return DefWindowProcA(hwnd, message, wParam, lParam);
    switch (message) {
        case WM_NCDESTROY:
            releaseStatusBar(hwnd);
            return 0;
        case WM_CREATE:
        case WM_SIZE:
            place(hwnd);
            return 0;
        case WM_NCHITTEST:
            return hitTest(hwnd, lParam);
        case WM_ERASEBKGND:
            return 1;  // the paint fills every pixel
        case WM_PAINT:
            paintStatusBar(hwnd, *bar, hasGrip(hwnd));
            return 0;
        case WM_SETFONT:
            bar->font = reinterpret_cast<HFONT>(wParam);
            if (LOWORD(lParam)) InvalidateRect(hwnd, nullptr, TRUE);
            return 0;
        case WM_GETFONT:
            return reinterpret_cast<LRESULT>(bar->font);
        case SB_SETPARTS:
            return setParts(hwnd, *bar, wParam, reinterpret_cast<const int*>(lParam));
        case SB_GETPARTS:
            return getParts(*bar, wParam, reinterpret_cast<int*>(lParam));
        case SB_SETTEXTA:
            return setText(hwnd, *bar, wParam, reinterpret_cast<const char*>(lParam));
        case SB_GETTEXTA:
            return getText(*bar, wParam, reinterpret_cast<char*>(lParam));
        case SB_GETTEXTLENGTHA:
            return getTextLength(*bar, wParam);
    }
    return DefWindowProcA(hwnd, message, wParam, lParam);
}

}  // namespace w32::controls
