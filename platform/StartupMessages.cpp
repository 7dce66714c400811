// Holding Qt's start-up messages, and saying why no platform could start.
#include "platform/StartupMessages.h"

#include "platform/DisplayProbe.h"

#include <QGuiApplication>
#include <QStringList>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <mutex>
#include <vector>

namespace vb {

namespace {

// What Qt logs while the application object starts: held back until it is known whether
// a platform plugin could start, then passed on as it would have been.
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

const char *orNull(const QByteArray &text)
{
    return text.isNull() ? nullptr : text.constData();
}

// The platforms Qt tried, as QT_QPA_PLATFORM lists them: what Startup set, or Qt's own
// choice, made without DISPLAY (see choosePlatform).
QByteArray platformsTried()
{
    const QByteArray platforms = qgetenv("QT_QPA_PLATFORM");
    if (!platforms.isEmpty())
        return platforms;
    const bool wayland =
        qEnvironmentVariableIsSet("WAYLAND_DISPLAY") || qgetenv("XDG_SESSION_TYPE") == "wayland";
    return wayland ? "wayland;xcb" : "xcb";
}

// An entry's platform without its options: "xcb" for "xcb:nograb".
QByteArray platformOf(const QByteArray &entry)
{
    return entry.split(':').constFirst().toLower();
}

// Whether any of the platforms could reach its display: then Qt failed on its own.
bool anyDisplayReachable(const QByteArray &platforms)
{
    const QByteArrayList entries = platforms.split(';');
    return std::any_of(entries.begin(), entries.end(),
                       [](const QByteArray &entry) { return displayReachable(platformOf(entry)); });
}

// How the platforms reach their displays, and what to do, e.g.
// `the X display ":97"; start it in a desktop session, ...`.
QString displaysOf(const QByteArray &platforms)
{
    const auto unknownPlatform = [](const QByteArray &name) {
        return QStringLiteral("the Qt platform \"%1\" named by QT_QPA_PLATFORM; unset "
                              "QT_QPA_PLATFORM or set it to xcb (X11) or wayland")
            .arg(QString::fromLocal8Bit(name));
    };
    QStringList tried;
    bool x11 = false;
    for (const QByteArray &entry : platforms.split(';')) {
        const QByteArray name = platformOf(entry);
        if (name.isEmpty())
            continue;
        if (name == "xcb") {
            x11 = true;
            const QString display = qEnvironmentVariable("DISPLAY");
            tried << (display.isEmpty() ? QStringLiteral("an X display (DISPLAY is not set)")
                                        : QStringLiteral("the X display \"%1\"").arg(display));
        } else if (name.startsWith("wayland")) {
            // Without WAYLAND_DISPLAY, Wayland clients connect to wayland-0.
            const QString display = qEnvironmentVariable("WAYLAND_DISPLAY", "wayland-0");
            tried << QStringLiteral("the Wayland display \"%1\"").arg(display);
        } else {
            return unknownPlatform(entry);
        }
    }
    if (tried.isEmpty())
        return unknownPlatform(platforms);
    return tried.join(QStringLiteral(" or ")) +
           (x11 ? QStringLiteral("; start it in a desktop session, or set DISPLAY to a running "
                                 "X server that this user may use")
                : QStringLiteral("; start it in a desktop session, or set WAYLAND_DISPLAY to a "
                                 "running Wayland compositor"));
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

// No platform plugin could start (`fatal` is Qt's message that says so): a clean end
// instead of Qt's abort (and its core file). Where no display could be reached, one line
// names it and what to do; Qt's own reasons are shown too when the user asked for its
// diagnostics. Where a display could be reached, Qt's plugin is what failed: its messages
// say which plugin and why, and a last line what to do.
[[noreturn]] void failWithoutPlatform(const HeldMessage &fatal)
{
    const QByteArray platforms = platformsTried();
    const bool pluginFailed = anyDisplayReachable(platforms);
    if (pluginFailed || qEnvironmentVariableIsSet("QT_DEBUG_PLUGINS") ||
        qEnvironmentVariableIsSet("QT_LOGGING_RULES")) {
        const std::lock_guard<std::mutex> lock(heldMutex);
        for (const HeldMessage &held : heldMessages)
            print(held);
    }
    if (pluginFailed) {
        print(fatal);
        std::fprintf(stderr, "quoriam: cannot start: Qt's platform plugin could not be loaded; "
                             "reinstall Quoriam, or its Qt libraries.\n");
    } else {
        std::fprintf(stderr, "quoriam: cannot start on %s.\n",
                     displaysOf(platforms).toLocal8Bit().constData());
    }
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

void holdStartupMessage(QtMsgType type, const QMessageLogContext &context, const QString &text)
{
    const HeldMessage message{type,
                              QByteArray(context.file),
                              QByteArray(context.function),
                              QByteArray(context.category),
                              context.line,
                              text};
    if (type == QtFatalMsg) {
        // Without a platform, this is the message Qt sends when no plugin could start.
        if (QGuiApplication::platformName().isEmpty())
            failWithoutPlatform(message);
        passOn(&message); // Qt ends the program next
        return;
    }
    const std::lock_guard<std::mutex> lock(heldMutex);
    heldMessages.push_back(message);
}

} // namespace

StartupMessages::StartupMessages()
{
    handlerBeforeStart = qInstallMessageHandler(holdStartupMessage);
}

StartupMessages::~StartupMessages()
{
    release();
}

void StartupMessages::release()
{
    if (released_)
        return;
    released_ = true;
    qInstallMessageHandler(handlerBeforeStart);
    passOn();
}

} // namespace vb
