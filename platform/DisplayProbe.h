// Whether the display a Qt platform runs on can be reached, asked independently of Qt:
// when no platform plugin could start, it tells a display that is not there from a
// plugin that could not be loaded.
#pragma once

#include <QByteArray>

namespace vb {

// Whether a client could connect now to the display of the Qt platform `platform` (an
// entry of QT_QPA_PLATFORM without its options: "xcb", "wayland", ...), as the
// environment names it. Platforms that need no display ("offscreen", "minimal") can
// always reach it; those this program does not know cannot.
bool displayReachable(const QByteArray &platform);

} // namespace vb
