#include "modules/onTop.h"

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
