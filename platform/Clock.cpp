// The real clocks, and the one that tests may put in their place.
#include "platform/Clock.h"

#include "platform/WindowSet.h"

#include <QEventLoop>
#include <QTime>
#include <QTimer>

#include <algorithm>
#include <chrono>

namespace vb {

namespace {

class SystemClock : public WaitClock
{
public:
    double timeOfDay() override { return QTime::currentTime().msecsSinceStartOfDay() / 1000.0; }

    std::int64_t monotonicNs() override
    {
        return std::chrono::duration_cast<std::chrono::nanoseconds>(
                   std::chrono::steady_clock::now().time_since_epoch())
            .count();
    }

    void dispatchUntil(std::int64_t deadlineNs) override
    {
        WindowSet &runtime = WindowSet::instance();
        for (;;) {
            runtime.checkEnded();
            const std::int64_t remaining = deadlineNs - monotonicNs();
            if (remaining <= 0)
                return;
            // Sleep in the event loop until the deadline; events wake it meanwhile.
            // Long waits go in steps of at most an hour, within a timer's range.
            constexpr std::int64_t hourMs = 3'600'000;
            const auto ms = static_cast<int>(std::min((remaining + 999'999) / 1'000'000, hourMs));
            QEventLoop loop;
            QTimer deadline;
            deadline.setSingleShot(true);
            deadline.setTimerType(Qt::PreciseTimer);
            bool reached = false;
            QObject::connect(&deadline, &QTimer::timeout, &loop, [&] {
                reached = true;
                loop.quit();
            });
            deadline.start(ms);
            runtime.enterLoop(&loop);
            loop.exec();
            runtime.leaveLoop(&loop);
            // Left neither at the deadline nor by the end of the program: the application
            // was asked to quit (the session ends, the desktop's Quit). Every event loop
            // returns at once from now on, so the program ends here.
            if (!reached && !runtime.ended())
                runtime.end(0);
        }
    }
};

SystemClock systemClock;
WaitClock *current = &systemClock;

} // namespace

WaitClock &waitClock()
{
    return *current;
}

void setWaitClock(WaitClock *clock)
{
    current = clock ? clock : &systemClock;
}

} // namespace vb
