// KeepOnTop through the system's SetWindowPos.
#include "modules/onTop.h"

// The module declares the user32 constants it passes under their Windows names, which
// <winuser.h> defines as macros: should that header reach this file (a precompiled
// header, a unity build), the macros step aside here and come back at the end.
#pragma push_macro("HWND_TOPMOST")
#pragma push_macro("SWP_NOSIZE")
#pragma push_macro("SWP_NOMOVE")
#undef HWND_TOPMOST
#undef SWP_NOSIZE
#undef SWP_NOMOVE

namespace vb {

namespace {
constexpr std::intptr_t HWND_TOPMOST = -1;
constexpr unsigned SWP_NOSIZE = 0x1;
constexpr unsigned SWP_NOMOVE = 0x2;
} // namespace

void KeepOnTop(const WindowHandle &hWnd)
{
    // A window that cannot be made topmost stays in the ordinary order: nothing to report.
    SetWindowPos(hWnd, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
}

} // namespace vb

#pragma pop_macro("SWP_NOMOVE")
#pragma pop_macro("SWP_NOSIZE")
#pragma pop_macro("HWND_TOPMOST")
