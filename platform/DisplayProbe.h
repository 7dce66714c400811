// Whether the display a Qt platform runs on can be reached, asked over a connection of the
// program's own: when no platform plugin could start and Qt did not say that its display
// could not be reached (the user's logging rules silence Qt's line, or the plugin could
// not even be loaded), it tells a display that is not there from a plugin that failed.
#pragma once

#include <QByteArray>

namespace vb {

// Whether a client could connect now to `display` of the Qt platform `platform` (an
// entry of QT_QPA_PLATFORM without its options: "xcb", "wayland", ...): an X display
// (empty: none) or a Wayland socket's name. Platforms that need no display ("offscreen",
// "minimal") can always reach it; those this program does not know cannot.
bool displayReachable(const QByteArray &platform, const QByteArray &display);

} // namespace vb
