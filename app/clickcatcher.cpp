#include "clickcatcher.h"

#include <QMouseEvent>
#include <QPainter>
#include <QScreen>
#include <QSurfaceFormat>

namespace pondrel {

ClickCatcher::ClickCatcher()
{
    setFlags(Qt::Tool | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint |
             Qt::WindowDoesNotAcceptFocus);
    // Clear, so nothing of it shows. It draws its clear frame nonetheless:
    // a compositor neither shows a window that never drew nor sends input
    // to it.
    QSurfaceFormat format;
    format.setAlphaBufferSize(8);
    setFormat(format);
}

void ClickCatcher::cover(QScreen *screen)
{
    setScreen(screen);
    setGeometry(screen->geometry());
    show();
}

void ClickCatcher::mousePressEvent(QMouseEvent *event)
{
    event->accept();
    emit pressed();
}

void ClickCatcher::paintEvent(QPaintEvent * /*event*/)
{
    QPainter painter(this);
    painter.setCompositionMode(QPainter::CompositionMode_Source);
    painter.fillRect(QRect(QPoint(), size()), Qt::transparent);
}

} // namespace pondrel
