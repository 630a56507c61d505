// x11-send-close WINDOW: asks an X window to close, as a window manager's close box does, by
// sending it the WM_DELETE_WINDOW client message. Tests use it on a bare X server, where no window
// manager exists and xdotool cannot send this message.
//
// Exit codes: 0 sent; 1 the window does not exist or does not take WM_DELETE_WINDOW (a window
// manager would kill such a client instead); 2 bad arguments or no X server.

#include <X11/Xlib.h>
#include <X11/Xutil.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>

namespace {

bool badWindow = false;

// Xlib's default handler ends the process on any error; a missing window is an answer here.
int rememberError(Display*, XErrorEvent*) {
    badWindow = true;
    return 0;
}

bool takesDeleteWindow(Display* display, Window window, Atom deleteWindow) {
    Atom* protocols = nullptr;
    int count = 0;
    if (XGetWMProtocols(display, window, &protocols, &count) == 0) return false;
    bool found = false;
    for (int i = 0; i < count; ++i)
        found = found || protocols[i] == deleteWindow;
    XFree(protocols);
    return found;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: x11-send-close WINDOW (decimal or 0x hex id)\n");
        return 2;
    }
    char* end = nullptr;
    errno = 0;
    const unsigned long id = std::strtoul(argv[1], &end, 0);
    if (errno != 0 || end == argv[1] || *end != '\0' || id == 0) {
        std::fprintf(stderr, "x11-send-close: not a window id: %s\n", argv[1]);
        return 2;
    }
    Display* display = XOpenDisplay(nullptr);
    if (display == nullptr) {
        std::fprintf(stderr, "x11-send-close: cannot open the X display\n");
        return 2;
    }
    XSetErrorHandler(rememberError);
    const Window window = id;
    const Atom protocols = XInternAtom(display, "WM_PROTOCOLS", False);
    const Atom deleteWindow = XInternAtom(display, "WM_DELETE_WINDOW", False);
    XWindowAttributes attributes;
    const bool exists = XGetWindowAttributes(display, window, &attributes) != 0 && !badWindow;
    if (!exists || !takesDeleteWindow(display, window, deleteWindow)) {
        std::fprintf(stderr, "x11-send-close: window %s %s\n", argv[1],
                     exists ? "does not take WM_DELETE_WINDOW" : "does not exist");
        XCloseDisplay(display);
        return 1;
    }
    XEvent event{};
    event.xclient.type = ClientMessage;
    event.xclient.window = window;
    event.xclient.message_type = protocols;
    event.xclient.format = 32;
    event.xclient.data.l[0] = static_cast<long>(deleteWindow);
    event.xclient.data.l[1] = CurrentTime;
    XSendEvent(display, window, False, NoEventMask, &event);
    XSync(display, False);
    const int result = badWindow ? 1 : 0;
    XCloseDisplay(display);
    return result;
}
