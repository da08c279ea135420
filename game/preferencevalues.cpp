#include "preferencevalues.h"

#include <cmath>
#include <limits>

namespace pondrel {

namespace {

std::optional<qint64> integerFromText(const QString &text)
{
    bool ok = false;
    const qint64 number = text.trimmed().toLongLong(&ok, 10);
    return ok ? std::optional<qint64>(number) : std::nullopt;
}

} // namespace

std::optional<qint64> storedInteger(const QVariant &value)
{
    switch (value.typeId()) {
    case QMetaType::Bool:
        return value.toBool() ? 1 : 0;
    case QMetaType::Int:
    case QMetaType::UInt:
    case QMetaType::Long:
    case QMetaType::LongLong:
    case QMetaType::Short:
    case QMetaType::UShort:
        return value.toLongLong();
    case QMetaType::ULong:
    case QMetaType::ULongLong: {
        const qulonglong number = value.toULongLong();
        if (number > static_cast<qulonglong>(std::numeric_limits<qint64>::max())) {
            return std::nullopt;
        }
        return static_cast<qint64>(number);
    }
    case QMetaType::Double:
    case QMetaType::Float: {
        // 2^63 itself is out of range; every double below it converts exactly.
        constexpr double kLimit = 9223372036854775808.0;
        const double number = value.toDouble();
        if (!std::isfinite(number) || number >= kLimit || number < -kLimit) {
            return std::nullopt;
        }
        return static_cast<qint64>(number);
    }
    case QMetaType::QString:
        return integerFromText(value.toString());
    case QMetaType::QByteArray:
        return integerFromText(QString::fromUtf8(value.toByteArray()));
    default:
        return std::nullopt;
    }
}

std::optional<bool> storedBool(const QVariant &value)
{
    switch (value.typeId()) {
    case QMetaType::Bool:
        return value.toBool();
    case QMetaType::QString:
    case QMetaType::QByteArray: {
        const QString text = value.toString().trimmed();
        if (text.compare(QLatin1String("true"), Qt::CaseInsensitive) == 0 ||
            text == QLatin1String("1")) {
            return true;
        }
        if (text.compare(QLatin1String("false"), Qt::CaseInsensitive) == 0 ||
            text == QLatin1String("0")) {
            return false;
        }
        return std::nullopt;
    }
    default:
        if (const std::optional<qint64> number = storedInteger(value)) {
            return *number != 0;
        }
        return std::nullopt;
    }
}

std::optional<QString> storedText(const QVariant &value)
{
    if (value.typeId() != QMetaType::QString) {
        return std::nullopt;
    }
    return value.toString();
}

std::optional<QByteArray> storedData(const QVariant &value)
{
    if (value.typeId() != QMetaType::QByteArray) {
        return std::nullopt;
    }
    return value.toByteArray();
}

} // namespace pondrel
