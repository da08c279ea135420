#pragma once

#include <QString>

#include <optional>

namespace pondrel {

// The desktop's accessibility choices that change how the board draws.
struct DesktopSettings
{
    bool reduceMotion = false;
    bool increasedContrast = false;
};

// Reads them where the desktop exposes them: GNOME's interface settings
// (through the gsettings tool, when it is installed) and KDE's animation
// speed in kdeglobals. Anything unreadable counts as off.
DesktopSettings readDesktopSettings();

// The parts, for tests.
// gsettings prints a boolean as "true" or "false"; anything else is unknown.
std::optional<bool> parseGsettingsBool(const QString &output);
// KDE turns animations off with an animation duration factor of 0.
bool kdeAnimationsOff(const QString &kdeglobalsPath);

} // namespace pondrel
