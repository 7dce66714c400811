// The wait, counted from the clock reading rounded to whole seconds, and that rounding.
#include "modules/Timing.h"

#include "platform/Clock.h"

#include <cmath>

namespace vb {

std::int32_t roundHalfEven(double seconds)
{
    const double floor = std::floor(seconds);
    const double fraction = seconds - floor;
    double result = floor;
    if (fraction > 0.5 || (fraction == 0.5 && std::fmod(floor, 2.0) != 0.0))
        result += 1.0;
    return static_cast<std::int32_t>(result);
}

void WaitSeconds(const std::int32_t &seconds)
{
    // The wait counts from the clock reading rounded to whole seconds, so it lasts
    // between N - 0.5 and N + 0.5 seconds. The time since then is measured on the
    // monotonic clock: a wait across midnight or a change of the system clock keeps
    // its length, and no number of seconds makes it overflow.
    constexpr std::int64_t nsPerSecond = 1'000'000'000;
    WaitClock &clock = waitClock();
    const double timeOfDay = clock.timeOfDay();
    const std::int64_t begin = clock.monotonicNs();
    const auto offset = static_cast<std::int64_t>(
        std::llround((timeOfDay - roundHalfEven(timeOfDay)) * nsPerSecond));
    for (;;) {
        const std::int64_t elapsed = offset + (clock.monotonicNs() - begin);
        const std::int64_t target = static_cast<std::int64_t>(seconds) * nsPerSecond;
        if (elapsed >= target)
            return;
        clock.dispatchUntil(begin + target - offset);
    }
}

} // namespace vb
