// The onTop module: KeepOnTop, which makes a window stay above ordinary windows.
#pragma once

#include "platform/Runtime.h"

namespace vb {

// Makes a built window topmost, keeping its position and size.
void KeepOnTop(const WindowHandle &hWnd);

} // namespace vb
