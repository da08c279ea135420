#include "x11clipboard.h"

#include <QDeadlineTimer>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <thread>

#include <poll.h>
#include <xcb/xcb.h>

namespace pondrel {

namespace {

struct FreeReply
{
    void operator()(void *reply) const { std::free(reply); }
};
template <typename T> using Reply = std::unique_ptr<T, FreeReply>;

struct Disconnect
{
    void operator()(xcb_connection_t *connection) const { xcb_disconnect(connection); }
};

xcb_atom_t intern(xcb_connection_t *connection, const char *name)
{
    const Reply<xcb_intern_atom_reply_t> reply(xcb_intern_atom_reply(
        connection,
        xcb_intern_atom(connection, 0, static_cast<std::uint16_t>(std::strlen(name)), name),
        nullptr));
    return reply ? reply->atom : xcb_atom_t(XCB_ATOM_NONE);
}

// The next event of the given type, skipping others; nothing once the
// deadline passes or the connection breaks.
Reply<xcb_generic_event_t>
waitForEvent(xcb_connection_t *connection, std::uint8_t type, const QDeadlineTimer &deadline)
{
    for (;;) {
        while (xcb_generic_event_t *event = xcb_poll_for_event(connection)) {
            Reply<xcb_generic_event_t> owned(event);
            if ((event->response_type & 0x7F) == type) {
                return owned;
            }
        }
        if (xcb_connection_has_error(connection) || deadline.hasExpired()) {
            return nullptr;
        }
        pollfd ready = {xcb_get_file_descriptor(connection), POLLIN, 0};
        const int waited = ::poll(&ready, 1, static_cast<int>(deadline.remainingTime()));
        if (waited < 0 && errno != EINTR) {
            return nullptr;
        }
    }
}

// Reads and deletes the property (X deletes it only when it was read to
// its end, which is what tells an incremental owner to send the next chunk).
Reply<xcb_get_property_reply_t> takeProperty(xcb_connection_t *connection,
                                             xcb_window_t window,
                                             xcb_atom_t property,
                                             std::uint32_t words)
{
    return Reply<xcb_get_property_reply_t>(xcb_get_property_reply(
        connection,
        xcb_get_property(connection, 1, window, property, XCB_GET_PROPERTY_TYPE_ANY, 0, words),
        nullptr));
}

// Lets an incremental owner finish a transfer this process stopped reading:
// deletes each chunk unread until the empty one that ends it. An owner
// whose transfer is dropped half-way can stop answering anyone else (xclip
// does), so the rest is waved through on a thread of its own, costing the
// board's thread nothing and this process no memory.
void drainInBackground(xcb_connection_t *connection,
                       xcb_window_t window,
                       xcb_atom_t property,
                       std::chrono::milliseconds timeout)
{
    std::thread([connection, window, property, timeout] {
        const std::unique_ptr<xcb_connection_t, Disconnect> owned(connection);
        xcb_delete_property(connection, window, property);
        xcb_flush(connection);
        while (const Reply<xcb_generic_event_t> changed =
                   waitForEvent(connection, XCB_PROPERTY_NOTIFY, QDeadlineTimer(timeout))) {
            const auto *change = reinterpret_cast<xcb_property_notify_event_t *>(changed.get());
            if (change->atom != property || change->state != XCB_PROPERTY_NEW_VALUE) {
                continue;
            }
            // A read of no words tells the chunk's length without its bytes.
            const Reply<xcb_get_property_reply_t> chunk(xcb_get_property_reply(
                connection,
                xcb_get_property(connection, 0, window, property, XCB_GET_PROPERTY_TYPE_ANY, 0, 0),
                nullptr));
            xcb_delete_property(connection, window, property);
            xcb_flush(connection);
            if (!chunk || chunk->bytes_after == 0) {
                return;
            }
        }
    }).detach();
}

QByteArray valueOf(xcb_get_property_reply_t *reply)
{
    return QByteArray(static_cast<const char *>(xcb_get_property_value(reply)),
                      xcb_get_property_value_length(reply));
}

} // namespace

std::optional<QByteArray> readX11ClipboardText(const QByteArray &display,
                                               qsizetype maxBytes,
                                               std::chrono::milliseconds timeout)
{
    int screenNumber = 0;
    std::unique_ptr<xcb_connection_t, Disconnect> owned(
        xcb_connect(display.isEmpty() ? nullptr : display.constData(), &screenNumber));
    xcb_connection_t *connection = owned.get();
    if (xcb_connection_has_error(connection)) {
        return std::nullopt;
    }
    xcb_screen_iterator_t screen = xcb_setup_roots_iterator(xcb_get_setup(connection));
    for (int i = 0; i < screenNumber && screen.rem > 0; ++i) {
        xcb_screen_next(&screen);
    }
    if (screen.rem == 0) {
        return std::nullopt;
    }
    const xcb_window_t window = xcb_generate_id(connection);
    const std::uint32_t eventMask = XCB_EVENT_MASK_PROPERTY_CHANGE;
    xcb_create_window(connection,
                      XCB_COPY_FROM_PARENT,
                      window,
                      screen.data->root,
                      0,
                      0,
                      1,
                      1,
                      0,
                      XCB_WINDOW_CLASS_INPUT_ONLY,
                      screen.data->root_visual,
                      XCB_CW_EVENT_MASK,
                      &eventMask);
    const xcb_atom_t clipboard = intern(connection, "CLIPBOARD");
    const xcb_atom_t utf8 = intern(connection, "UTF8_STRING");
    const xcb_atom_t incremental = intern(connection, "INCR");
    const xcb_atom_t property = intern(connection, "PONDREL_CLIPBOARD");
    xcb_convert_selection(connection, window, clipboard, utf8, property, XCB_CURRENT_TIME);
    xcb_flush(connection);

    const QDeadlineTimer deadline(timeout);
    const Reply<xcb_generic_event_t> notified =
        waitForEvent(connection, XCB_SELECTION_NOTIFY, deadline);
    if (!notified) {
        return QByteArray();
    }
    if (reinterpret_cast<xcb_selection_notify_event_t *>(notified.get())->property ==
        XCB_ATOM_NONE) {
        return std::nullopt;
    }
    // One word more than needed, so a longer text shows as longer.
    const auto words = static_cast<std::uint32_t>(maxBytes / 4 + 1);
    Reply<xcb_get_property_reply_t> reply = takeProperty(connection, window, property, words);
    if (!reply) {
        return QByteArray();
    }
    QByteArray text;
    if (reply->type != incremental) {
        text = valueOf(reply.get());
    } else {
        xcb_flush(connection);
        for (;;) {
            const Reply<xcb_generic_event_t> changed =
                waitForEvent(connection, XCB_PROPERTY_NOTIFY, deadline);
            if (!changed) {
                break;
            }
            const auto *change = reinterpret_cast<xcb_property_notify_event_t *>(changed.get());
            if (change->atom != property || change->state != XCB_PROPERTY_NEW_VALUE) {
                continue;
            }
            reply = takeProperty(connection, window, property, words);
            if (!reply || xcb_get_property_value_length(reply.get()) == 0) {
                break;
            }
            text += valueOf(reply.get());
            if (text.size() > maxBytes) {
                drainInBackground(owned.release(), window, property, timeout);
                break;
            }
            xcb_flush(connection);
        }
    }
    // Some owners end the text with a NUL, which is no part of it.
    if (text.size() <= maxBytes && text.endsWith('\0')) {
        text.chop(1);
    }
    text.truncate(maxBytes + 1);
    return text;
}

} // namespace pondrel
