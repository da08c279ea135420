#include "settingsstore.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileDevice>
#include <QFileInfo>
#include <QTemporaryDir>

#include <atomic>

namespace pondrel {

namespace {

// The scratch files hold the player's store for a moment: the session's
// private runtime folder keeps them in memory and out of other users' sight.
QTemporaryDir scratchFolder()
{
    QString base = qEnvironmentVariable("XDG_RUNTIME_DIR");
    if (base.isEmpty() || !QFileInfo(base).isDir()) {
        base = QDir::tempPath();
    }
    return QTemporaryDir(base + QStringLiteral("/pondrel-store-XXXXXX"));
}

// QSettings keeps every file it has opened in a process-wide cache keyed by
// path; a scratch path used twice could hand back the first file's values.
QString unusedScratchPath(const QTemporaryDir &folder)
{
    static std::atomic<quint64> serial{0};
    return folder.filePath(QStringLiteral("store-%1.ini").arg(++serial));
}

// Parses INI text with Qt's own reader, so every value comes back exactly as
// the native format would give it.
bool parseIni(const QByteArray &text, QSettings::SettingsMap &map)
{
    const QTemporaryDir folder = scratchFolder();
    if (!folder.isValid()) {
        return false;
    }
    const QString path = unusedScratchPath(folder);
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(text) != text.size() || !file.flush()) {
        return false;
    }
    file.close();
    const QSettings ini(path, QSettings::IniFormat);
    const QStringList keys = ini.allKeys();
    for (const QString &key : keys) {
        map.insert(key, ini.value(key));
    }
    return ini.status() == QSettings::NoError;
}

// Writes the map with Qt's own INI writer and returns its text.
bool formatIni(const QSettings::SettingsMap &map, QByteArray &text)
{
    const QTemporaryDir folder = scratchFolder();
    if (!folder.isValid()) {
        return false;
    }
    const QString path = unusedScratchPath(folder);
    {
        QSettings ini(path, QSettings::IniFormat);
        for (auto it = map.cbegin(); it != map.cend(); ++it) {
            ini.setValue(it.key(), it.value());
        }
        ini.sync();
        if (ini.status() != QSettings::NoError) {
            return false;
        }
    }
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        return false;
    }
    text = file.readAll();
    return file.error() == QFileDevice::NoError;
}

// The scratch file went through the same faulty commit, so a full scratch
// folder could have cut it short: read it back before trusting it. Scalars
// come back as text ("true", "5"), hence the comparison of text forms.
bool holdsEveryValue(const QByteArray &text, const QSettings::SettingsMap &map)
{
    QSettings::SettingsMap parsed;
    if (!parseIni(text, parsed) || parsed.size() != map.size()) {
        return false;
    }
    for (auto it = map.cbegin(); it != map.cend(); ++it) {
        const auto found = parsed.constFind(it.key());
        if (found == parsed.cend()) {
            return false;
        }
        if (*found != *it && found->toString() != it->toString()) {
            return false;
        }
    }
    return true;
}

bool readStore(QIODevice &device, QSettings::SettingsMap &map)
{
    return parseIni(device.readAll(), map);
}

bool writeStore(QIODevice &device, const QSettings::SettingsMap &map)
{
    QByteArray text;
    if (!formatIni(map, text) || !holdsEveryValue(text, map)) {
        return false;
    }
    if (device.write(text) != text.size()) {
        return false;
    }
    // Returning false here makes QSettings drop the half-written file and
    // report an access error instead of renaming it over the old one.
    auto *file = qobject_cast<QFileDevice *>(&device);
    return file == nullptr || file->flush();
}

} // namespace

bool removeAbandonedLock(const QString &storePath)
{
    const QFileInfo lock(storePath + QStringLiteral(".lock"));
    if (!lock.isFile() || lock.isSymLink() || lock.size() != 0) {
        return false;
    }
    const QDateTime modified = lock.lastModified();
    if (!modified.isValid() || modified.msecsTo(QDateTime::currentDateTime()) < 1000) {
        return false;
    }
    return QFile::remove(lock.filePath());
}

QSettings::Format storeFormat()
{
    static const QSettings::Format format =
        QSettings::registerFormat(QStringLiteral("conf"), readStore, writeStore);
    return format;
}

} // namespace pondrel
