#pragma once

#include <QByteArray>
#include <QString>

class QWindow;

namespace pondrel {

// What the panel needs to know of, and tell, the X window manager. Every
// call does nothing (or answers empty) off X, so other platforms need no
// code of their own here.

// The name the running X window manager gives itself (_NET_WM_NAME of the
// _NET_SUPPORTING_WM_CHECK window): "GNOME Shell", "KWin", "Openbox",
// "wlroots wm"; empty off X or without a window manager.
QString xWindowManagerName();

// Whether the app is an X client of a Wayland compositor (XWayland).
bool underXWayland();

// Puts `startupId` (a host's activation token) on the window as its
// _NET_STARTUP_ID before it is mapped, so that a compositor that handed out
// the token lets the window take the focus as the clicked app's own.
void setStartupId(QWindow &window, const QByteArray &startupId);

// Asks the window manager to leave the window out of taskbars, pagers and
// window switchers (_NET_WM_STATE_SKIP_TASKBAR and _SKIP_PAGER), before it
// is mapped; Qt keeps these when it adds its own states at mapping.
void keepOffTaskbar(QWindow &window);

// Whether the window manager holds `window` active (_NET_ACTIVE_WINDOW on
// the root), which is where the keyboard goes. Qt's own idea can differ:
// under XWayland, X's input focus can move on without a word to Qt. True
// off X, where there is nothing to ask.
bool isActiveForWindowManager(const QWindow &window);

} // namespace pondrel
