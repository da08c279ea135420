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
    // Mapped with a user time of 0, which tells the window manager not to
    // focus it. Measured on GNOME Shell: without it the window manager
    // focused it (it takes no keys) now and then, and then refused the
    // panel mapped right after it the focus, the catcher's user time being
    // newer than the host's activation token.
    setProperty("_q_showWithoutActivating", true);
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
