#include "dbusmenu.h"

#include "localizedtext.h"

#include <QDBusMetaType>
#include <QGuiApplication>

namespace pondrel {

QDBusArgument &operator<<(QDBusArgument &argument, const DBusMenuLayout &layout)
{
    argument.beginStructure();
    argument << layout.id << layout.properties;
    argument.beginArray(QMetaType::fromType<QDBusVariant>());
    for (const QVariant &child : layout.children) {
        argument << QDBusVariant(child);
    }
    argument.endArray();
    argument.endStructure();
    return argument;
}

const QDBusArgument &operator>>(const QDBusArgument &argument, DBusMenuLayout &layout)
{
    argument.beginStructure();
    argument >> layout.id >> layout.properties;
    layout.children.clear();
    argument.beginArray();
    while (!argument.atEnd()) {
        QDBusVariant child;
        argument >> child;
        layout.children.append(child.variant());
    }
    argument.endArray();
    argument.endStructure();
    return argument;
}

QDBusArgument &operator<<(QDBusArgument &argument, const DBusMenuItem &item)
{
    argument.beginStructure();
    argument << item.id << item.properties;
    argument.endStructure();
    return argument;
}

const QDBusArgument &operator>>(const QDBusArgument &argument, DBusMenuItem &item)
{
    argument.beginStructure();
    argument >> item.id >> item.properties;
    argument.endStructure();
    return argument;
}

QDBusArgument &operator<<(QDBusArgument &argument, const DBusMenuEvent &event)
{
    argument.beginStructure();
    argument << event.id << event.eventId << event.data << event.timestamp;
    argument.endStructure();
    return argument;
}

const QDBusArgument &operator>>(const QDBusArgument &argument, DBusMenuEvent &event)
{
    argument.beginStructure();
    argument >> event.id >> event.eventId >> event.data >> event.timestamp;
    argument.endStructure();
    return argument;
}

DBusMenu::DBusMenu(QObject *parent) : QObject(parent)
{
    registerTypes();
}

void DBusMenu::registerTypes()
{
    qDBusRegisterMetaType<DBusMenuLayout>();
    qDBusRegisterMetaType<DBusMenuItem>();
    qDBusRegisterMetaType<DBusMenuItemList>();
    qDBusRegisterMetaType<DBusMenuEvent>();
    qDBusRegisterMetaType<DBusMenuEventList>();
}

bool DBusMenu::hasEntry(int id)
{
    return id == rootId || id == openId || id == quitId;
}

QString DBusMenu::label(ItemId id)
{
    switch (id) {
    case openId:
        return localizedText(QStringLiteral("Open Pondrel Sudoku"));
    case quitId:
        return localizedText(QStringLiteral("Quit Pondrel Sudoku"));
    case rootId:
        break;
    }
    return {};
}

QVariantMap DBusMenu::properties(int id) const
{
    switch (id) {
    case rootId:
        return {{QStringLiteral("children-display"), QStringLiteral("submenu")}};
    case openId:
    case quitId:
        return {{QStringLiteral("label"), label(ItemId(id))}};
    default:
        return {};
    }
}

DBusMenuLayout DBusMenu::layout(int id, int depth) const
{
    DBusMenuLayout entry{id, properties(id), {}};
    if (id == rootId && depth != 0) {
        // Any negative depth asks for all; counting down from it could
        // overflow.
        const int childDepth = depth < 0 ? -1 : depth - 1;
        for (const int child : {int(openId), int(quitId)}) {
            entry.children.append(QVariant::fromValue(layout(child, childDepth)));
        }
    }
    return entry;
}

void DBusMenu::handleEvent(int id, const QString &eventId)
{
    if (id == rootId && eventId == QLatin1String("opened")) {
        emit opened();
    }
    if (eventId != QLatin1String("clicked")) {
        return;
    }
    if (id == openId) {
        emit openChosen();
    } else if (id == quitId) {
        emit quitChosen();
    }
}

namespace {

QString unknownEntry(int id)
{
    return QStringLiteral("The menu has no entry %1").arg(id);
}

} // namespace

void DBusMenu::refuseCall(const QString &message)
{
    if (calledFromDBus()) {
        sendErrorReply(QDBusError::InvalidArgs, message);
    }
}

DBusMenuAdaptor::DBusMenuAdaptor(DBusMenu *menu) : QDBusAbstractAdaptor(menu), m_menu(menu) {}

QString DBusMenuAdaptor::textDirection() const
{
    return QGuiApplication::layoutDirection() == Qt::RightToLeft ? QStringLiteral("rtl")
                                                                 : QStringLiteral("ltr");
}

uint DBusMenuAdaptor::GetLayout(int parentId,
                                int recursionDepth,
                                const QStringList & /*propertyNames*/,
                                DBusMenuLayout &layout)
{
    if (!DBusMenu::hasEntry(parentId)) {
        m_menu->refuseCall(unknownEntry(parentId));
        return 0;
    }
    layout = m_menu->layout(parentId, recursionDepth);
    // The menu never changes, so its revision never does.
    return 1;
}

DBusMenuItemList DBusMenuAdaptor::GetGroupProperties(const QList<int> &ids,
                                                     const QStringList & /*propertyNames*/)
{
    DBusMenuItemList items;
    for (const int id : ids) {
        if (DBusMenu::hasEntry(id)) {
            items.append({id, m_menu->properties(id)});
        }
    }
    return items;
}

QDBusVariant DBusMenuAdaptor::GetProperty(int id, const QString &name)
{
    const QVariant value = m_menu->properties(id).value(name);
    // An invalid QVariant cannot be sent: without this answer the caller
    // would wait for one until its timeout.
    if (!value.isValid()) {
        m_menu->refuseCall(DBusMenu::hasEntry(id)
                               ? QStringLiteral("The entry %1 has no property %2").arg(id).arg(name)
                               : unknownEntry(id));
        return {};
    }
    return QDBusVariant(value);
}

void DBusMenuAdaptor::Event(int id,
                            const QString &eventId,
                            const QDBusVariant & /*data*/,
                            uint /*timestamp*/)
{
    if (!DBusMenu::hasEntry(id)) {
        m_menu->refuseCall(unknownEntry(id));
        return;
    }
    m_menu->handleEvent(id, eventId);
}

QList<int> DBusMenuAdaptor::EventGroup(const QList<DBusMenuEvent> &events)
{
    QList<int> unknown;
    for (const DBusMenuEvent &event : events) {
        if (!DBusMenu::hasEntry(event.id)) {
            unknown.append(event.id);
        } else {
            m_menu->handleEvent(event.id, event.eventId);
        }
    }
    return unknown;
}

bool DBusMenuAdaptor::AboutToShow(int id)
{
    if (id == DBusMenu::rootId) {
        emit m_menu->opened();
    }
    return false;
}

QList<int> DBusMenuAdaptor::AboutToShowGroup(const QList<int> &ids, QList<int> &idErrors)
{
    idErrors.clear();
    for (const int id : ids) {
        if (!DBusMenu::hasEntry(id)) {
            idErrors.append(id);
        }
    }
    return {};
}

} // namespace pondrel
