#pragma once

// The program's frame: the main window, its controls and status bar, the switching of tools.
// WinMain itself is declared by <windows.h>.

#include <windows.h>

// Ids of the tool panel; the command buttons' ids are in model/heap_check.h.
inline constexpr int IDC_ACTIONS_GROUP = 100;
inline constexpr int IDC_REMOVE_LEAF = 102;
inline constexpr int IDC_SWAP = 103;
inline constexpr int IDC_CANCEL_ACTION = 107;
inline constexpr int IDC_STATUSBAR = 108;

// The part of the client area that holds the tree (right and bottom exclusive).
inline constexpr RECT treeArea = {0, 0, 990, 650};

// Window handles, one each for the whole run.
extern HWND hwndMain;
extern HWND hwndActions;
extern HWND hwndVerify;
extern HWND hwndRecord;
extern HWND hwndResult;
extern HWND hwndStatus;

LRESULT CALLBACK MainWindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);

// The tool whose radio button is checked in the group box: TOOL_REMOVE_LEAF, TOOL_SWAP or
// TOOL_NONE. The check marks are the only record of the current tool.
int CurrentTool(HWND groupBox);

void EnableCommandButtons(bool enable);

// A mouse press over a child control, at (x, y) in the main window's client coordinates.
void SwitchTool(unsigned x, unsigned y);
