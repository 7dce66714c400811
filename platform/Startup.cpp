#include "platform/Startup.h"

#include "platform/FormsRuntime.h"
#include "platform/Resources.h"

#include <QApplication>

namespace vb {

bool initialisePlatform()
{
    const bool fontsLoaded = installFonts();
    QApplication::setFont(dialogFont());
    QApplication::setWindowIcon(programIcon());
    // Windows hide and show again during the program's life; only End ends it.
    QApplication::setQuitOnLastWindowClosed(false);
    return fontsLoaded;
}

QByteArray choosePlatform(const QByteArray &requested, const QByteArray &display)
{
#ifdef Q_OS_LINUX
    // Wayland compositors ignore stay-on-top and the placement of windows. Where the
    // session also offers X11 (XWayland), run there, unless the user chose a platform.
    if (requested.isEmpty() && !display.isEmpty())
        return QByteArrayLiteral("xcb");
#else
    Q_UNUSED(display);
#endif
    return requested;
}

int runProgram(int argc, char *argv[], bool (*initialise)())
{
    const QByteArray platform = choosePlatform(qgetenv("QT_QPA_PLATFORM"), qgetenv("DISPLAY"));
    if (!platform.isEmpty())
        qputenv("QT_QPA_PLATFORM", platform);
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Quoriam"));
    QApplication::setDesktopFileName(QStringLiteral("io.github.quoriam.Quoriam"));
    initialise();
    FormsRuntime &runtime = FormsRuntime::instance();
    const int status = runtime.run();
    runtime.reset();
    return status;
}

} // namespace vb
