#include "bench/program_driver.h"

#include <stdlib.h>
#include <unistd.h>

#include <climits>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>

#include "shell/main_window.h"
#include "win32/display/headless/headless_display.h"
#include "win32/user/system.h"
#include "win32/user/window.h"

namespace bench {

namespace {

// Posted, without a window, at the moment the program would wait for input.
constexpr UINT idleMarker = WM_USER + 0x1D1E;

[[noreturn]] void Fail(const char* message) {
    std::fprintf(stderr, "heaptree_bench: %s\n", message);
    std::exit(1);
}

// The program asks for input whenever it has nothing left to do. The first time, its first frame
// is out and the measurements run; while they run, each wait ends their serving; afterwards the
// program is told to quit.
class Driver : public w32::headless::InputSource {
  public:
    explicit Driver(const std::function<void()>& measure) : measure_(measure) {}

    bool refill() override {
        if (measuring_) return PostMessageA(nullptr, idleMarker, 0, 0) != FALSE;
        if (done_) return false;
        measuring_ = true;
        measure_();
        measuring_ = false;
        done_ = true;
        return false;
    }

  private:
    const std::function<void()>& measure_;
    bool measuring_ = false;
    bool done_ = false;
};

}  // namespace

int RunProgram(const std::string& treeFile, const std::function<void()>& measure) {
    const std::string folder = MakeFolder("heaptree-bench");
    std::ofstream(folder + "/Pemrak.in", std::ios::binary) << treeFile;
    const int exitCode = RunProgramIn(folder.c_str(), measure);
    RemoveFolder(folder);
    return exitCode;
}

int RunProgramIn(const char* folder, const std::function<void()>& measure) {
    char previous[PATH_MAX];
    if (!getcwd(previous, sizeof previous)) Fail("cannot read the current folder");
    if (chdir(folder) != 0) Fail("cannot enter the program's folder");

    Driver driver(measure);
    w32::headless::setInputSource(&driver);
    int exitCode = -1;
    if (w32::startup(w32::headless::display())) {
        static char commandLine[] = "";
        exitCode =
            WinMain(reinterpret_cast<HINSTANCE>(0x400000), nullptr, commandLine, SW_SHOWDEFAULT);
    }
    w32::shutdown();
    w32::headless::setInputSource(nullptr);

    if (chdir(previous) != 0) Fail("cannot return to the first folder");
    return exitCode;
}

void ServeUntilIdle() {
    MSG message;
    while (GetMessageA(&message, nullptr, 0, 0)) {
        if (message.hwnd == nullptr && message.message == idleMarker) return;
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
    Fail("the program ended in the middle of a measurement");
}

void Click(int x, int y) {
    const w32::user::Window* main = w32::user::fromHandle(hwndMain);
    if (!main) Fail("the main window is gone");
    w32::headless::advanceClock(1000);
    w32::InputEvent event;
    event.surface = main->surface;
    event.at = {x, y};
    event.kind = w32::InputKind::ButtonDown;
    w32::headless::push(event);
    event.kind = w32::InputKind::ButtonUp;
    w32::headless::push(event);
    ServeUntilIdle();
}

std::string MakeFolder(const char* prefix) {
    std::string pattern = (std::filesystem::temp_directory_path() / prefix).string() + ".XXXXXX";
    if (!mkdtemp(pattern.data())) Fail("cannot make a temporary folder");
    return pattern;
}

void RemoveFolder(const std::string& folder) {
    std::error_code ignored;
    std::filesystem::remove_all(folder, ignored);
}

}  // namespace bench
