// A clean failure when no display can be reached. Qt aborts the program (status 134, a
// core file) when no platform plugin can start; while the application object starts,
// Qt's messages are held instead, and if no platform could start the program prints one
// line that names the display and what to do, and exits with status 1. Otherwise the
// held messages go where they would have gone, in their order.
#pragma once

namespace vb {

class StartupMessages
{
public:
    StartupMessages();
    ~StartupMessages();
    // The platform started: pass the held messages on, and hold no more.
    void release();

private:
    bool released_ = false;
};

} // namespace vb
