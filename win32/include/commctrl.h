#pragma once

// The common controls the program uses: the status bar.

#include <windows.h>

#define STATUSCLASSNAMEA "msctls_statusbar32"

#define SBARS_SIZEGRIP 0x0100
#define CCS_TOP 0x0001
#define CCS_BOTTOM 0x0003

#define SB_SETTEXTA (WM_USER + 1)
#define SB_GETTEXTA (WM_USER + 2)
#define SB_GETTEXTLENGTHA (WM_USER + 3)
#define SB_SETPARTS (WM_USER + 4)
#define SB_GETPARTS (WM_USER + 6)

#define ICC_BAR_CLASSES 0x00000004

struct INITCOMMONCONTROLSEX {
    DWORD dwSize;
    DWORD dwICC;
};

// Registers the control classes named in dwICC; the status bar is among ICC_BAR_CLASSES.
BOOL WINAPI InitCommonControlsEx(const INITCOMMONCONTROLSEX* init);
void WINAPI InitCommonControls();
