#include "harness.h"

namespace controls_test {

namespace {

constexpr int kLogCapacity = 512;
constexpr int kMaxWatched = 16;

Scene scene;
HWND mainHwnd = nullptr;
int afterShowValue = -1;
Event events[kLogCapacity];
int eventCount = 0;
Panel thePanel{};

struct Watched {
    HWND hwnd;
    WNDPROC proc;
};
Watched watched[kMaxWatched];
int watchedCount = 0;

bool recorded(UINT message) {
    switch (message) {
        case WM_COMMAND:
        case WM_LBUTTONDOWN:
        case WM_LBUTTONUP:
        case WM_LBUTTONDBLCLK:
        case WM_RBUTTONDOWN:
        case WM_MBUTTONDOWN:
        case WM_PAINT:
            return true;
    }
    return false;
}

void record(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (!recorded(message) || eventCount == kLogCapacity) return;
    events[eventCount++] = {hwnd, message, wParam, lParam};
}

LRESULT CALLBACK watchingProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    record(hwnd, message, wParam, lParam);
    for (int i = 0; i < watchedCount; ++i)
        if (watched[i].hwnd == hwnd) return watched[i].proc(hwnd, message, wParam, lParam);
    return DefWindowProcA(hwnd, message, wParam, lParam);
}

LRESULT CALLBACK mainProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    record(hwnd, message, wParam, lParam);
    switch (message) {
        case WM_CREATE:
            mainHwnd = hwnd;
            if (scene.build) scene.build(hwnd);
            return 0;
        case WM_PAINT: {
            PAINTSTRUCT ps;
            BeginPaint(hwnd, &ps);
            EndPaint(hwnd, &ps);
            return 0;
        }
        case kRequest:
            if (scene.onRequest) scene.onRequest(hwnd, wParam);
            return 0;
        case WM_DESTROY:
            PostQuitMessage(0);
            return 0;
    }
    return DefWindowProcA(hwnd, message, wParam, lParam);
}

HWND control(const char* cls, const char* text, DWORD style, DWORD exStyle, int x, int y, int w,
             int h, HWND parent, int id) {
    return CreateWindowExA(exStyle, cls, text, style, x, y, w, h, parent,
                           reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), nullptr, nullptr);
}

}  // namespace

void setScene(const Scene& s) {
    scene = s;
}

int WINAPI testWinMain(HINSTANCE instance, HINSTANCE, LPSTR, int show) {
    INITCOMMONCONTROLSEX icc{sizeof(INITCOMMONCONTROLSEX), ICC_BAR_CLASSES};
    InitCommonControlsEx(&icc);
    WNDCLASSEXA wc{};
    wc.cbSize = sizeof wc;
    wc.style = CS_DBLCLKS;
    wc.lpfnWndProc = mainProc;
    wc.hInstance = instance;
    wc.hbrBackground = reinterpret_cast<HBRUSH>(static_cast<INT_PTR>(kMainBackground + 1));
    wc.lpszClassName = "ControlsTestWindow";
    if (!RegisterClassExA(&wc)) return -1;
    HWND hwnd = CreateWindowExA(0, wc.lpszClassName, "Controls", WS_SYSMENU | WS_MINIMIZEBOX,
                                scene.x, scene.y, 1220, 660, nullptr, nullptr, instance, nullptr);
    if (!hwnd) return -1;
    ShowWindow(hwnd, show);
    if (scene.afterShow) afterShowValue = scene.afterShow(hwnd);
    MSG msg;
    while (GetMessageA(&msg, nullptr, 0, 0) > 0) {
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
    return static_cast<int>(msg.wParam);
}

HWND mainWindow() {
    return mainHwnd;
}
int afterShowResult() {
    return afterShowValue;
}

void clearLog() {
    eventCount = 0;
}
int logSize() {
    return eventCount;
}
const Event& logAt(int index) {
    return events[index];
}

int countOf(HWND to, UINT message) {
    int n = 0;
    for (int i = 0; i < eventCount; ++i)
        if (events[i].to == to && events[i].message == message) ++n;
    return n;
}

int commandsTo(HWND to, WPARAM wParam) {
    int n = 0;
    for (int i = 0; i < eventCount; ++i)
        if (events[i].to == to && events[i].message == WM_COMMAND && events[i].wParam == wParam)
            ++n;
    return n;
}

void watch(HWND hwnd) {
    if (!hwnd || watchedCount == kMaxWatched) return;
    auto old = reinterpret_cast<WNDPROC>(GetWindowLongPtrA(hwnd, GWLP_WNDPROC));
    watched[watchedCount++] = {hwnd, old};
    SetWindowLongPtrA(hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(watchingProc));
}

Panel& panel() {
    return thePanel;
}

void buildPanel(HWND main) {
    constexpr DWORD kChild = WS_CHILD | WS_VISIBLE;
    Panel& p = thePanel;
    p.actions = control("Button", "Actiuni:", kChild | BS_GROUPBOX, WS_EX_TRANSPARENT, 1026, 15,
                        150, 164, main, 100);
    const char* tools[3] = {"Elim. ultima frunza", "Schimba(tata,desc)", "Anulare actiune"};
    for (int i = 0; i < 3; ++i)
        p.radios[i] = control("Button", tools[i], kChild | BS_AUTORADIOBUTTON, 0, 4, 40 + 20 * i,
                              280, 20, p.actions, kRadioIds[i]);
    CheckRadioButton(p.actions, 102, 107, 107);
    p.info = control("Button", "Informatii:", kChild | BS_GROUPBOX, WS_EX_TRANSPARENT, 1026, 195,
                     150, 170, main, 0);
    const char* commands[3] = {"Verif. Heap", "Mem. inf. rad.", "Vezi rezultat"};
    for (int i = 0; i < 3; ++i)
        p.buttons[i] = control("Button", commands[i], kChild | BS_PUSHBUTTON, 0, 1056, 225 + 35 * i,
                               100, 25, main, i + 1);
    p.status =
        control(STATUSCLASSNAMEA, nullptr, kChild | SBARS_SIZEGRIP, 0, 0, 0, 0, 0, main, 108);
    int parts[2] = {200, -1};
    SendMessageA(p.status, SB_SETPARTS, 2, reinterpret_cast<LPARAM>(parts));
    SendMessageA(p.status, SB_SETTEXTA, 0, reinterpret_cast<LPARAM>(" Win32 Application"));
    SendMessageA(p.status, SB_SETTEXTA, 1, reinterpret_cast<LPARAM>(" Ready"));
    watch(p.actions);
    for (HWND r : p.radios)
        watch(r);
    watch(p.info);
    for (HWND b : p.buttons)
        watch(b);
    watch(p.status);
}

}  // namespace controls_test
