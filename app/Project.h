// The project: the program's four windows, which one starts it, and what it needs before
// its first window.
#pragma once

namespace vb {
struct Project;
}

namespace quoriam {

// The program's windows, its startup window and its title.
const vb::Project &project();

// Everything the program needs before its first window: fonts, the application icon
// and font, and the windows of the project. Returns false when a font is missing.
bool initialise();

} // namespace quoriam
