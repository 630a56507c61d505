// Getting, posting, sending and dispatching messages.
//
// GetMessageA hands out, in this order: posted messages, the quit request, input that has
// already arrived, a WM_PAINT for the first window with an update area (only when nothing else
// waits). With nothing at all to do it presents what was drawn and blocks in the display's wait,
// so an idle program uses no CPU.

#include <windows.h>

#include "win32/user/input.h"
#include "win32/user/message_queue.h"
#include "win32/user/paint.h"
#include "win32/user/system.h"
#include "win32/user/window.h"

using namespace w32;
using namespace w32::user;

BOOL WINAPI GetMessageA(LPMSG msg, HWND /*hwnd*/, UINT /*filterMin*/, UINT /*filterMax*/) {
    if (!msg) return -1;
    for (;;) {
        if (popMessage(*msg)) {
            setMessageTime(msg->time);
            return TRUE;
        }
        int exitCode = 0;
        if (takeQuit(exitCode)) {
            *msg = MSG{nullptr, WM_QUIT, static_cast<WPARAM>(exitCode), 0, messageTime(), {}};
            return FALSE;
        }
        InputEvent event;
        if (display().nextEvent(event, false)) {
            handleInput(event);
            continue;
        }
        if (Window* w = windowToPaint()) {
            *msg = MSG{handleOf(w), WM_PAINT, 0, 0, display().now(), {}};
            setMessageTime(msg->time);
            return TRUE;
        }
        presentAll();
        display().nextEvent(event, true);
        handleInput(event);
    }
}

BOOL WINAPI TranslateMessage(const MSG* msg) {
    if (!msg || msg->message != WM_KEYDOWN) return FALSE;
    WPARAM character = 0;
    switch (msg->wParam) {
        case VK_RETURN:
            character = '\r';
            break;
        case VK_SPACE:
            character = ' ';
            break;
        case VK_ESCAPE:
            character = 0x1B;
            break;
        default:
            return FALSE;
    }
    MSG m = *msg;
    m.message = WM_CHAR;
    m.wParam = character;
    postMessage(m);
    return TRUE;
}

LRESULT WINAPI DispatchMessageA(const MSG* msg) {
    if (!msg) return 0;
    Window* w = fromHandle(msg->hwnd);
    if (!w || !w->proc) return 0;
    return w->proc(msg->hwnd, msg->message, msg->wParam, msg->lParam);
}

LRESULT WINAPI SendMessageA(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    Window* w = fromHandle(hwnd);
    if (!w || !w->proc) return 0;
    return w->proc(hwnd, message, wParam, lParam);
}

BOOL WINAPI PostMessageA(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (hwnd && !fromHandle(hwnd)) return FALSE;
    MSG m{hwnd, message, wParam, lParam, display().now(), {}};
    return postMessage(m) ? TRUE : FALSE;
}

void WINAPI PostQuitMessage(int exitCode) {
    requestQuit(exitCode);
}

LONG WINAPI GetMessageTime() {
    return static_cast<LONG>(messageTime());
}
