// Holding Qt's start-up messages, and saying why no platform could start.
#include "platform/StartupMessages.h"

#include "platform/DisplayProbe.h"
#include "platform/Translation.h"

#include <QGuiApplication>
#include <QStringList>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <mutex>
#include <vector>

#ifdef Q_OS_UNIX
#include <unistd.h>
#endif

namespace vb {

namespace {

// ---------------------------------------------------------------------------------------
// The lines the user reads, whole sentences after "quoriam: ", in the desktop's language
// (the application object is not there yet to have its translations).

QString q(const QByteArray &text)
{
    return QString::fromLocal8Bit(text);
}

QString noXDisplay(const PlatformChoice &choice)
{
    if (choice.xDisplayFromArgument)
        return translate("StartupMessages",
                         "cannot start on the X display \"%1\" named by -display; "
                         "name a running X server that this user may use.")
            .arg(q(choice.xDisplay));
    if (choice.xDisplay.isEmpty())
        return translate("StartupMessages",
                         "cannot start on an X display (DISPLAY is not set); start "
                         "it in a desktop session, or set DISPLAY to a running X server "
                         "that this user may use.");
    return translate("StartupMessages",
                     "cannot start on the X display \"%1\"; start it in a desktop "
                     "session, or set DISPLAY to a running X server that this user may use.")
        .arg(q(choice.xDisplay));
}

QString noWaylandDisplay(const QByteArray &display)
{
    return translate("StartupMessages",
                     "cannot start on the Wayland display \"%1\"; start it in a "
                     "desktop session, or set WAYLAND_DISPLAY to a running Wayland "
                     "compositor.")
        .arg(q(display));
}

QString noXOrWaylandDisplay(const QByteArray &xDisplay, const QByteArray &waylandDisplay)
{
    return translate("StartupMessages",
                     "cannot start on the X display \"%1\" or the Wayland display "
                     "\"%2\"; start it in a desktop session, or set DISPLAY to a running X "
                     "server that this user may use.")
        .arg(q(xDisplay), q(waylandDisplay));
}

QString notInstalled(const QByteArray &platform, const QByteArray &namedBy)
{
    return translate("StartupMessages",
                     "cannot start: Qt has no platform \"%1\" here (named by %2); "
                     "name xcb (X11) or wayland instead, or none.")
        .arg(q(platform), q(namedBy));
}

QString platformFailed(const QByteArray &platform)
{
    return translate("StartupMessages", "cannot start on the Qt platform \"%1\": it could not be "
                                        "initialised (QT_DEBUG_PLUGINS=1 shows Qt's reasons).")
        .arg(q(platform));
}

QString platformFailedBecause(const QByteArray &platform, const QString &reason)
{
    return translate("StartupMessages", "cannot start on the Qt platform \"%1\": %2.")
        .arg(q(platform), reason);
}

QString noScreen(const QByteArray &platform)
{
    return translate("StartupMessages",
                     "cannot start on the Qt platform \"%1\": it finds no screen "
                     "(QT_DEBUG_PLUGINS=1 shows Qt's reasons).")
        .arg(q(platform));
}

QString reinstall()
{
    return translate("StartupMessages", "cannot start: Qt's platform plugin could not be loaded; "
                                        "reinstall Quoriam, or its Qt libraries.");
}

// ---------------------------------------------------------------------------------------
// Holding what Qt logs, and what is written straight to the standard error.

struct HeldMessage
{
    QtMsgType type;
    QByteArray file, function, category;
    int line;
    QString text;
};
std::mutex heldMutex;
std::vector<HeldMessage> heldMessages;
QtMessageHandler handlerBeforeStart = nullptr;
PlatformChoice started;

#ifdef Q_OS_UNIX
// libwayland and Xlib write their complaints to the standard error themselves: while Qt
// starts, the standard error goes to a temporary file.
FILE *heldOutput = nullptr;
int standardError = -1;

void holdOutput()
{
    std::fflush(stderr);
    heldOutput = std::tmpfile();
    standardError = heldOutput ? ::dup(STDERR_FILENO) : -1;
    if (standardError < 0 || ::dup2(fileno(heldOutput), STDERR_FILENO) < 0) {
        if (standardError >= 0)
            ::close(standardError);
        standardError = -1;
        if (heldOutput)
            std::fclose(heldOutput);
        heldOutput = nullptr;
    }
}

// Gives the standard error back, with what was written there if `show`.
void releaseOutput(bool show)
{
    if (!heldOutput)
        return;
    std::fflush(stderr);
    ::dup2(standardError, STDERR_FILENO);
    ::close(standardError);
    if (show) {
        std::rewind(heldOutput);
        char buffer[4096];
        for (std::size_t n; (n = std::fread(buffer, 1, sizeof buffer, heldOutput)) > 0;)
            std::fwrite(buffer, 1, n, stderr);
        std::fflush(stderr);
    }
    std::fclose(heldOutput);
    heldOutput = nullptr;
}
#else
void holdOutput() {}
void releaseOutput(bool) {}
#endif

const char *orNull(const QByteArray &text)
{
    return text.isNull() ? nullptr : text.constData();
}

QMessageLogContext contextOf(const HeldMessage &held)
{
    return QMessageLogContext(orNull(held.file), held.line, orNull(held.function),
                              orNull(held.category));
}

// Writes a held message to the standard error as Qt's own handler would.
void print(const HeldMessage &message)
{
    QString line = qFormatLogMessage(message.type, contextOf(message), message.text);
    while (line.endsWith(u'\n')) // Qt's fatal message ends with one
        line.chop(1);
    std::fprintf(stderr, "%s\n", line.toLocal8Bit().constData());
}

// ---------------------------------------------------------------------------------------
// Why no platform started, as Qt tells it.

// Whether Qt logged a message that starts with `text`.
bool qtSaid(const QString &text)
{
    const std::lock_guard<std::mutex> lock(heldMutex);
    return std::any_of(heldMessages.begin(), heldMessages.end(),
                       [&](const HeldMessage &held) { return held.text.startsWith(text); });
}

// An entry's platform without its options: "xcb" for "xcb:nograb".
QByteArray platformOf(const QByteArray &entry)
{
    return entry.split(':').constFirst().toLower();
}

bool isWayland(const QByteArray &platform)
{
    return platform.startsWith("wayland");
}

QByteArray waylandDisplay()
{
    // Without WAYLAND_DISPLAY, Wayland clients connect to wayland-0.
    const QByteArray display = qgetenv("WAYLAND_DISPLAY");
    return display.isEmpty() ? QByteArrayLiteral("wayland-0") : display;
}

// The platforms installed, as Qt's last message lists them ("Available platform plugins
// are: eglfs, linuxfb, ... xcb.").
QByteArrayList installedPlatforms(const QString &fatal)
{
    static const QString list = QStringLiteral("Available platform plugins are:");
    const qsizetype start = fatal.indexOf(list);
    if (start < 0)
        return {};
    QByteArrayList names;
    for (const QString &name : fatal.mid(start + list.size()).split(u','))
        names << name.trimmed().remove(u'.').toLocal8Bit().toLower();
    return names;
}

// Whether the display of the platform could not be reached: as Qt said, or, where Qt
// said nothing of it, as a connection of the program's own finds. Qt says nothing where
// the user's logging rules silence its line, and where the plugin itself could not be
// loaded, before it tried: then a display that answers leaves the plugin to blame.
bool displayUnreachable(const QByteArray &platform)
{
    if (platform == "xcb")
        return qtSaid(QStringLiteral("could not connect to display")) ||
               !displayReachable(platform, started.xDisplay);
    return qtSaid(QStringLiteral("Failed to create wl_display")) ||
           !displayReachable(platform, waylandDisplay());
}

// The one line, or the last line, that says why no platform started; sets `showQt` when
// Qt's messages are the reason and go before it.
QString whyNoPlatform(const QString &fatal, bool &showQt)
{
    const QByteArrayList installed = installedPlatforms(fatal);
    QByteArrayList tried;
    for (const QByteArray &entry : started.platforms.split(';')) {
        if (!platformOf(entry).isEmpty())
            tried << platformOf(entry);
    }
    // A platform not installed: a Qt installation without a plugin the program runs on,
    // or another platform, which the user named.
    for (const QByteArray &platform : tried) {
        if (installed.contains(platform))
            continue;
        if (platform != "xcb" && !isWayland(platform) && !started.namedBy.isEmpty())
            return notInstalled(platform, started.namedBy);
        showQt = true;
        return reinstall();
    }
    bool x11 = false, wayland = false;
    for (const QByteArray &platform : tried) {
        if (platform != "xcb" && !isWayland(platform))
            return platformFailed(platform);
        if (!displayUnreachable(platform)) {
            showQt = true;
            return reinstall();
        }
        (platform == "xcb" ? x11 : wayland) = true;
    }
    if (x11 && wayland)
        return noXOrWaylandDisplay(started.xDisplay, waylandDisplay());
    if (wayland)
        return noWaylandDisplay(waylandDisplay());
    return noXDisplay(started);
}

// The platform that gave up with a message of its own: the one Qt runs on, or, while it is
// made, the first one tried that Qt did not report as missing or failed.
QByteArray failingPlatform()
{
    const QByteArray platform = QGuiApplication::platformName().toLocal8Bit();
    if (!platform.isEmpty())
        return platform;
    const QByteArrayList entries = started.platforms.split(';');
    for (const QByteArray &entry : entries) {
        const QString quoted = QStringLiteral("\"%1\"").arg(q(platformOf(entry)));
        if (!qtSaid(QStringLiteral("Could not find the Qt platform plugin ") + quoted) &&
            !qtSaid(QStringLiteral("Could not load the Qt platform plugin ") + quoted))
            return platformOf(entry);
    }
    return platformOf(entries.constFirst());
}

// Ends the program with `line` instead of Qt's abort (and its core file). Qt's messages,
// and what was written straight to the standard error, go before it where they are the
// reason, or where the user asked for Qt's diagnostics.
[[noreturn]] void fail(const QString &line, bool showQt)
{
    showQt = showQt || qEnvironmentVariableIsSet("QT_DEBUG_PLUGINS") ||
             qEnvironmentVariableIsSet("QT_LOGGING_RULES");
    releaseOutput(showQt);
    if (showQt) {
        const std::lock_guard<std::mutex> lock(heldMutex);
        for (const HeldMessage &held : heldMessages)
            print(held);
    }
    std::fprintf(stderr, "quoriam: %s\n", line.toLocal8Bit().constData());
    std::fflush(stderr);
    // The application object is half built: leave without running any destructor.
    std::_Exit(1);
}

// Passes the held messages, then `last` if given, to the handler from before the start.
void passOn(const HeldMessage *last = nullptr)
{
    std::vector<HeldMessage> held;
    {
        const std::lock_guard<std::mutex> lock(heldMutex);
        held.swap(heldMessages);
    }
    if (last)
        held.push_back(*last);
    for (const HeldMessage &message : held)
        handlerBeforeStart(message.type, contextOf(message), message.text);
}

// Holds no more: what was written and logged goes where it would have gone.
void passOnAll()
{
    qInstallMessageHandler(handlerBeforeStart);
    releaseOutput(true);
    passOn();
}

void holdStartupMessage(QtMsgType type, const QMessageLogContext &context, const QString &text)
{
    const HeldMessage message{type,
                              QByteArray(context.file),
                              QByteArray(context.function),
                              QByteArray(context.category),
                              context.line,
                              text};
    if (type == QtFatalMsg) {
        // Qt's message that no platform could start (which lists those installed); any
        // other is a platform's own reason for giving up, while it is made or after.
        if (QGuiApplication::platformName().isEmpty() &&
            text.contains(QStringLiteral("no Qt platform plugin could be initialized"))) {
            bool showQt = false;
            const QString line = whyNoPlatform(text, showQt);
            if (showQt) {
                const std::lock_guard<std::mutex> lock(heldMutex);
                heldMessages.push_back(message);
            }
            fail(line, showQt);
        }
        QString reason = text.trimmed();
        while (reason.endsWith(u'.') || reason.endsWith(u'!'))
            reason.chop(1);
        fail(platformFailedBecause(failingPlatform(), reason), false);
    }
    const std::lock_guard<std::mutex> lock(heldMutex);
    heldMessages.push_back(message);
}

} // namespace

StartupMessages::StartupMessages(const PlatformChoice &choice)
{
    started = choice;
    holdOutput();
    handlerBeforeStart = qInstallMessageHandler(holdStartupMessage);
}

StartupMessages::~StartupMessages()
{
    if (!released_)
        passOnAll();
}

void StartupMessages::release()
{
    if (released_)
        return;
    released_ = true;
    // A platform that started without a screen (linuxfb without a framebuffer) would
    // abort at the first window.
    if (!QGuiApplication::primaryScreen())
        fail(noScreen(QGuiApplication::platformName().toLocal8Bit()), false);
    passOnAll();
}

} // namespace vb
