// Asking X11 and Wayland displays whether they answer.
#include "platform/DisplayProbe.h"

#include <QtGui/qtguiglobal.h>

#if QT_CONFIG(xcb)
#include <xcb/xcb.h>

#include <fcntl.h>

#include <cstdio>
#endif
#ifdef Q_OS_UNIX
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <cstring>
#endif

namespace vb {

namespace {

// The X server `display` accepts this user (it runs, and lets the user in).
bool x11Reachable(const QByteArray &display)
{
#if QT_CONFIG(xcb)
    // libxcb writes a server's refusal to the standard error, where Qt's own attempt to
    // connect has put it already.
    std::fflush(stderr);
    const int standardError = ::dup(STDERR_FILENO);
    const int nowhere = ::open("/dev/null", O_WRONLY | O_CLOEXEC);
    if (nowhere >= 0)
        ::dup2(nowhere, STDERR_FILENO);
    xcb_connection_t *connection = xcb_connect(display.constData(), nullptr);
    const bool reached = !xcb_connection_has_error(connection);
    xcb_disconnect(connection);
    if (standardError >= 0) {
        ::dup2(standardError, STDERR_FILENO);
        ::close(standardError);
    }
    if (nowhere >= 0)
        ::close(nowhere);
    return reached;
#else
    Q_UNUSED(display);
    return false;
#endif
}

// A Wayland compositor listens on the socket `display` names, in XDG_RUNTIME_DIR unless
// the name is a path.
bool waylandReachable(const QByteArray &display)
{
#ifdef Q_OS_UNIX
    QByteArray path = display;
    if (!path.startsWith('/')) {
        const QByteArray runtimeDir = qgetenv("XDG_RUNTIME_DIR");
        if (runtimeDir.isEmpty())
            return false;
        path = runtimeDir + '/' + path;
    }
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    if (std::size_t(path.size()) >= sizeof address.sun_path)
        return false;
    std::memcpy(address.sun_path, path.constData(), std::size_t(path.size()));
    const int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
    if (fd < 0)
        return false;
    const bool reached =
        ::connect(fd, reinterpret_cast<const sockaddr *>(&address), sizeof address) == 0;
    ::close(fd);
    return reached;
#else
    Q_UNUSED(display);
    return false;
#endif
}

} // namespace

bool displayReachable(const QByteArray &platform, const QByteArray &display)
{
    if (platform == "xcb")
        return x11Reachable(display);
    if (platform.startsWith("wayland"))
        return waylandReachable(display);
    return platform == "offscreen" || platform == "minimal";
}

} // namespace vb
