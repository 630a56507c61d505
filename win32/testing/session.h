#pragma once

// A scripted session: runs a WinMain in this process on the headless display and feeds it a
// script of input, one step at a time, whenever the program waits for input (every message
// handled, every paint done). Checks in the script run at those moments too, also while a
// message box runs its own loop. Tests and heaptree-replay both drive the program through it.
//
// When the script runs out, the session answers an open message box with Enter, then closes the
// main window, then asks the program to quit: a script can end anywhere and the program still
// ends normally.

#include <windows.h>

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "win32/base/observer.h"
#include "win32/display/display.h"
#include "win32/display/headless/headless_display.h"
#include "win32/gdi/canvas.h"

namespace w32::testing {

using WinMainFunction = int (*)(HINSTANCE, HINSTANCE, LPSTR, int);

class Session;
using Check = std::function<void(Session&)>;

class Session : private headless::InputSource, private Observer {
  public:
    Session();
    ~Session() override;

    // Script steps. Points are client pixels of the main window (the first top-level window).
    Session& press(int x, int y, MouseButton button = MouseButton::Left);
    Session& release(int x, int y, MouseButton button = MouseButton::Left);
    Session& click(int x, int y, MouseButton button = MouseButton::Left);
    // Two left clicks 100 ms apart.
    Session& doubleClick(int x, int y);
    // A left click on the centre of the first window with this text, wherever it is by then,
    // in whichever top-level window holds it.
    Session& clickOn(const char* windowText);
    // A key to the front window: the open message box if there is one.
    Session& key(int virtualKey);
    Session& wait(std::uint32_t milliseconds);
    // The main window's close box.
    Session& close();
    // Runs check at the next moment the program waits; the program then handles whatever the
    // check posted or invalidated before the next step.
    Session& then(Check check);

    // Starts our Win32 on the headless display, runs winMain to its end and returns its result.
    int run(WinMainFunction winMain);

    // Told of every message box, beep and status bar text, as they happen.
    void watch(Observer* observer) { watcher_ = observer; }

    // --- inspection, at any point ---
    HWND mainWindow() const;
    HWND messageBox() const;  // the open one, or NULL
    HWND find(const char* text) const;
    HWND findId(HWND parent, int id) const;
    static bool enabled(HWND hwnd);
    static bool checked(HWND hwnd);
    static std::string text(HWND hwnd);
    static std::string statusText(HWND statusBar, int part);
    // A pixel of a top-level window's client area, as 0x00RRGGBB.
    static Pixel pixel(HWND topLevel, int x, int y);
    static Canvas canvas(HWND topLevel);
    static bool screenshot(HWND topLevel, const char* path);
    // The centre of the visible part of a window, in its top-level window's client coordinates.
    static Point centreOf(HWND hwnd);

  private:
    struct Step {
        enum class Kind { Event, ClickOn, Wait, Call } kind;
        InputEvent event;
        std::string windowText;
        std::uint32_t milliseconds = 0;
        Check check;
    };

    bool refill() override;
    void messageBoxOpened(const char* caption, const char* text) override;
    void beeped() override;
    void statusTextChanged(HWND statusBar, int part, const char* text) override;

    Session& event(InputKind kind, int x, int y, MouseButton button, int key);
    SurfaceId mainSurface() const;
    SurfaceId frontSurface() const;
    bool finish();

    std::vector<Step> steps_;
    std::size_t next_ = 0;
    int endPhase_ = 0;
    Observer* watcher_ = nullptr;
};

}  // namespace w32::testing
