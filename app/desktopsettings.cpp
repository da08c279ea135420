#include "desktopsettings.h"

#include <QDBusArgument>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QDBusVariant>
#include <QFileInfo>
#include <QFont>
#include <QGuiApplication>
#include <QProcess>
#include <QStandardPaths>
#include <QTimer>

namespace pondrel {

namespace {

// gsettings answers in a few milliseconds; one that has not answered by
// then is hung, and is ended rather than left running. Nothing waits for it.
constexpr int kGsettingsTimeoutMilliseconds = 5000;

constexpr char kPortalService[] = "org.freedesktop.portal.Desktop";
constexpr char kPortalPath[] = "/org/freedesktop/portal/desktop";
constexpr char kPortalInterface[] = "org.freedesktop.portal.Settings";

} // namespace

DesktopSettingsMonitor::Sources DesktopSettingsMonitor::systemSources()
{
    Sources sources;
    sources.kdeglobalsPath =
        QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
        QStringLiteral("/kdeglobals");
    return sources;
}

DesktopSettingsMonitor::DesktopSettingsMonitor(Sources sources, QObject *parent)
    : QObject(parent), m_sources(std::move(sources))
{
    connect(&m_watcher, &QFileSystemWatcher::fileChanged, this, [this] {
        watchKdeglobals();
        update();
    });
    connect(&m_watcher, &QFileSystemWatcher::directoryChanged, this, [this] {
        // Only while kdeglobals is missing: has it appeared?
        if (QFileInfo::exists(m_sources.kdeglobalsPath)) {
            watchKdeglobals();
            update();
        }
    });
    watchKdeglobals();
    if (m_sources.portal) {
        connectPortal();
    }
    // Palette and font changes arrive as events to the application object.
    qGuiApp->installEventFilter(this);
    update();
}

DesktopSettingsMonitor::~DesktopSettingsMonitor()
{
    if (m_ownsPalette) {
        QGuiApplication::setPalette(QPalette());
    }
}

void DesktopSettingsMonitor::applyPortalSetting(const QString &group,
                                                const QString &key,
                                                const QVariant &value)
{
    if (m_portal.apply(group, key, value)) {
        update();
    }
}

void DesktopSettingsMonitor::onPortalSettingChanged(const QString &group,
                                                    const QString &key,
                                                    const QDBusVariant &value)
{
    applyPortalSetting(group, key, value.variant());
}

bool DesktopSettingsMonitor::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == qGuiApp && !m_applyingPalette &&
        (event->type() == QEvent::ApplicationPaletteChange ||
         event->type() == QEvent::ApplicationFontChange)) {
        update();
    }
    return QObject::eventFilter(watched, event);
}

void DesktopSettingsMonitor::connectPortal()
{
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected()) {
        if (m_sources.gsettings) {
            readGsettings();
        }
        return;
    }
    bus.connect(QString::fromLatin1(kPortalService),
                QString::fromLatin1(kPortalPath),
                QString::fromLatin1(kPortalInterface),
                QStringLiteral("SettingChanged"),
                this,
                SLOT(onPortalSettingChanged(QString, QString, QDBusVariant)));
    QDBusMessage call = QDBusMessage::createMethodCall(QString::fromLatin1(kPortalService),
                                                       QString::fromLatin1(kPortalPath),
                                                       QString::fromLatin1(kPortalInterface),
                                                       QStringLiteral("ReadAll"));
    call << QStringList{QString::fromLatin1(kAppearanceGroup),
                        QString::fromLatin1(kGnomeInterfaceGroup),
                        QString::fromLatin1(kGnomeAccessibilityGroup),
                        QString::fromLatin1(kKdeGroup)};
    // Not waited for: a portal that is still starting (or hung) would hold
    // up the first drawing of the board, which starts from the defaults and
    // follows the answer when it comes.
    auto *watcher = new QDBusPendingCallWatcher(bus.asyncCall(call), this);
    connect(watcher, &QDBusPendingCallWatcher::finished, this, [this](QDBusPendingCallWatcher *w) {
        w->deleteLater();
        if (!w->isError()) {
            readPortalReply(w->reply());
            update();
            return;
        }
        // A portal that never answered may still send its SettingChanged
        // signals; any other error means there is no portal on this desktop.
        if (w->error().type() != QDBusError::NoReply && m_sources.gsettings) {
            readGsettings();
        }
    });
}

void DesktopSettingsMonitor::readPortalReply(const QDBusMessage &reply)
{
    // a{sa{sv}}: group -> key -> value.
    if (reply.arguments().isEmpty()) {
        return;
    }
    const QDBusArgument groups = reply.arguments().constFirst().value<QDBusArgument>();
    if (groups.currentType() != QDBusArgument::MapType) {
        return;
    }
    groups.beginMap();
    while (!groups.atEnd()) {
        QString group;
        QVariantMap keys;
        groups.beginMapEntry();
        groups >> group >> keys;
        groups.endMapEntry();
        for (auto it = keys.cbegin(); it != keys.cend(); ++it) {
            m_portal.apply(group, it.key(), it.value());
        }
    }
    groups.endMap();
}

void DesktopSettingsMonitor::readGsettings()
{
    const QString gsettings = QStandardPaths::findExecutable(QStringLiteral("gsettings"));
    if (gsettings.isEmpty()) {
        return;
    }
    askGsettings(gsettings,
                 QString::fromLatin1(kGnomeInterfaceGroup),
                 QStringLiteral("enable-animations"),
                 [this](std::optional<bool> animations) {
                     if (animations) {
                         m_gsettings.reduceMotion = !*animations;
                     }
                 });
    askGsettings(
        gsettings,
        QString::fromLatin1(kGnomeAccessibilityGroup),
        QStringLiteral("high-contrast"),
        [this](std::optional<bool> highContrast) { m_gsettings.increasedContrast = highContrast; });
}

void DesktopSettingsMonitor::askGsettings(const QString &program,
                                          const QString &schema,
                                          const QString &key,
                                          std::function<void(std::optional<bool>)> take)
{
    auto *process = new QProcess(this);
    connect(process,
            &QProcess::finished,
            this,
            [this, process, take = std::move(take)](int exitCode, QProcess::ExitStatus status) {
                process->deleteLater();
                if (status != QProcess::NormalExit || exitCode != 0) {
                    return;
                }
                take(parseGsettingsBool(QString::fromUtf8(process->readAllStandardOutput())));
                update();
            });
    connect(process, &QProcess::errorOccurred, this, [process](QProcess::ProcessError error) {
        if (error == QProcess::FailedToStart) {
            process->deleteLater();
        }
    });
    QTimer::singleShot(kGsettingsTimeoutMilliseconds, process, [process] { process->kill(); });
    process->start(program, {QStringLiteral("get"), schema, key});
}

void DesktopSettingsMonitor::watchKdeglobals()
{
    const QString &path = m_sources.kdeglobalsPath;
    if (path.isEmpty()) {
        return;
    }
    const QString folder = QFileInfo(path).absolutePath();
    // Editors and KConfig replace the file, which ends a watch on it; each
    // change re-arms the watch on whatever file now has the name.
    if (QFileInfo::exists(path)) {
        if (!m_watcher.files().contains(path)) {
            m_watcher.addPath(path);
        }
        if (m_watcher.directories().contains(folder)) {
            m_watcher.removePath(folder);
        }
    } else {
        if (m_watcher.files().contains(path)) {
            m_watcher.removePath(path);
        }
        // Watching the folder tells when the file appears.
        if (QFileInfo::exists(folder) && !m_watcher.directories().contains(folder)) {
            m_watcher.addPath(folder);
        }
    }
}

void DesktopSettingsMonitor::update()
{
    m_kdeglobals = readKdeglobals(m_sources.kdeglobalsPath);
    // The portal speaks for the running desktop; kdeglobals may be left over
    // from another one, so it only fills in.
    const DesktopSettings settings = mergeDesktopSources(
        {m_portal.source(), m_gsettings, m_kdeglobals}, QGuiApplication::font().pointSizeF());
    const bool schemeChanged = settings.colorScheme != m_settings.colorScheme;
    const bool valuesChanged = settings != m_settings;
    m_settings = settings;
    if (schemeChanged || (!m_ownsPalette && settings.colorScheme != ColorScheme::noPreference)) {
        applyColorScheme();
    }
    m_preferences.setReduceMotion(settings.reduceMotion);
    m_preferences.setIncreasedContrast(settings.increasedContrast);
    m_preferences.setTextScale(settings.textScale);
    if (valuesChanged) {
        emit changed();
    }
}

void DesktopSettingsMonitor::applyColorScheme()
{
    m_applyingPalette = true;
    if (m_ownsPalette) {
        // Back to the platform's palette, to see whether it follows by now.
        QGuiApplication::setPalette(QPalette());
        m_ownsPalette = false;
    }
    const ColorScheme scheme = m_settings.colorScheme;
    if (scheme != ColorScheme::noPreference &&
        isDarkPalette(QGuiApplication::palette()) != (scheme == ColorScheme::dark)) {
        QGuiApplication::setPalette(paletteFor(scheme));
        m_ownsPalette = true;
    }
    m_applyingPalette = false;
}

} // namespace pondrel
