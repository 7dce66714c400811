// The frame a window is going to get, and centring it with its frame on the work area.
#include "platform/Placement.h"

#include <QApplication>
#include <QEvent>
#include <QGuiApplication>
#include <QPointer>
#include <QScreen>
#include <QWidget>
#include <QWindow>

#include <algorithm>

#if QT_CONFIG(xcb)
#include "platform/X11Frame.h"
#endif

namespace vb {

namespace {

// A frame, and whether the window system told it (or guessed from another window).
struct Frame
{
    QMargins margins;
    bool told = true;
};

QRect workArea()
{
    const QScreen *screen = QGuiApplication::primaryScreen();
    return screen ? screen->availableGeometry() : QRect();
}

// Where the window itself goes so that, with `frame` around it, it is centred on `target`
// and, where it fits, inside `area`.
QPoint centredPosition(const QSize &size, const QMargins &frame, const QRect &target,
                       const QRect &area)
{
    const QSize outer = size.grownBy(frame);
    QPoint corner = target.topLeft() + QPoint((target.width() - outer.width()) / 2,
                                              (target.height() - outer.height()) / 2);
    if (outer.width() <= area.width())
        corner.setX(std::clamp(corner.x(), area.left(), area.right() + 1 - outer.width()));
    if (outer.height() <= area.height())
        corner.setY(std::clamp(corner.y(), area.top(), area.bottom() + 1 - outer.height()));
    // The position of the window itself, without the frame: the window manager keeps it
    // (Qt asks for static gravity) and puts the frame around it.
    return corner + QPoint(frame.left(), frame.top());
}

#if QT_CONFIG(xcb)
// A frame in the server's pixels, in the window's own.
QMargins logical(const QMargins &frame, const QWidget &window)
{
    const qreal ratio = window.devicePixelRatioF();
    return QMargins(qRound(frame.left() / ratio), qRound(frame.top() / ratio),
                    qRound(frame.right() / ratio), qRound(frame.bottom() / ratio));
}

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

// Centres a window placed with a guessed frame again once the window manager has put its
// real frame on, for as long as the window is shown where it was put: a window manager or
// user who moved it elsewhere has the last word.
class Recentring : public QObject
{
    Q_OBJECT
public:
    Recentring(QWidget &window, xcb_connection_t *connection, const QRect &target,
               const QMargins &guess)
        : QObject(&window), window_(window), target_(target), frame_(guess),
          watch_(connection, window, [this](const QMargins &frame) { framed(frame); })
    {
        window.installEventFilter(this);
    }

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::Hide)
            if (event->type() == QEvent::Hide)
                deleteLater();
        return false;
    }

private:
    void framed(const QMargins &serverFrame)
    {
        const QMargins frame = logical(serverFrame, window_);
        if (frame == frame_)
            return;
        const QPoint placed = centredPosition(window_.size(), frame_, target_, workArea());
        if (window_.geometry().topLeft() != placed) {
            deleteLater();
            return;
        }
        frame_ = frame;
        window_.setGeometry(
            QRect(centredPosition(window_.size(), frame, target_, workArea()), window_.size()));
    }

    QWidget &window_;
    const QRect target_;
    QMargins frame_;
    X11FrameWatch watch_;
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
Frame expectedFrame(QWidget &window)
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
            return Frame{frameOfAnotherWindow(window), false};
        return Frame{logical(*extents, window)};
    }
#endif
    // Elsewhere the window system knows the frame of a window it has created.
    const QWindow *handle = window.windowHandle();
    return Frame{handle ? handle->frameMargins() : QMargins()};
}

void centre(QWidget &window, const QRect &target)
{
    if (!QGuiApplication::primaryScreen())
        return;
    const Frame frame = expectedFrame(window);
    window.setGeometry(
        QRect(centredPosition(window.size(), frame.margins, target, workArea()), window.size()));
#if QT_CONFIG(xcb)
    if (!frame.told)
        new Recentring(window, x11Connection(), target, frame.margins);
#endif
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
    centre(window, workArea());
}

void centreOnOwner(QWidget &window, const QWidget *owner)
{
    centre(window, owner && owner->isVisible() ? owner->frameGeometry() : workArea());
}

} // namespace vb

#if QT_CONFIG(xcb)
#include "Placement.moc"
#endif
