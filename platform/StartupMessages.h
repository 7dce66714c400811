// A clean failure when no platform plugin can start. Qt aborts the program (status 134, a
// core file) then; while the application object starts, Qt's messages are held instead,
// and if no platform could start the program says why and exits with status 1: in one
// line that names the display and what to do where no display could be reached, else
// with Qt's messages about its plugin and a line of what to do. Otherwise the held
// messages go where they would have gone, in their order.
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
