#include "desktopsettings.h"

#include <QProcess>
#include <QSettings>
#include <QStandardPaths>

namespace pondrel {

namespace {

// gsettings answers in a few milliseconds; a hung D-Bus must not hold up the
// first opening of the panel for long.
constexpr int kGsettingsTimeoutMilliseconds = 300;

std::optional<bool> gsettingsBool(const QString &program, const QString &schema, const QString &key)
{
    QProcess process;
    process.start(program, {QStringLiteral("get"), schema, key});
    if (!process.waitForFinished(kGsettingsTimeoutMilliseconds)) {
        process.kill();
        process.waitForFinished(kGsettingsTimeoutMilliseconds);
        return std::nullopt;
    }
    if (process.exitStatus() != QProcess::NormalExit || process.exitCode() != 0) {
        return std::nullopt;
    }
    return parseGsettingsBool(QString::fromUtf8(process.readAllStandardOutput()));
}

} // namespace

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

bool kdeAnimationsOff(const QString &kdeglobalsPath)
{
    if (kdeglobalsPath.isEmpty()) {
        return false;
    }
    const QSettings kdeglobals(kdeglobalsPath, QSettings::IniFormat);
    bool isNumber = false;
    const double factor =
        kdeglobals.value(QStringLiteral("KDE/AnimationDurationFactor")).toDouble(&isNumber);
    return isNumber && factor == 0.0;
}

DesktopSettings readDesktopSettings()
{
    DesktopSettings settings;
    settings.reduceMotion = kdeAnimationsOff(
        QStandardPaths::locate(QStandardPaths::GenericConfigLocation, QStringLiteral("kdeglobals")));
    const QString gsettings = QStandardPaths::findExecutable(QStringLiteral("gsettings"));
    if (!gsettings.isEmpty()) {
        const std::optional<bool> animations = gsettingsBool(
            gsettings, QStringLiteral("org.gnome.desktop.interface"), QStringLiteral("enable-animations"));
        settings.reduceMotion = settings.reduceMotion || animations == false;
        const std::optional<bool> highContrast = gsettingsBool(
            gsettings, QStringLiteral("org.gnome.desktop.a11y.interface"), QStringLiteral("high-contrast"));
        settings.increasedContrast = highContrast == true;
    }
    return settings;
}

} // namespace pondrel
