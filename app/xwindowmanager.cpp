#include "xwindowmanager.h"

#include <QCoreApplication>
#include <QCursor>
#include <QGuiApplication>
#include <QWindow>

#include <QtGui/qguiapplication_platform.h>

#include <xcb/xcb.h>
#include <xcb/xinput.h>

#include <cstdlib>
#include <cstring>
#include <memory>

namespace pondrel {

namespace {

xcb_connection_t *xConnection()
{
    if (QGuiApplication::platformName() != QLatin1String("xcb")) {
        return nullptr;
    }
    const auto *x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    return x11 != nullptr ? x11->connection() : nullptr;
}

xcb_atom_t atom(xcb_connection_t *connection, const char *name)
{
    const std::unique_ptr<xcb_intern_atom_reply_t, decltype(&std::free)> reply(
        xcb_intern_atom_reply(
            connection, xcb_intern_atom(connection, 0, uint16_t(qstrlen(name)), name), nullptr),
        &std::free);
    return reply ? reply->atom : xcb_atom_t(XCB_ATOM_NONE);
}

// The bytes of `property` on `window`, empty when it has none.
QByteArray
property(xcb_connection_t *connection, xcb_window_t window, xcb_atom_t property, xcb_atom_t type)
{
    const std::unique_ptr<xcb_get_property_reply_t, decltype(&std::free)> reply(
        xcb_get_property_reply(
            connection, xcb_get_property(connection, 0, window, property, type, 0, 1024), nullptr),
        &std::free);
    if (!reply) {
        return {};
    }
    return {static_cast<const char *>(xcb_get_property_value(reply.get())),
            xcb_get_property_value_length(reply.get())};
}

} // namespace

QString xWindowManagerName()
{
    xcb_connection_t *connection = xConnection();
    if (connection == nullptr) {
        return {};
    }
    const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(connection)).data->root;
    const QByteArray check =
        property(connection, root, atom(connection, "_NET_SUPPORTING_WM_CHECK"), XCB_ATOM_WINDOW);
    if (check.size() < int(sizeof(xcb_window_t))) {
        return {};
    }
    xcb_window_t wmWindow = 0;
    std::memcpy(&wmWindow, check.constData(), sizeof wmWindow);
    return QString::fromUtf8(property(
        connection, wmWindow, atom(connection, "_NET_WM_NAME"), atom(connection, "UTF8_STRING")));
}

namespace {

void setTextProperty(QWindow &window, const char *name, const char *type, const QByteArray &text)
{
    xcb_connection_t *connection = xConnection();
    if (connection == nullptr || text.isEmpty()) {
        return;
    }
    xcb_change_property(connection,
                        XCB_PROP_MODE_REPLACE,
                        xcb_window_t(window.winId()),
                        atom(connection, name),
                        atom(connection, type),
                        8,
                        uint32_t(text.size()),
                        text.constData());
    xcb_flush(connection);
}

} // namespace

void setStartupId(QWindow &window, const QByteArray &startupId)
{
    setTextProperty(window, "_NET_STARTUP_ID", "UTF8_STRING", startupId);
}

void setWindowRole(QWindow &window, const QByteArray &role)
{
    setTextProperty(window, "WM_WINDOW_ROLE", "STRING", role);
}

void keepOffTaskbar(QWindow &window)
{
    xcb_connection_t *connection = xConnection();
    if (connection == nullptr) {
        return;
    }
    const xcb_atom_t states[] = {atom(connection, "_NET_WM_STATE_SKIP_TASKBAR"),
                                 atom(connection, "_NET_WM_STATE_SKIP_PAGER")};
    xcb_change_property(connection,
                        XCB_PROP_MODE_REPLACE,
                        xcb_window_t(window.winId()),
                        atom(connection, "_NET_WM_STATE"),
                        XCB_ATOM_ATOM,
                        32,
                        2,
                        states);
    xcb_flush(connection);
}

void setWindowType(QWindow &window, const char *type)
{
    xcb_connection_t *connection = xConnection();
    if (connection == nullptr) {
        return;
    }
    const xcb_atom_t types[] = {atom(connection, type)};
    xcb_change_property(connection,
                        XCB_PROP_MODE_REPLACE,
                        xcb_window_t(window.winId()),
                        atom(connection, "_NET_WM_WINDOW_TYPE"),
                        XCB_ATOM_ATOM,
                        32,
                        1,
                        types);
    xcb_flush(connection);
}

void activateAsPager(QWindow &window)
{
    xcb_connection_t *connection = xConnection();
    if (connection == nullptr) {
        return;
    }
    constexpr uint32_t kSourcePager = 2;
    xcb_client_message_event_t event{};
    event.response_type = XCB_CLIENT_MESSAGE;
    event.format = 32;
    event.window = xcb_window_t(window.winId());
    event.type = atom(connection, "_NET_ACTIVE_WINDOW");
    event.data.data32[0] = kSourcePager;
    event.data.data32[1] = XCB_CURRENT_TIME;
    xcb_send_event(connection,
                   0,
                   xcb_setup_roots_iterator(xcb_get_setup(connection)).data->root,
                   XCB_EVENT_MASK_SUBSTRUCTURE_REDIRECT | XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY,
                   reinterpret_cast<const char *>(&event));
    xcb_flush(connection);
}

bool takeInputFocus(QWindow &window)
{
    xcb_connection_t *connection = xConnection();
    if (connection == nullptr) {
        return false;
    }
    // At the current time, not at the time of the last event Qt saw, which
    // is older than the last focus change after a start from outside
    // (--toggle from a keyboard shortcut), and X ignores such a request.
    const std::unique_ptr<xcb_generic_error_t, decltype(&std::free)> error(
        xcb_request_check(connection,
                          xcb_set_input_focus_checked(connection,
                                                      XCB_INPUT_FOCUS_POINTER_ROOT,
                                                      xcb_window_t(window.winId()),
                                                      XCB_CURRENT_TIME)),
        &std::free);
    return !error;
}

bool isActiveForWindowManager(const QWindow &window)
{
    xcb_connection_t *connection = xConnection();
    if (connection == nullptr) {
        return true;
    }
    const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(connection)).data->root;
    const QByteArray active =
        property(connection, root, atom(connection, "_NET_ACTIVE_WINDOW"), XCB_ATOM_WINDOW);
    xcb_window_t activeWindow = XCB_WINDOW_NONE;
    if (active.size() >= int(sizeof activeWindow)) {
        std::memcpy(&activeWindow, active.constData(), sizeof activeWindow);
    }
    return activeWindow == xcb_window_t(window.winId());
}

bool underXWayland()
{
    return QGuiApplication::platformName() == QLatin1String("xcb") &&
           qEnvironmentVariableIsSet("WAYLAND_DISPLAY");
}

XPressWatcher::XPressWatcher(QObject *parent) : QObject(parent) {}

XPressWatcher::~XPressWatcher()
{
    stop();
}

bool XPressWatcher::start()
{
    if (m_watching) {
        return true;
    }
    if (!select(true)) {
        return false;
    }
    QCoreApplication::instance()->installNativeEventFilter(this);
    m_watching = true;
    return true;
}

void XPressWatcher::stop()
{
    if (!m_watching) {
        return;
    }
    m_watching = false;
    QCoreApplication::instance()->removeNativeEventFilter(this);
    select(false);
}

bool XPressWatcher::select(bool watch)
{
    xcb_connection_t *connection = xConnection();
    if (connection == nullptr) {
        return false;
    }
    // Qt's own connection has asked for XInput 2.2 or later already, which
    // is what makes the server send raw events past other clients' grabs;
    // asking for a version again on the same connection is an error.
    const xcb_query_extension_reply_t *extension =
        xcb_get_extension_data(connection, &xcb_input_id);
    if (extension == nullptr || !extension->present) {
        return false;
    }
    m_inputOpcode = extension->major_opcode;
    struct
    {
        xcb_input_event_mask_t header;
        uint32_t mask;
    } mask{{XCB_INPUT_DEVICE_ALL_MASTER, 1},
           watch ? uint32_t(XCB_INPUT_XI_EVENT_MASK_RAW_BUTTON_PRESS) : 0u};
    const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(connection)).data->root;
    const std::unique_ptr<xcb_generic_error_t, decltype(&std::free)> error(
        xcb_request_check(connection,
                          xcb_input_xi_select_events_checked(connection, root, 1, &mask.header)),
        &std::free);
    return !error;
}

bool XPressWatcher::nativeEventFilter(const QByteArray &eventType,
                                      void *message,
                                      qintptr * /*result*/)
{
    if (eventType != "xcb_generic_event_t") {
        return false;
    }
    const auto *event = static_cast<const xcb_ge_generic_event_t *>(message);
    if ((event->response_type & 0x7f) != XCB_GE_GENERIC || event->extension != m_inputOpcode ||
        event->event_type != XCB_INPUT_RAW_BUTTON_PRESS) {
        return false;
    }
    const auto *press = static_cast<const xcb_input_raw_button_press_event_t *>(message);
    // The wheel's buttons.
    constexpr uint32_t kFirstScrollButton = 4;
    constexpr uint32_t kLastScrollButton = 7;
    if (press->detail >= kFirstScrollButton && press->detail <= kLastScrollButton) {
        return false;
    }
    // A raw event tells no place: the pointer is still where it was
    // pressed, a round trip later.
    emit pressed(QCursor::pos());
    return false;
}

XFocusLossWatcher::XFocusLossWatcher(const QWindow &window) : m_window(window)
{
    if (xConnection() != nullptr) {
        QCoreApplication::instance()->installNativeEventFilter(this);
    }
}

XFocusLossWatcher::~XFocusLossWatcher() = default;

bool XFocusLossWatcher::nativeEventFilter(const QByteArray &eventType,
                                          void *message,
                                          qintptr * /*result*/)
{
    if (eventType != "xcb_generic_event_t") {
        return false;
    }
    const auto *event = static_cast<const xcb_focus_out_event_t *>(message);
    if ((event->response_type & 0x7f) == XCB_FOCUS_OUT && event->mode == XCB_NOTIFY_MODE_NORMAL &&
        event->detail != XCB_NOTIFY_DETAIL_INFERIOR && event->detail != XCB_NOTIFY_DETAIL_POINTER &&
        m_window.handle() != nullptr && event->event == xcb_window_t(m_window.winId())) {
        emit focusLost();
    }
    return false;
}

} // namespace pondrel
