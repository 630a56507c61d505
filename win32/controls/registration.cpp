// The predefined classes and the common controls' initialisation.

#include <commctrl.h>
#include <windows.h>

#include "win32/controls/button.h"
#include "win32/controls/controls.h"
#include "win32/controls/drawing.h"
#include "win32/controls/message_box.h"
#include "win32/controls/status_bar.h"

namespace w32::controls {

namespace {

bool registerClass(const char* name, WNDPROC proc, UINT style, int extraBytes = 0,
                   HBRUSH background = nullptr) {
    WNDCLASSEXA wc{};
    wc.cbSize = sizeof wc;
    wc.style = style;
    wc.lpfnWndProc = proc;
    wc.cbWndExtra = extraBytes;
    wc.hbrBackground = background;
    wc.lpszClassName = name;
    return RegisterClassExA(&wc) != 0;
}

}  // namespace

bool registerSystemClasses() {
    // A system colour index + 1 stands for that colour's brush.
    auto face = reinterpret_cast<HBRUSH>(static_cast<INT_PTR>(COLOR_BTNFACE + 1));
    return createPens() && registerClass(kButtonClass, buttonProc, CS_DBLCLKS, kButtonExtraBytes) &&
           registerClass(kMessageBoxClass, messageBoxProc, 0, 0, face);
}

bool registerCommonControls() {
    // Already there after an earlier initialisation: that is success too.
    WNDCLASSEXA probe{};
    if (GetClassInfoExA(nullptr, STATUSCLASSNAMEA, &probe)) return true;
    return registerClass(STATUSCLASSNAMEA, statusBarProc, 0);
}

}  // namespace w32::controls

BOOL WINAPI InitCommonControlsEx(const INITCOMMONCONTROLSEX* init) {
    if (!init || init->dwSize != sizeof(INITCOMMONCONTROLSEX)) return FALSE;
    if (init->dwICC & ICC_BAR_CLASSES) return w32::controls::registerCommonControls();
    return TRUE;
}

void WINAPI InitCommonControls() {
    w32::controls::registerCommonControls();
}
