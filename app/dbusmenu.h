#pragma once

#include <QDBusAbstractAdaptor>
#include <QDBusArgument>
#include <QDBusContext>
#include <QDBusVariant>
#include <QList>
#include <QObject>
#include <QString>
#include <QStringList>
#include <QVariantList>
#include <QVariantMap>

namespace pondrel {

// One entry of a com.canonical.dbusmenu layout: (ia{sv}av), the children
// being variants of the same structure.
struct DBusMenuLayout
{
    int id = 0;
    QVariantMap properties;
    QVariantList children;
};

// An entry's properties: (ia{sv}).
struct DBusMenuItem
{
    int id = 0;
    QVariantMap properties;
};
using DBusMenuItemList = QList<DBusMenuItem>;

// One event of EventGroup: (isvu).
struct DBusMenuEvent
{
    int id = 0;
    QString eventId;
    QDBusVariant data;
    uint timestamp = 0;
};
using DBusMenuEventList = QList<DBusMenuEvent>;

QDBusArgument &operator<<(QDBusArgument &argument, const DBusMenuLayout &layout);
const QDBusArgument &operator>>(const QDBusArgument &argument, DBusMenuLayout &layout);
QDBusArgument &operator<<(QDBusArgument &argument, const DBusMenuItem &item);
const QDBusArgument &operator>>(const QDBusArgument &argument, DBusMenuItem &item);
QDBusArgument &operator<<(QDBusArgument &argument, const DBusMenuEvent &event);
const QDBusArgument &operator>>(const QDBusArgument &argument, DBusMenuEvent &event);

// The tray item's menu, exported over D-Bus for StatusNotifier hosts: "Open
// Pondrel Sudoku" and "Quit Pondrel Sudoku". Hosts show it on a right click;
// GNOME's AppIndicator extension on a plain click, so there it is the way
// into the game.
class DBusMenu : public QObject, protected QDBusContext
{
    Q_OBJECT

public:
    enum ItemId { rootId = 0, openId = 1, quitId = 2 };

    explicit DBusMenu(QObject *parent = nullptr);

    static void registerTypes();

    // Whether `id` is an entry of the menu.
    static bool hasEntry(int id);
    // The label of entry `id` in the player's language; the X embedded
    // icon's own menu shows the same.
    static QString label(ItemId id);
    // The entry `id` with its children down to `depth` levels (any negative
    // depth: all).
    DBusMenuLayout layout(int id, int depth) const;
    QVariantMap properties(int id) const;
    // A host reports an event on an entry; "clicked" chooses it.
    void handleEvent(int id, const QString &eventId);

    // Answers the D-Bus call being handled with InvalidArgs and `message`
    // instead of its result. QtDBus keeps the call's context on the object
    // an adaptor serves, not on the adaptor.
    void refuseCall(const QString &message);

signals:
    // The host is about to show the menu (AboutToShow on the root entry, or
    // its "opened" event).
    void opened();
    void openChosen();
    void quitChosen();
};

// The D-Bus face of DBusMenu. Every call is answered: one about an entry or
// a property the menu does not have gets the error
// org.freedesktop.DBus.Error.InvalidArgs.
class DBusMenuAdaptor : public QDBusAbstractAdaptor
{
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "com.canonical.dbusmenu")
    Q_PROPERTY(uint Version READ version)
    Q_PROPERTY(QString TextDirection READ textDirection)
    Q_PROPERTY(QString Status READ status)
    Q_PROPERTY(QStringList IconThemePath READ iconThemePath)

public:
    explicit DBusMenuAdaptor(DBusMenu *menu);

    uint version() const { return 3; }
    QString textDirection() const;
    QString status() const { return QStringLiteral("normal"); }
    QStringList iconThemePath() const { return {}; }

public slots:
    uint GetLayout(int parentId,
                   int recursionDepth,
                   const QStringList &propertyNames,
                   pondrel::DBusMenuLayout &layout);
    pondrel::DBusMenuItemList GetGroupProperties(const QList<int> &ids,
                                                 const QStringList &propertyNames);
    QDBusVariant GetProperty(int id, const QString &name);
    void Event(int id, const QString &eventId, const QDBusVariant &data, uint timestamp);
    // Spelt out, not as DBusMenuEventList: QtDBus finds a slot's argument
    // types by the name written here, and only the list's own name is known.
    QList<int> EventGroup(const QList<pondrel::DBusMenuEvent> &events);
    bool AboutToShow(int id);
    QList<int> AboutToShowGroup(const QList<int> &ids, QList<int> &idErrors);

signals:
    void LayoutUpdated(uint revision, int parent);
    void ItemActivationRequested(int id, uint timestamp);

private:
    DBusMenu *m_menu;
};

} // namespace pondrel

Q_DECLARE_METATYPE(pondrel::DBusMenuLayout)
Q_DECLARE_METATYPE(pondrel::DBusMenuItem)
Q_DECLARE_METATYPE(pondrel::DBusMenuEvent)
