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

} // namespace pondrel
