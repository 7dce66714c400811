// firstframe TITLE TIMEOUT HOLD PROGRAM [ARGUMENT...]: starts PROGRAM on $DISPLAY and
// measures how long it takes to show a window named exactly TITLE, and what that cost.
//
// Times are counted from just before the program is started (fork and exec):
//  - map:   the window became viewable (MapNotify);
//  - first: the program drew into it for the first time (the first DAMAGE report on the
//           window: Qt gives its windows no background, so the X server draws nothing
//           there itself and every damage is the program's own drawing);
//  - frame: everything in the window has been drawn at least once (the damage reports
//           since the map cover the whole window): the first complete frame.
// Then the program is left alone for HOLD seconds, its memory and processor time are
// read from /proc, and it is ended. Prints one line of NAME=VALUE pairs:
//   map_ms first_ms frame_ms    milliseconds since the start
//   cpu_frame_ms                processor time of all its threads at the complete frame
//   cpu_hold_ms                 ... after HOLD seconds
//   hwm_kb rss_kb               peak and current resident memory after HOLD seconds
// Exits 1 (after ending the program) when the window is not complete within TIMEOUT s.
//
// Every window created under the root is watched from its creation, before the program
// can map it; a window manager's frames are skipped, since the program draws only into
// its own windows.
#include "XWindows.h"

#include <X11/Xlib.h>
#include <X11/extensions/Xdamage.h>

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/prctl.h>
#include <sys/types.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <filesystem>
#include <fstream>
#include <map>
#include <sstream>
#include <string>
#include <vector>

namespace {

pid_t child = -1;

double monotonicMs()
{
    timespec t{};
    clock_gettime(CLOCK_MONOTONIC, &t);
    return double(t.tv_sec) * 1e3 + double(t.tv_nsec) / 1e6;
}

// Processor time of every thread of the process in milliseconds, from the scheduler's
// accounting in nanoseconds where the kernel offers it, else from utime + stime.
double processorMs(pid_t pid)
{
    const std::string base = "/proc/" + std::to_string(pid);
    double total = 0;
    bool precise = true;
    std::error_code error;
    for (const auto &task : std::filesystem::directory_iterator(base + "/task", error)) {
        std::ifstream sched(task.path() / "sched");
        std::string line;
        bool found = false;
        while (std::getline(sched, line)) {
            if (line.rfind("se.sum_exec_runtime", 0) == 0) {
                const auto colon = line.find(':');
                if (colon != std::string::npos) {
                    total += std::atof(line.c_str() + colon + 1);
                    found = true;
                }
                break;
            }
        }
        if (!found) {
            precise = false;
            break;
        }
    }
    if (precise && !error)
        return total;
    std::ifstream stat(base + "/stat");
    std::string text((std::istreambuf_iterator<char>(stat)), std::istreambuf_iterator<char>());
    const auto close = text.rfind(')');
    if (close == std::string::npos)
        return -1;
    std::istringstream rest(text.substr(close + 2));
    std::string field;
    long long utime = 0, stime = 0;
    for (int i = 3; i <= 15 && rest >> field; ++i) {
        if (i == 14)
            utime = std::atoll(field.c_str());
        else if (i == 15)
            stime = std::atoll(field.c_str());
    }
    return double(utime + stime) * 1000.0 / double(sysconf(_SC_CLK_TCK));
}

// A field of /proc/PID/status in kB, or -1.
long statusKb(pid_t pid, const char *name)
{
    std::ifstream status("/proc/" + std::to_string(pid) + "/status");
    std::string line;
    const std::string prefix = std::string(name) + ":";
    while (std::getline(status, line)) {
        if (line.rfind(prefix, 0) == 0)
            return std::atol(line.c_str() + prefix.size());
    }
    return -1;
}

bool childRunning()
{
    if (child <= 0)
        return false;
    int status = 0;
    const pid_t done = waitpid(child, &status, WNOHANG);
    if (done == child) {
        child = -1;
        return false;
    }
    return true;
}

void endChild()
{
    if (child <= 0)
        return;
    kill(child, SIGTERM);
    for (int i = 0; i < 100 && childRunning(); ++i)
        usleep(20'000);
    if (childRunning()) {
        kill(child, SIGKILL);
        waitpid(child, nullptr, 0);
        child = -1;
    }
}

void onSignal(int)
{
    if (child > 0)
        kill(child, SIGKILL);
    _exit(1);
}

struct Watched
{
    Damage damage = None;
    bool isTarget = false;
};

// Which pixels of the target have been drawn since it was mapped.
class Coverage
{
public:
    void reset(int width, int height)
    {
        width_ = width;
        height_ = height;
        drawn_.assign(std::size_t(width) * std::size_t(height), 0);
        missing_ = std::size_t(width) * std::size_t(height);
    }

    void add(int x, int y, int width, int height)
    {
        const int x1 = std::min(width_, x + width), y1 = std::min(height_, y + height);
        for (int row = std::max(0, y); row < y1; ++row) {
            for (int column = std::max(0, x); column < x1; ++column) {
                unsigned char &cell =
                    drawn_[std::size_t(row) * std::size_t(width_) + std::size_t(column)];
                if (cell == 0) {
                    cell = 1;
                    --missing_;
                }
            }
        }
    }

    bool hasSize(int width, int height) const { return width == width_ && height == height_; }
    bool complete() const { return width_ > 0 && missing_ == 0; }

private:
    int width_ = 0, height_ = 0;
    std::vector<unsigned char> drawn_;
    std::size_t missing_ = 0;
};

} // namespace

int main(int argc, char *argv[])
{
    if (argc < 5) {
        std::fprintf(stderr, "usage: firstframe TITLE TIMEOUT HOLD PROGRAM [ARGUMENT...]\n");
        return 2;
    }
    const std::string title = argv[1];
    const double timeoutMs = std::atof(argv[2]) * 1e3;
    const double holdMs = std::atof(argv[3]) * 1e3;

    Display *display = XOpenDisplay(nullptr);
    if (display == nullptr) {
        std::fprintf(stderr, "firstframe: cannot open display\n");
        return 2;
    }
    int damageEvent = 0, damageError = 0;
    if (!XDamageQueryExtension(display, &damageEvent, &damageError)) {
        std::fprintf(stderr, "firstframe: the X server has no DAMAGE extension\n");
        return 2;
    }
    int major = 1, minor = 1;
    XDamageQueryVersion(display, &major, &minor);
    XSetErrorHandler(ignoreErrors);
    internAtoms(display);
    const Window root = DefaultRootWindow(display);
    XSelectInput(display, root, SubstructureNotifyMask);
    XSync(display, False);
    fcntl(ConnectionNumber(display), F_SETFD, FD_CLOEXEC);

    signal(SIGTERM, onSignal);
    signal(SIGINT, onSignal);
    signal(SIGHUP, onSignal);
    const pid_t parent = getpid();
    const double start = monotonicMs();
    child = fork();
    if (child < 0) {
        std::perror("firstframe: fork");
        return 2;
    }
    if (child == 0) {
        // Ends with the watcher, whatever ends it.
        prctl(PR_SET_PDEATHSIG, SIGKILL);
        if (getppid() != parent)
            _exit(127);
        dup2(STDERR_FILENO, STDOUT_FILENO); // the measurement alone goes to the output
        execvp(argv[4], argv + 4);
        std::fprintf(stderr, "firstframe: cannot start %s: %s\n", argv[4], std::strerror(errno));
        _exit(127);
    }

    std::map<Window, Watched> watched;
    Window target = None;
    Coverage coverage;
    double mapped = -1, first = -1, frame = -1, cpuFrame = -1;
    const pollfd connection{ConnectionNumber(display), POLLIN, 0};
    for (;;) {
        while (XPending(display) > 0) {
            XEvent event;
            XNextEvent(display, &event);
            const double now = monotonicMs() - start;
            if (event.type == CreateNotify && event.xcreatewindow.parent == root) {
                // The window manager's frames are watched too; their damage is ignored.
                const Window window = event.xcreatewindow.window;
                Watched &entry = watched[window];
                if (entry.damage == None)
                    entry.damage = XDamageCreate(display, window, XDamageReportRawRectangles);
                XSelectInput(display, window, StructureNotifyMask);
                XFlush(display);
            } else if (event.type == MapNotify && target == None &&
                       watched.count(event.xmap.window) != 0 &&
                       windowName(display, event.xmap.window) == title) {
                target = event.xmap.window;
                mapped = now;
                XWindowAttributes attributes;
                if (XGetWindowAttributes(display, target, &attributes))
                    coverage.reset(attributes.width, attributes.height);
            } else if (event.type == ConfigureNotify && event.xconfigure.window == target &&
                       frame < 0 &&
                       !coverage.hasSize(event.xconfigure.width, event.xconfigure.height)) {
                coverage.reset(event.xconfigure.width, event.xconfigure.height);
            } else if (event.type == damageEvent + XDamageNotify) {
                const auto &damage = reinterpret_cast<const XDamageNotifyEvent &>(event);
                if (damage.drawable != target || target == None || frame >= 0)
                    continue;
                if (first < 0)
                    first = now;
                coverage.add(damage.area.x, damage.area.y, damage.area.width, damage.area.height);
                if (coverage.complete()) {
                    frame = now;
                    cpuFrame = processorMs(child);
                }
            }
        }
        const double now = monotonicMs() - start;
        if (frame >= 0 && now >= frame + holdMs)
            break;
        if (frame < 0 && now >= timeoutMs) {
            std::fprintf(stderr, "firstframe: no complete window titled '%s' within %g s%s\n",
                         title.c_str(), timeoutMs / 1e3,
                         target == None ? " (it was never mapped)" : "");
            endChild();
            return 1;
        }
        if (!childRunning()) {
            std::fprintf(stderr, "firstframe: %s ended before the measurement was done\n", argv[4]);
            return 1;
        }
        pollfd ready = connection;
        poll(&ready, 1, 20);
    }

    const double cpuHold = processorMs(child);
    const long hwm = statusKb(child, "VmHWM");
    const long rss = statusKb(child, "VmRSS");
    endChild();
    std::printf("map_ms=%.1f first_ms=%.1f frame_ms=%.1f cpu_frame_ms=%.1f cpu_hold_ms=%.1f "
                "hwm_kb=%ld rss_kb=%ld\n",
                mapped, first, frame, cpuFrame, cpuHold, hwm, rss);
    XCloseDisplay(display);
    return 0;
}
