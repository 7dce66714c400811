// The stacking rule of a window's controls. Within one container the window layer (text
// boxes, command buttons, frames, picture boxes) stands above the drawn layer (labels,
// lines, shapes), and a control listed earlier stands above one listed later. Qt stacks a
// widget above the siblings built before it, so the controls are built in the order that
// gives this.
#pragma once

#include "forms/Description.h"

#include <span>
#include <vector>

namespace vb {

// The controls in the order to build them: for the window and then for each frame (a frame
// built before what it holds), its drawn layer and then its window layer, each from its
// last control to its first; then the timers, which are not drawn, in their order.
std::vector<const ControlDescription *> buildingOrder(std::span<const ControlDescription> controls);

} // namespace vb
