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
    if (catchDesktopClicks) {
        m_catcher = std::make_unique<ClickCatcher>();
        connect(m_catcher.get(), &ClickCatcher::pressed, this, &PanelBehaviour::dismissed);
    }
}

ManagedPanel::~ManagedPanel() = default;

Qt::WindowFlags ManagedPanel::flags() const
{
    // A dialog, not a utility window: measured on GNOME Shell, the window
    // manager never focuses a utility window as it maps, and Qt's request
    // for the focus that follows carried a time older than the host's token
    // about one opening in three, which left the panel without the
    // keyboard. Kept off the taskbar in aboutToShow().
    return Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint | Qt::Dialog;
}

void ManagedPanel::aboutToShow(QScreen *screen, const QByteArray &activationToken)
{
    m_view.create();
    keepOffTaskbar(m_view);
    setStartupId(m_view, activationToken);
    m_activationAttemptsLeft = kActivationAttempts;
    m_activationRetry.start();
    if (m_catcher) {
        m_catcher->cover(screen);
    }
}

void ManagedPanel::aboutToHide()
{
    m_activationRetry.stop();
    if (m_catcher) {
        m_catcher->hide();
    }
}

void ManagedPanel::retryActivation()
{
    if (!m_view.isVisible() || isActiveForWindowManager(m_view) || --m_activationAttemptsLeft < 0) {
        m_activationRetry.stop();
        return;
    }
    m_view.requestActivate();
}

} // namespace pondrel
