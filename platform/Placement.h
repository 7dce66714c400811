// Placement on the screen: a window opens centred on the work area, a message box on the
// window it belongs to, each with its frame included.
#pragma once

class QWidget;

namespace vb {

// Asks the window system for the frame the top-level window is going to get, as soon as
// the window is built, so that the answer is there when the window is first shown (the
// incoming fax, built at Send, shows the moment its wait ends).
void askForFrame(QWidget &window);

// Moves the top-level window, at its final size and not yet shown, so that it will show
// with its frame (the window manager's title bar and borders) centred on the work area of
// the primary screen (the screen without task bars and docks), or on the frame of
// `owner` when that is given and shown, and inside the work area. Where the window
// manager does not tell the frame in advance, the frame of another of the program's
// windows stands in for it, and the window is centred again with its real frame as soon
// as the window manager has put it on, before the window is first drawn.
void centreOnWorkArea(QWidget &window);
void centreOnOwner(QWidget &window, const QWidget *owner);

} // namespace vb
