#pragma once

// The transcript: what a student would notice, one line each, in the order it happens.

#include "win32/base/observer.h"

namespace replay {

class Transcript : public w32::Observer {
  public:
    void messageBoxOpened(const char* caption, const char* text) override;
    void beeped() override;
    void statusTextChanged(HWND statusBar, int part, const char* text) override;

    // The exercise as the student sees it: tool, command buttons, tree, pick and result.
    static void PrintState();
    static void PrintExit(int code);
};

}  // namespace replay
