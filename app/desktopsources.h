#pragma once

#include <QPalette>
#include <QString>
#include <QVariant>

#include <initializer_list>
#include <optional>

// The desktop's settings as values: what each source (the settings portal,
// kdeglobals, gsettings) says, and how they merge. Pure functions, so the
// rules are tested without a desktop; DesktopSettingsMonitor does the
// watching.

namespace pondrel {

// The settings portal's groups that carry what the board follows.
inline constexpr char kAppearanceGroup[] = "org.freedesktop.appearance";
inline constexpr char kGnomeInterfaceGroup[] = "org.gnome.desktop.interface";
inline constexpr char kGnomeAccessibilityGroup[] = "org.gnome.desktop.a11y.interface";
inline constexpr char kKdeGroup[] = "org.kde.kdeglobals.KDE";
// Qt's reference font size: a desktop font of 10 pt is a text scale of 1.
inline constexpr double kReferencePointSize = 10.0;
// Text smaller than the default is drawn at the default size, and very large
// text is held where the panel still fits a laptop screen.
inline constexpr double kMinimumTextScale = 1.0;
inline constexpr double kMaximumTextScale = 1.65;

// The light or dark appearance the desktop asks applications for.
enum class ColorScheme { noPreference, light, dark };

// The desktop's choices that change how the board draws, merged from every
// source that knows them.
struct DesktopSettings
{
    bool reduceMotion = false;
    bool increasedContrast = false;
    ColorScheme colorScheme = ColorScheme::noPreference;
    // The default font size relative to Qt's 10 pt reference size, held
    // within kMinimumTextScale and kMaximumTextScale.
    double textScale = 1.0;

    friend bool operator==(const DesktopSettings &, const DesktopSettings &) = default;
};

// What one source says; nothing where it is silent.
struct DesktopSource
{
    std::optional<bool> reduceMotion;
    std::optional<bool> increasedContrast;
    std::optional<ColorScheme> colorScheme;
};

// What the settings portal reports (org.freedesktop.portal.Settings), key by
// key: the freedesktop appearance keys and the GNOME and KDE keys it passes
// on. The portal's own keys come first where both speak.
struct PortalSettings
{
    std::optional<ColorScheme> appearanceScheme; // org.freedesktop.appearance color-scheme
    std::optional<bool> appearanceHighContrast;  // org.freedesktop.appearance contrast
    std::optional<ColorScheme> gnomeScheme;      // org.gnome.desktop.interface color-scheme
    std::optional<bool> gnomeAnimations;         // org.gnome.desktop.interface enable-animations
    std::optional<bool> gnomeHighContrast;       // org.gnome.desktop.a11y.interface high-contrast
    std::optional<double> kdeAnimationFactor;    // org.kde.kdeglobals.KDE AnimationDurationFactor

    // Takes in one setting as ReadAll lists it or SettingChanged announces
    // it (possibly wrapped in D-Bus variants). Returns whether it was one
    // of ours with a usable value.
    bool apply(const QString &group, const QString &key, const QVariant &value);
    DesktopSource source() const;
};

// gsettings prints a boolean as "true" or "false"; anything else is unknown.
std::optional<bool> parseGsettingsBool(const QString &output);
// KDE turns animations off with an animation duration factor of 0 and keeps
// its window colours in [Colors:Window]; a missing or unreadable file says
// nothing.
DesktopSource readKdeglobals(const QString &path);
// Any source asking for less motion or more contrast wins; the first source
// with a colour scheme gives it. The text scale comes from the font size,
// held within the range the board is laid out for.
DesktopSettings mergeDesktopSources(std::initializer_list<DesktopSource> sources,
                                    double fontPointSize);
// A palette in the requested scheme, for a platform whose own palette does
// not follow the desktop's.
QPalette paletteFor(ColorScheme scheme);
bool isDarkPalette(const QPalette &palette);

} // namespace pondrel
