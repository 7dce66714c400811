// The frame a window is going to get, and centring it with its frame on the work area.
#include "platform/Placement.h"

#include <QApplication>
#include <QGuiApplication>
#include <QScreen>
#include <QWidget>
#include <QWindow>

#if QT_CONFIG(xcb)
#include "platform/X11Frame.h"
#endif

namespace vb {

namespace {

#if QT_CONFIG(xcb)
// The frame seen around another of the program's windows, shown now or before: the best
// guess for a window manager that does not tell in advance.
QMargins frameOfAnotherWindow(const QWidget &window)
{
    for (const QWidget *other : QApplication::topLevelWidgets()) {
        const QRect outer = other->frameGeometry(), inner = other->geometry();
        if (other != &window && outer != inner)
            return QMargins(inner.left() - outer.left(), inner.top() - outer.top(),
                            outer.right() - inner.right(), outer.bottom() - inner.bottom());
    }
    return QMargins();
}

// The question about a window's frame, asked when the window was built, kept with it.
class FrameQuestion : public QObject
{
    Q_OBJECT
public:
    FrameQuestion(QWidget &window, xcb_connection_t *connection)
        : QObject(&window), question(connection, static_cast<std::uint32_t>(window.winId()))
    {
    }
    X11FrameQuestion question;
};

// The X11 connection, where the program runs on X11 (the interface is offered on other
// platforms too, such as offscreen, without X windows).
xcb_connection_t *x11Connection()
{
    const auto *x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    if (!x11 || !x11->connection() || QGuiApplication::platformName() != QLatin1String("xcb"))
        return nullptr;
    return x11->connection();
}
#endif

// The frame the window is going to get, in the window's own pixels.
QMargins expectedFrame(QWidget &window)
{
    window.winId(); // the native window, which the window system is to frame
#if QT_CONFIG(xcb)
    if (x11Connection()) {
        auto *asked = window.findChild<FrameQuestion *>(QString(), Qt::FindDirectChildrenOnly);
        const std::optional<QMargins> extents =
            asked ? asked->question.answer()
                  : X11FrameQuestion(x11Connection(), static_cast<std::uint32_t>(window.winId()))
                        .answer();
        delete asked;
        if (!extents)
            return frameOfAnotherWindow(window);
        const qreal ratio = window.devicePixelRatioF();
        return QMargins(qRound(extents->left() / ratio), qRound(extents->top() / ratio),
                        qRound(extents->right() / ratio), qRound(extents->bottom() / ratio));
    }
#endif
    // Elsewhere the window system knows the frame of a window it has created.
    const QWindow *handle = window.windowHandle();
    return handle ? handle->frameMargins() : QMargins();
}

} // namespace

void askForFrame(QWidget &window)
{
#if QT_CONFIG(xcb)
    if (xcb_connection_t *connection = x11Connection())
        new FrameQuestion(window, connection);
#else
    Q_UNUSED(window);
#endif
}

void centreOnWorkArea(QWidget &window)
{
    const QScreen *screen = QGuiApplication::primaryScreen();
    if (!screen)
        return;
    const QMargins frame = expectedFrame(window);
    const QRect area = screen->availableGeometry();
    const QSize outer = window.size().grownBy(frame);
    const QPoint corner = area.topLeft() + QPoint((area.width() - outer.width()) / 2,
                                                  (area.height() - outer.height()) / 2);
    // The position of the window itself, without the frame: the window manager keeps it
    // (Qt asks for static gravity) and puts the frame around it.
    window.setGeometry(QRect(corner + QPoint(frame.left(), frame.top()), window.size()));
}

} // namespace vb

#if QT_CONFIG(xcb)
#include "Placement.moc"
#endif
