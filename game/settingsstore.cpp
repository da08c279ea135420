#include "settingsstore.h"

#include "regularfile.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileDevice>
#include <QFileInfo>
#include <QStandardPaths>
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

// Owns a scratch folder for as long as its parent lives.
class ScratchOwner : public QObject
{
public:
    QTemporaryDir folder = scratchFolder();
};

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

// The keys whose values come back from `text` as they are in `map`.
// Scalars come back as text ("true", "5"), hence the comparison of text
// forms too.
QStringList keysHeld(const QByteArray &text, const QSettings::SettingsMap &map)
{
    QSettings::SettingsMap parsed;
    parseIni(text, parsed);
    QStringList held;
    for (auto it = map.cbegin(); it != map.cend(); ++it) {
        const auto found = parsed.constFind(it.key());
        if (found != parsed.cend() && (*found == *it || found->toString() == it->toString())) {
            held.append(it.key());
        }
    }
    return held;
}

// The scratch file went through the same faulty commit, so a full scratch
// folder could have cut it short: read it back before trusting it.
bool holdsEveryValue(const QByteArray &text, const QSettings::SettingsMap &map)
{
    return keysHeld(text, map).size() == map.size();
}

bool isIniBlank(char c)
{
    return c == ' ' || c == '\t' || c == '\f' || c == '\v';
}

// Whether Qt's reader takes this line (no line break in it) as one whole
// entry: a blank, a comment, a closed section header or `key=value` with a
// key. What it would do with any other line costs more than the line: an
// open quote or a final backslash runs the entry on into the lines below, an
// unclosed "[Gen" moves every key below it into another section, and an
// empty key ("=") is one the writer cannot write back, which would refuse
// every later save. Mirrors the scan of Qt's reader: a backslash escapes the
// next character, quotes hide '=' and ';', and ';' outside quotes ends the
// entry.
bool isWholeIniLine(QByteArrayView line)
{
    qsizetype start = 0;
    while (start < line.size() && isIniBlank(line[start])) {
        ++start;
    }
    if (start == line.size() || line[start] == ';') {
        return true;
    }
    bool inQuotes = false;
    qsizetype equals = -1;
    qsizetype end = start;
    for (; end < line.size(); ++end) {
        const char c = line[end];
        if (c == '\\') {
            if (++end == line.size()) {
                return false;
            }
        } else if (c == '"') {
            inQuotes = !inQuotes;
        } else if (c == '=' && !inQuotes && equals < 0) {
            equals = end;
        } else if (c == ';' && !inQuotes) {
            break;
        }
    }
    if (inQuotes) {
        return false;
    }
    const QByteArrayView entry = line.sliced(start, end - start);
    if (entry.front() == '[') {
        return entry.contains(']');
    }
    return equals > start && !line.sliced(start, equals - start).trimmed().isEmpty();
}

// The text without the lines that are not whole entries. Returns whether it
// dropped any.
bool dropBrokenLines(QByteArray &text)
{
    QByteArray kept;
    kept.reserve(text.size());
    bool dropped = false;
    qsizetype lineStart = 0;
    for (qsizetype i = 0; i <= text.size(); ++i) {
        if (i < text.size() && text[i] != '\n' && text[i] != '\r') {
            continue;
        }
        const QByteArrayView line(text.constData() + lineStart, i - lineStart);
        if (isWholeIniLine(line)) {
            kept.append(line.data(), line.size()).append('\n');
        } else {
            dropped = true;
        }
        lineStart = i + 1;
    }
    if (dropped) {
        text = kept;
    }
    return dropped;
}

// Keeps every entry that can be read; a damaged line costs that line only.
// Keys that would not survive a write (Qt's writer cannot hold every key its
// reader accepts) are dropped here, so that the store can always be saved.
// A file that could not be read whole is copied aside first: the next save
// writes over it.
bool readStore(QIODevice &device, QSettings::SettingsMap &map)
{
    QByteArray text = device.readAll();
    bool damaged = dropBrokenLines(text);
    damaged = !parseIni(text, map) || damaged;
    QByteArray written;
    if (formatIni(map, written)) {
        const QStringList held = keysHeld(written, map);
        if (held.size() != map.size()) {
            damaged = true;
            QSettings::SettingsMap kept;
            for (const QString &key : held) {
                kept.insert(key, map.value(key));
            }
            map = kept;
        }
    }
    if (auto *file = qobject_cast<QFile *>(&device); file && damaged) {
        keepDamagedCopy(file->fileName());
    }
    return true;
}

bool writeStore(QIODevice &device, const QSettings::SettingsMap &map)
{
    auto *file = qobject_cast<QFileDevice *>(&device);
    // The atomic save would put a regular file in place of whatever stands
    // there (through a link, too): a FIFO or a device is never replaced.
    if (file && isSpecialFile(file->fileName())) {
        reportSpecialFile(file->fileName());
        return false;
    }
    QByteArray text;
    if (!formatIni(map, text) || !holdsEveryValue(text, map)) {
        return false;
    }
    if (device.write(text) != text.size()) {
        return false;
    }
    // Returning false here makes QSettings drop the half-written file and
    // report an access error instead of renaming it over the old one.
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

QString userStorePath(const QString &application)
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
           QLatin1Char('/') + application + QLatin1Char('/') + application +
           QStringLiteral(".conf");
}

std::unique_ptr<QSettings> openStore(const QString &path)
{
    // Each save takes a lock file beside the store and reads one it finds
    // there to see whether it is stale: a FIFO in its place blocks as well.
    const QString lock = path + QStringLiteral(".lock");
    if (!isSpecialFile(path) && !isSpecialFile(lock)) {
        return std::make_unique<QSettings>(path, storeFormat());
    }
    reportSpecialFile(isSpecialFile(path) ? path : lock);
    // A store of its own in the scratch folder, gone with the store.
    auto scratch = std::make_unique<ScratchOwner>();
    // Without a scratch folder, a path no one can create: QSettings then
    // keeps every value in memory and fails each write.
    const QString memoryPath = scratch->folder.isValid()
                                   ? unusedScratchPath(scratch->folder)
                                   : QStringLiteral("/proc/self/pondrel-memory-only/store.conf");
    auto store = std::make_unique<QSettings>(memoryPath, storeFormat());
    scratch.release()->setParent(store.get());
    return store;
}

QSettings::Format storeFormat()
{
    static const QSettings::Format format =
        QSettings::registerFormat(QStringLiteral("conf"), readStore, writeStore);
    return format;
}

} // namespace pondrel
