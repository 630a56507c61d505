// Input routing: display events become posted messages for the window that takes them.

#include "win32/user/input.h"

#include <windows.h>

#include "win32/user/message_queue.h"
#include "win32/user/metrics.h"
#include "win32/user/window.h"
#include "win32/user/window_class.h"

namespace w32::user {

namespace {

struct LastPress {
    bool valid = false;
    MouseButton button = MouseButton::Left;
    std::uint32_t time = 0;
    Point screen;
    Window* window = nullptr;
};

Window* capture = nullptr;
Window* focus = nullptr;
LastPress lastPress;
WPARAM buttonsDown = 0;

struct ButtonMessages {
    UINT down, up, doubleClick;
    WPARAM flag;
};

ButtonMessages messagesFor(MouseButton b) {
    switch (b) {
        case MouseButton::Right:
            return {WM_RBUTTONDOWN, WM_RBUTTONUP, WM_RBUTTONDBLCLK, MK_RBUTTON};
        case MouseButton::Middle:
            return {WM_MBUTTONDOWN, WM_MBUTTONUP, WM_MBUTTONDBLCLK, MK_MBUTTON};
        default:
            return {WM_LBUTTONDOWN, WM_LBUTTONUP, WM_LBUTTONDBLCLK, MK_LBUTTON};
    }
}

Window* topLevelForSurface(SurfaceId surface) {
    Window* found = nullptr;
    forEachWindow([&](Window* w) {
        if (w->parent || w->surface != surface) return true;
        found = w;
        return false;
    });
    return found;
}

Point toScreen(const Window* w, Point local) {
    Point o = screenOrigin(w);
    return {local.x + o.x, local.y + o.y};
}

Point fromScreen(const Window* w, Point screen) {
    Point o = screenOrigin(w);
    return {screen.x - o.x, screen.y - o.y};
}

// The window a button event goes to: the capture window, or the one under the point.
Window* mouseTarget(Window* top, Point at, Point* local) {
    if (capture) {
        *local = fromScreen(capture, toScreen(top, at));
        return capture;
    }
    return windowAt(top, at, local);
}

// A second press of the same button on the same window, soon and near enough, is a double
// click. The box is centred on the first press and half-open, as PtInRect counts.
bool isDoubleClick(MouseButton button, Window* target, Point screen, std::uint32_t time) {
    if (!lastPress.valid || lastPress.button != button || lastPress.window != target) return false;
    if (time - lastPress.time > static_cast<std::uint32_t>(kDoubleClickTime)) return false;
    constexpr int half = kDoubleClickBox / 2;
    Rect box{lastPress.screen.x - half, lastPress.screen.y - half, lastPress.screen.x + half,
             lastPress.screen.y + half};
    return box.contains(screen);
}

// WM_PARENTNOTIFY to every ancestor, innermost first, each in its own client coordinates.
void notifyPress(Window* target, Point local, UINT down) {
    Point screen = toScreen(target, local);
    HWND child = handleOf(target);
    for (Window* w = target; w && w->parent; w = fromHandle(child)) {
        if (w->exStyle & WS_EX_NOPARENTNOTIFY) return;
        Window* parent = w->parent;
        Point p = fromScreen(parent, screen);
        child = handleOf(parent);
        SendMessageA(child, WM_PARENTNOTIFY, MAKEWPARAM(down, 0), MAKELPARAM(p.x, p.y));
    }
}

void post(Window* w, UINT message, WPARAM wParam, LPARAM lParam, const InputEvent& e,
          Point screen) {
    MSG m{handleOf(w), message, wParam, lParam, e.time, {screen.x, screen.y}};
    postMessage(m);
}

void buttonDown(Window* top, const InputEvent& e) {
    // Outside the client area is the desktop's frame or another window: not ours.
    if (!capture && !top->clientSize().contains(e.at)) return;
    Point local;
    Window* target = mouseTarget(top, e.at, &local);
    if (!target) return;
    ButtonMessages m = messagesFor(e.button);
    Point screen = toScreen(top, e.at);
    bool twice = isDoubleClick(e.button, target, screen, e.time);
    UINT message = m.down;
    if (twice) {
        if (classAt(target->classIndex).style & CS_DBLCLKS) message = m.doubleClick;
        lastPress.valid = false;  // a third press starts anew
    } else {
        lastPress = {true, e.button, e.time, screen, target};
    }
    buttonsDown |= m.flag;
    HWND hwnd = handleOf(target);
    if (!capture && target->parent) notifyPress(target, local, m.down);
    target = fromHandle(hwnd);
    if (target) post(target, message, buttonsDown, MAKELPARAM(local.x, local.y), e, screen);
}

void buttonUp(Window* top, const InputEvent& e) {
    ButtonMessages m = messagesFor(e.button);
    buttonsDown &= ~m.flag;
    if (!capture && !top->clientSize().contains(e.at)) return;
    Point local;
    Window* target = mouseTarget(top, e.at, &local);
    if (!target) return;
    post(target, m.up, buttonsDown, MAKELPARAM(local.x, local.y), e, toScreen(top, e.at));
}

}  // namespace

void handleInput(const InputEvent& e) {
    if (e.kind == InputKind::Wake) return;
    setMessageTime(e.time);
    if (e.kind == InputKind::Quit) {
        requestQuit(0);
        return;
    }
    Window* top = topLevelForSurface(e.surface);
    // A window disabled as a modal box's owner takes no input at all.
    if (!top || !top->visible() || !top->enabled()) {
        if (e.kind == InputKind::ButtonUp) buttonsDown &= ~messagesFor(e.button).flag;
        return;
    }
    switch (e.kind) {
        case InputKind::ButtonDown:
            buttonDown(top, e);
            break;
        case InputKind::ButtonUp:
            buttonUp(top, e);
            break;
        case InputKind::KeyDown: {
            Window* target = focus && topLevelOf(focus) == top ? focus : top;
            post(target, WM_KEYDOWN, static_cast<WPARAM>(e.key), 1, e, {});
            break;
        }
        case InputKind::CloseRequest:
            post(top, WM_CLOSE, 0, 0, e, {});
            break;
        case InputKind::Quit:
        case InputKind::Wake:
            break;
    }
}

void forgetWindow(Window* w) {
    if (capture == w) capture = nullptr;
    if (focus == w) focus = nullptr;
    if (lastPress.window == w) lastPress.valid = false;
}

void resetInput() {
    capture = focus = nullptr;
    lastPress = {};
    buttonsDown = 0;
}

Window* captureWindow() {
    return capture;
}
Window* focusWindow() {
    return focus;
}

}  // namespace w32::user

using namespace w32::user;

HWND WINAPI SetCapture(HWND hwnd) {
    Window* w = fromHandle(hwnd);
    HWND previous = handleOf(capture);
    if (!w || w == capture) return previous;
    Window* old = capture;
    capture = w;
    if (old) SendMessageA(handleOf(old), WM_CAPTURECHANGED, 0, reinterpret_cast<LPARAM>(hwnd));
    return previous;
}

BOOL WINAPI ReleaseCapture() {
    Window* old = capture;
    capture = nullptr;
    if (old) SendMessageA(handleOf(old), WM_CAPTURECHANGED, 0, 0);
    return TRUE;
}

HWND WINAPI GetCapture() {
    return handleOf(capture);
}

HWND WINAPI SetFocus(HWND hwnd) {
    Window* w = fromHandle(hwnd);
    HWND previous = handleOf(focus);
    if (hwnd && !w) return nullptr;
    if (w == focus) return previous;
    Window* old = focus;
    focus = w;
    if (old) SendMessageA(handleOf(old), WM_KILLFOCUS, reinterpret_cast<WPARAM>(hwnd), 0);
    if (w && focus == w) SendMessageA(hwnd, WM_SETFOCUS, reinterpret_cast<WPARAM>(previous), 0);
    return previous;
}
