#pragma once

#include "desktopsettings.h"

#include <QElapsedTimer>
#include <QObject>
#include <QRect>
#include <QTimer>
#include <QUrl>

#include <memory>

namespace pondrel {

class ClickCatcher;
class PanelView;
class SudokuGame;

// The window that holds the board, attached to the tray icon.
//
// The view is made ahead of the first open (or by it) and kept for the life
// of the process, so the board keeps its view state between openings;
// hiding it releases the scene graph and returns freed heap to the system,
// since a tray app spends almost all its life with the panel closed.
//
// Attached (the normal case): a frameless, always-on-top window placed under
// (or over) the anchor and fully on screen. On plain X it bypasses the
// window manager and, once shown, takes the keyboard focus and the pointer
// and keyboard grabs, so it sees every press outside. Under a Wayland
// compositor that manages X windows (GNOME Shell, KWin) it is a managed
// window, activated with the host's token, which loses the focus when the
// player clicks anywhere else; where a click on the empty desktop moves no
// focus, a clear window under it catches that click. A press outside it,
// Escape that nothing in the board took, toggling from the tray icon,
// losing the focus it had, or the icon's menu opening hides it.
//
// Standalone (no system tray): an ordinary titled window, so the game stays
// playable; closing it quits, because nothing else would bring it back,
// unless a tray has appeared since: then the panel goes back to the tray.
//
// Play is active while the panel is shown and its window is active:
// showing it and activating its window start play, hiding it, deactivating
// its window or the application stop it. Other windows (the welcome window)
// do not start play while the board is hidden. A standalone window stays
// open when it loses the focus; play pauses until it is active again.
class PanelHost : public QObject
{
    Q_OBJECT
    Q_PROPERTY(bool isOpen READ isOpen NOTIFY isOpenChanged)

public:
    enum class Mode { attached, standalone };

    // A press on the icon that hides the panel (it holds the pointer grab)
    // and the icon's own click that may follow are one click, not a close
    // and a reopen.
    static constexpr int kReopenGuardMilliseconds = 300;
    // Pointer and keyboard grabs fail until X has mapped the window; they are
    // retried this often, this many times, after the first frame.
    static constexpr int kGrabRetryMilliseconds = 25;
    static constexpr int kGrabAttempts = 20;
    // A managed panel the window manager does not hold active is asked
    // again this often, this many times. Measured on GNOME Shell: focused
    // as it maps, before XWayland has tied the window to its Wayland
    // surface, the panel loses that focus a few milliseconds later about
    // one opening in two; asked again once its first frame is up, it keeps
    // it.
    static constexpr int kActivationRetryMilliseconds = 100;
    static constexpr int kActivationAttempts = 10;
    // Under a Wayland compositor, focus that leaves the panel for no window
    // of ours this soon after it came was taken back by the compositor, not
    // by the user: XWayland returns the focus to the window the compositor
    // chose when an X window takes it on its own. The panel stays open then
    // (it closes from the tray icon, or once it has had the focus for real).
    static constexpr int kFocusRevertMilliseconds = 250;

    explicit PanelHost(SudokuGame &game, QObject *parent = nullptr);
    ~PanelHost() override;

    // The QML file of the board; tests put a stand-in here before the first
    // open.
    void setSource(const QUrl &source);
    // Where the desktop's settings are read from; tests put their own here
    // before the first open.
    void setDesktopSources(const DesktopSettingsMonitor::Sources &sources);
    // Starts reading the desktop's settings and following them, if not yet
    // begun; the first open does it otherwise. Nothing waits for the
    // answers, so called at start-up it has them in well before the player
    // opens the panel.
    void followDesktopSettings();

    // Decided here from what the tray reports: standalone while there is no
    // tray, attached again once the player reaches for one.
    Mode mode() const { return m_mode; }

    // What the tray reports: whether there is one to hang the panel from.
    // Without one the board comes at once as an ordinary window, the only
    // way into the game (an open panel stays open, as that window). With
    // one, a standalone window goes back to the tray when it is closed.
    void setTrayAvailable(bool available);
    // A click on the tray icon: toggles the panel under `anchor`. The
    // ordinary window offered while there was no tray becomes the panel
    // again, open under the icon.
    void toggleFromTray(const QRect &anchor);
    // The icon menu's Open: opens the panel under `anchor`, or brings an
    // open one to the front, leaving a standalone window as toggleFromTray
    // does.
    void openFromTray(const QRect &anchor);

    // Makes the board without showing it, so that the first opening only
    // has to draw it: making it is most of that opening's time (about 60 of
    // 90 ms on a 2-core machine). Nothing happens if it is made already.
    void prepare();

    bool isOpen() const;
    // Opens the panel hanging from `anchor` (global coordinates), or hides it
    // when it is open. The anchor is ignored by a standalone window.
    void toggle(const QRect &anchor);
    void open(const QRect &anchor);
    void hide();
    // Brings an open panel to the front with the keyboard focus: a second
    // start raises the window that was behind others or minimized.
    void raise();

    // The activation token a StatusNotifier host handed over with a click,
    // for the next opening, put on the window as its startup id. Measured
    // on GNOME Shell and Plasma with their default settings, the panel got
    // the focus with or without it; a stricter focus-stealing prevention
    // lets only a window with the clicked app's token take it.
    void setActivationToken(const QByteArray &token) { m_activationToken = token; }

    // Nothing until prepare() or the first open.
    PanelView *view() const { return m_view.get(); }
    // The desktop settings the board follows; nothing until the first open
    // or followDesktopSettings().
    DesktopSettingsMonitor *desktopSettings() const { return m_desktop.get(); }
    // Whether the pointer and keyboard grabs are held.
    bool hasGrabs() const { return m_hasGrabs; }

signals:
    void isOpenChanged();

private:
    void ensureView();
    void setMode(Mode mode);
    void applyMode();
    void place();
    void takeGrabs();
    void releaseGrabs();
    void retryActivation();
    void updatePlayFromWindow();
    bool focusTakenBackByCompositor() const;
    bool recentlyHidden() const;
    void releaseMemory();

    SudokuGame &m_game;
    DesktopSettingsMonitor::Sources m_desktopSources = DesktopSettingsMonitor::systemSources();
    std::unique_ptr<DesktopSettingsMonitor> m_desktop;
    std::unique_ptr<PanelView> m_view;
    // Only where the window manager keeps the focus on a click on the empty
    // desktop.
    std::unique_ptr<ClickCatcher> m_catcher;
    QUrl m_source;
    Mode m_mode = Mode::attached;
    QRect m_anchor;
    // Whether the attached panel is a window the window manager manages
    // (and activates) rather than one that bypasses it.
    bool m_managed = false;
    QByteArray m_activationToken;
    bool m_hasGrabs = false;
    // The tray reported itself; Qt's own check knows only X embedding trays,
    // not a StatusNotifier host.
    bool m_trayAvailable = false;
    bool m_hasBeenActive = false;
    int m_grabAttemptsLeft = 0;
    QTimer m_grabRetry;
    int m_activationAttemptsLeft = 0;
    QTimer m_activationRetry;
    QElapsedTimer m_sinceOutsidePress;
    QElapsedTimer m_sinceFocusLost;
    QElapsedTimer m_sinceActivated;
    QPoint m_outsidePressPosition;
};

} // namespace pondrel
