#pragma once

#include <QObject>
#include <QPoint>
#include <QPointer>
#include <QRect>
#include <QRegion>
#include <QScreen>
#include <QTimer>

#include <memory>
#include <vector>

namespace pondrel {

class CatchWindow;

// Clear windows that notice a press outside the open panel where the window
// manager tells an X client nothing of it. Under XWayland a press on the
// compositor's own bar (GNOME Shell's top bar with its menus and Activities,
// Plasma's panel) reaches no X window and moves no X focus: measured with an
// X client watching the panel, no FocusOut, no _NET_ACTIVE_WINDOW or
// _NET_WM_STATE change arrives, while the shell's menu or overview opens.
// A window that bypasses the window manager is stacked over the bars by
// both compositors and gets the press instead. An X client has no way to
// hand a press on to the compositor's own surfaces: what acts on the press
// (GNOME Shell's menus, Plasma's task bar and tray icons, our own icon)
// does not get it, and the player clicks again. The window is gone by the
// release, so what acts on the release (GNOME Shell's Activities) still
// does.
//
// Where a click on the empty desktop moves no focus either (GNOME Shell),
// a desktop window, which the window manager keeps under every other
// window, catches that click while a click on any window still goes to
// that window.
// `bars` less a square the bar's thickness around the tray icon at `icon`,
// if any: a click on our
// own icon goes to the tray host, which hides the panel as it toggles it or
// opens the icon's menu, so the menu takes one click, the panel open or not.
QRegion barsToCatch(QRegion bars, const QRect &icon);

class ClickCatcher : public QObject
{
    Q_OBJECT

public:
    // The icon stays covered this long after the panel opens: measured on
    // GNOME Shell and KWin, a panel opened with the icon left uncovered did
    // not get the keyboard. By then the click that opened it is over.
    static constexpr int kIconUncoverDelayMilliseconds = 400;

    explicit ClickCatcher(bool catchDesktopClicks);
    ~ClickCatcher() override;

    // Shows the catching windows on `screen`: over `bars` and, if asked,
    // under every window. Our tray icon at `icon` (none: null) is
    // uncovered a moment later.
    void cover(QScreen *screen, const QRegion &bars, const QRect &icon);
    void hide();

signals:
    void pressed(QPoint globalPosition);

private:
    CatchWindow &window(std::size_t index);
    void lay(const QRect &icon);

    QPointer<QScreen> m_screen;
    QRegion m_bars;
    QRect m_icon;
    QTimer m_uncoverIcon;
    bool m_catchDesktopClicks;
    std::vector<std::unique_ptr<CatchWindow>> m_windows;
};

} // namespace pondrel
