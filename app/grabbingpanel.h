#pragma once

#include "panelbehaviour.h"

#include <QTimer>

namespace pondrel {

// The panel on plain X with a window manager (openbox with trayer,
// xfce4-panel): a window that bypasses the window manager, hangs exactly
// where it is put, and once shown watches every press on the display and
// holds the keyboard grab, so that it sees every press outside it whatever
// the window manager's focus policy, and has the keys whatever had the
// focus before. The press outside still reaches what it was on: the clicked
// window is raised and activated, a bar's icon opens its menu. Where X
// cannot report presses so (no XInput 2), it holds the pointer grab
// instead, and the press outside only hides the panel.
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
    void aboutToShow(QScreen *screen, const QByteArray &activationToken) override;
    void aboutToHide() override;

    // Whether presses outside are seen (watched, or the pointer grabbed)
    // and the keyboard grab is held.
    bool hasGrabs() const { return m_hasGrabs; }

private:
    void takeGrabs();

    QTimer m_grabRetry;
    int m_grabAttemptsLeft = 0;
    bool m_hasGrabs = false;
};

} // namespace pondrel
