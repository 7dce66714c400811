// The frame an X11 window manager is going to put around a window, asked for before the
// window is mapped (EWMH _NET_REQUEST_FRAME_EXTENTS). Built where Qt has X11 (xcb).
#pragma once

#include <QMargins>

#include <cstdint>
#include <optional>

struct xcb_connection_t;

namespace vb {

// The frame the window manager of the X server behind `connection` will give `window`
// when it maps it, in the server's pixels: none when no window manager runs; nothing
// when it runs but does not tell (it does not offer the request, or did not answer in
// half a second, this time or before).
std::optional<QMargins> x11FrameExtents(xcb_connection_t *connection, std::uint32_t window);

} // namespace vb
