#include "grabbingpanel.h"

#include "panelview.h"
#include "xwindowmanager.h"

#include <QGuiApplication>

namespace pondrel {

GrabbingPanel::GrabbingPanel(PanelView &view)
    : PanelBehaviour(view), m_underXWayland(underXWayland())
{
    connect(&m_view, &QWindow::activeChanged, this, [this] {
        if (m_view.isActive()) {
            m_activatedAt = PanelClock::now();
        }
    });
    m_grabRetry.setSingleShot(true);
    m_grabRetry.setInterval(kGrabRetryMilliseconds);
    connect(&m_grabRetry, &QTimer::timeout, this, &GrabbingPanel::takeGrabs);
    // The grabs are taken once the first frame is up, which is when X has
    // mapped the window; a grab on an unmapped window fails.
    connect(
        &m_view,
        &QQuickWindow::frameSwapped,
        this,
        [this] {
            if (m_grabAttemptsLeft > 0 && !m_hasGrabs && !m_grabRetry.isActive()) {
                takeGrabs();
            }
        },
        Qt::QueuedConnection);
    // Presses elsewhere on the display, or, with the pointer grabbed, the
    // presses X delivers to the panel with a position outside it.
    connect(&m_view, &PanelView::pressedOutside, this, &PanelBehaviour::pressedOutside);
}

Qt::WindowFlags GrabbingPanel::flags() const
{
    const Qt::WindowFlags flags =
        Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint | Qt::BypassWindowManagerHint;
    return m_underXWayland ? flags : flags | Qt::Tool;
}

bool GrabbingPanel::focusLossDismisses()
{
    if (!m_underXWayland) {
        return true;
    }
    const auto sinceActivated =
        std::chrono::duration_cast<std::chrono::milliseconds>(PanelClock::now() - m_activatedAt);
    return !FocusRevertRule::takenBack(QGuiApplication::focusWindow() != nullptr, sinceActivated);
}

void GrabbingPanel::aboutToShow(QScreen * /*screen*/,
                                const QRect & /*anchor*/,
                                const QByteArray & /*activationToken*/)
{
    m_grabAttemptsLeft = kGrabAttempts;
}

void GrabbingPanel::aboutToHide()
{
    m_grabRetry.stop();
    m_grabAttemptsLeft = 0;
    if (m_underXWayland) {
        m_view.setKeyboardGrabEnabled(false);
    }
    m_view.setMouseGrabEnabled(false);
    m_view.watchPressesOutside(false);
    m_hasGrabs = false;
}

void GrabbingPanel::takeGrabs()
{
    if (!m_view.isVisible() || m_grabAttemptsLeft <= 0) {
        return;
    }
    // Presses outside are watched rather than grabbed where X can tell
    // them: a grabbed press is the panel's alone, and the window, desktop
    // or icon it was meant for never hears of it (measured on openbox and
    // xfce4-panel: the clicked window was neither raised nor activated, a
    // right click on xfce4-panel's icon opened no menu). The keys come with
    // X's focus rather than a keyboard grab: while the panel held the
    // keyboard, the menu a press on xfce4-panel's icon opens could not take
    // it, and did not open unless the panel hid first (about one right
    // click in three on a busy machine). Under XWayland the window manager
    // takes X's focus back, and the keyboard grab stays.
    const bool pointer = m_view.watchPressesOutside(true) || m_view.setMouseGrabEnabled(true);
    const bool keyboard =
        m_underXWayland ? m_view.setKeyboardGrabEnabled(true) : takeInputFocus(m_view);
    m_hasGrabs = pointer && keyboard;
    if (!m_hasGrabs && --m_grabAttemptsLeft > 0) {
        m_grabRetry.start();
    }
}

} // namespace pondrel
