#pragma once

#include "menubariconoption.h"

#include <QDBusServiceWatcher>
#include <QIcon>
#include <QMenu>
#include <QObject>
#include <QPalette>
#include <QRect>
#include <QSystemTrayIcon>

#include <chrono>
#include <memory>
#include <optional>

namespace pondrel {

class PanelHost;
class StatusNotifierItem;
class SudokuGame;

// The tray icon: the glyph of the game's icon setting, redrawn the moment the
// setting or the desktop palette changes, with the title "Pondrel Sudoku" as
// its tooltip. A click toggles the panel under it.
//
// Where a StatusNotifierWatcher is on the session bus the icon is our own
// StatusNotifierItem, which learns where the host's click was; elsewhere
// Qt's tray icon on an X embedding tray. A watcher that appears later (a
// panel started after us, or restarted) gets the item at once, and the X
// icon leaves: Qt picks its tray once and never switches.
//
// Both icons have the same menu, "Open Pondrel Sudoku" and "Quit Pondrel
// Sudoku", on a right click; a middle click toggles the panel as a left
// one does. The menu never opens under the panel: the panel hides first.
//
// Started by hand with no tray at all, the icon reports `trayUnavailable`
// at once, so the game can be offered in an ordinary window; a tray that
// comes up later still gets the icon. Started at login it waits as long as
// it takes for a tray and never gives up, since panels often come up well
// after the autostart entries.
class TrayItem : public QObject
{
    Q_OBJECT

public:
    // Trays draw their icons at 16 to 24 pixels; the larger sizes serve
    // scaled screens.
    static constexpr int kIconSizes[] = {16, 20, 22, 24, 32, 48, 64};
    // How long after "Open" is chosen in the item's menu the panel opens:
    // the host's menu closes as the choice arrives, and on some desktops
    // (GNOME) its closing takes the focus from an open board a moment later,
    // which hides it. Opened after that, the board stays open whatever the
    // menu's closing did.
    static constexpr std::chrono::milliseconds kMenuSettleTime{150};

    TrayItem(SudokuGame &game, PanelHost &panel, QObject *parent = nullptr);
    ~TrayItem() override;

    // The glyph for `option`, in the palette's window text colour with a rim
    // of its window colour, so it reads on light and dark panels alike even
    // when the panel's colour is not the application's.
    static QIcon glyphIcon(MenuBarIconOption option, const QPalette &palette);

    // Puts the icon into the tray, or reports that there is none.
    void show();
    // Started by the autostart entry: wait for a tray without a time limit.
    // Before show().
    void setStartedAtLogin(bool startedAtLogin) { m_startedAtLogin = startedAtLogin; }

    const QSystemTrayIcon &trayIcon() const { return m_trayIcon; }
    // The StatusNotifier item, once a watcher has been seen.
    const StatusNotifierItem *statusNotifierItem() const { return m_item.get(); }

    // Where the panel hangs from after a click on the X embedded icon: its
    // rectangle once docked, else the pointer, which is on the icon at a
    // click.
    QRect anchor() const;
    // Where it hangs from after a StatusNotifier host's activation: from the
    // point of the click when the host gave a screen point, else from the
    // last one it gave, else from the tray's end of the primary screen's bar
    // (trayEndAnchor). The pointer is no guide here: under XWayland it is
    // stale after a click on a Wayland bar.
    QRect statusNotifierAnchor(std::optional<QPoint> point) const;
    // The same for a host's Activate at `point`, which is remembered when it
    // is a place on a screen.
    QRect anchorForActivation(std::optional<QPoint> point);

    // "Open" in the item's menu: opens the panel, or brings an open one to
    // the front, `kMenuSettleTime` after the choice.
    void openFromMenu();

    // The X embedded icon's menu.
    QMenu &menu() { return m_menu; }

signals:
    void trayUnavailable();

private slots:
    // A StatusNotifierWatcher came up, or a host registered with one.
    void onWatcherAppeared();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void updateIcon();
    // Makes (once) and registers the StatusNotifier item, which then
    // replaces the X embedding icon; the caller knows a host is present.
    void attachStatusNotifierItem();

    SudokuGame &m_game;
    PanelHost &m_panel;
    QSystemTrayIcon m_trayIcon;
    QMenu m_menu;
    // The host's last click point that was a place on a screen, in the
    // display server's pixels.
    std::optional<QPoint> m_lastHostPoint;
    bool m_shown = false;
    bool m_startedAtLogin = false;
    std::unique_ptr<StatusNotifierItem> m_item;
    QDBusServiceWatcher *m_watcher = nullptr;
};

} // namespace pondrel
