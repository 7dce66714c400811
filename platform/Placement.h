// Placement on the screen: a window opens centred on the work area, its frame included.
#pragma once

class QWidget;

namespace vb {

// Asks the window system for the frame the top-level window is going to get, as soon as
// the window is built, so that the answer is there when the window is first shown (the
// incoming fax, built at Send, shows the moment its wait ends).
void askForFrame(QWidget &window);

// Moves the top-level window, not yet shown, so that it will show with its frame (the
// window manager's title bar and borders) centred on the work area of the primary
// screen: the screen without task bars and docks. Asks the window system for the frame
// the window is going to get, so the window shows where it belongs at once.
void centreOnWorkArea(QWidget &window);

} // namespace vb
