#include "panelview.h"

#include <QKeyEvent>
#include <QMouseEvent>

namespace pondrel {

PanelView::PanelView(QWindow *parent) : QQuickView(parent)
{
    connect(&m_pressWatcher, &XPressWatcher::pressed, this, [this](QPoint globalPosition) {
        if (isVisible() && !geometry().contains(globalPosition)) {
            emit pressedOutside(globalPosition);
        }
    });
}

bool PanelView::watchPressesOutside(bool watch)
{
    if (!watch) {
        m_pressWatcher.stop();
        return true;
    }
    return m_pressWatcher.start();
}

bool PanelView::event(QEvent *event)
{
    const bool handled = QQuickView::event(event);
    if (event->type() == QEvent::Close && event->isAccepted()) {
        emit closed();
    }
    return handled;
}

void PanelView::keyPressEvent(QKeyEvent *event)
{
    QQuickView::keyPressEvent(event);
    if (!event->isAccepted() && event->key() == Qt::Key_Escape &&
        event->modifiers() == Qt::NoModifier) {
        event->accept();
        emit escapeUnhandled();
    }
}

void PanelView::mousePressEvent(QMouseEvent *event)
{
    if (!QRectF(QPointF(0, 0), size()).contains(event->position())) {
        event->accept();
        emit pressedOutside(event->globalPosition().toPoint());
        return;
    }
    QQuickView::mousePressEvent(event);
}

} // namespace pondrel
