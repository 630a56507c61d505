#include "win32/testing/session.h"

#include <commctrl.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "win32/gdi/gdi.h"
#include "win32/user/framebuffer.h"
#include "win32/user/system.h"
#include "win32/user/window.h"

namespace w32::testing {

namespace {

user::Window* firstTopLevel() {
    user::Window* tops[user::kMaxWindows];
    return user::topLevelWindows(tops, user::kMaxWindows) > 0 ? tops[0] : nullptr;
}

}  // namespace

Session::Session() = default;
Session::~Session() = default;

Session& Session::event(InputKind kind, int x, int y, MouseButton button, int key) {
    Step s{Step::Kind::Event, {}, {}, 0, {}};
    s.event.kind = kind;
    s.event.at = {x, y};
    s.event.button = button;
    s.event.key = key;
    steps_.push_back(std::move(s));
    return *this;
}

Session& Session::press(int x, int y, MouseButton b) {
    return event(InputKind::ButtonDown, x, y, b, 0);
}
Session& Session::release(int x, int y, MouseButton b) {
    return event(InputKind::ButtonUp, x, y, b, 0);
}
Session& Session::click(int x, int y, MouseButton b) {
    return press(x, y, b).release(x, y, b);
}
Session& Session::doubleClick(int x, int y) {
    return click(x, y).wait(100).click(x, y);
}
Session& Session::key(int virtualKey) {
    return event(InputKind::KeyDown, 0, 0, MouseButton::Left, virtualKey);
}
Session& Session::close() {
    return event(InputKind::CloseRequest, 0, 0, MouseButton::Left, 0);
}

Session& Session::clickOn(const char* windowText) {
    steps_.push_back(Step{Step::Kind::ClickOn, {}, windowText, 0, {}});
    return *this;
}

Session& Session::wait(std::uint32_t milliseconds) {
    steps_.push_back(Step{Step::Kind::Wait, {}, {}, milliseconds, {}});
    return *this;
}

Session& Session::then(Check check) {
    steps_.push_back(Step{Step::Kind::Call, {}, {}, 0, std::move(check)});
    return *this;
}

int Session::run(WinMainFunction winMain) {
    next_ = 0;
    endPhase_ = 0;
    headless::setInputSource(this);
    setObserver(this);
    int exitCode = -1;
    if (startup(headless::display())) {
        static char commandLine[] = "";
        exitCode =
            winMain(reinterpret_cast<HINSTANCE>(0x400000), nullptr, commandLine, SW_SHOWDEFAULT);
    }
    shutdown();
    setObserver(nullptr);
    headless::setInputSource(nullptr);
    return exitCode;
}

bool Session::refill() {
    while (next_ < steps_.size()) {
        Step& s = steps_[next_++];
        switch (s.kind) {
            case Step::Kind::Event: {
                InputEvent e = s.event;
                e.surface = e.kind == InputKind::KeyDown ? frontSurface() : mainSurface();
                headless::push(e);
                return true;
            }
            case Step::Kind::ClickOn: {
                HWND target = find(s.windowText.c_str());
                if (!target) {
                    std::fprintf(stderr, "session: no window with the text \"%s\"\n",
                                 s.windowText.c_str());
                    std::abort();
                }
                // On the surface of the window's own top-level window: an OK button lives in
                // its message box, not in the main window.
                user::Window* top = user::topLevelOf(user::fromHandle(target));
                InputEvent e;
                e.kind = InputKind::ButtonDown;
                e.surface = top->surface;
                e.at = centreOf(target);
                headless::push(e);
                e.kind = InputKind::ButtonUp;
                headless::push(e);
                return true;
            }
            case Step::Kind::Wait:
                headless::advanceClock(s.milliseconds);
                break;
            case Step::Kind::Call:
                // The program then sees to what the check may have asked of it.
                s.check(*this);
                return true;
        }
    }
    return finish();
}

bool Session::finish() {
    if (messageBox()) {
        InputEvent e;
        e.kind = InputKind::KeyDown;
        e.surface = frontSurface();
        e.key = VK_RETURN;
        return headless::push(e);
    }
    if (endPhase_ == 0 && mainWindow()) {
        endPhase_ = 1;
        InputEvent e;
        e.kind = InputKind::CloseRequest;
        e.surface = mainSurface();
        return headless::push(e);
    }
    return false;
}

void Session::messageBoxOpened(const char* caption, const char* text) {
    if (watcher_) watcher_->messageBoxOpened(caption, text);
}
void Session::beeped() {
    if (watcher_) watcher_->beeped();
}
void Session::statusTextChanged(HWND statusBar, int part, const char* text) {
    if (watcher_) watcher_->statusTextChanged(statusBar, part, text);
}

SurfaceId Session::mainSurface() const {
    user::Window* w = firstTopLevel();
    return w ? w->surface : kNoSurface;
}

SurfaceId Session::frontSurface() const {
    user::Window* tops[user::kMaxWindows];
    int n = user::topLevelWindows(tops, user::kMaxWindows);
    for (int i = n - 1; i >= 0; --i)
        if (tops[i]->visible()) return tops[i]->surface;
    return kNoSurface;
}

HWND Session::mainWindow() const {
    return user::handleOf(firstTopLevel());
}

HWND Session::messageBox() const {
    // Any visible top-level window but the main one: a box may have no owner.
    user::Window* tops[user::kMaxWindows];
    int n = user::topLevelWindows(tops, user::kMaxWindows);
    for (int i = n - 1; i >= 1; --i)
        if (tops[i]->visible()) return user::handleOf(tops[i]);
    return nullptr;
}

HWND Session::find(const char* text) const {
    HWND found = nullptr;
    user::forEachWindow([&](user::Window* w) {
        if (std::strcmp(w->text, text) != 0) return true;
        found = user::handleOf(w);
        return false;
    });
    return found;
}

HWND Session::findId(HWND parent, int id) const {
    return GetDlgItem(parent, id);
}

bool Session::enabled(HWND hwnd) {
    return IsWindowEnabled(hwnd) != FALSE;
}

bool Session::checked(HWND hwnd) {
    return SendMessageA(hwnd, BM_GETCHECK, 0, 0) == BST_CHECKED;
}

std::string Session::text(HWND hwnd) {
    char buffer[user::kMaxWindowText];
    GetWindowTextA(hwnd, buffer, sizeof buffer);
    return buffer;
}

std::string Session::statusText(HWND statusBar, int part) {
    char buffer[1024] = {};
    if (SendMessageA(statusBar, SB_GETTEXTLENGTHA, part, 0) >= static_cast<LRESULT>(sizeof buffer))
        return {};
    SendMessageA(statusBar, SB_GETTEXTA, part, reinterpret_cast<LPARAM>(buffer));
    return buffer;
}

Canvas Session::canvas(HWND topLevel) {
    user::Window* w = user::fromHandle(topLevel);
    if (!w || w->frame < 0) return {};
    return user::frameCanvas(w->frame);
}

Pixel Session::pixel(HWND topLevel, int x, int y) {
    Canvas c = canvas(topLevel);
    if (!c.bounds().contains({x, y})) return 0xFFFFFFFF;
    return c.row(y)[x];
}

bool Session::screenshot(HWND topLevel, const char* path) {
    Canvas c = canvas(topLevel);
    return c.pixels && gdi::savePng(c, c.bounds(), path);
}

Point Session::centreOf(HWND hwnd) {
    // The centre of what can be seen: a child wider than its parent is cut by it.
    user::Window* w = user::fromHandle(hwnd);
    if (!w) return {};
    Rect visible = user::visibleClient(w);
    Point origin = user::originInTopLevel(w);
    return {origin.x + (visible.left + visible.right) / 2,
            origin.y + (visible.top + visible.bottom) / 2};
}

}  // namespace w32::testing
