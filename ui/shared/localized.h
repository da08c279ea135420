#pragma once

#include <QObject>
#include <QString>
#include <QVariantList>
#include <QVariantMap>
#include <QtQml/qqml.h>

namespace pondrel {

// The string-table lookups for QML, as the singleton `Localized`:
//
//     Localized.text("Pondrel Sudoku")
//     Localized.text("Version %@", [Qt.application.version])
//     Localized.plural("%lld left", remaining)
//
// A key written down away from its lookup (a table of topics, a screen's
// raw value handed around and looked up later) is marked where it is
// written with Qt's identity marker in the table's one context, so every
// key the interface uses can be found in the sources:
//
//     readonly property string title: QT_TRANSLATE_NOOP("Pondrel", "Fill the grid")
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
    // `text` with the digits of the display language (localizedDigits), for
    // a number shown on its own: Localized.digits(String(value)).
    Q_INVOKABLE QString digits(const QString &text) const;
    // A step or hint line as the game gives it ({key, technique, arguments};
    // see StepLine) in the display language: the technique's name first,
    // and an argument that is a line of its own looked up in turn. Empty
    // without a key.
    Q_INVOKABLE QString line(const QVariantMap &line) const;
};

} // namespace pondrel
