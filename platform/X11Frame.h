// The frame an X11 window manager is going to put around a window, asked for before the
// window is mapped (EWMH _NET_REQUEST_FRAME_EXTENTS). Built where Qt has X11 (xcb).
#pragma once

#include <QMargins>

#include <chrono>
#include <cstdint>
#include <memory>
#include <optional>

struct xcb_connection_t;

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

} // namespace vb
