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

int runProgram(int argc, char *argv[], bool (*initialise)())
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Quoriam"));
    QApplication::setDesktopFileName(QStringLiteral("quoriam"));
    initialise();
    FormsRuntime &runtime = FormsRuntime::instance();
    const int status = runtime.run();
    runtime.reset();
    return status;
}

} // namespace vb
