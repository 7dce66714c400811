// The clocks and the event dispatch that a wait is made of. Behind an interface so
// that tests can drive time.
#pragma once

#include <cstdint>

namespace vb {

class WaitClock
{
public:
    virtual ~WaitClock() = default;
    // Seconds since local midnight on the time-of-day clock, with a fractional part.
    virtual double timeOfDay() = 0;
    // Nanoseconds on a clock that never jumps and never runs backwards.
    virtual std::int64_t monotonicNs() = 0;
    // Dispatches events, sleeping while there are none, until the monotonic clock
    // reaches the deadline. Throws EndOfProgram when the program ends meanwhile.
    virtual void dispatchUntil(std::int64_t deadlineNs) = 0;
};

// The clock in use: the system's, unless a test installed its own.
WaitClock &waitClock();
void setWaitClock(WaitClock *clock); // nullptr restores the system's

} // namespace vb
