// MessageBoxA: a modal box owned by a window, with a text and an OK button.
//
// The box disables its owner, runs its own message loop until it is answered (the OK button;
// Enter, Space or Escape, taken before dispatch as a dialog's keyboard interface would; its close
// box), then enables the owner again and returns IDOK. Paints and the messages of other windows
// go on meanwhile, so a box can open inside another box's loop. Each call keeps its state on its
// own stack; the window finds it through GWLP_USERDATA, checked against the calls now open.
//
// Sections: [open boxes] [measuring] [procedure] [MessageBoxA]

#include "win32/controls/message_box.h"

#include <cstring>

#include "win32/base/contract.h"
#include "win32/base/observer.h"
#include "win32/controls/button.h"
#include "win32/controls/drawing.h"
#include "win32/controls/message_box_layout.h"
#include "win32/gdi/gdi.h"

namespace w32::controls {

namespace {

constexpr int kMaxCaption = 256;

struct MessageBoxState {
    char text[kMaxMessageText] = {};
    char caption[kMaxCaption] = {};
    MessageLines lines;
    RECT textArea{};
    int lineHeight = 0;
    bool done = false;
};

// [open boxes] -----------------------------------------------------------------------------------

MessageBoxState* openBoxes[kMaxOpenMessageBoxes] = {};
int openCount = 0;

bool isOpen(const void* state) {
    for (int i = 0; i < openCount; ++i)
        if (openBoxes[i] == state) return true;
    return false;
}

// Boxes end in the reverse order they opened: each runs inside the loop of the one before.
void closeBox(const MessageBoxState& state) {
    W32_EXPECT(openCount > 0 && openBoxes[openCount - 1] == &state,
               "message boxes end out of order");
    --openCount;
}

// Only a pointer one of the open calls handed over is ever followed: a "#32770" window made by
// anyone else has none.
MessageBoxState* stateOf(HWND hwnd) {
    auto* state = reinterpret_cast<MessageBoxState*>(GetWindowLongPtrA(hwnd, GWLP_USERDATA));
    return isOpen(state) ? state : nullptr;
}

void copyCut(char* to, int capacity, const char* from) {
    int n = from ? static_cast<int>(strnlen(from, capacity - 1)) : 0;
    if (n) std::memcpy(to, from, n);
    to[n] = '\0';
}

// [measuring] ------------------------------------------------------------------------------------

int measure(void* context, const char* text, int count) {
    return static_cast<int>(textSize(static_cast<HDC>(context), text, count).cx);
}

// Lines and the text's size, measured with the control font on a context that draws nowhere.
void measureText(MessageBoxState& state, int maxWidth, int* captionWidth) {
    HDC hdc = gdi::openDc(Canvas{}, Point{}, Rect{});
    SelectObject(hdc, controlFont(nullptr));
    TEXTMETRICA tm{};
    state.lineHeight = GetTextMetricsA(hdc, &tm) && tm.tmHeight > 0 ? tm.tmHeight : 13;
    state.lines =
        breakLines(state.text, static_cast<int>(std::strlen(state.text)), maxWidth, measure, hdc);
    *captionWidth = measure(hdc, state.caption, static_cast<int>(std::strlen(state.caption)));
    if (hdc) gdi::closeDc(hdc);
}

// [procedure] ------------------------------------------------------------------------------------

void paint(HWND hwnd, const MessageBoxState& state) {
    PAINTSTRUCT ps;
    HDC hdc = BeginPaint(hwnd, &ps);
    if (hdc) {
        SelectObject(hdc, controlFont(nullptr));
        SetBkMode(hdc, TRANSPARENT);
        SetTextColor(hdc, GetSysColor(COLOR_WINDOWTEXT));
        for (int i = 0; i < state.lines.count; ++i) {
            const TextLine& line = state.lines.lines[i];
            TextOutA(hdc, state.textArea.left, state.textArea.top + i * state.lineHeight,
                     state.text + line.start, line.length);
        }
    }
    EndPaint(hwnd, &ps);
}

// Enter, Space and Escape for the box or any of its controls, before anyone else sees them.
bool answersBox(HWND box, const MSG& msg) {
    if (msg.message != WM_KEYDOWN || !msg.hwnd) return false;
    if (msg.hwnd != box && GetParent(msg.hwnd) != box) return false;
    return msg.wParam == VK_RETURN || msg.wParam == VK_SPACE || msg.wParam == VK_ESCAPE;
}

}  // namespace

LRESULT CALLBACK messageBoxProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        const auto* create = reinterpret_cast<const CREATESTRUCTA*>(lParam);
        void* state = create ? create->lpCreateParams : nullptr;
        if (isOpen(state))
            SetWindowLongPtrA(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(state));
        return DefWindowProcA(hwnd, message, wParam, lParam);
    }
    MessageBoxState* state = stateOf(hwnd);
    if (!state) return DefWindowProcA(hwnd, message, wParam, lParam);
    switch (message) {
        case WM_PAINT:
            paint(hwnd, *state);
            return 0;
        case WM_COMMAND:
            if (LOWORD(wParam) == IDOK && HIWORD(wParam) == BN_CLICKED) state->done = true;
            return 0;
        case WM_CLOSE:
            // The loop ends the box; destroying it here would leave the loop without it.
            state->done = true;
            return 0;
    }
    return DefWindowProcA(hwnd, message, wParam, lParam);
}

}  // namespace w32::controls

using namespace w32::controls;

// [MessageBoxA] ----------------------------------------------------------------------------------

namespace {

// A child cannot own a box: its top-level window does.
HWND topLevelOf(HWND hwnd) {
    while (hwnd && (GetWindowLongA(hwnd, GWL_STYLE) & WS_CHILD))
        hwnd = GetParent(hwnd);
    return hwnd;
}

HWND createBox(MessageBoxState& state, HWND owner) {
    RECT screen{0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
    int captionWidth = 0;
    measureText(state, (screen.right - screen.left) * 5 / 8, &captionWidth);
    SIZE text{state.lines.width, state.lines.count * state.lineHeight};

    RECT ownerRect;
    bool centreOnOwner = owner && GetWindowRect(owner, &ownerRect);
    Frame frame{GetSystemMetrics(SM_CXFIXEDFRAME), GetSystemMetrics(SM_CYCAPTION),
                GetSystemMetrics(SM_CYFIXEDFRAME)};
    BoxLayout layout =
        layoutBox(text, captionWidth, centreOnOwner ? &ownerRect : nullptr, screen, frame);
    state.textArea = layout.text;

    const RECT& w = layout.window;
    HWND box = CreateWindowExA(WS_EX_DLGMODALFRAME, kMessageBoxClass, state.caption,
                               WS_POPUP | WS_CAPTION | WS_SYSMENU, w.left, w.top, w.right - w.left,
                               w.bottom - w.top, owner, nullptr, nullptr, &state);
    if (!box) return nullptr;
    const RECT& b = layout.button;
    CreateWindowExA(0, kButtonClass, "OK", WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_DEFPUSHBUTTON,
                    b.left, b.top, b.right - b.left, b.bottom - b.top, box,
                    reinterpret_cast<HMENU>(static_cast<INT_PTR>(IDOK)), nullptr, nullptr);
    return box;
}

void runLoop(MessageBoxState& state, HWND box) {
    MSG msg;
    while (!state.done && IsWindow(box)) {
        BOOL got = GetMessageA(&msg, nullptr, 0, 0);
        if (got == 0) {
            // The quit is for the program's own loop: hand it back and end the box.
            PostQuitMessage(static_cast<int>(msg.wParam));
            return;
        }
        if (got < 0) return;
        if (answersBox(box, msg)) {
            state.done = true;
            return;
        }
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
}

}  // namespace

int WINAPI MessageBoxA(HWND owner, LPCSTR text, LPCSTR caption, UINT /*type*/) {
    if (owner && !IsWindow(owner)) return 0;
    if (openCount == kMaxOpenMessageBoxes) return 0;
    // The caller's buffers may change while the box waits (the owner's paint may reuse them).
    MessageBoxState state;
    copyCut(state.text, kMaxMessageText, text);
    copyCut(state.caption, kMaxCaption, caption ? caption : "Error");
    owner = topLevelOf(owner);

    if (w32::Observer* o = w32::observer()) o->messageBoxOpened(state.caption, state.text);

    openBoxes[openCount++] = &state;
    HWND box = createBox(state, owner);
    if (!box) {
        closeBox(state);
        return 0;
    }
    HWND previousFocus = GetFocus();
    // A box opened while another has the owner disabled leaves the enabling to that one.
    bool disabledOwner = owner && !EnableWindow(owner, FALSE);
    ShowWindow(box, SW_SHOW);
    SetFocus(box);

    runLoop(state, box);

    if (disabledOwner && IsWindow(owner)) EnableWindow(owner, TRUE);
    if (IsWindow(box)) DestroyWindow(box);
    closeBox(state);
    HWND refocus = IsWindow(previousFocus) ? previousFocus : owner;
    if (refocus && IsWindow(refocus)) SetFocus(refocus);
    return IDOK;
}
