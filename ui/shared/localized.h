#pragma once

#include <QObject>
#include <QString>
#include <QVariantList>
#include <QtQml/qqml.h>

namespace pondrel {

// The string-table lookups for QML, as the singleton `Localized`:
//
//     Localized.text("Pondrel Sudoku")
//     Localized.text("Version %@", [Qt.application.version])
//     Localized.plural("%lld left", remaining)
//
// JavaScript numbers arrive as int or double; the formatter accepts either
// for every numeric conversion.
class Localized : public QObject
{
    Q_OBJECT
    QML_ELEMENT
    QML_SINGLETON

    // The display language, e.g. "en".
    Q_PROPERTY(QString language READ language CONSTANT)

public:
    explicit Localized(QObject *parent = nullptr);

    QString language() const;

    Q_INVOKABLE QString text(const QString &key, const QVariantList &arguments = {}) const;
    Q_INVOKABLE QString plural(const QString &key,
                               qint64 count,
                               const QVariantList &arguments = {}) const;
};

} // namespace pondrel
