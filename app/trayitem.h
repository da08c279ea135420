#pragma once

#include "menubariconoption.h"

#include <QDBusServiceWatcher>
#include <QIcon>
#include <QObject>
#include <QPalette>
#include <QRect>
#include <QSystemTrayIcon>
#include <QTimer>

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
// With no tray at all at start the icon waits for one a few seconds (a tray
// started with the same session may come up after us), then reports
// `trayUnavailable` so the game can be offered in an ordinary window.
// Started at login it waits as long as it takes and never gives up, since
// panels often come up well after the autostart entries.
class TrayItem : public QObject
{
    Q_OBJECT

public:
    // Trays draw their icons at 16 to 24 pixels; the larger sizes serve
    // scaled screens.
    static constexpr int kIconSizes[] = {16, 20, 22, 24, 32, 48, 64};
    // How long to wait for a tray before giving up on it, and how often to
    // look; the looking stops as soon as a tray is there.
    static constexpr std::chrono::milliseconds kTrayWait{5000};
    static constexpr std::chrono::milliseconds kTrayPollInterval{250};

    TrayItem(SudokuGame &game, PanelHost &panel, QObject *parent = nullptr);
    ~TrayItem() override;

    // The glyph for `option`, in the palette's window text colour with a rim
    // of its window colour, so it reads on light and dark panels alike even
    // when the panel's colour is not the application's.
    static QIcon glyphIcon(MenuBarIconOption option, const QPalette &palette);

    // Puts the icon into the tray, or starts waiting for a tray.
    void show();
    // Tests shorten the wait for a tray.
    void setTrayWaitForTesting(std::chrono::milliseconds wait) { m_trayWaitLimit = wait; }
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
    // point of the click when the host gave one, else from the top-right
    // corner of the primary screen's usable area. The pointer is no guide
    // here: under XWayland it is stale after a click on a Wayland bar.
    static QRect statusNotifierAnchor(std::optional<QPoint> point);

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
    void waitForTray();
    void togglePanel(const QRect &anchor);

    SudokuGame &m_game;
    PanelHost &m_panel;
    QSystemTrayIcon m_trayIcon;
    QTimer m_trayWait;
    std::chrono::milliseconds m_trayWaitLimit = kTrayWait;
    int m_trayPollsLeft = 0;
    bool m_shown = false;
    bool m_startedAtLogin = false;
    std::unique_ptr<StatusNotifierItem> m_item;
    QDBusServiceWatcher *m_watcher = nullptr;
};

} // namespace pondrel
