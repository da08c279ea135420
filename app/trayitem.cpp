#include "trayitem.h"

#include "glyphs.h"
#include "localizedtext.h"
#include "panelhost.h"
#include "sudokugame.h"

#include <QCursor>
#include <QEvent>
#include <QGuiApplication>
#include <QPixmap>

#include <algorithm>

namespace pondrel {

namespace {

// The rim is a touch translucent: enough to separate the glyph from a panel
// of its own colour without looking like a sticker on a matching one.
constexpr int kHaloAlpha = 200;

} // namespace

TrayItem::TrayItem(SudokuGame &game, PanelHost &panel, QObject *parent)
    : QObject(parent), m_game(game), m_panel(panel)
{
    m_trayIcon.setToolTip(localizedText(QStringLiteral("Pondrel Sudoku")));
    updateIcon();
    connect(&m_game, &SudokuGame::menuBarIconChanged, this, &TrayItem::updateIcon);
    qApp->installEventFilter(this);

    connect(&m_trayIcon,
            &QSystemTrayIcon::activated,
            this,
            [this](QSystemTrayIcon::ActivationReason reason) {
                // A click soon after the previous one at the same place (open,
                // Escape, click again) arrives as a double click.
                if (reason == QSystemTrayIcon::Trigger || reason == QSystemTrayIcon::DoubleClick) {
                    m_panel.toggle(anchor());
                }
            });

    m_trayWait.setInterval(kTrayPollInterval);
    connect(&m_trayWait, &QTimer::timeout, this, [this] {
        if (QSystemTrayIcon::isSystemTrayAvailable()) {
            m_trayWait.stop();
        } else if (--m_trayPollsLeft <= 0) {
            m_trayWait.stop();
            emit trayUnavailable();
        }
    });
}

QIcon TrayItem::glyphIcon(MenuBarIconOption option, const QPalette &palette)
{
    const QString symbol = menuBarSymbolName(option);
    QColor halo = palette.color(QPalette::Window);
    halo.setAlpha(kHaloAlpha);
    QIcon icon;
    for (const int size : kIconSizes) {
        icon.addPixmap(QPixmap::fromImage(
            renderGlyph(symbol, size, palette.color(QPalette::WindowText), halo)));
    }
    return icon;
}

void TrayItem::show()
{
    // Shown even without a tray: an X embedding icon docks by itself when a
    // tray appears later.
    m_trayIcon.show();
    if (!QSystemTrayIcon::isSystemTrayAvailable()) {
        waitForTray();
    }
}

void TrayItem::waitForTray()
{
    m_trayPollsLeft = std::max<int>(1, int(m_trayWaitLimit / kTrayPollInterval));
    m_trayWait.start();
}

QRect TrayItem::anchor() const
{
    const QRect iconRect = m_trayIcon.geometry();
    const QPoint pointer = QCursor::pos();
    // Before docking the icon reports its size at the origin.
    const bool iconIsPlaced = !iconRect.isEmpty() && iconRect.topLeft() != QPoint(0, 0);
    if (iconRect.contains(pointer) || iconIsPlaced) {
        return iconRect;
    }
    return {pointer, QSize(1, 1)};
}

bool TrayItem::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == qApp && event->type() == QEvent::ApplicationPaletteChange) {
        updateIcon();
    }
    return QObject::eventFilter(watched, event);
}

void TrayItem::updateIcon()
{
    m_trayIcon.setIcon(glyphIcon(m_game.menuBarIcon(), QGuiApplication::palette()));
}

} // namespace pondrel
