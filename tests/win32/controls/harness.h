#pragma once

// A small program for control tests: a main window that records what reaches it (and what
// reaches any control it is asked to watch), with a scene of controls built in its WM_CREATE.
// The log is a fixed array, so recording never allocates.

#include <commctrl.h>
#include <windows.h>

namespace controls_test {

// The main window's class brush: the colour a transparent group box must let show.
constexpr int kMainBackground = COLOR_SCROLLBAR;
// A message the main window answers by calling Scene::onRequest, from inside whatever loop runs.
constexpr UINT kRequest = WM_USER + 100;

struct Scene {
    void (*build)(HWND main) = nullptr;     // in WM_CREATE
    int (*afterShow)(HWND main) = nullptr;  // before the message loop; its result is kept
    void (*onRequest)(HWND main, WPARAM) = nullptr;
    int x = CW_USEDEFAULT;
    int y = CW_USEDEFAULT;
};

// Set before Session::run(testWinMain).
void setScene(const Scene& scene);
int WINAPI testWinMain(HINSTANCE instance, HINSTANCE, LPSTR, int show);

HWND mainWindow();
int afterShowResult();  // what Scene::afterShow returned, -1 before it returned

struct Event {
    HWND to;
    UINT message;
    WPARAM wParam;
    LPARAM lParam;
};

// Presses, releases, double clicks, commands, parent notifications of presses and paints.
void clearLog();
int logSize();
const Event& logAt(int index);
int countOf(HWND to, UINT message);
// The commands that reached a window, as (id, notification) in wParam.
int commandsTo(HWND to, WPARAM wParam);

// Records the control's messages too, then hands them to its own procedure.
void watch(HWND control);

// The scene most tests use: the tool panel of a teaching program, with a status bar. Every
// control in it is watched.
struct Panel {
    HWND actions;     // group box, id 100, transparent
    HWND radios[3];   // automatic radio buttons 102, 103, 107, children of the group box
    HWND info;        // group box around the push buttons
    HWND buttons[3];  // push buttons 1, 2, 3
    HWND status;      // status bar 108 with a size grip, parts {200, -1}
};
constexpr int kRadioIds[3] = {102, 103, 107};
Panel& panel();
void buildPanel(HWND main);

// Centres of the panel's controls in the main window's client area.
constexpr POINT kRadioCentre[3] = {{1103, 65}, {1103, 85}, {1103, 105}};
constexpr POINT kButtonCentre[3] = {{1106, 237}, {1106, 272}, {1106, 307}};

}  // namespace controls_test
