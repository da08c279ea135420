#pragma once

#include "desktoppreferences.h"
#include "desktopsources.h"

#include <QDBusVariant>
#include <QFileSystemWatcher>
#include <QObject>
#include <QString>
#include <QVariant>

#include <functional>
#include <optional>

class QDBusMessage;

namespace pondrel {

// Follows the desktop's settings while the program runs, without polling:
// the settings portal's SettingChanged signal on the session bus, a watch on
// the user's kdeglobals (re-armed after editors replace the file), and Qt's
// application palette and font change events, which the platform theme sends
// when it follows the desktop itself. `changed` is emitted when the merged
// value changes, and `preferences()` (what the board binds to) follows it.
//
// Nothing waits for the portal or gsettings: the settings start from what
// kdeglobals and Qt's font say, and take in the answers as they come.
//
// When the desktop asks for a light or dark appearance that Qt's palette does
// not have (no platform theme follows it), the application palette is set to
// one in that scheme, and given back to the platform when the two agree
// again.
class DesktopSettingsMonitor : public QObject
{
    Q_OBJECT

public:
    struct Sources
    {
        // The user's kdeglobals; watched even while it does not exist yet.
        QString kdeglobalsPath;
        // Ask the settings portal on the session bus.
        bool portal = true;
        // Without a portal, ask the gsettings tool once.
        bool gsettings = true;
    };

    // The sources of this desktop.
    static Sources systemSources();

    explicit DesktopSettingsMonitor(Sources sources, QObject *parent = nullptr);
    ~DesktopSettingsMonitor() override;

    const DesktopSettings &settings() const { return m_settings; }
    // The settings the board follows, as a QML object.
    DesktopPreferences *preferences() { return &m_preferences; }

    // One setting of the portal, as its SettingChanged signal brings it.
    void applyPortalSetting(const QString &group, const QString &key, const QVariant &value);

signals:
    void changed();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private Q_SLOTS:
    // The portal's signal, connected by name through QtDBus.
    void
    onPortalSettingChanged(const QString &group, const QString &key, const QDBusVariant &value);

private:
    void connectPortal();
    void readPortalReply(const QDBusMessage &reply);
    void readGsettings();
    // Runs `gsettings get schema key` and hands `take` the boolean it
    // prints (nothing for any other answer), then merges again.
    void askGsettings(const QString &program,
                      const QString &schema,
                      const QString &key,
                      std::function<void(std::optional<bool>)> take);
    void watchKdeglobals();
    void update();
    void applyColorScheme();

    Sources m_sources;
    PortalSettings m_portal;
    DesktopSource m_gsettings;
    DesktopSource m_kdeglobals;
    DesktopSettings m_settings;
    DesktopPreferences m_preferences;
    QFileSystemWatcher m_watcher;
    // The palette is ours (set to follow the desktop), not the platform's.
    bool m_ownsPalette = false;
    bool m_applyingPalette = false;
};

} // namespace pondrel
