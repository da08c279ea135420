#include "dbusmenu.h"
#include "panelplacement.h"
#include "shelltestsupport.h"
#include "statusnotifieritem.h"
#include "trayitem.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusServer>
#include <QDBusVariant>
#include <QSignalSpy>
#include <QTest>

#include <climits>

namespace pondrel {
namespace {

// The tray item and its menu on a private peer-to-peer bus, called as any
// client on the session bus could call them.
class TrayItemBus : public test::ShellTest
{
protected:
    void SetUp() override
    {
        ShellTest::SetUp();
        m_server = std::make_unique<QDBusServer>(QStringLiteral("unix:dir=") + m_dir.path());
        ASSERT_TRUE(m_server->isConnected()) << qPrintable(m_server->lastError().message());
        QObject::connect(m_server.get(),
                         &QDBusServer::newConnection,
                         m_server.get(),
                         [this](const QDBusConnection &connection) {
                             auto exported = QDBusConnection::ExportAdaptors;
                             QDBusConnection side = connection;
                             side.registerObject(QString::fromLatin1(StatusNotifierItem::kItemPath),
                                                 &m_item,
                                                 exported);
                             side.registerObject(QString::fromLatin1(StatusNotifierItem::kMenuPath),
                                                 &m_item.menu(),
                                                 exported);
                             m_served = true;
                         });
        m_client = std::make_unique<QDBusConnection>(
            QDBusConnection::connectToPeer(m_server->address(), QStringLiteral("client")));
        ASSERT_TRUE(m_client->isConnected());
        ASSERT_TRUE(QTest::qWaitFor([this] { return m_served; }));
    }

    void TearDown() override
    {
        QDBusConnection::disconnectFromPeer(QStringLiteral("client"));
        ShellTest::TearDown();
    }

    QDBusMessage call(const char *path,
                      const QString &interface,
                      const QString &method,
                      const QVariantList &arguments)
    {
        QDBusMessage message =
            QDBusMessage::createMethodCall(QString(), QString::fromLatin1(path), interface, method);
        message.setArguments(arguments);
        // Far below the 25 s a caller waits by default.
        return m_client->call(message, QDBus::BlockWithGui, 2000);
    }

    std::unique_ptr<QDBusServer> m_server;
    std::unique_ptr<QDBusConnection> m_client;
    StatusNotifierItem m_item;
    bool m_served = false;
};

QVariant event(int id)
{
    DBusMenuEvent entry{id, QStringLiteral("clicked"), QDBusVariant(0), UINT_MAX};
    return QVariant::fromValue(DBusMenuEventList{entry});
}

TEST_F(TrayItemBus, everyCallIsAnsweredEvenWithExtremeValues)
{
    TrayItem tray(*m_game, *m_panel);
    QSignalSpy activated(&m_item, &StatusNotifierItem::activated);
    // The way from a click to the panel's place, which must hold for any point.
    QObject::connect(&m_item, &StatusNotifierItem::activated, [&tray](std::optional<QPoint> point) {
        panelPosition(tray.anchorForActivation(point), QSize(375, 520), QRect(0, 0, 1280, 800));
    });

    const QString item = QStringLiteral("org.kde.StatusNotifierItem");
    for (const int extreme : {INT_MAX, INT_MIN}) {
        for (const char *method : {"Activate", "SecondaryActivate"}) {
            const QDBusMessage reply = call(
                StatusNotifierItem::kItemPath, item, QLatin1String(method), {extreme, extreme});
            EXPECT_EQ(reply.type(), QDBusMessage::ReplyMessage)
                << method << " " << extreme << qPrintable(reply.errorMessage());
        }
    }
    EXPECT_EQ(activated.size(), 4) << "a middle click toggles as a left click does";

    const QString menu = QStringLiteral("com.canonical.dbusmenu");
    const QStringList none;
    struct Expected
    {
        const char *method;
        QVariantList arguments;
        QString signature; // empty: InvalidArgs
    };
    const Expected calls[] = {
        {"GetLayout", {0, INT_MIN, none}, QStringLiteral("u(ia{sv}av)")},
        {"GetLayout", {INT_MAX, -1, none}, {}},
        {"GetGroupProperties",
         {QVariant::fromValue(QList<int>{INT_MIN, 1, INT_MAX}), none},
         QStringLiteral("a(ia{sv})")},
        {"GetProperty", {1, QStringLiteral("label")}, QStringLiteral("v")},
        {"GetProperty", {INT_MIN, QStringLiteral("label")}, {}},
        {"GetProperty", {1, QStringLiteral("no-such-property")}, {}},
        {"Event",
         {INT_MAX, QStringLiteral("clicked"), QVariant::fromValue(QDBusVariant(0)), UINT_MAX},
         {}},
        {"EventGroup", {event(INT_MIN)}, QStringLiteral("ai")},
        {"AboutToShow", {INT_MIN}, QStringLiteral("b")},
        {"AboutToShowGroup",
         {QVariant::fromValue(QList<int>{INT_MIN, INT_MAX})},
         QStringLiteral("aiai")},
    };
    for (const Expected &expected : calls) {
        const QDBusMessage reply = call(StatusNotifierItem::kMenuPath,
                                        menu,
                                        QLatin1String(expected.method),
                                        expected.arguments);
        const QString what = QStringLiteral("%1%2 %3").arg(
            QLatin1String(expected.method), reply.signature(), reply.errorName());
        if (expected.signature.isEmpty()) {
            EXPECT_EQ(reply.errorName().toStdString(), "org.freedesktop.DBus.Error.InvalidArgs")
                << qPrintable(what);
        } else {
            EXPECT_EQ(reply.signature().toStdString(), expected.signature.toStdString())
                << qPrintable(what);
        }
    }
    // The unknown entries of an event group come back.
    const QDBusMessage unknown =
        call(StatusNotifierItem::kMenuPath, menu, QStringLiteral("EventGroup"), {event(INT_MIN)});
    ASSERT_EQ(unknown.arguments().size(), 1);
    EXPECT_EQ(qdbus_cast<QList<int>>(unknown.arguments().constFirst()), QList<int>{INT_MIN});
}

} // namespace
} // namespace pondrel
