#include "win32/user/system.h"

#include <windows.h>

#include "win32/base/contract.h"
#include "win32/controls/controls.h"
#include "win32/gdi/gdi.h"
#include "win32/user/input.h"
#include "win32/user/message_queue.h"
#include "win32/user/window.h"
#include "win32/user/window_class.h"

namespace w32 {

namespace {
const Display* current = nullptr;
}

const Display& display() {
    W32_EXPECT(current, "our Win32 is used before startup()");
    return *current;
}

bool startup(const Display& d) {
    current = &d;
    user::clearQueue();
    user::clearClasses();
    user::resetInput();
    if (!d.open()) return false;
    if (!gdi::startup()) return false;
    return controls::registerSystemClasses();
}

void shutdown() {
    user::Window* tops[user::kMaxWindows];
    int n = user::topLevelWindows(tops, user::kMaxWindows);
    for (int i = n - 1; i >= 0; --i)
        DestroyWindow(user::handleOf(tops[i]));
    user::clearQueue();
    if (current) current->close();
}

}  // namespace w32
