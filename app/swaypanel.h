#pragma once

#include "panelbehaviour.h"

#include <memory>

namespace pondrel {

class ClickCatcher;

// The panel under sway, through XWayland: a window sway manages as a
// floating window, put under the tray icon through sway's IPC.
//
// Measured on sway 1.7 (wlroots 0.15) with a native Wayland window focused,
// which is what sway users nearly always have (a terminal, a browser):
// - A window that bypasses the window manager never keeps the keyboard:
//   wlroots' X window manager puts X's focus back on the window it chose
//   (none, for a Wayland window) the moment an X client takes it, so the
//   panel is active for a few milliseconds and the board gets no keys
//   (pointer and keyboard grabs held or not). Nor does it learn that the
//   player focused another window: sway moves no focus away from a window
//   it never focused.
// - A managed window gets the focus from sway as it maps and loses it,
//   through X's focus, on a click on another window or `swaymsg focus`. But
//   sway puts every floating X window in the middle of the screen, whatever
//   position it asks for; only a rule given through sway's IPC places it.
//   The rule (`for_window`, matched on this process and the panel's window
//   role) is given before each showing, so the window maps where it hangs,
//   with no frame drawn in the middle first. sway keeps one rule per
//   distinct position (an identical rule is not added twice) until it
//   restarts: a few, as the icon seldom moves.
// - A click on the bar (waybar) moves no focus and reaches no X window:
//   the strip between the screen's edge and the panel, where the bar is
//   (X knows nothing of it), is covered by a clear window that catches it
//   (ClickCatcher), as on GNOME Shell and KWin. sway's virtual pointer
//   crashed sway with any X client connected, so this is not tried here.
class SwayPanel : public PanelBehaviour
{
    Q_OBJECT

public:
    // How long a command to sway may take before the panel opens without it.
    static constexpr int kIpcTimeoutMilliseconds = 250;

    // sway's IPC socket ($SWAYSOCK, which sway gives the programs it
    // starts); empty elsewhere.
    static QByteArray ipcSocket();

    SwayPanel(PanelView &view, QByteArray ipcSocket);
    ~SwayPanel() override;

    Qt::WindowFlags flags() const override;
    void
    aboutToShow(QScreen *screen, const QRect &anchor, const QByteArray &activationToken) override;
    void aboutToHide() override;
    void placed(QPoint position) override;

private:
    // What sway's commands select the panel by.
    QString criteria() const;
    // sway centres a floating X window again whenever it asks to be moved
    // or resized: the window is moved back where it hangs.
    void keepPlace();

    QByteArray m_ipcSocket;
    QString m_role;
    QPoint m_place;
    std::unique_ptr<ClickCatcher> m_catcher;
};

// Runs `command` in the sway (or i3) instance listening on `socketPath`;
// whether every part of it succeeded. Waits at most `timeoutMilliseconds`
// for each read and write.
bool runSwayCommand(const QByteArray &socketPath,
                    const QByteArray &command,
                    int timeoutMilliseconds);

} // namespace pondrel
