#include "swaypanel.h"

#include "panelview.h"

#include <QGuiApplication>

namespace pondrel {

SwayPanel::SwayPanel(PanelView &view) : GrabbingPanel(view)
{
    connect(&m_view, &QWindow::activeChanged, this, [this] {
        if (m_view.isActive()) {
            m_activatedAt = PanelClock::now();
        }
    });
}

bool SwayPanel::focusLossDismisses()
{
    const auto sinceActivated =
        std::chrono::duration_cast<std::chrono::milliseconds>(PanelClock::now() - m_activatedAt);
    return !FocusRevertRule::takenBack(QGuiApplication::focusWindow() != nullptr, sinceActivated);
}

} // namespace pondrel
