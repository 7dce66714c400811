// A clean failure when Qt's platform cannot start. Qt aborts the program then (status 134,
// a core file); while the application object starts, what Qt logs and what libraries
// write straight to the standard error are held instead. If no platform could start, the
// program says why in one line and exits with status 1: the display that could not be
// reached, the platform that is not installed or could not start, or, where Qt's own
// platform plugin failed, Qt's messages (which name the plugin) and a line of what to do.
// Otherwise the held messages go where they would have gone.
#pragma once

#include <QByteArray>

namespace vb {

// What the program is to start on, as the user and the session chose it.
struct PlatformChoice
{
    // The platforms Qt tries, in order, as QT_QPA_PLATFORM lists them ("xcb;wayland").
    QByteArray platforms;
    // Who named them: "QT_QPA_PLATFORM" or "-platform"; empty where the program chose.
    QByteArray namedBy;
    // The X display, and whether -display named it (else DISPLAY).
    QByteArray xDisplay;
    bool xDisplayFromArgument = false;
};

class StartupMessages
{
public:
    explicit StartupMessages(const PlatformChoice &choice);
    ~StartupMessages();
    // The application object is built: ends the program cleanly when its platform has no
    // screen to show windows on; else passes the held messages on, and holds no more.
    void release();

private:
    bool released_ = false;
};

} // namespace vb
