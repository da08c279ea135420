#include "localized.h"

#include "localizedtext.h"

namespace pondrel {

Localized::Localized(QObject *parent) : QObject(parent) {}

QString Localized::language() const
{
    return displayLanguage();
}

QString Localized::text(const QString &key, const QVariantList &arguments) const
{
    return localizedText(key, arguments);
}

QString Localized::plural(const QString &key, qint64 count, const QVariantList &arguments) const
{
    return localizedPlural(key, count, arguments);
}

QString Localized::digits(const QString &text) const
{
    return localizedDigits(text);
}

QString Localized::line(const QVariantMap &line) const
{
    const QString key = line.value(QStringLiteral("key")).toString();
    if (key.isEmpty()) {
        return {};
    }
    QVariantList arguments;
    const QString technique = line.value(QStringLiteral("technique")).toString();
    if (!technique.isEmpty()) {
        arguments.append(localizedText(technique));
    }
    for (const QVariant &argument : line.value(QStringLiteral("arguments")).toList()) {
        const bool isLine = argument.typeId() == QMetaType::QVariantMap;
        arguments.append(isLine ? QVariant(this->line(argument.toMap())) : argument);
    }
    return localizedText(key, arguments);
}

} // namespace pondrel
