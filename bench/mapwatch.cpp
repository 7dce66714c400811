// mapwatch TITLE TIMEOUT: waits until a window named exactly TITLE becomes viewable on
// $DISPLAY and prints the wall-clock time when the X server said so, as
// "SECONDS.NANOSECONDS WINDOW-ID". Prints "ready" once it listens, so that the caller
// can start what makes the window appear. Exits 1 after TIMEOUT seconds without it.
//
// It listens to structure changes under the root window and under each top-level
// window (the window manager's frames), so the moment of mapping is known to the
// millisecond, where polling with xwininfo would add tens of milliseconds.
#include "XWindows.h"

#include <X11/Xlib.h>

#include <poll.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <string>

namespace {

// Looks for a viewable window named TITLE among the root's children and theirs.
Window findViewable(Display *display, Window parent, const std::string &title, int depth)
{
    Window root = None, up = None, *children = nullptr;
    unsigned int count = 0;
    if (!XQueryTree(display, parent, &root, &up, &children, &count))
        return None;
    Window found = None;
    for (unsigned int i = 0; i < count && found == None; ++i) {
        XWindowAttributes attributes;
        if (!XGetWindowAttributes(display, children[i], &attributes) ||
            attributes.map_state != IsViewable)
            continue;
        if (windowName(display, children[i]) == title)
            found = children[i];
        else if (depth > 1)
            found = findViewable(display, children[i], title, depth - 1);
    }
    if (children != nullptr)
        XFree(children);
    return found;
}

void listenBelow(Display *display, Window window)
{
    XSelectInput(display, window, SubstructureNotifyMask);
}

} // namespace

int main(int argc, char *argv[])
{
    if (argc != 3) {
        std::fprintf(stderr, "usage: mapwatch TITLE TIMEOUT-SECONDS\n");
        return 2;
    }
    const std::string title = argv[1];
    const double timeout = std::atof(argv[2]);
    Display *display = XOpenDisplay(nullptr);
    if (display == nullptr) {
        std::fprintf(stderr, "mapwatch: cannot open display\n");
        return 2;
    }
    XSetErrorHandler(ignoreErrors);
    internAtoms(display);
    const Window root = DefaultRootWindow(display);

    // Listen under the root and under every window already there; then look once, in
    // case the window is already shown.
    listenBelow(display, root);
    {
        Window r = None, up = None, *children = nullptr;
        unsigned int count = 0;
        if (XQueryTree(display, root, &r, &up, &children, &count)) {
            for (unsigned int i = 0; i < count; ++i)
                listenBelow(display, children[i]);
            if (children != nullptr)
                XFree(children);
        }
    }
    XSync(display, False);
    timespec now{};
    if (const Window window = findViewable(display, root, title, 2); window != None) {
        clock_gettime(CLOCK_REALTIME, &now);
        std::printf("%lld.%09ld 0x%lx\n", static_cast<long long>(now.tv_sec), now.tv_nsec, window);
        return 0;
    }
    std::printf("ready\n");
    std::fflush(stdout);

    timespec start{};
    clock_gettime(CLOCK_MONOTONIC, &start);
    pollfd connection{ConnectionNumber(display), POLLIN, 0};
    for (;;) {
        while (XPending(display) > 0) {
            XEvent event;
            XNextEvent(display, &event);
            clock_gettime(CLOCK_REALTIME, &now);
            if (event.type == CreateNotify && event.xcreatewindow.parent == root) {
                listenBelow(display, event.xcreatewindow.window);
            } else if (event.type == MapNotify) {
                if (const Window window = findViewable(display, root, title, 2); window != None) {
                    std::printf("%lld.%09ld 0x%lx\n", static_cast<long long>(now.tv_sec),
                                now.tv_nsec, window);
                    return 0;
                }
            }
        }
        timespec t{};
        clock_gettime(CLOCK_MONOTONIC, &t);
        const double elapsed = double(t.tv_sec - start.tv_sec) + (t.tv_nsec - start.tv_nsec) / 1e9;
        if (elapsed >= timeout) {
            std::fprintf(stderr, "mapwatch: no window titled '%s' within %g s\n", title.c_str(),
                         timeout);
            return 1;
        }
        poll(&connection, 1, static_cast<int>((timeout - elapsed) * 1000) + 1);
    }
}
