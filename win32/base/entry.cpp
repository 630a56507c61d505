// The process entry: start our Win32 on the display the program links with, then call WinMain
// as Windows would.

#include <windows.h>

#include "win32/user/system.h"

int main() {
    if (!w32::startup(w32::defaultDisplay())) return 1;
    static char commandLine[] = "";
    int exitCode =
        WinMain(reinterpret_cast<HINSTANCE>(0x400000), nullptr, commandLine, SW_SHOWDEFAULT);
    w32::shutdown();
    return exitCode;
}
