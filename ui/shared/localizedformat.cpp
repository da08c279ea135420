#include "localizedformat.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <optional>

namespace pondrel {

namespace {

// One parsed conversion of a format: %[position$][flags][width][.precision][length]type
struct Conversion
{
    int position = -1; // 0-based argument index when written as "%n$"
    bool leftAlign = false;
    bool plusSign = false;
    bool spaceSign = false;
    bool zeroPad = false;
    bool alternate = false;
    int width = 0;
    int precision = -1;
    QChar type;
    qsizetype end = 0; // index just past the conversion
};

// Reads a run of decimal digits at `index`, advancing it. Widths and
// precisions are capped: no text needs more, and a bad translation must not
// make us allocate gigabytes or overflow.
int readNumber(const QString &format, qsizetype &index)
{
    constexpr int kLimit = 1000;
    int value = 0;
    while (index < format.size() && format[index].isDigit() && format[index].unicode() < 128) {
        value = std::min(kLimit, value * 10 + (format[index].unicode() - '0'));
        ++index;
    }
    return value;
}

bool isKnownType(QChar type)
{
    return QStringView(u"@sdiufFeEgGxX").contains(type);
}

// Parses the conversion whose '%' is at `percent`; nothing when the text
// there is not a conversion this formatter understands.
std::optional<Conversion> parseConversion(const QString &format, qsizetype percent)
{
    Conversion conversion;
    qsizetype index = percent + 1;

    // A leading number followed by '$' is a position; otherwise it was the
    // width (or a '0' flag followed by the width) and is read again below.
    const qsizetype afterPercent = index;
    const int position = readNumber(format, index);
    if (index > afterPercent && index < format.size() && format[index] == u'$' && position > 0) {
        conversion.position = position - 1;
        ++index;
    } else {
        index = afterPercent;
    }

    for (; index < format.size(); ++index) {
        const QChar flag = format[index];
        if (flag == u'-') {
            conversion.leftAlign = true;
        } else if (flag == u'+') {
            conversion.plusSign = true;
        } else if (flag == u' ') {
            conversion.spaceSign = true;
        } else if (flag == u'0') {
            conversion.zeroPad = true;
        } else if (flag == u'#') {
            conversion.alternate = true;
        } else if (flag == u'\'') {
            // Thousands grouping: accepted and not applied, like printf
            // in the C locale.
        } else {
            break;
        }
    }
    conversion.width = readNumber(format, index);
    if (index < format.size() && format[index] == u'.') {
        ++index;
        conversion.precision = readNumber(format, index);
    }
    while (index < format.size() && QStringView(u"hlqLjzt").contains(format[index])) {
        ++index;
    }
    if (index >= format.size() || !isKnownType(format[index])) {
        return std::nullopt;
    }
    conversion.type = format[index];
    conversion.end = index + 1;
    return conversion;
}

bool isNumber(const QVariant &value)
{
    switch (value.typeId()) {
    case QMetaType::Bool:
    case QMetaType::Char:
    case QMetaType::SChar:
    case QMetaType::UChar:
    case QMetaType::Short:
    case QMetaType::UShort:
    case QMetaType::Int:
    case QMetaType::UInt:
    case QMetaType::Long:
    case QMetaType::ULong:
    case QMetaType::LongLong:
    case QMetaType::ULongLong:
    case QMetaType::Float:
    case QMetaType::Double:
        return true;
    default:
        return false;
    }
}

bool isFloatingPoint(const QVariant &value)
{
    return value.typeId() == QMetaType::Double || value.typeId() == QMetaType::Float;
}

std::optional<double> doubleValue(const QVariant &value)
{
    if (isNumber(value)) {
        return value.toDouble();
    }
    if (value.typeId() == QMetaType::QString) {
        bool ok = false;
        const double parsed = QLocale::c().toDouble(value.toString().trimmed(), &ok);
        if (ok) {
            return parsed;
        }
    }
    return std::nullopt;
}

qint64 truncateToInteger(double value)
{
    // 2^63 is exactly representable; anything at or beyond it saturates.
    constexpr double kLimit = 9223372036854775808.0;
    if (std::isnan(value)) {
        return 0;
    }
    if (value >= kLimit) {
        return std::numeric_limits<qint64>::max();
    }
    if (value < -kLimit) {
        return std::numeric_limits<qint64>::min();
    }
    return static_cast<qint64>(std::trunc(value));
}

std::optional<qint64> integerValue(const QVariant &value)
{
    if (isFloatingPoint(value)) {
        return truncateToInteger(value.toDouble());
    }
    if (value.typeId() == QMetaType::ULongLong || value.typeId() == QMetaType::ULong) {
        const qulonglong unsignedValue = value.toULongLong();
        return unsignedValue > qulonglong(std::numeric_limits<qint64>::max())
                   ? std::numeric_limits<qint64>::max()
                   : qint64(unsignedValue);
    }
    if (isNumber(value)) {
        return value.toLongLong();
    }
    if (value.typeId() == QMetaType::QString) {
        bool ok = false;
        const qint64 parsed = value.toString().trimmed().toLongLong(&ok);
        if (ok) {
            return parsed;
        }
        if (const std::optional<double> number = doubleValue(value)) {
            return truncateToInteger(*number);
        }
    }
    return std::nullopt;
}

// The argument as %@ shows it: numbers in their shortest exact form and
// never localised, everything else as its text.
QString argumentText(const QVariant &value)
{
    if (isFloatingPoint(value)) {
        return QString::number(value.toDouble(), 'g', QLocale::FloatingPointShortest);
    }
    return value.toString();
}

QString signPrefix(bool negative, const Conversion &conversion, const QLocale &locale)
{
    if (negative) {
        return locale.negativeSign();
    }
    if (conversion.plusSign) {
        return locale.positiveSign();
    }
    if (conversion.spaceSign) {
        return QStringLiteral(" ");
    }
    return {};
}

// Pads to the conversion's width: spaces on the left (or right with '-'),
// or the locale's zeros between sign and digits with '0'.
QString pad(const QString &sign,
            const QString &digits,
            const Conversion &conversion,
            bool zerosAllowed,
            const QLocale &locale)
{
    const qsizetype length = sign.size() + digits.size();
    if (length >= conversion.width) {
        return sign + digits;
    }
    const qsizetype missing = conversion.width - length;
    if (conversion.leftAlign) {
        return sign + digits + QString(missing, u' ');
    }
    if (conversion.zeroPad && zerosAllowed) {
        return sign + locale.zeroDigit().repeated(missing) + digits;
    }
    return QString(missing, u' ') + sign + digits;
}

QString formatInteger(qint64 value, const Conversion &conversion, const QLocale &locale)
{
    const QChar type = conversion.type;
    if (type == u'x' || type == u'X') {
        // Hexadecimal shows the two's complement, as printf does.
        QString digits = QString::number(static_cast<quint64>(value), 16);
        if (type == u'X') {
            digits = digits.toUpper();
        }
        if (conversion.precision > digits.size()) {
            digits.prepend(QString(conversion.precision - digits.size(), u'0'));
        }
        const QString prefix = conversion.alternate && value != 0
                                   ? (type == u'X' ? QStringLiteral("0X") : QStringLiteral("0x"))
                                   : QString();
        return pad(prefix, digits, conversion, conversion.precision < 0, QLocale::c());
    }

    // The magnitude as unsigned, so the most negative value does not overflow.
    const bool negative = value < 0;
    const quint64 magnitude =
        negative ? quint64(0) - static_cast<quint64>(value) : static_cast<quint64>(value);
    QString digits = locale.toString(magnitude);
    if (conversion.precision >= 0) {
        if (conversion.precision == 0 && magnitude == 0) {
            digits.clear();
        } else if (conversion.precision > digits.size()) {
            digits.prepend(locale.zeroDigit().repeated(conversion.precision - digits.size()));
        }
    }
    // With a precision printf ignores the '0' flag.
    return pad(signPrefix(negative, conversion, locale),
               digits,
               conversion,
               conversion.precision < 0,
               locale);
}

QString formatFloatingPoint(double value, const Conversion &conversion, QLocale locale)
{
    const QChar type = conversion.type;
    const bool upper = type.isUpper();
    const char style = static_cast<char>(type.toLower().unicode());
    const int precision = conversion.precision < 0 ? 6 : conversion.precision;
    if (conversion.alternate && style == 'g') {
        locale.setNumberOptions(locale.numberOptions() | QLocale::IncludeTrailingZeroesAfterDot);
    }

    QString digits;
    if (std::isnan(value)) {
        digits = QStringLiteral("nan");
    } else if (std::isinf(value)) {
        digits = QStringLiteral("inf");
    } else {
        // %g's precision counts significant digits; 0 is taken as 1.
        const int digitsWanted = style == 'g' ? std::max(precision, 1) : precision;
        digits = locale.toString(std::fabs(value), style, digitsWanted);
    }
    if (upper) {
        digits = digits.toUpper();
    }
    return pad(signPrefix(std::signbit(value) && !std::isnan(value), conversion, locale),
               digits,
               conversion,
               std::isfinite(value),
               locale);
}

QString formatText(const QVariant &value, const Conversion &conversion)
{
    QString text = argumentText(value);
    if (conversion.precision >= 0 && conversion.precision < text.size()) {
        text.truncate(conversion.precision);
    }
    return pad({}, text, conversion, false, QLocale::c());
}

QString formatArgument(const QVariant &value, const Conversion &conversion, const QLocale &locale)
{
    switch (conversion.type.unicode()) {
    case '@':
    case 's':
        return formatText(value, conversion);
    case 'd':
    case 'i':
    case 'u':
    case 'x':
    case 'X':
        if (const std::optional<qint64> integer = integerValue(value)) {
            return formatInteger(*integer, conversion, locale);
        }
        return formatText(value, conversion);
    default:
        if (const std::optional<double> number = doubleValue(value)) {
            return formatFloatingPoint(*number, conversion, locale);
        }
        return formatText(value, conversion);
    }
}

} // namespace

QString formatLocalized(const QString &format, const QVariantList &arguments, const QLocale &locale)
{
    QLocale numberLocale = locale;
    numberLocale.setNumberOptions(QLocale::OmitGroupSeparator);

    QString result;
    result.reserve(format.size() + 16);
    qsizetype nextArgument = 0;
    qsizetype index = 0;
    while (index < format.size()) {
        const qsizetype percent = format.indexOf(u'%', index);
        if (percent < 0) {
            result += QStringView(format).mid(index);
            break;
        }
        result += QStringView(format).mid(index, percent - index);
        if (percent + 1 < format.size() && format[percent + 1] == u'%') {
            result += u'%';
            index = percent + 2;
            continue;
        }
        const std::optional<Conversion> conversion = parseConversion(format, percent);
        if (!conversion) {
            result += u'%';
            index = percent + 1;
            continue;
        }
        const qsizetype argumentIndex =
            conversion->position >= 0 ? conversion->position : nextArgument++;
        if (argumentIndex >= arguments.size()) {
            result += QStringView(format).mid(percent, conversion->end - percent);
        } else {
            result += formatArgument(arguments[argumentIndex], *conversion, numberLocale);
        }
        index = conversion->end;
    }
    return result;
}

} // namespace pondrel
