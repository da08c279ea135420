#pragma once

#include "menubariconoption.h"

#include <QIcon>
#include <QObject>
#include <QPalette>
#include <QRect>
#include <QSystemTrayIcon>
#include <QTimer>

#include <chrono>

namespace pondrel {

class PanelHost;
class SudokuGame;

// The tray icon: the glyph of the game's icon setting, redrawn the moment the
// setting or the desktop palette changes, with the title "Pondrel Sudoku" as
// its tooltip. A click toggles the panel under it.
//
// With no system tray at start the icon waits for one a few seconds (a tray
// started with the same session may come up after us), then reports
// `trayUnavailable` so the game can be offered in an ordinary window.
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

    // The glyph for `option`, in the palette's window text colour with a rim
    // of its window colour, so it reads on light and dark panels alike even
    // when the panel's colour is not the application's.
    static QIcon glyphIcon(MenuBarIconOption option, const QPalette &palette);

    // Started by the autostart entry at login. Does nothing yet; the tray
    // handling at login fills it in.
    void setStartedAtLogin(bool) {}
    // Puts the icon into the tray, or starts waiting for a tray.
    void show();
    // Tests shorten the wait for a tray.
    void setTrayWaitForTesting(std::chrono::milliseconds wait) { m_trayWaitLimit = wait; }

    const QSystemTrayIcon &trayIcon() const { return m_trayIcon; }

    // Where the panel hangs from: the icon's rectangle when the tray reports
    // one (X embedding trays do once the icon is docked; StatusNotifier
    // trays never do), else the pointer, which is on the icon at a click.
    QRect anchor() const;

signals:
    void trayUnavailable();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void updateIcon();
    void waitForTray();

    SudokuGame &m_game;
    PanelHost &m_panel;
    QSystemTrayIcon m_trayIcon;
    QTimer m_trayWait;
    std::chrono::milliseconds m_trayWaitLimit = kTrayWait;
    int m_trayPollsLeft = 0;
};

} // namespace pondrel
