#pragma once

#include <QAbstractNativeEventFilter>
#include <QByteArray>
#include <QObject>
#include <QPoint>
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

// Puts `role` on the window as its WM_WINDOW_ROLE before it is mapped, so a
// window manager's rules can tell it from the app's other windows.
void setWindowRole(QWindow &window, const QByteArray &role);

// Asks the window manager to leave the window out of taskbars, pagers and
// window switchers (_NET_WM_STATE_SKIP_TASKBAR and _SKIP_PAGER), before it
// is mapped; Qt keeps these when it adds its own states at mapping.
void keepOffTaskbar(QWindow &window);

// Sets the window's _NET_WM_WINDOW_TYPE to the one atom `type` (such as
// "_NET_WM_WINDOW_TYPE_UTILITY"), after it is created and before it is
// mapped: Qt writes its own type only when the window is created or its
// flags change.
void setWindowType(QWindow &window, const char *type);

// Asks the window manager to make the window active (_NET_ACTIVE_WINDOW)
// as a pager does, without a time. Qt's own request carries the time of the
// last X event the app saw, which GNOME Shell refuses when the player's
// click on its top bar came later: measured, about one opening in three.
// GNOME Shell honours a request without a time (logging a warning), KWin
// one from a pager.
void activateAsPager(QWindow &window);

// Gives `window`, which bypasses the window manager, X's keyboard focus;
// false while it is not mapped yet. When it unmaps, the focus goes back to
// the window under the pointer until the window manager picks one.
bool takeInputFocus(QWindow &window);

// Whether the window manager holds `window` active (_NET_ACTIVE_WINDOW on
// the root), which is where the keyboard goes. Qt's own idea can differ:
// under XWayland, X's input focus can move on without a word to Qt. True
// off X, where there is nothing to ask.
bool isActiveForWindowManager(const QWindow &window);

// Every press of a pointer button anywhere on the X display, seen without
// holding the pointer: XInput 2 raw button events on the root window, which
// the server sends to each client that asks whoever holds a grab (XInput
// 2.1 and later). The press itself still goes where it would have gone, so
// the window under it is raised and activated, a bar's icon opens its
// menu, the window manager's desktop menu opens.
//
// A press on a window of the app's own (its X embedded tray icon) comes
// twice, as the raw event and as the press itself, in an order X does not
// promise: whoever hides the panel on it must take both as one click.
//
// Not taken: replaying a grabbed press. An XTEST press made after letting
// go of the grab comes while the real button is still down, so X counts
// the button pressed twice and released once; a passive grab on the root
// with XAllowEvents(ReplayPointer) freezes the pointer until the app has
// answered each press, and X refuses it when another client holds a grab
// of that button there.
//
// Scrolling (buttons 4 to 7) is no press. Nothing is asked of the server
// while stopped, so a closed panel wakes for no click.
class XPressWatcher : public QObject, public QAbstractNativeEventFilter
{
    Q_OBJECT

public:
    explicit XPressWatcher(QObject *parent = nullptr);
    ~XPressWatcher() override;

    // Starts reporting presses; false where that cannot be (off X, or a
    // server without XInput 2).
    bool start();
    void stop();
    bool isWatching() const { return m_watching; }

    bool nativeEventFilter(const QByteArray &eventType, void *message, qintptr *result) override;

signals:
    // Where the pointer is as the press arrives, in Qt's global coordinates.
    void pressed(QPoint globalPosition);

private:
    bool select(bool watch);

    bool m_watching = false;
    quint8 m_inputOpcode = 0;
};

// Tells at once when X takes the keyboard focus from `window`: Qt says so
// only 100 ms later, in case the focus comes to another of its windows,
// which none does while the panel is open. Temporary moves while a grab is
// taken or let go, and the focus moving within the window, are no loss.
class XFocusLossWatcher : public QObject, public QAbstractNativeEventFilter
{
    Q_OBJECT

public:
    explicit XFocusLossWatcher(const QWindow &window);
    ~XFocusLossWatcher() override;

    bool nativeEventFilter(const QByteArray &eventType, void *message, qintptr *result) override;

signals:
    void focusLost();

private:
    const QWindow &m_window;
};

} // namespace pondrel
