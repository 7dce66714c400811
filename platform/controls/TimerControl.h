// The Timer kind: a QTimer that raises Timer every Interval milliseconds from the start,
// also while its window is hidden. It is never drawn and has no properties.
#pragma once

#include "forms/Description.h"
#include "platform/FormEvents.h"

class QTimer;
class QWidget;

namespace vb {

QTimer *build(const TimerDescription &timer, QWidget *container, FormEvents &events);

} // namespace vb
