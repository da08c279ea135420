#pragma once

#include "desktopsettings.h"
#include "panelrules.h"

#include <QObject>
#include <QRect>
#include <QUrl>

#include <memory>
#include <optional>

namespace pondrel {

class PanelBehaviour;
class PanelView;
class StandalonePanel;
class SudokuGame;

// The window that holds the board, attached to the tray icon.
//
// The view is made ahead of the first open (or by it) and kept for the life
// of the process, so the board keeps its view state between openings;
// hiding it releases the scene graph and returns freed heap to the system,
// since a tray app spends almost all its life with the panel closed.
//
// Attached (the normal case): a frameless, always-on-top window placed under
// (or over) the anchor and fully on screen. What kind of window that is, and
// how it learns that the player clicked elsewhere, depends on the window
// system: one PanelBehaviour, chosen once when the view is made, says it
// (panelbehaviour.h lists them). A press outside it, Escape that nothing in
// the board took, toggling from the tray icon, losing the focus it had, or
// the icon's menu opening hides it.
//
// Standalone (no system tray): an ordinary titled window, so the game stays
// playable; closing it quits down the one quit path (the game is saved with
// its clock), because nothing else would bring it back, unless a tray has
// appeared since: then the panel goes back to the tray.
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

signals:
    void isOpenChanged();

private:
    void ensureView();
    void setMode(Mode mode);
    void applyMode();
    PanelBehaviour &behaviour() const;
    void place();
    void updatePlayFromWindow();
    void hideAway(std::optional<QPoint> pressPosition);
    void releaseMemory();

    SudokuGame &m_game;
    DesktopSettingsMonitor::Sources m_desktopSources = DesktopSettingsMonitor::systemSources();
    std::unique_ptr<DesktopSettingsMonitor> m_desktop;
    std::unique_ptr<PanelView> m_view;
    // The attached panel's way on this window system, and the ordinary
    // window's; both made with the view.
    std::unique_ptr<PanelBehaviour> m_attached;
    std::unique_ptr<StandalonePanel> m_standalone;
    QUrl m_source;
    Mode m_mode = Mode::attached;
    QRect m_anchor;
    QByteArray m_activationToken;
    // The tray reported itself; Qt's own check knows only X embedding trays,
    // not a StatusNotifier host.
    bool m_trayAvailable = false;
    bool m_hasBeenActive = false;
    ReopenGuard m_reopenGuard;
};

} // namespace pondrel
