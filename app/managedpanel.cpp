#include "managedpanel.h"

#include "clickcatcher.h"
#include "panelview.h"
#include "xwindowmanager.h"

namespace pondrel {

bool ManagedPanel::catchesDesktopClicks(const QString &windowManager)
{
    return windowManager == QLatin1String("GNOME Shell");
}

ManagedPanel::ManagedPanel(PanelView &view, bool catchDesktopClicks) : PanelBehaviour(view)
{
    m_activationRetry.setInterval(kActivationRetryMilliseconds);
    connect(&m_activationRetry, &QTimer::timeout, this, &ManagedPanel::retryActivation);
    m_catcher = std::make_unique<ClickCatcher>(catchDesktopClicks);
    connect(m_catcher.get(), &ClickCatcher::pressed, this, &PanelBehaviour::pressedOutside);
}

ManagedPanel::~ManagedPanel() = default;

Qt::WindowFlags ManagedPanel::flags() const
{
    // A utility window, never a window of its own to the player: GNOME
    // Shell lists a dialog without a mapped parent in the overview, the
    // dash and Alt+Tab whatever its _NET_WM_STATE says (it rewrote ours
    // without _NET_WM_STATE_SKIP_TASKBAR), and KWin's Alt+Tab lists every
    // dialog that takes input. Both leave a utility window out. Neither
    // focuses it as it maps; the activation request and its retries below
    // give it the keyboard (measured: focused at every opening on both; on
    // KWin 40 to 50 ms after the release on the icon, and a key typed 30 ms
    // after that release lands on the board).
    return Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint | Qt::Tool;
}

void ManagedPanel::aboutToShow(QScreen *screen, const QByteArray &activationToken)
{
    m_view.create();
    keepOffTaskbar(m_view);
    setStartupId(m_view, activationToken);
    m_activationAttemptsLeft = kActivationAttempts;
    m_activationRetry.start();
    m_catcher->cover(screen);
}

void ManagedPanel::aboutToHide()
{
    m_activationRetry.stop();
    m_catcher->hide();
}

void ManagedPanel::retryActivation()
{
    if (!m_view.isVisible() || isActiveForWindowManager(m_view) || --m_activationAttemptsLeft < 0) {
        m_activationRetry.stop();
        return;
    }
    activateAsPager(m_view);
}

} // namespace pondrel
