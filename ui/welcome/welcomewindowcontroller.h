#pragma once

#include <QObject>
#include <QString>

#include <memory>

class QQuickView;

namespace pondrel {

class DesktopPreferences;
class SudokuGame;

// The first-start check, run once per process by the application's start-up
// task on the main thread: on the first start it marks the welcome as seen
// and opens the welcome window, following `desktop` (more contrast) when
// given.
void showWelcomeIfNeeded(SudokuGame &game, DesktopPreferences *desktop = nullptr);

// Owns the welcome window: an ordinary titled, closable, fixed-size window
// showing WelcomeView, centred on the screen. One per process, made on first
// use and kept until the process ends. At most one window is open; "Got it",
// Return and the title bar's close button all close it, after which a later
// showWelcome opens a new one.
//
// The window leaves the game's play state alone. Activating it would
// otherwise start the clock, but the board is never on screen while it has
// the keyboard (the tray panel hides when focus leaves it, and the
// standalone board pauses while another window is active), so play would
// run unseen.
class WelcomeWindowController : public QObject
{
    Q_OBJECT

public:
    static WelcomeWindowController &shared();

    ~WelcomeWindowController() override;

    // Opens the window with `iconName` (a tray glyph's symbol name)
    // highlighted, unless one is open; an open window is left as it is.
    // With `desktop`, the window follows what the desktop asks (more
    // contrast); it must outlive the window.
    void showWelcome(const QString &iconName, DesktopPreferences *desktop = nullptr);

    // The open window, or null.
    QQuickView *window() const { return m_window.get(); }

signals:
    // After the open window closed, however it was closed.
    void windowClosed();

private slots:
    // The view's "Got it" (and Return).
    void closeWindow();

private:
    WelcomeWindowController();

    void windowWillClose();

    std::unique_ptr<QQuickView> m_window;
};

} // namespace pondrel
