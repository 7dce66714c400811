// Asking the X11 window manager for a window's frame over an X connection of our own.
#include "platform/X11Frame.h"

#include <xcb/xcb.h>

#include <poll.h>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstdlib>
#include <memory>
#include <string_view>

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
    const Reply<xcb_get_property_reply_t> reply(xcb_get_property_reply(
        c, xcb_get_property(c, 0, window_, extents_, XCB_ATOM_CARDINAL, 0, 4), nullptr));
    if (!reply || reply->format != 32 || xcb_get_property_value_length(reply.get()) != 16)
        return std::nullopt;
    // Left, right, top, bottom.
    const auto *sides = static_cast<const std::uint32_t *>(xcb_get_property_value(reply.get()));
    return QMargins(static_cast<int>(sides[0]), static_cast<int>(sides[2]),
                    static_cast<int>(sides[1]), static_cast<int>(sides[3]));
}

} // namespace vb
