// keylatency WINDOW X Y WIDTH HEIGHT COUNT: types COUNT capital Ws, one at a time, into
// the window with the keyboard focus on $DISPLAY, and measures for each how long it takes
// until the program has drawn it: from the key press (sent through XTEST) to the first
// DAMAGE report on WINDOW after which the rectangle X Y WIDTH HEIGHT (the text box, in
// WINDOW's pixels) differs from before the key in more pixels than a blink of the text
// cursor changes. Prints one line per key, in milliseconds, or "timeout" after 10 s.
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <X11/extensions/XTest.h>
#include <X11/extensions/Xdamage.h>
#include <X11/keysym.h>

#include <poll.h>

#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <vector>

namespace {

double monotonicMs()
{
    timespec t{};
    clock_gettime(CLOCK_MONOTONIC, &t);
    return double(t.tv_sec) * 1e3 + double(t.tv_nsec) / 1e6;
}

std::vector<unsigned long> pixels(Display *display, Window window, int x, int y, int width,
                                  int height)
{
    std::vector<unsigned long> result;
    XImage *image =
        XGetImage(display, window, x, y, unsigned(width), unsigned(height), AllPlanes, ZPixmap);
    if (image == nullptr)
        return result;
    result.reserve(std::size_t(width) * std::size_t(height));
    for (int row = 0; row < height; ++row) {
        for (int column = 0; column < width; ++column)
            result.push_back(XGetPixel(image, column, row));
    }
    XDestroyImage(image);
    return result;
}

// A blink of the text cursor changes one column of about a line's height.
constexpr int cursorPixels = 40;

} // namespace

int main(int argc, char *argv[])
{
    if (argc != 7) {
        std::fprintf(stderr, "usage: keylatency WINDOW X Y WIDTH HEIGHT COUNT\n");
        return 2;
    }
    const Window window = std::strtoul(argv[1], nullptr, 0);
    const int x = std::atoi(argv[2]), y = std::atoi(argv[3]);
    const int width = std::atoi(argv[4]), height = std::atoi(argv[5]);
    const int count = std::atoi(argv[6]);
    Display *display = XOpenDisplay(nullptr);
    int damageEvent = 0, damageError = 0, major = 0, minor = 0, xtestEvent = 0, xtestError = 0;
    if (display == nullptr || !XDamageQueryExtension(display, &damageEvent, &damageError) ||
        !XTestQueryExtension(display, &xtestEvent, &xtestError, &major, &minor)) {
        std::fprintf(stderr, "keylatency: no X display with DAMAGE and XTEST\n");
        return 1;
    }
    const Damage damage = XDamageCreate(display, window, XDamageReportNonEmpty);
    const KeyCode w = XKeysymToKeycode(display, XK_W);
    const KeyCode shift = XKeysymToKeycode(display, XK_Shift_L);
    for (int key = 0; key < count; ++key) {
        // Let the previous key settle, then start from a quiet window.
        const double settle = monotonicMs() + 200;
        while (monotonicMs() < settle) {
            pollfd descriptor{ConnectionNumber(display), POLLIN, 0};
            poll(&descriptor, 1, int(settle - monotonicMs()) + 1);
            while (XPending(display) > 0) {
                XEvent event;
                XNextEvent(display, &event);
            }
        }
        XDamageSubtract(display, damage, None, None);
        const std::vector<unsigned long> before = pixels(display, window, x, y, width, height);
        const double pressed = monotonicMs();
        XTestFakeKeyEvent(display, shift, True, 0);
        XTestFakeKeyEvent(display, w, True, 0);
        XTestFakeKeyEvent(display, w, False, 0);
        XTestFakeKeyEvent(display, shift, False, 0);
        XFlush(display);
        double drawn = -1;
        while (drawn < 0 && monotonicMs() - pressed < 10'000) {
            pollfd descriptor{ConnectionNumber(display), POLLIN, 0};
            if (XPending(display) == 0 && poll(&descriptor, 1, 100) <= 0)
                continue;
            XEvent event;
            XNextEvent(display, &event);
            if (event.type != damageEvent + XDamageNotify)
                continue;
            const double at = monotonicMs();
            XDamageSubtract(display, damage, None, None);
            const std::vector<unsigned long> after = pixels(display, window, x, y, width, height);
            int changed = 0;
            for (std::size_t i = 0; i < before.size() && i < after.size(); ++i)
                changed += before[i] != after[i];
            if (changed > cursorPixels)
                drawn = at;
        }
        if (drawn < 0)
            std::printf("timeout\n");
        else
            std::printf("%.1f\n", drawn - pressed);
        std::fflush(stdout);
    }
    XCloseDisplay(display);
    return 0;
}
