#include "standalonepanel.h"

#include "panelview.h"

#include <QGuiApplication>
#include <QScreen>

namespace pondrel {

Qt::WindowFlags StandalonePanel::flags() const
{
    return Qt::Window | Qt::WindowTitleHint | Qt::WindowCloseButtonHint |
           Qt::WindowMinimizeButtonHint;
}

void StandalonePanel::applied()
{
    fixSize();
    if (const QScreen *screen = QGuiApplication::primaryScreen()) {
        QRect frame({}, m_view.size());
        frame.moveCenter(screen->availableGeometry().center());
        m_view.setPosition(frame.topLeft());
    }
}

void StandalonePanel::fixSize()
{
    m_view.setMinimumSize(m_view.size());
    m_view.setMaximumSize(m_view.size());
}

} // namespace pondrel
