#include "platform/StartupMessages.h"

#include <QGuiApplication>
#include <QStringList>

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

// How the platforms Qt tried reach their displays, and what to do, e.g.
// `the X display ":97"; start it in a desktop session, ...`.
QString platformsTried()
{
    QByteArray platforms = qgetenv("QT_QPA_PLATFORM");
    if (platforms.isEmpty()) { // Qt's own choice, made without DISPLAY (see choosePlatform)
        const bool wayland = qEnvironmentVariableIsSet("WAYLAND_DISPLAY") ||
                             qgetenv("XDG_SESSION_TYPE") == "wayland";
        platforms = wayland ? "wayland;xcb" : "xcb";
    }
    const auto unknownPlatform = [](const QByteArray &name) {
        return QStringLiteral("the Qt platform \"%1\" named by QT_QPA_PLATFORM; unset "
                              "QT_QPA_PLATFORM or set it to xcb (X11) or wayland")
            .arg(QString::fromLocal8Bit(name));
    };
    QStringList tried;
    bool x11 = false;
    for (const QByteArray &entry : platforms.split(';')) {
        const QByteArray name = entry.split(':').constFirst().toLower();
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

// No platform plugin could start: one line instead of Qt's abort (and its core file).
// Qt's own reasons are shown too when the user asked for its diagnostics.
[[noreturn]] void failWithoutPlatform()
{
    if (qEnvironmentVariableIsSet("QT_DEBUG_PLUGINS") ||
        qEnvironmentVariableIsSet("QT_LOGGING_RULES")) {
        const std::lock_guard<std::mutex> lock(heldMutex);
        for (const HeldMessage &held : heldMessages) {
            const QString line = qFormatLogMessage(held.type, contextOf(held), held.text);
            std::fprintf(stderr, "%s\n", line.toLocal8Bit().constData());
        }
    }
    std::fprintf(stderr, "quoriam: cannot start on %s.\n",
                 platformsTried().toLocal8Bit().constData());
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
            failWithoutPlatform();
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
