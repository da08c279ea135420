#include "panelrules.h"

namespace pondrel {

void ReopenGuard::hiddenByPressAt(QPoint point, PanelClock::time_point now)
{
    m_hiddenAt = now;
    m_pressPosition = point;
}

void ReopenGuard::hiddenByFocusLoss(PanelClock::time_point now)
{
    m_hiddenAt = now;
    m_pressPosition.reset();
}

bool ReopenGuard::swallows(const QRect &anchor, PanelClock::time_point now) const
{
    if (!m_hiddenAt || now - *m_hiddenAt >= kWindow) {
        return false;
    }
    return !m_pressPosition || anchor.contains(*m_pressPosition);
}

} // namespace pondrel
