// Start-up of the program: the application object, and the run of the project's
// startup window until the program ends.
#pragma once

#include <QByteArray>

namespace vb {

// The application's icon and dialog font, and the shipped fonts. Needs the application
// object. Returns false when a font could not be loaded.
bool initialisePlatform();

// The Qt platform plugin to run on, given the QT_QPA_PLATFORM, DISPLAY and WAYLAND_DISPLAY
// variables: X11 where the session offers it and the user chose nothing (falling back to
// Wayland in a Wayland session), else what the user chose (empty: Qt's own choice).
QByteArray choosePlatform(const QByteArray &requested, const QByteArray &display,
                          const QByteArray &waylandDisplay = {});

// Creates the application, calls `initialise`, shows the startup window and runs until
// the program ends. Returns the exit status. When no platform can start, says why (no
// display, or Qt's plugin) and exits with status 1.
int runProgram(int argc, char *argv[], bool (*initialise)());

} // namespace vb
