#include "xwindowmanager.h"

#include <QGuiApplication>
#include <QWindow>

#include <QtGui/qguiapplication_platform.h>

#include <xcb/xcb.h>

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

void setStartupId(QWindow &window, const QByteArray &startupId)
{
    xcb_connection_t *connection = xConnection();
    if (connection == nullptr || startupId.isEmpty()) {
        return;
    }
    xcb_change_property(connection,
                        XCB_PROP_MODE_REPLACE,
                        xcb_window_t(window.winId()),
                        atom(connection, "_NET_STARTUP_ID"),
                        atom(connection, "UTF8_STRING"),
                        8,
                        uint32_t(startupId.size()),
                        startupId.constData());
    xcb_flush(connection);
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

} // namespace pondrel
