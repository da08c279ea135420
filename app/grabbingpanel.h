#pragma once

#include "panelbehaviour.h"
#include "panelrules.h"

#include <QTimer>

namespace pondrel {

// The panel on plain X with a window manager (openbox with trayer,
// xfce4-panel): a window that bypasses the window manager, hangs exactly
// where it is put, and once shown watches every press on the display and
// takes X's keyboard focus, so that it sees every press outside it whatever
// the window manager's focus policy, and has the keys whatever had the
// focus before. The press outside still reaches what it was on: the clicked
// window is raised and activated, a bar's icon opens its menu. Where X
// cannot report presses so (no XInput 2), it holds the pointer grab
// instead, and the press outside only hides the panel.
//
// It is also the way under wlroots compositors other than sway, through
// XWayland, where it is a normal window rather than a utility one: measured
// on sway 1.7, wlroots gives the keyboard to a window that bypasses the
// window manager only when its type is not a utility, menu or tooltip.
// There XWayland hands the focus back to the window the compositor chose
// when an X window takes it on its own, a few milliseconds after the panel
// got it: that loss is not the player's (FocusRevertRule).
//
// Measured on openbox and xfwm4: a managed window also hides on a click on
// another window or the empty desktop, but the window manager may place it
// elsewhere and does not always hand it the focus as it maps.
class GrabbingPanel : public PanelBehaviour
{
    Q_OBJECT

public:
    // Grabs fail until X has mapped the window; they are retried this often,
    // this many times, after the first frame.
    static constexpr int kGrabRetryMilliseconds = 25;
    static constexpr int kGrabAttempts = 20;

    explicit GrabbingPanel(PanelView &view);

    Qt::WindowFlags flags() const override;
    void
    aboutToShow(QScreen *screen, const QRect &anchor, const QByteArray &activationToken) override;
    void aboutToHide() override;
    bool focusLossDismisses() override;

    // Whether presses outside are seen (watched, or the pointer grabbed)
    // and the keys come to the panel.
    bool hasGrabs() const { return m_hasGrabs; }

private:
    void takeGrabs();

    QTimer m_grabRetry;
    int m_grabAttemptsLeft = 0;
    bool m_hasGrabs = false;
    const bool m_underXWayland;
    PanelClock::time_point m_activatedAt;
};

} // namespace pondrel
