#include "test_windows.h"

#include <cstdio>

#include "win32/user/window.h"

namespace test {

namespace {

const char* messageName(UINT m) {
    switch (m) {
        case WM_LBUTTONDOWN:
            return "LBUTTONDOWN";
        case WM_LBUTTONUP:
            return "LBUTTONUP";
        case WM_LBUTTONDBLCLK:
            return "LBUTTONDBLCLK";
        case WM_RBUTTONDOWN:
            return "RBUTTONDOWN";
        case WM_RBUTTONUP:
            return "RBUTTONUP";
        case WM_RBUTTONDBLCLK:
            return "RBUTTONDBLCLK";
        case WM_MBUTTONDOWN:
            return "MBUTTONDOWN";
        case WM_MBUTTONUP:
            return "MBUTTONUP";
        case WM_CREATE:
            return "CREATE";
        case WM_DESTROY:
            return "DESTROY";
    }
    return nullptr;
}

std::string point(LPARAM l) {
    char s[32];
    std::snprintf(s, sizeof s, "%d,%d", static_cast<short>(LOWORD(l)),
                  static_cast<short>(HIWORD(l)));
    return s;
}

}  // namespace

const char* nameOf(HWND hwnd) {
    // The window text, read directly: asking the window would recurse into the recorder.
    const w32::user::Window* w = w32::user::fromHandle(hwnd);
    return w ? w->text : "?";
}

std::vector<std::string>& log() {
    static std::vector<std::string> l;
    return l;
}

LRESULT CALLBACK recordingProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    std::string who = nameOf(hwnd);
    switch (message) {
        case WM_NCHITTEST:
            if (who == "T") return HTTRANSPARENT;
            break;
        case WM_PARENTNOTIFY: {
            UINT event = LOWORD(wParam);
            std::string line = who + " PARENTNOTIFY(" + messageName(event) + ")";
            if (event == WM_CREATE || event == WM_DESTROY)
                line += std::string(" ") + nameOf(reinterpret_cast<HWND>(lParam));
            else
                line += " " + point(lParam);
            log().push_back(line);
            return 0;
        }
        case WM_USER:
            log().push_back(who + " USER");
            return 0;
        case WM_LBUTTONDOWN:
            if (who == "C") SetCapture(hwnd);
            log().push_back(who + " " + messageName(message) + " " + point(lParam));
            return 0;
        case WM_LBUTTONUP:
            if (who == "C") ReleaseCapture();
            log().push_back(who + " " + messageName(message) + " " + point(lParam));
            return 0;
        case WM_LBUTTONDBLCLK:
        case WM_RBUTTONDOWN:
        case WM_RBUTTONUP:
        case WM_RBUTTONDBLCLK:
        case WM_MBUTTONDOWN:
        case WM_MBUTTONUP:
            log().push_back(who + " " + messageName(message) + " " + point(lParam));
            return 0;
        case WM_NCCREATE:
            log().push_back(who + " NCCREATE");
            break;
        case WM_CREATE:
            log().push_back(who + " CREATE");
            break;
        case WM_PAINT:
            log().push_back(who + " PAINT");
            break;
        case WM_ERASEBKGND:
            log().push_back(who + " ERASE");
            break;
        case WM_DESTROY:
            log().push_back(who + " DESTROY");
            if (who == "main") PostQuitMessage(0);
            break;
    }
    return DefWindowProcA(hwnd, message, wParam, lParam);
}

void registerTestClasses(HINSTANCE instance) {
    WNDCLASSEXA wc{};
    wc.cbSize = sizeof wc;
    wc.style = CS_DBLCLKS;
    wc.lpfnWndProc = recordingProc;
    wc.hInstance = instance;
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_SCROLLBAR + 1);
    wc.lpszClassName = "Recorder";
    RegisterClassExA(&wc);
    wc.style = 0;
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
    wc.lpszClassName = "Plain";
    RegisterClassExA(&wc);
}

HWND child(HWND parent, const char* name, int x, int y, int width, int height, DWORD style,
           DWORD exStyle, const char* className, int id) {
    return CreateWindowExA(exStyle, className, name, WS_CHILD | WS_VISIBLE | style, x, y, width,
                           height, parent, reinterpret_cast<HMENU>(static_cast<std::intptr_t>(id)),
                           nullptr, nullptr);
}

int messageLoop() {
    MSG msg;
    while (GetMessageA(&msg, nullptr, 0, 0)) {
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
    return static_cast<int>(msg.wParam);
}

int WINAPI worldMain(HINSTANCE instance, HINSTANCE, LPSTR, int show) {
    registerTestClasses(instance);
    HWND main = CreateWindowExA(0, "Recorder", "main", WS_SYSMENU | WS_MINIMIZEBOX, CW_USEDEFAULT,
                                CW_USEDEFAULT, 420, 345, nullptr, nullptr, instance, nullptr);
    HWND a = child(main, "A", 10, 10, 200, 200);
    child(a, "G", 150, 20, 100, 50);
    HWND t = child(main, "T", 250, 10, 150, 150);
    child(t, "TC", 10, 20, 50, 20);
    child(main, "U", 300, 100, 80, 40);
    child(main, "D", 250, 200, 50, 50, WS_DISABLED);
    child(main, "Q", 320, 200, 50, 50, 0, WS_EX_NOPARENTNOTIFY);
    child(main, "C", 100, 250, 40, 40);
    child(main, "P", 20, 250, 40, 40, 0, 0, "Plain");
    ShowWindow(main, show);
    return messageLoop();
}

}  // namespace test
