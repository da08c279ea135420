#include "theme.h"

#include <QQuickItem>

namespace pondrel {

namespace {

bool isPopup(const QObject *object)
{
    // Qt's popups are not items and their class is not public API.
    return object && object->inherits("QQuickPopup");
}

// Where `object` takes its theme from: a popup from the item it belongs to,
// and the items a popup shows (parented to the window's overlay) from the
// popup that made them; any other item from its parent item.
QObject *themeParent(QObject *object)
{
    if (isPopup(object)) {
        if (auto *item = object->property("parent").value<QQuickItem *>()) {
            return item;
        }
        return object->parent();
    }
    if (auto *item = qobject_cast<QQuickItem *>(object)) {
        if (isPopup(item->parent()) || !item->parentItem()) {
            return item->parent();
        }
        return item->parentItem();
    }
    return object->parent();
}

} // namespace

Theme::Theme(QObject *attachee) : QObject(attachee)
{
    if (auto *item = qobject_cast<QQuickItem *>(attachee)) {
        connect(item, &QQuickItem::parentChanged, this, &Theme::inherit);
    } else if (isPopup(attachee)) {
        connect(attachee, SIGNAL(parentChanged()), this, SLOT(inherit()));
    }
    inherit();
}

Theme *Theme::qmlAttachedProperties(QObject *attachee)
{
    return new Theme(attachee);
}

void Theme::inherit()
{
    QObject *above = themeParent(parent());
    auto *inherited =
        above ? qobject_cast<Theme *>(qmlAttachedPropertiesObject<Theme>(above)) : nullptr;
    if (inherited == m_inherited) {
        return;
    }
    const double oldScale = boardScale();
    QObject *const oldColors = colors();
    if (m_inherited) {
        disconnect(m_inherited, nullptr, this, nullptr);
    }
    m_inherited = inherited;
    if (inherited) {
        connect(inherited, &Theme::boardScaleChanged, this, [this] {
            if (!m_boardScale) {
                emit boardScaleChanged();
            }
        });
        connect(inherited, &Theme::colorsChanged, this, [this] {
            if (!m_colors) {
                emit colorsChanged();
            }
        });
    }
    if (boardScale() != oldScale) {
        emit boardScaleChanged();
    }
    if (colors() != oldColors) {
        emit colorsChanged();
    }
}

double Theme::boardScale() const
{
    if (m_boardScale) {
        return *m_boardScale;
    }
    return m_inherited ? m_inherited->boardScale() : 1.0;
}

void Theme::setBoardScale(double boardScale)
{
    const double old = this->boardScale();
    m_boardScale = boardScale;
    if (boardScale != old) {
        emit boardScaleChanged();
    }
}

QObject *Theme::colors() const
{
    if (m_colors) {
        return *m_colors;
    }
    return m_inherited ? m_inherited->colors() : nullptr;
}

void Theme::setColors(QObject *colors)
{
    QObject *const old = this->colors();
    m_colors = colors;
    if (colors != old) {
        emit colorsChanged();
    }
}

} // namespace pondrel
