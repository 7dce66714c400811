// SetWindowPos, the one window-manager call the program makes itself, on each system.
//
// On Windows it is user32's own. Qt keeps its own record of a window's stay-on-top
// state (the window flags) and applies it whenever it sets the window's flags again, so
// after the real call Qt is told what the window now is: otherwise Qt would report the
// window as an ordinary one and drop the topmost level at its next change of flags.
//
// Window systems without Z order levels keep a window above others through Qt's
// stay-on-top hint instead.
#include "platform/Runtime.h"

#include <QWidget>
#include <QWindow>

#ifdef Q_OS_WIN
#ifndef NOMINMAX // MinGW's C++ library defines it already
#define NOMINMAX
#endif
#include <windows.h>
#endif

namespace vb {

namespace {

// Records the stay-on-top state in Qt's flags of the widget and of its platform window.
void recordStaysOnTop(QWidget *window, bool onTop)
{
    if (window->windowFlags().testFlag(Qt::WindowStaysOnTopHint) == onTop)
        return;
    Qt::WindowFlags windowFlags = window->windowFlags();
    windowFlags.setFlag(Qt::WindowStaysOnTopHint, onTop);
    if (QWindow *handle = window->windowHandle()) {
        // Tell the window system on the existing window: changing the widget's flags
        // would destroy the window and build it again, under a new handle.
        window->overrideWindowFlags(windowFlags);
        handle->setFlags(windowFlags);
    } else {
        window->setWindowFlags(windowFlags);
    }
}

} // namespace

int SetWindowPos(WindowHandle hWnd, std::intptr_t insertAfter, int x, int y, int cx, int cy,
                 unsigned flags)
{
#ifdef Q_OS_WIN
    const HWND handle = reinterpret_cast<HWND>(hWnd);
    if (!::SetWindowPos(handle, reinterpret_cast<HWND>(insertAfter), x, y, cx, cy, flags))
        return 0;
    // What the window now is, as Windows says: the call may have been refused in part.
    const bool onTop = (GetWindowLongPtrW(handle, GWL_EXSTYLE) & WS_EX_TOPMOST) != 0;
    if (QWidget *window = QWidget::find(static_cast<WId>(hWnd)))
        recordStaysOnTop(window, onTop);
    return 1;
#else
    // The position and size stay as they are.
    Q_UNUSED(x);
    Q_UNUSED(y);
    Q_UNUSED(cx);
    Q_UNUSED(cy);
    Q_UNUSED(flags);
    constexpr std::intptr_t topmost = -1, notTopmost = -2;
    QWidget *window = QWidget::find(static_cast<WId>(hWnd));
    if (!window || (insertAfter != topmost && insertAfter != notTopmost))
        return 0;
    recordStaysOnTop(window, insertAfter == topmost);
    return 1;
#endif
}

} // namespace vb
