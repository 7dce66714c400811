// The application object, the choice of platform, and the run of the project.
#include "platform/Startup.h"

#include "platform/Resources.h"
#include "platform/StartupMessages.h"
#include "platform/WindowSet.h"

#include <QApplication>

#ifdef Q_OS_WIN
#include <QtGui/private/qguiapplication_p.h>
#endif

namespace vb {

bool initialisePlatform()
{
    const bool fontsLoaded = registerDialogFace();
    QApplication::setFont(dialogFont());
    QApplication::setWindowIcon(programIcon());
    // Windows hide and show again during the program's life; only End ends it.
    QApplication::setQuitOnLastWindowClosed(false);
#ifdef Q_OS_WIN
    // Windows lets a program that is not in the foreground only flash its taskbar button
    // when it activates a window, and the fax arrives while the user works in another
    // program. Qt's switch brings it to the front and gives it the focus all the same; it
    // stays an ordinary window, which others can cover again.
    using QNativeInterface::Private::QWindowsApplication;
    if (auto *windows = qApp->nativeInterface<QWindowsApplication>())
        windows->setWindowActivationBehavior(QWindowsApplication::AlwaysActivateWindow);
#endif
    return fontsLoaded;
}

QByteArray choosePlatform(const QByteArray &requested, const QByteArray &display,
                          const QByteArray &waylandDisplay)
{
#ifdef Q_OS_LINUX
    // Wayland compositors ignore stay-on-top and the placement of windows. Where the
    // session also offers X11 (XWayland), run there, unless the user chose a platform;
    // in a Wayland session whose X11 cannot be reached, run on Wayland after all.
    if (requested.isEmpty() && !display.isEmpty())
        return waylandDisplay.isEmpty() ? QByteArrayLiteral("xcb")
                                        : QByteArrayLiteral("xcb;wayland");
#else
    Q_UNUSED(display);
    Q_UNUSED(waylandDisplay);
#endif
    return requested;
}

int runProgram(int argc, char *argv[], bool (*initialise)())
{
    const QByteArray platform =
        choosePlatform(qgetenv("QT_QPA_PLATFORM"), qgetenv("DISPLAY"), qgetenv("WAYLAND_DISPLAY"));
    if (!platform.isEmpty())
        qputenv("QT_QPA_PLATFORM", platform);
    StartupMessages startupMessages;
    QApplication app(argc, argv);
    startupMessages.release();
    QApplication::setApplicationName(QStringLiteral("Quoriam"));
    QApplication::setDesktopFileName(QStringLiteral("io.github.quoriam.Quoriam"));
    initialise();
    WindowSet &runtime = WindowSet::instance();
    const int status = runtime.run();
    runtime.reset();
    return status;
}

} // namespace vb
