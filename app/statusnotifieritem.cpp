#include "statusnotifieritem.h"

#include "dbusmenu.h"

#include <QCoreApplication>
#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QDBusMetaType>
#include <QImage>
#include <QtEndian>

#include <algorithm>

namespace pondrel {

namespace {

// A watcher that does not answer within this is taken to have no host.
constexpr int kWatcherReplyTimeoutMilliseconds = 2000;

} // namespace

QDBusArgument &operator<<(QDBusArgument &argument, const SniPixmap &pixmap)
{
    argument.beginStructure();
    argument << pixmap.width << pixmap.height << pixmap.argb;
    argument.endStructure();
    return argument;
}

const QDBusArgument &operator>>(const QDBusArgument &argument, SniPixmap &pixmap)
{
    argument.beginStructure();
    argument >> pixmap.width >> pixmap.height >> pixmap.argb;
    argument.endStructure();
    return argument;
}

QDBusArgument &operator<<(QDBusArgument &argument, const SniToolTip &toolTip)
{
    argument.beginStructure();
    argument << toolTip.iconName << toolTip.pixmaps << toolTip.title << toolTip.text;
    argument.endStructure();
    return argument;
}

const QDBusArgument &operator>>(const QDBusArgument &argument, SniToolTip &toolTip)
{
    argument.beginStructure();
    argument >> toolTip.iconName >> toolTip.pixmaps >> toolTip.title >> toolTip.text;
    argument.endStructure();
    return argument;
}

StatusNotifierItem::StatusNotifierItem(QObject *parent)
    : QObject(parent), m_menu(new DBusMenu(this)),
      m_serviceName(
          QStringLiteral("org.kde.StatusNotifierItem-%1-1").arg(QCoreApplication::applicationPid()))
{
    qDBusRegisterMetaType<SniPixmap>();
    qDBusRegisterMetaType<SniPixmapList>();
    qDBusRegisterMetaType<SniToolTip>();
    new StatusNotifierItemAdaptor(this);
    new DBusMenuAdaptor(m_menu);
}

StatusNotifierItem::~StatusNotifierItem()
{
    if (m_onBus) {
        QDBusConnection bus = QDBusConnection::sessionBus();
        bus.unregisterObject(QString::fromLatin1(kItemPath));
        bus.unregisterObject(QString::fromLatin1(kMenuPath));
        bus.unregisterService(m_serviceName);
    }
}

bool StatusNotifierItem::hostIsPresent()
{
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected() || bus.interface() == nullptr ||
        !bus.interface()->isServiceRegistered(QString::fromLatin1(kWatcherService)).value()) {
        return false;
    }
    QDBusMessage get =
        QDBusMessage::createMethodCall(QString::fromLatin1(kWatcherService),
                                       QString::fromLatin1(kWatcherPath),
                                       QStringLiteral("org.freedesktop.DBus.Properties"),
                                       QStringLiteral("Get"));
    get << QString::fromLatin1(kWatcherInterface)
        << QStringLiteral("IsStatusNotifierHostRegistered");
    const QDBusMessage reply = bus.call(get, QDBus::Block, kWatcherReplyTimeoutMilliseconds);
    return reply.type() == QDBusMessage::ReplyMessage && !reply.arguments().isEmpty() &&
           reply.arguments().constFirst().value<QDBusVariant>().variant().toBool();
}

bool StatusNotifierItem::registerWithWatcher()
{
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected()) {
        return false;
    }
    if (!m_onBus) {
        const auto exported = QDBusConnection::ExportAdaptors;
        m_onBus = bus.registerObject(QString::fromLatin1(kItemPath), this, exported) &&
                  bus.registerObject(QString::fromLatin1(kMenuPath), m_menu, exported) &&
                  bus.registerService(m_serviceName);
        if (!m_onBus) {
            return false;
        }
    }
    // Not waited for: a watcher that is slow to answer must not hold up the
    // app, and one that refuses leaves nothing to do but wait for the next.
    QDBusMessage call =
        QDBusMessage::createMethodCall(QString::fromLatin1(kWatcherService),
                                       QString::fromLatin1(kWatcherPath),
                                       QString::fromLatin1(kWatcherInterface),
                                       QStringLiteral("RegisterStatusNotifierItem"));
    call << m_serviceName;
    return bus.send(call);
}

void StatusNotifierItem::setTitle(const QString &title)
{
    if (title == m_title) {
        return;
    }
    m_title = title;
    emit titleChanged();
    emit toolTipChanged();
}

void StatusNotifierItem::setIcon(const QIcon &icon, const QString &iconName)
{
    m_iconName = iconName;
    m_pixmaps = pixmapsOf(icon);
    emit iconChanged();
    emit toolTipChanged();
}

SniPixmapList StatusNotifierItem::pixmapsOf(const QIcon &icon)
{
    SniPixmapList pixmaps;
    for (const QSize &size : icon.availableSizes()) {
        const QImage image =
            icon.pixmap(size, 1.0).toImage().convertToFormat(QImage::Format_ARGB32);
        SniPixmap pixmap{image.width(), image.height(), {}};
        pixmap.argb.resize(qsizetype(image.width()) * image.height() * 4);
        auto *out = reinterpret_cast<uchar *>(pixmap.argb.data());
        for (int y = 0; y < image.height(); ++y) {
            const auto *line = reinterpret_cast<const quint32 *>(image.constScanLine(y));
            for (int x = 0; x < image.width(); ++x) {
                qToBigEndian(line[x], out);
                out += 4;
            }
        }
        pixmaps.append(pixmap);
    }
    return pixmaps;
}

void StatusNotifierItem::activate(int x, int y)
{
    const auto kept = [](int coordinate) {
        return std::clamp(coordinate, -kCoordinateLimit, kCoordinateLimit);
    };
    emit activated(x == 0 && y == 0 ? std::nullopt
                                    : std::optional<QPoint>(QPoint(kept(x), kept(y))));
}

StatusNotifierItemAdaptor::StatusNotifierItemAdaptor(StatusNotifierItem *item)
    : QDBusAbstractAdaptor(item), m_item(item)
{
    connect(item, &StatusNotifierItem::iconChanged, this, &StatusNotifierItemAdaptor::NewIcon);
    connect(item, &StatusNotifierItem::titleChanged, this, &StatusNotifierItemAdaptor::NewTitle);
    connect(
        item, &StatusNotifierItem::toolTipChanged, this, &StatusNotifierItemAdaptor::NewToolTip);
}

void StatusNotifierItemAdaptor::Activate(int x, int y)
{
    m_item->activate(x, y);
}

void StatusNotifierItemAdaptor::SecondaryActivate(int x, int y)
{
    m_item->activate(x, y);
}

void StatusNotifierItemAdaptor::ContextMenu(int /*x*/, int /*y*/)
{
    // Hosts show the exported menu themselves.
}

void StatusNotifierItemAdaptor::Scroll(int /*delta*/, const QString & /*orientation*/) {}

void StatusNotifierItemAdaptor::ProvideXdgActivationToken(const QString &token)
{
    emit m_item->activationTokenProvided(token.toUtf8());
}

} // namespace pondrel
