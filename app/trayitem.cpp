#include "trayitem.h"

#include "dbusmenu.h"
#include "glyphs.h"
#include "localizedtext.h"
#include "panelhost.h"
#include "panelplacement.h"
#include "quitpath.h"
#include "statusnotifieritem.h"
#include "sudokugame.h"

#include <QCursor>
#include <QDBusConnection>
#include <QEvent>
#include <QGuiApplication>
#include <QPixmap>
#include <QScreen>
#include <QStandardPaths>
#include <QTimer>

namespace pondrel {

namespace {

// The rim is a touch translucent: enough to separate the glyph from a panel
// of its own colour without looking like a sticker on a matching one.
constexpr int kHaloAlpha = 200;

// The installed themed icon of the glyph for `option`, or nothing when it is
// not installed (a build run in place), so hosts draw the images instead.
QString installedIconName(MenuBarIconOption option)
{
    const QString name = menuBarIconName(option);
    const QString file = QStringLiteral("icons/hicolor/scalable/status/%1.svg").arg(name);
    return QStandardPaths::locate(QStandardPaths::GenericDataLocation, file).isEmpty() ? QString()
                                                                                       : name;
}

// The anchor for a host's click at `native` (the display server's pixels),
// or nothing when the point is no place on a screen.
std::optional<QRect> screenPointAnchor(const QPoint &native)
{
    for (const QScreen *screen : QGuiApplication::screens()) {
        const QRect geometry = screen->geometry();
        const qreal ratio = screen->devicePixelRatio();
        if (QRect(geometry.topLeft(), geometry.size() * ratio).contains(native)) {
            const QPoint point = pointFromNative(native, geometry, ratio);
            if (!isScreenPoint(point, geometry)) {
                return std::nullopt;
            }
            return pointAnchor(point, geometry, screen->availableGeometry());
        }
    }
    return std::nullopt;
}

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
                if (reason == QSystemTrayIcon::Trigger || reason == QSystemTrayIcon::DoubleClick ||
                    reason == QSystemTrayIcon::MiddleClick) {
                    m_panel.toggleFromTray(anchor());
                }
            });
    // Qt pops the menu up on a right click on the X embedded icon, before
    // it reports the click.
    m_menu.addAction(DBusMenu::label(DBusMenu::openId), this, &TrayItem::openFromMenu);
    m_menu.addAction(DBusMenu::label(DBusMenu::quitId), this, [this] { quitAfterSave(m_game); });
    connect(&m_menu, &QMenu::aboutToShow, &m_panel, &PanelHost::hide);
    m_trayIcon.setContextMenu(&m_menu);

    // Told of StatusNotifier hosts coming and going by the bus itself, so
    // nothing here wakes up while the tray stays as it is.
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (bus.isConnected()) {
        m_watcher =
            new QDBusServiceWatcher(QString::fromLatin1(StatusNotifierItem::kWatcherService),
                                    bus,
                                    QDBusServiceWatcher::WatchForRegistration,
                                    this);
        connect(
            m_watcher, &QDBusServiceWatcher::serviceRegistered, this, &TrayItem::onWatcherAppeared);
        // A host often registers with the watcher a moment after the watcher
        // is up.
        bus.connect(QString(),
                    QString::fromLatin1(StatusNotifierItem::kWatcherPath),
                    QString::fromLatin1(StatusNotifierItem::kWatcherInterface),
                    QStringLiteral("StatusNotifierHostRegistered"),
                    this,
                    SLOT(onWatcherAppeared()));
    }
}

TrayItem::~TrayItem() = default;

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
    m_shown = true;
    if (m_watcher != nullptr && StatusNotifierItem::hostIsPresent()) {
        attachStatusNotifierItem();
        return;
    }
    // Shown even without a tray: an X embedding icon docks by itself when a
    // tray appears later.
    m_trayIcon.show();
    // Started by hand, the player is waiting for the board: without a tray
    // it comes in a window at once (once the event loop turns, after the
    // caller has connected).
    if (!QSystemTrayIcon::isSystemTrayAvailable() && !m_startedAtLogin) {
        QTimer::singleShot(0, this, [this] {
            if (!m_item && !QSystemTrayIcon::isSystemTrayAvailable()) {
                emit trayUnavailable();
            }
        });
    }
}

void TrayItem::onWatcherAppeared()
{
    if (!m_shown || !StatusNotifierItem::hostIsPresent()) {
        return;
    }
    attachStatusNotifierItem();
}

void TrayItem::attachStatusNotifierItem()
{
    if (!m_item) {
        m_item = std::make_unique<StatusNotifierItem>();
        m_item->setTitle(localizedText(QStringLiteral("Pondrel Sudoku")));
        connect(m_item.get(),
                &StatusNotifierItem::activated,
                this,
                [this](std::optional<QPoint> point) {
                    m_panel.toggleFromTray(anchorForActivation(point));
                });
        connect(&m_item->menu(), &DBusMenu::openChosen, this, &TrayItem::openFromMenu);
        connect(m_item.get(),
                &StatusNotifierItem::activationTokenProvided,
                &m_panel,
                &PanelHost::setActivationToken);
        // The host draws the menu over the icon, where the panel hangs: the
        // panel makes way rather than cover it.
        connect(&m_item->menu(), &DBusMenu::opened, &m_panel, &PanelHost::hide);
        connect(&m_item->menu(), &DBusMenu::quitChosen, this, [this] { quitAfterSave(m_game); });
        updateIcon();
    }
    if (!m_item->registerWithWatcher()) {
        return;
    }
    // One icon, not two: the X embedded one leaves.
    m_trayIcon.hide();
    m_panel.setTrayAvailable(true);
}

void TrayItem::openFromMenu()
{
    QTimer::singleShot(kMenuSettleTime, this, [this] { m_panel.openFromTray(anchor()); });
}

QRect TrayItem::anchorForActivation(std::optional<QPoint> point)
{
    if (point) {
        if (const std::optional<QRect> anchor = screenPointAnchor(*point)) {
            m_lastHostPoint = point;
            return *anchor;
        }
    }
    return statusNotifierAnchor(point);
}

QRect TrayItem::statusNotifierAnchor(std::optional<QPoint> point) const
{
    for (const std::optional<QPoint> &candidate : {point, m_lastHostPoint}) {
        if (candidate) {
            if (const std::optional<QRect> anchor = screenPointAnchor(*candidate)) {
                return *anchor;
            }
        }
    }
    if (const QScreen *screen = QGuiApplication::primaryScreen()) {
        return trayEndAnchor(
            screen->geometry(), screen->availableGeometry(), QGuiApplication::layoutDirection());
    }
    return {};
}

QRect TrayItem::anchor() const
{
    // A StatusNotifier host tells no geometry, and the pointer may be over a
    // Wayland bar XWayland cannot see: asked from outside (a second start,
    // --toggle), the panel opens where the tray's menu opens it.
    if (m_item && !m_trayIcon.isVisible()) {
        return statusNotifierAnchor(std::nullopt);
    }
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
    const QIcon icon = glyphIcon(m_game.menuBarIcon(), QGuiApplication::palette());
    m_trayIcon.setIcon(icon);
    if (m_item) {
        m_item->setIcon(icon, installedIconName(m_game.menuBarIcon()));
    }
}

} // namespace pondrel
