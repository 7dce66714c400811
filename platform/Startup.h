// Start-up of the program: the application object, and the run of the project's
// startup window until the program ends.
#pragma once

#include <QByteArray>

namespace vb {

// The application's icon and dialog font, and the shipped fonts. Needs the application
// object. Returns false when a font could not be loaded.
bool initialisePlatform();

// The Qt platform plugin to run on, given the platform the user asked for (-platform or
// QT_QPA_PLATFORM), the X display (-display or DISPLAY) and WAYLAND_DISPLAY: X11 where the
// session offers it and the user chose nothing (falling back to Wayland in a Wayland
// session), Wayland where only that is offered, else what the user chose (empty: Qt's own
// choice).
QByteArray choosePlatform(const QByteArray &requested, const QByteArray &display,
                          const QByteArray &waylandDisplay = {});

// The value of Qt's command-line option `-name` (or `--name`), as Qt reads it: the
// argument after its last occurrence. Null where it is not given.
QByteArray qtOption(int argc, char *argv[], const char *name);

// Creates the application, calls `initialise`, shows the startup window and runs until
// the program ends. Returns the exit status. When no platform can start, says why (no
// display, or Qt's plugin) and exits with status 1.
int runProgram(int argc, char *argv[], bool (*initialise)());

} // namespace vb
