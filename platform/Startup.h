// Start-up of the program: the application object, and the run of the project's
// startup window until the program ends.
#pragma once

namespace vb {

// The application's icon and dialog font, and the shipped fonts. Needs the application
// object. Returns false when a font could not be loaded.
bool initialisePlatform();

// Creates the application, calls `initialise`, shows the startup window and runs until
// the program ends. Returns the exit status.
int runProgram(int argc, char *argv[], bool (*initialise)());

} // namespace vb
