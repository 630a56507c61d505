// Time comes from the display: real on the desktop, virtual headless, where only script waits
// and Sleep move it.

#include <windows.h>

#include "win32/user/paint.h"
#include "win32/user/system.h"

void WINAPI Sleep(DWORD milliseconds) {
    // GDI output shows at once on Windows; ours waits in the framebuffer until the loop would
    // block. A program that blocks here must still show what it drew before.
    w32::user::presentAll();
    w32::display().sleep(milliseconds);
}

DWORD WINAPI GetTickCount() {
    return w32::display().now();
}
