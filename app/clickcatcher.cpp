#include "clickcatcher.h"

#include "xwindowmanager.h"

#include <QMouseEvent>
#include <QPainter>
#include <QRasterWindow>
#include <QRegion>
#include <QScreen>
#include <QSurfaceFormat>

#include <algorithm>

namespace pondrel {

class CatchWindow : public QRasterWindow
{
    Q_OBJECT

public:
    explicit CatchWindow(Qt::WindowFlags flags)
    {
        setFlags(flags | Qt::FramelessWindowHint | Qt::WindowDoesNotAcceptFocus);
        // Clear, so nothing of it shows. It draws its clear frame
        // nonetheless: a compositor neither shows a window that never drew
        // nor sends input to it.
        QSurfaceFormat format;
        format.setAlphaBufferSize(8);
        setFormat(format);
        // Mapped with a user time of 0, which tells the window manager not
        // to focus it. Measured on GNOME Shell: without it the window
        // manager focused it (it takes no keys) now and then, and then
        // refused the panel mapped right after it the focus, the catcher's
        // user time being newer than the host's activation token.
        setProperty("_q_showWithoutActivating", true);
    }

signals:
    void pressed(QPoint globalPosition);

protected:
    void mousePressEvent(QMouseEvent *event) override
    {
        event->accept();
        emit pressed(event->globalPosition().toPoint());
    }

    void paintEvent(QPaintEvent * /*event*/) override
    {
        QPainter painter(this);
        painter.setCompositionMode(QPainter::CompositionMode_Source);
        painter.fillRect(QRect(QPoint(), size()), Qt::transparent);
    }
};

ClickCatcher::~ClickCatcher() = default;

CatchWindow &ClickCatcher::window(std::size_t index)
{
    while (m_windows.size() <= index) {
        const bool desktop = m_catchDesktopClicks && m_windows.empty();
        auto window = std::make_unique<CatchWindow>(
            desktop ? Qt::Window : Qt::Tool | Qt::BypassWindowManagerHint);
        if (desktop) {
            window->create();
            // Under every other window, out of taskbars and switchers.
            setWindowType(*window, "_NET_WM_WINDOW_TYPE_DESKTOP");
        }
        connect(window.get(), &CatchWindow::pressed, this, &ClickCatcher::pressed);
        m_windows.push_back(std::move(window));
    }
    return *m_windows[index];
}

QRegion barsToCatch(QRegion bars, const QRect &icon)
{
    if (icon.isNull()) {
        return bars;
    }
    const QPoint iconCentre = icon.center();
    for (const QRect &bar : QRegion(bars)) {
        if (!bar.contains(iconCentre)) {
            continue;
        }
        // A tray icon is about as large as its bar is thick.
        const int thickness = std::min(bar.width(), bar.height());
        bars -= bar.width() >= bar.height()
                    ? QRect(iconCentre.x() - thickness / 2, bar.top(), thickness, bar.height())
                    : QRect(bar.left(), iconCentre.y() - thickness / 2, bar.width(), thickness);
    }
    return bars;
}

ClickCatcher::ClickCatcher(bool catchDesktopClicks) : m_catchDesktopClicks(catchDesktopClicks)
{
    m_uncoverIcon.setSingleShot(true);
    m_uncoverIcon.setInterval(kIconUncoverDelayMilliseconds);
    connect(&m_uncoverIcon, &QTimer::timeout, this, [this] { lay(m_icon); });
}

void ClickCatcher::cover(QScreen *screen, const QRegion &bars, const QRect &icon)
{
    m_screen = screen;
    m_bars = bars;
    m_icon = icon;
    lay(QRect());
    if (!icon.isNull()) {
        m_uncoverIcon.start();
    }
}

void ClickCatcher::lay(const QRect &icon)
{
    QScreen *screen = m_screen;
    if (screen == nullptr) {
        return;
    }
    std::vector<QRect> areas;
    if (m_catchDesktopClicks) {
        areas.push_back(screen->geometry());
    }
    const QRegion bars = barsToCatch(m_bars, icon);
    areas.insert(areas.end(), bars.begin(), bars.end());
    for (std::size_t index = 0; index < areas.size(); ++index) {
        CatchWindow &catcher = window(index);
        catcher.setScreen(screen);
        catcher.setGeometry(areas[index]);
        catcher.show();
    }
    for (std::size_t index = areas.size(); index < m_windows.size(); ++index) {
        m_windows[index]->hide();
    }
}

void ClickCatcher::hide()
{
    m_uncoverIcon.stop();
    for (const std::unique_ptr<CatchWindow> &window : m_windows) {
        window->hide();
    }
}

} // namespace pondrel

#include "clickcatcher.moc"
