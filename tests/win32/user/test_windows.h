#pragma once

// A small window world for the window manager's tests: recording window procedures and a
// message log in readable lines such as "G LBUTTONDOWN 5,5" or "A PARENTNOTIFY(RBUTTONDOWN)
// 155,25".

#include <windows.h>

#include <string>
#include <vector>

namespace test {

// A window's name in the log is its text.
const char* nameOf(HWND hwnd);

std::vector<std::string>& log();

// Logs presses, releases, double clicks, parent notifications, paints, erases, creation and
// destruction. A window named "T" answers WM_NCHITTEST with HTTRANSPARENT. The window named
// "main" posts the quit message when destroyed.
LRESULT CALLBACK recordingProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);

// Registers "Recorder" (CS_DBLCLKS, background COLOR_SCROLLBAR + 1) and "Plain" (no double
// clicks, background COLOR_WINDOW + 1), both with recordingProc. A window named "C" takes the
// capture while its left button is down.
void registerTestClasses(HINSTANCE instance);

HWND child(HWND parent, const char* name, int x, int y, int width, int height, DWORD style = 0,
           DWORD exStyle = 0, const char* className = "Recorder", int id = 0);

// The world of the routing tests:
// main (client 414 x 320)
// +- A (10,10 200x200)          +- G (150,20 100x50 in A: half of it outside A)
// +- T (250,10 150x150) transparent, +- TC (10,20 50x20)
// +- U (300,100 80x40), below T
// +- D (250,200 50x50) disabled
// +- Q (320,200 50x50) without parent notification
// +- C (100,250 40x40) takes the capture while pressed
// +- P (20,250 40x40) of a class without double clicks
int WINAPI worldMain(HINSTANCE instance, HINSTANCE, LPSTR, int show);

// Runs the message loop until WM_QUIT and returns its code.
int messageLoop();

}  // namespace test
