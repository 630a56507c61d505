#pragma once

// Whole-program sessions: the real WinMain on the headless display, in a fresh folder with its
// own Pemrak.in, with what the student notices recorded as lines:
//   box CAPTION|TEXT     beep     prompt TEXT

#include <gtest/gtest.h>
#include <windows.h>

#include <string>
#include <vector>

#include "win32/base/observer.h"
#include "win32/testing/session.h"

namespace test {

class Program : public testing::Test, public w32::Observer {
  protected:
    void SetUp() override;
    void TearDown() override;

    // Writes Pemrak.in in the session's folder.
    void treeFile(const std::string& contents);
    // Runs the program with the session's script; returns its exit code.
    int run();

    void messageBoxOpened(const char* caption, const char* text) override;
    void beeped() override;
    void statusTextChanged(HWND statusBar, int part, const char* text) override;

    // Lines recorded from here on.
    void forget() { lines.clear(); }

    w32::testing::Session session;
    std::vector<std::string> lines;

  private:
    std::string folder_;
    std::string previous_;
};

// Node centres of the layout, by index.
POINT nodeCentre(int node);

constexpr w32::Pixel kRed = 0xFF0000;
constexpr w32::Pixel kWhite = 0xFFFFFF;
constexpr w32::Pixel kBlack = 0x000000;
constexpr w32::Pixel kBackground = 0xC8C8C8;  // the class brush, COLOR_SCROLLBAR

}  // namespace test
