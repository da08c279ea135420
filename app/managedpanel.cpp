#include "managedpanel.h"

#include "clickcatcher.h"
#include "panelview.h"
#include "xwindowmanager.h"

#include <QDBusConnection>

namespace pondrel {

bool ManagedPanel::isGnomeShell(const QString &windowManager)
{
    return windowManager == QLatin1String("GNOME Shell");
}

ManagedPanel::ManagedPanel(PanelView &view, bool underGnomeShell) : PanelBehaviour(view)
{
    m_activationRetry.setInterval(kActivationRetryMilliseconds);
    connect(&m_activationRetry, &QTimer::timeout, this, &ManagedPanel::retryActivation);
    // Measured on GNOME Shell 43: a click on its background changes no
    // focus; KWin gives the focus to Plasma's desktop window.
    m_catcher = std::make_unique<ClickCatcher>(underGnomeShell);
    connect(m_catcher.get(), &ClickCatcher::pressed, this, &PanelBehaviour::pressedOutside);
    // Measured on GNOME Shell: the panel hid 110 ms after a click on
    // another window when told by Qt, 10 ms when told by X.
    m_focusLoss = std::make_unique<XFocusLossWatcher>(m_view);
    connect(
        m_focusLoss.get(),
        &XFocusLossWatcher::focusLost,
        this,
        [this] {
            // Qt still holds it active then: the panel had the focus for
            // real, it is not the focus the compositor takes back from a
            // window just mapped.
            if (m_view.isVisible() && m_view.isActive()) {
                emit dismissed();
            }
        },
        Qt::QueuedConnection);
    if (underGnomeShell) {
        QDBusConnection::sessionBus().connect(QStringLiteral("org.gnome.Shell"),
                                              QStringLiteral("/org/gnome/Shell"),
                                              QStringLiteral("org.freedesktop.DBus.Properties"),
                                              QStringLiteral("PropertiesChanged"),
                                              this,
                                              SLOT(shellPropertiesChanged(QString, QVariantMap)));
    }
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

void ManagedPanel::aboutToShow(QScreen *screen,
                               const QRect &anchor,
                               const QByteArray &activationToken)
{
    m_view.create();
    keepOffTaskbar(m_view);
    setStartupId(m_view, activationToken);
    m_activationAttemptsLeft = kActivationAttempts;
    m_activationRetry.start();
    m_catcher->cover(screen, QRegion(screen->geometry()) - screen->availableGeometry(), anchor);
}

void ManagedPanel::aboutToHide()
{
    m_activationRetry.stop();
    m_catcher->hide();
}

void ManagedPanel::shellPropertiesChanged(const QString &interface, const QVariantMap &changed)
{
    if (interface == QLatin1String("org.gnome.Shell") &&
        changed.value(QStringLiteral("OverviewActive")).toBool() && m_view.isVisible()) {
        emit dismissed();
    }
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
