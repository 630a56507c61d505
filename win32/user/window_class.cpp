#include "win32/user/window_class.h"

#include <strings.h>

#include <cstring>

#include "win32/user/window.h"

namespace w32::user {

namespace {
WindowClass classes[kMaxClasses];
}

int findClass(const char* name) {
    if (!name) return -1;
    for (int i = 0; i < kMaxClasses; ++i)
        if (classes[i].used && strcasecmp(classes[i].name, name) == 0) return i;
    return -1;
}

const WindowClass& classAt(int index) {
    return classes[index];
}

void clearClasses() {
    for (WindowClass& c : classes)
        c = WindowClass{};
}

}  // namespace w32::user

using namespace w32::user;

ATOM WINAPI RegisterClassExA(const WNDCLASSEXA* wc) {
    if (!wc || wc->cbSize != sizeof(WNDCLASSEXA) || !wc->lpfnWndProc || !wc->lpszClassName)
        return 0;
    std::size_t length = std::strlen(wc->lpszClassName);
    if (length == 0 || length >= kMaxClassName) return 0;
    if (wc->cbWndExtra < 0 || wc->cbWndExtra > kMaxWindowExtra * static_cast<int>(sizeof(LONG_PTR)))
        return 0;
    if (findClass(wc->lpszClassName) >= 0) return 0;  // already registered
    for (int i = 0; i < kMaxClasses; ++i) {
        WindowClass& c = classes[i];
        if (c.used) continue;
        c.used = true;
        std::memcpy(c.name, wc->lpszClassName, length + 1);
        c.style = wc->style;
        c.proc = wc->lpfnWndProc;
        c.windowExtra = wc->cbWndExtra;
        c.instance = wc->hInstance;
        c.background = wc->hbrBackground;
        return static_cast<ATOM>(0xC000 + i);  // atoms of registered classes start there
    }
    return 0;
}

BOOL WINAPI GetClassInfoExA(HINSTANCE /*instance*/, LPCSTR className, WNDCLASSEXA* wc) {
    int index = findClass(className);
    if (index < 0 || !wc) return FALSE;
    const WindowClass& c = classAt(index);
    *wc = WNDCLASSEXA{};
    wc->cbSize = sizeof(WNDCLASSEXA);
    wc->style = c.style;
    wc->lpfnWndProc = c.proc;
    wc->cbWndExtra = c.windowExtra;
    wc->hInstance = c.instance;
    wc->hbrBackground = c.background;
    wc->lpszClassName = c.name;
    return TRUE;
}
