#pragma once

#include <QByteArray>
#include <QDBusAbstractAdaptor>
#include <QDBusArgument>
#include <QDBusObjectPath>
#include <QIcon>
#include <QList>
#include <QObject>
#include <QPoint>
#include <QString>

#include <optional>

namespace pondrel {

class DBusMenu;

// One image of an item's icon: (iiay), ARGB32 in network byte order.
struct SniPixmap
{
    int width = 0;
    int height = 0;
    QByteArray argb;
};
using SniPixmapList = QList<SniPixmap>;

// The tooltip: (sa(iiay)ss), icon name, icon images, title, body.
struct SniToolTip
{
    QString iconName;
    SniPixmapList pixmaps;
    QString title;
    QString text;
};

QDBusArgument &operator<<(QDBusArgument &argument, const SniPixmap &pixmap);
const QDBusArgument &operator>>(const QDBusArgument &argument, SniPixmap &pixmap);
QDBusArgument &operator<<(QDBusArgument &argument, const SniToolTip &toolTip);
const QDBusArgument &operator>>(const QDBusArgument &argument, SniToolTip &toolTip);

// The app's own item for StatusNotifier hosts (KDE, GNOME's AppIndicator
// extension, XFCE, LXQt, waybar), on the session bus as
// org.kde.StatusNotifierItem-<pid>-1 with its menu at /MenuBar.
//
// Qt's own D-Bus tray would do the same but drops the point a host passes
// to Activate(x, y); this one reports it, so the panel can hang from the
// icon that was clicked.
class StatusNotifierItem : public QObject
{
    Q_OBJECT

public:
    static constexpr char kWatcherService[] = "org.kde.StatusNotifierWatcher";
    static constexpr char kItemPath[] = "/StatusNotifierItem";
    static constexpr char kMenuPath[] = "/MenuBar";

    explicit StatusNotifierItem(QObject *parent = nullptr);
    ~StatusNotifierItem() override;

    static constexpr char kWatcherPath[] = "/StatusNotifierWatcher";
    static constexpr char kWatcherInterface[] = "org.kde.StatusNotifierWatcher";

    // Whether a StatusNotifierWatcher is on the session bus now with a host
    // that shows items: a watcher alone (some desktops run one without a
    // tray) would leave the item unseen.
    static bool hostIsPresent();

    // Puts the item on the bus (the first time) and asks the watcher to list
    // it; called again whenever a watcher (re)appears. False without a
    // session bus.
    bool registerWithWatcher();
    QString serviceName() const { return m_serviceName; }

    void setTitle(const QString &title);
    // `iconName` is a themed icon (empty when none is installed); hosts that
    // cannot find it draw the images of `icon`.
    void setIcon(const QIcon &icon, const QString &iconName);

    // The images a host receives for `icon`, one per size it holds.
    static SniPixmapList pixmapsOf(const QIcon &icon);

    // What the D-Bus properties report.
    QString title() const { return m_title; }
    QString iconName() const { return m_iconName; }
    const SniPixmapList &pixmaps() const { return m_pixmaps; }

    DBusMenu &menu() { return *m_menu; }

    // The host's Activate(x, y), or SecondaryActivate(x, y) of a middle
    // click, which does the same: GNOME's extension keeps the left click for
    // the menu. No point when it gave 0,0, which hosts send when they do not
    // know where the icon is. Any point a client sends is kept within
    // `kCoordinateLimit`, so no arithmetic on it can overflow.
    void activate(int x, int y);
    static constexpr int kCoordinateLimit = 1 << 24;

signals:
    void activated(std::optional<QPoint> point);
    // The host's token for activating the window its click opens, sent just
    // before that click's Activate.
    void activationTokenProvided(const QByteArray &token);
    // Sent to hosts on the bus.
    void iconChanged();
    void titleChanged();
    void toolTipChanged();

private:
    DBusMenu *m_menu;
    QString m_serviceName;
    bool m_onBus = false;
    QString m_title;
    QString m_iconName;
    SniPixmapList m_pixmaps;
};

// The D-Bus face of StatusNotifierItem: the properties hosts read and the
// calls they make.
class StatusNotifierItemAdaptor : public QDBusAbstractAdaptor
{
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.kde.StatusNotifierItem")
    Q_PROPERTY(QString Category READ category)
    Q_PROPERTY(QString Id READ id)
    Q_PROPERTY(QString Title READ title)
    Q_PROPERTY(QString Status READ status)
    Q_PROPERTY(int WindowId READ windowId)
    Q_PROPERTY(QString IconThemePath READ iconThemePath)
    Q_PROPERTY(QString IconName READ iconName)
    Q_PROPERTY(pondrel::SniPixmapList IconPixmap READ iconPixmap)
    Q_PROPERTY(QString OverlayIconName READ emptyName)
    Q_PROPERTY(pondrel::SniPixmapList OverlayIconPixmap READ noPixmaps)
    Q_PROPERTY(QString AttentionIconName READ emptyName)
    Q_PROPERTY(pondrel::SniPixmapList AttentionIconPixmap READ noPixmaps)
    Q_PROPERTY(QString AttentionMovieName READ emptyName)
    Q_PROPERTY(pondrel::SniToolTip ToolTip READ toolTip)
    Q_PROPERTY(bool ItemIsMenu READ itemIsMenu)
    Q_PROPERTY(QDBusObjectPath Menu READ menu)

public:
    explicit StatusNotifierItemAdaptor(StatusNotifierItem *item);

    QString category() const { return QStringLiteral("ApplicationStatus"); }
    QString id() const { return QStringLiteral("pondrel-sudoku"); }
    QString title() const { return m_item->title(); }
    QString status() const { return QStringLiteral("Active"); }
    int windowId() const { return 0; }
    QString iconThemePath() const { return {}; }
    QString iconName() const { return m_item->iconName(); }
    SniPixmapList iconPixmap() const { return m_item->pixmaps(); }
    QString emptyName() const { return {}; }
    SniPixmapList noPixmaps() const { return {}; }
    SniToolTip toolTip() const
    {
        return {m_item->iconName(), m_item->pixmaps(), m_item->title(), {}};
    }
    // Said explicitly: some hosts take a missing value for true and would
    // only ever show the menu.
    bool itemIsMenu() const { return false; }
    QDBusObjectPath menu() const
    {
        return QDBusObjectPath(QString::fromLatin1(StatusNotifierItem::kMenuPath));
    }

public slots:
    void Activate(int x, int y);
    void SecondaryActivate(int x, int y);
    void ContextMenu(int x, int y);
    void Scroll(int delta, const QString &orientation);
    void ProvideXdgActivationToken(const QString &token);

signals:
    void NewTitle();
    void NewIcon();
    void NewAttentionIcon();
    void NewOverlayIcon();
    void NewToolTip();
    void NewStatus(const QString &status);

private:
    StatusNotifierItem *m_item;
};

} // namespace pondrel

Q_DECLARE_METATYPE(pondrel::SniPixmap)
Q_DECLARE_METATYPE(pondrel::SniToolTip)
