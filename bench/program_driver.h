#pragma once

// The whole program, headless, as a place to measure: WinMain runs on the headless display with
// a tree file of our choosing, and once its first frame is presented the benchmarks run from
// inside its message loop. A benchmark hands the program input or invalidates a window, then
// serves messages through the program's own GetMessageA until the program would wait again:
// every message, every paint and the present are counted, the wait itself is not.

#include <windows.h>

#include <functional>
#include <string>

namespace bench {

// Runs the program in a fresh folder whose Pemrak.in holds treeFile, calls measure once the
// first frame is presented, then lets the program quit. Returns WinMain's exit code.
int RunProgram(const std::string& treeFile, const std::function<void()>& measure);

// The same in an existing folder, with whatever Pemrak.in it holds, if any.
int RunProgramIn(const char* folder, const std::function<void()>& measure);

// Handles everything the program has to do, up to the moment it would wait for input.
void ServeUntilIdle();

// A left press and release at (x, y), client pixels of the main window, served to the end. The
// clock moves on first, so that no two clicks form a double click.
void Click(int x, int y);

// A folder of its own under the temporary directory; removed with everything in it by
// RemoveFolder.
std::string MakeFolder(const char* prefix);
void RemoveFolder(const std::string& folder);

}  // namespace bench
