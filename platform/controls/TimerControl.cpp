// A timer, ticking from the start.
#include "platform/controls/TimerControl.h"

#include <QTimer>
#include <QWidget>

namespace vb {

QTimer *build(const TimerDescription &timer, QWidget *container, FormEvents &events)
{
    auto *ticks = new QTimer(container);
    ticks->setInterval(timer.interval);
    events.raiseOn(ticks, &QTimer::timeout, timer.name, "Timer");
    if (timer.interval > 0)
        ticks->start();
    return ticks;
}

} // namespace vb
