#pragma once

#include "panelbehaviour.h"

#include <QTimer>
#include <QVariantMap>

#include <memory>

namespace pondrel {

class ClickCatcher;
class XFocusLossWatcher;

// The panel under a Wayland compositor that manages X windows itself
// (GNOME Shell, KWin), through XWayland.
//
// Measured with each desktop's own pointer input, clicking away from the
// open panel (GNOME Shell 43, KDE Plasma 5.27): a window that bypasses the
// window manager stays open on a click on the desktop, the bar or a native
// Wayland window, since no focus change ever reaches it, and KWin never
// gives it the keyboard. A managed window, activated with the host's token,
// has its focus taken away by the compositor on any such click.
//
// A click on the compositor's own bar moves no X focus on either desktop,
// nor does a click on GNOME Shell's empty desktop: clear windows catch
// those clicks (ClickCatcher). GNOME Shell's overview, however it opens
// (Activities, the Super key, the hot corner), moves none either; the shell
// says on the session bus when it opens.
class ManagedPanel : public PanelBehaviour
{
    Q_OBJECT

public:
    // A managed panel the window manager does not hold active is asked
    // again this often, this many times. Measured on GNOME Shell: focused
    // as it maps, before XWayland has tied the window to its Wayland
    // surface, the panel loses that focus a few milliseconds later about
    // one opening in two; asked again once its first frame is up, it keeps
    // it.
    static constexpr int kActivationRetryMilliseconds = 100;
    static constexpr int kActivationAttempts = 10;

    // Whether the window manager named `windowManager` is GNOME Shell's.
    static bool isGnomeShell(const QString &windowManager);

    ManagedPanel(PanelView &view, bool underGnomeShell);
    ~ManagedPanel() override;

    Qt::WindowFlags flags() const override;
    void
    aboutToShow(QScreen *screen, const QRect &anchor, const QByteArray &activationToken) override;
    void aboutToHide() override;

private slots:
    void shellPropertiesChanged(const QString &interface, const QVariantMap &changed);

private:
    void retryActivation();

    std::unique_ptr<ClickCatcher> m_catcher;
    std::unique_ptr<XFocusLossWatcher> m_focusLoss;
    QTimer m_activationRetry;
    int m_activationAttemptsLeft = 0;
};

} // namespace pondrel
