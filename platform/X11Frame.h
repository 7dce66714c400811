// The frame an X11 window manager puts around a window: asked for before the window is
// mapped (EWMH _NET_REQUEST_FRAME_EXTENTS), and seen when the window manager sets it on the
// window after mapping (_NET_FRAME_EXTENTS). Built where Qt has X11 (xcb).
#pragma once

#include <QMargins>

#include <chrono>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>

struct xcb_connection_t;
class QWidget;

namespace vb {

// The question is asked as soon as the window exists and answered when the window is
// about to show, so the window manager answers while the program goes on.
class X11FrameQuestion
{
public:
    // Asks the window manager of the X server behind `connection` about `window`, over a
    // connection of its own.
    X11FrameQuestion(xcb_connection_t *connection, std::uint32_t window);
    ~X11FrameQuestion();

    // The frame it will give the window when it maps it, in the server's pixels: none when
    // no window manager runs; nothing when it runs but does not tell (it does not offer
    // the request, or did not answer within half a second of the question, this time or
    // before). Waits for the answer; answers once.
    std::optional<QMargins> answer();

private:
    struct Connection;
    enum State { Unanswerable, NoWindowManager, Asked };
    std::uint32_t window_;
    std::chrono::steady_clock::time_point deadline_;
    std::unique_ptr<Connection> own_;
    std::uint32_t extents_ = 0;
    State state_ = Unanswerable;
};

// Tells each frame the window manager sets on a top-level widget's window, as the toolkit
// reads the window's events, for as long as it lives. The toolkit's connection sees the
// change before the window's first expose, so what is done about it is done before the
// window is first drawn. Follows the widget's current X window, which Qt may build anew
// when it first shows the widget.
class X11FrameWatch
{
public:
    using Framed = std::function<void(const QMargins &)>;
    // `framed` gets the frame in the server's pixels.
    X11FrameWatch(xcb_connection_t *toolkitConnection, const QWidget &window, Framed framed);
    ~X11FrameWatch();
    X11FrameWatch(const X11FrameWatch &) = delete;
    X11FrameWatch &operator=(const X11FrameWatch &) = delete;

private:
    class Filter;
    const QWidget &window_;
};

} // namespace vb
