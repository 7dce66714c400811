// The application object, the choice of platform, and the run of the project.
#include "platform/Startup.h"

#include "platform/Resources.h"
#include "platform/StartupMessages.h"
#include "platform/Translation.h"
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
    if (requested.isEmpty() && !waylandDisplay.isEmpty())
        return QByteArrayLiteral("wayland");
#else
    Q_UNUSED(display);
    Q_UNUSED(waylandDisplay);
#endif
    return requested;
}

QByteArray qtOption(int argc, char *argv[], const char *name)
{
    const QByteArray single = QByteArray("-") + name, twice = "-" + single;
    QByteArray value;
    for (int i = 1; i + 1 < argc; ++i) {
        if (single == argv[i] || twice == argv[i])
            value = argv[++i];
    }
    return value;
}

namespace {

// What the user and the session chose to start on, the command line before the
// environment, as Qt takes them.
PlatformChoice platformChoice(int argc, char *argv[])
{
    PlatformChoice choice;
    const QByteArray platformArgument = qtOption(argc, argv, "platform");
    const QByteArray displayArgument = qtOption(argc, argv, "display");
    QByteArray requested = qgetenv("QT_QPA_PLATFORM");
    if (!requested.isEmpty())
        choice.namedBy = "QT_QPA_PLATFORM";
    if (!platformArgument.isNull()) {
        requested = platformArgument;
        choice.namedBy = "-platform";
    }
    choice.xDisplayFromArgument = !displayArgument.isNull();
    choice.xDisplay = choice.xDisplayFromArgument ? displayArgument : qgetenv("DISPLAY");
    choice.platforms = choosePlatform(requested, choice.xDisplay, qgetenv("WAYLAND_DISPLAY"));
    return choice;
}

} // namespace

int runProgram(int argc, char *argv[], bool (*initialise)())
{
    PlatformChoice choice = platformChoice(argc, argv);
    if (!choice.platforms.isEmpty() && choice.namedBy != "-platform")
        qputenv("QT_QPA_PLATFORM", choice.platforms);
#ifdef Q_OS_LINUX
    // Qt's own choice, made where no display is named: Wayland first in a Wayland session.
    if (choice.platforms.isEmpty())
        choice.platforms = qgetenv("XDG_SESSION_TYPE") == "wayland" ? "wayland;xcb" : "xcb";
#endif
    StartupMessages startupMessages(choice);
    QApplication app(argc, argv);
    startupMessages.release();
    QApplication::setApplicationName(QStringLiteral("Quoriam"));
    QApplication::setDesktopFileName(QStringLiteral("io.github.quoriam.Quoriam"));
    useUsersLanguage(); // before any window is built
    initialise();
    WindowSet &runtime = WindowSet::instance();
    const int status = runtime.run();
    runtime.reset();
    return status;
}

} // namespace vb
