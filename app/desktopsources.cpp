#include "desktopsources.h"

#include <QColor>
#include <QDBusVariant>
#include <QFile>

#include <algorithm>

namespace pondrel {

namespace {

// Older portals wrap values in one variant more than they announce.
QVariant unwrapped(QVariant value)
{
    for (int depth = 0; depth < 4 && value.metaType() == QMetaType::fromType<QDBusVariant>();
         ++depth) {
        value = value.value<QDBusVariant>().variant();
    }
    return value;
}

std::optional<bool> asBool(const QVariant &value)
{
    if (value.metaType() != QMetaType::fromType<bool>()) {
        return std::nullopt;
    }
    return value.toBool();
}

std::optional<uint> asUnsigned(const QVariant &value)
{
    const QMetaType type = value.metaType();
    if (type != QMetaType::fromType<uint>() && type != QMetaType::fromType<int>()) {
        return std::nullopt;
    }
    return value.toUInt();
}

} // namespace

bool PortalSettings::apply(const QString &group, const QString &key, const QVariant &rawValue)
{
    const QVariant value = unwrapped(rawValue);
    if (group == QLatin1String(kAppearanceGroup) && key == QLatin1String("color-scheme")) {
        // 0 no preference, 1 prefer dark, 2 prefer light.
        const std::optional<uint> scheme = asUnsigned(value);
        if (!scheme || *scheme > 2) {
            return false;
        }
        appearanceScheme = *scheme == 1   ? ColorScheme::dark
                           : *scheme == 2 ? ColorScheme::light
                                          : ColorScheme::noPreference;
        return true;
    }
    if (group == QLatin1String(kAppearanceGroup) && key == QLatin1String("contrast")) {
        // 0 no preference, 1 higher contrast.
        const std::optional<uint> contrast = asUnsigned(value);
        if (!contrast) {
            return false;
        }
        appearanceHighContrast = *contrast == 1;
        return true;
    }
    if (group == QLatin1String(kGnomeInterfaceGroup) && key == QLatin1String("color-scheme")) {
        if (value.metaType() != QMetaType::fromType<QString>()) {
            return false;
        }
        const QString scheme = value.toString();
        gnomeScheme = scheme == QLatin1String("prefer-dark")    ? ColorScheme::dark
                      : scheme == QLatin1String("prefer-light") ? ColorScheme::light
                                                                : ColorScheme::noPreference;
        return true;
    }
    if (group == QLatin1String(kGnomeInterfaceGroup) && key == QLatin1String("enable-animations")) {
        gnomeAnimations = asBool(value);
        return gnomeAnimations.has_value();
    }
    if (group == QLatin1String(kGnomeAccessibilityGroup) && key == QLatin1String("high-contrast")) {
        gnomeHighContrast = asBool(value);
        return gnomeHighContrast.has_value();
    }
    if (group == QLatin1String(kKdeGroup) && key == QLatin1String("AnimationDurationFactor")) {
        // KDE's portal passes the text of the file.
        bool isNumber = false;
        const double factor = value.toString().toDouble(&isNumber);
        kdeAnimationFactor = isNumber ? std::optional<double>(factor) : std::nullopt;
        return isNumber;
    }
    return false;
}

DesktopSource PortalSettings::source() const
{
    DesktopSource source;
    if (gnomeAnimations || kdeAnimationFactor) {
        source.reduceMotion = gnomeAnimations == false || kdeAnimationFactor == 0.0;
    }
    if (appearanceHighContrast || gnomeHighContrast) {
        source.increasedContrast = appearanceHighContrast == true || gnomeHighContrast == true;
    }
    if (appearanceScheme && appearanceScheme != ColorScheme::noPreference) {
        source.colorScheme = appearanceScheme;
    } else if (gnomeScheme) {
        source.colorScheme = gnomeScheme;
    } else {
        source.colorScheme = appearanceScheme;
    }
    return source;
}

std::optional<bool> parseGsettingsBool(const QString &output)
{
    const QString value = output.trimmed();
    if (value == QLatin1String("true")) {
        return true;
    }
    if (value == QLatin1String("false")) {
        return false;
    }
    return std::nullopt;
}

DesktopSource readKdeglobals(const QString &path)
{
    DesktopSource source;
    QFile file(path);
    if (path.isEmpty() || !file.open(QIODevice::ReadOnly | QIODevice::Text)) {
        return source;
    }
    // Read by hand: QSettings keeps parsed files in a process-wide cache that
    // it refreshes by size and modification time, and a quick edit of one
    // digit keeps both.
    QString group;
    while (!file.atEnd()) {
        const QString line = QString::fromUtf8(file.readLine()).trimmed();
        if (line.startsWith(QLatin1Char('[')) && line.endsWith(QLatin1Char(']'))) {
            group = line.mid(1, line.size() - 2);
            continue;
        }
        const qsizetype equals = line.indexOf(QLatin1Char('='));
        if (equals < 0) {
            continue;
        }
        const QString key = line.left(equals).trimmed();
        const QString value = line.mid(equals + 1).trimmed();
        if (group == QLatin1String("KDE") && key == QLatin1String("AnimationDurationFactor")) {
            bool isNumber = false;
            const double factor = value.toDouble(&isNumber);
            source.reduceMotion = isNumber ? std::optional<bool>(factor == 0.0) : std::nullopt;
        } else if (group == QLatin1String("Colors:Window") &&
                   key == QLatin1String("BackgroundNormal")) {
            // "r,g,b"
            const QStringList parts = value.split(QLatin1Char(','));
            const QColor colour = parts.size() >= 3
                                      ? QColor(parts[0].toInt(), parts[1].toInt(), parts[2].toInt())
                                      : QColor();
            source.colorScheme = !colour.isValid()           ? std::nullopt
                                 : colour.lightnessF() < 0.5 ? std::optional(ColorScheme::dark)
                                                             : std::optional(ColorScheme::light);
        }
    }
    return source;
}

DesktopSettings mergeDesktopSources(std::initializer_list<DesktopSource> sources,
                                    double fontPointSize)
{
    DesktopSettings settings;
    for (const DesktopSource &source : sources) {
        settings.reduceMotion = settings.reduceMotion || source.reduceMotion == true;
        settings.increasedContrast = settings.increasedContrast || source.increasedContrast == true;
        if (settings.colorScheme == ColorScheme::noPreference && source.colorScheme) {
            settings.colorScheme = *source.colorScheme;
        }
    }
    const double scale =
        (fontPointSize > 0 ? fontPointSize : kReferencePointSize) / kReferencePointSize;
    settings.textScale = std::clamp(scale, kMinimumTextScale, kMaximumTextScale);
    return settings;
}

bool isDarkPalette(const QPalette &palette)
{
    return palette.color(QPalette::Active, QPalette::Window).lightnessF() < 0.5;
}

QPalette paletteFor(ColorScheme scheme)
{
    if (scheme != ColorScheme::dark) {
        // Qt's own light palette, built from a light grey button colour.
        return QPalette(QColor(0xef, 0xef, 0xef), QColor(0xef, 0xef, 0xef));
    }
    QPalette palette(QColor(0x3a, 0x3a, 0x3c), QColor(0x2b, 0x2b, 0x2d));
    const QColor text(0xee, 0xee, 0xee);
    palette.setColor(QPalette::WindowText, text);
    palette.setColor(QPalette::Text, text);
    palette.setColor(QPalette::ButtonText, text);
    palette.setColor(QPalette::BrightText, Qt::white);
    palette.setColor(QPalette::Base, QColor(0x1e, 0x1e, 0x20));
    palette.setColor(QPalette::AlternateBase, QColor(0x33, 0x33, 0x35));
    palette.setColor(QPalette::ToolTipBase, QColor(0x3a, 0x3a, 0x3c));
    palette.setColor(QPalette::ToolTipText, text);
    palette.setColor(QPalette::PlaceholderText, QColor(0x9a, 0x9a, 0x9e));
    palette.setColor(QPalette::Highlight, QColor(0x3d, 0x8e, 0xe6));
    palette.setColor(QPalette::HighlightedText, Qt::white);
    palette.setColor(QPalette::Link, QColor(0x5a, 0xa9, 0xff));
    const QColor disabledText(0x80, 0x80, 0x84);
    for (const QPalette::ColorRole role :
         {QPalette::WindowText, QPalette::Text, QPalette::ButtonText}) {
        palette.setColor(QPalette::Disabled, role, disabledText);
    }
    return palette;
}

} // namespace pondrel
