// Asking the X11 window manager for a window's frame over an X connection of our own.
#include "platform/X11Frame.h"

#include <QAbstractNativeEventFilter>
#include <QCoreApplication>
#include <QWidget>
#include <QWindow>

#include <xcb/xcb.h>

#include <poll.h>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstdlib>
#include <memory>
#include <string_view>
#include <vector>

namespace vb {

namespace {

// How long a window manager that offers the request may take to answer it. Some offer it
// but answer only for windows they already manage, which are shown: such a window manager
// is not asked again.
constexpr std::chrono::milliseconds answerTime{500};
bool leftUnanswered = false;

struct FreeReply
{
    void operator()(void *reply) const { std::free(reply); }
};
template <typename T> using Reply = std::unique_ptr<T, FreeReply>;

struct Disconnect
{
    void operator()(xcb_connection_t *connection) const { xcb_disconnect(connection); }
};

xcb_intern_atom_cookie_t internAtom(xcb_connection_t *connection, std::string_view name)
{
    return xcb_intern_atom(connection, 0, static_cast<std::uint16_t>(name.size()), name.data());
}

xcb_atom_t atom(xcb_connection_t *connection, xcb_intern_atom_cookie_t cookie)
{
    const Reply<xcb_intern_atom_reply_t> reply(xcb_intern_atom_reply(connection, cookie, nullptr));
    return reply ? reply->atom : xcb_atom_t(XCB_ATOM_NONE);
}

// Whether the window manager lists `feature` in the root window's _NET_SUPPORTED.
bool offers(xcb_connection_t *connection, xcb_window_t root, xcb_atom_t supported,
            xcb_atom_t feature)
{
    const Reply<xcb_get_property_reply_t> reply(xcb_get_property_reply(
        connection, xcb_get_property(connection, 0, root, supported, XCB_ATOM_ATOM, 0, 4096),
        nullptr));
    if (!reply || reply->format != 32)
        return false;
    const auto *atoms = static_cast<const xcb_atom_t *>(xcb_get_property_value(reply.get()));
    const auto *end = atoms + xcb_get_property_value_length(reply.get()) / 4;
    return std::find(atoms, end, feature) != end;
}

// Waits, until the deadline at most, for the property to be set on the window.
bool waitForProperty(xcb_connection_t *connection, xcb_window_t window, xcb_atom_t property,
                     std::chrono::steady_clock::time_point deadline)
{
    using Clock = std::chrono::steady_clock;
    pollfd readable{xcb_get_file_descriptor(connection), POLLIN, 0};
    for (;;) {
        while (const Reply<xcb_generic_event_t> event{xcb_poll_for_event(connection)}) {
            if ((event->response_type & 0x7F) != XCB_PROPERTY_NOTIFY)
                continue;
            const auto *notify = reinterpret_cast<const xcb_property_notify_event_t *>(event.get());
            if (notify->window == window && notify->atom == property &&
                notify->state == XCB_PROPERTY_NEW_VALUE)
                return true;
        }
        if (xcb_connection_has_error(connection))
            return false;
        const auto left =
            std::chrono::ceil<std::chrono::milliseconds>(deadline - Clock::now()).count();
        if (left <= 0)
            return false;
        if (poll(&readable, 1, static_cast<int>(left)) < 0 && errno != EINTR)
            return false;
    }
}

// The window's _NET_FRAME_EXTENTS, as left, top, right, bottom.
std::optional<QMargins> frameExtents(xcb_connection_t *connection, xcb_window_t window,
                                     xcb_atom_t extents)
{
    const Reply<xcb_get_property_reply_t> reply(xcb_get_property_reply(
        connection, xcb_get_property(connection, 0, window, extents, XCB_ATOM_CARDINAL, 0, 4),
        nullptr));
    if (!reply || reply->format != 32 || xcb_get_property_value_length(reply.get()) != 16)
        return std::nullopt;
    const auto *sides = static_cast<const std::uint32_t *>(xcb_get_property_value(reply.get()));
    return QMargins(static_cast<int>(sides[0]), static_cast<int>(sides[2]),
                    static_cast<int>(sides[1]), static_cast<int>(sides[3]));
}

} // namespace

struct X11FrameQuestion::Connection : std::unique_ptr<xcb_connection_t, Disconnect>
{
    using unique_ptr::unique_ptr;
};

X11FrameQuestion::X11FrameQuestion(xcb_connection_t *connection, std::uint32_t window)
    : window_(window), deadline_(std::chrono::steady_clock::now() + answerTime)
{
    if (leftUnanswered)
        return;
    // The answer comes as an event. The toolkit reads the events of its own connection,
    // so the question goes over a connection of ours, which must see the window: a round
    // trip on the toolkit's connection has the server create it first.
    std::free(xcb_get_input_focus_reply(connection, xcb_get_input_focus(connection), nullptr));
    own_ = std::make_unique<Connection>(xcb_connect(nullptr, nullptr));
    xcb_connection_t *const c = own_->get();
    if (xcb_connection_has_error(c))
        return;

    const auto supportedCookie = internAtom(c, "_NET_SUPPORTED");
    const auto requestCookie = internAtom(c, "_NET_REQUEST_FRAME_EXTENTS");
    const auto extentsCookie = internAtom(c, "_NET_FRAME_EXTENTS");
    const Reply<xcb_get_geometry_reply_t> geometry(
        xcb_get_geometry_reply(c, xcb_get_geometry(c, window), nullptr));
    const xcb_atom_t supported = atom(c, supportedCookie);
    const xcb_atom_t request = atom(c, requestCookie);
    extents_ = atom(c, extentsCookie);
    if (!geometry) // not a window of the server behind DISPLAY
        return;
    const xcb_window_t root = geometry->root;

    // A window manager is the client that redirects the requests of the root's children.
    const Reply<xcb_get_window_attributes_reply_t> rootAttributes(
        xcb_get_window_attributes_reply(c, xcb_get_window_attributes(c, root), nullptr));
    if (!rootAttributes)
        return;
    if (!(rootAttributes->all_event_masks & XCB_EVENT_MASK_SUBSTRUCTURE_REDIRECT)) {
        state_ = NoWindowManager;
        return;
    }
    if (!offers(c, root, supported, request))
        return;

    // Watch the window's properties first, then ask: the answer is _NET_FRAME_EXTENTS
    // set on the window.
    const std::uint32_t propertyChanges = XCB_EVENT_MASK_PROPERTY_CHANGE;
    xcb_change_window_attributes(c, window, XCB_CW_EVENT_MASK, &propertyChanges);
    xcb_client_message_event_t message{};
    message.response_type = XCB_CLIENT_MESSAGE;
    message.format = 32;
    message.window = window;
    message.type = request;
    xcb_send_event(c, 0, root,
                   XCB_EVENT_MASK_SUBSTRUCTURE_REDIRECT | XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY,
                   reinterpret_cast<const char *>(&message));
    xcb_flush(c);
    state_ = Asked;
}

X11FrameQuestion::~X11FrameQuestion() = default;

std::optional<QMargins> X11FrameQuestion::answer()
{
    if (state_ == NoWindowManager)
        return QMargins();
    if (state_ != Asked)
        return std::nullopt;
    state_ = Unanswerable; // one answer
    xcb_connection_t *const c = own_->get();
    if (!waitForProperty(c, window_, extents_, deadline_)) {
        leftUnanswered = true;
        return std::nullopt;
    }
    return frameExtents(c, window_, extents_);
}

// Reads the toolkit's X events before the toolkit does, for the frames of watched windows.
class X11FrameWatch::Filter : public QAbstractNativeEventFilter
{
public:
    static Filter &instance()
    {
        static Filter *filter = new Filter; // lives as long as the application
        return *filter;
    }
    void watch(xcb_connection_t *connection, const QWidget &window, Framed framed)
    {
        if (!connection_) {
            connection_ = connection;
            extents_ = atom(connection, internAtom(connection, "_NET_FRAME_EXTENTS"));
            QCoreApplication::instance()->installNativeEventFilter(this);
        }
        watched_.push_back({&window, std::move(framed)});
    }
    void forget(const QWidget &window)
    {
        watched_.erase(std::remove_if(watched_.begin(), watched_.end(),
                                      [&](const Watched &w) { return w.window == &window; }),
                       watched_.end());
    }

    bool nativeEventFilter(const QByteArray &type, void *message, qintptr *) override
    {
        if (type != "xcb_generic_event_t")
            return false;
        const auto *event = static_cast<const xcb_generic_event_t *>(message);
        if ((event->response_type & 0x7F) != XCB_PROPERTY_NOTIFY)
            return false;
        const auto *notify = reinterpret_cast<const xcb_property_notify_event_t *>(event);
        if (notify->atom != extents_ || notify->state != XCB_PROPERTY_NEW_VALUE)
            return false;
        const auto it = std::find_if(watched_.begin(), watched_.end(), [notify](const Watched &w) {
            const QWindow *handle = w.window->windowHandle();
            return handle && handle->winId() == notify->window;
        });
        if (it == watched_.end())
            return false;
        if (const std::optional<QMargins> frame =
                frameExtents(connection_, notify->window, extents_)) {
            const Framed framed = it->framed; // the call may end the watch
            framed(*frame);
        }
        return false; // the toolkit reads the change too
    }

private:
    xcb_connection_t *connection_ = nullptr;
    xcb_atom_t extents_ = XCB_ATOM_NONE;
    struct Watched
    {
        const QWidget *window;
        Framed framed;
    };
    std::vector<Watched> watched_;
};

X11FrameWatch::X11FrameWatch(xcb_connection_t *toolkitConnection, const QWidget &window,
                             Framed framed)
    : window_(window)
{
    Filter::instance().watch(toolkitConnection, window, std::move(framed));
}

X11FrameWatch::~X11FrameWatch()
{
    Filter::instance().forget(window_);
}

} // namespace vb
