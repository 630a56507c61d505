// Metrics, stock icons and cursors, and the error beep.

#include <windows.h>

#include "win32/base/observer.h"
#include "win32/user/metrics.h"
#include "win32/user/system.h"

using namespace w32;
using namespace w32::user;

int WINAPI GetSystemMetrics(int index) {
    switch (index) {
        case SM_CXSCREEN:
            return display().screen().width();
        case SM_CYSCREEN:
            return display().screen().height();
        case SM_CYCAPTION:
            return kCaption;
        case SM_CXFIXEDFRAME:
        case SM_CYFIXEDFRAME:
            return kFixedFrame;
        case SM_CXDOUBLECLK:
        case SM_CYDOUBLECLK:
            return kDoubleClickBox;
    }
    return 0;
}

UINT WINAPI GetDoubleClickTime() {
    return kDoubleClickTime;
}

// Icons and cursors are never drawn by us (the desktop owns frames and pointers), but a program
// gets a real, non-null handle for each stock one it asks for.
HICON WINAPI LoadIconA(HINSTANCE instance, LPCSTR name) {
    if (instance || reinterpret_cast<std::uintptr_t>(name) > 0xFFFF) return nullptr;
    return reinterpret_cast<HICON>(reinterpret_cast<std::uintptr_t>(name));
}

HCURSOR WINAPI LoadCursorA(HINSTANCE instance, LPCSTR name) {
    if (instance || reinterpret_cast<std::uintptr_t>(name) > 0xFFFF) return nullptr;
    return reinterpret_cast<HCURSOR>(reinterpret_cast<std::uintptr_t>(name));
}

BOOL WINAPI MessageBeep(UINT /*type*/) {
    if (Observer* o = observer()) o->beeped();
    display().beep();
    return TRUE;
}
