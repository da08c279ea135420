#include "regularfile.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QMutex>
#include <QSaveFile>
#include <QSet>

#include <cstdio>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace pondrel {

namespace {

// A QFile on a regular file opened without blocking, or a closed QFile. A
// FIFO opened with O_NONBLOCK returns at once, and fstat() on the opened
// descriptor sees what was really opened, whatever stood there a moment ago.
bool openRegularFile(const QString &path, QFile &file)
{
    const int descriptor =
        ::open(QFile::encodeName(path).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (descriptor < 0) {
        return false;
    }
    struct stat status = {};
    if (::fstat(descriptor, &status) != 0 || !S_ISREG(status.st_mode)) {
        ::close(descriptor);
        return false;
    }
    return file.open(descriptor, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle);
}

} // namespace

bool isSpecialFile(const QString &path)
{
    const QFileInfo info(path);
    return info.exists() && !info.isFile();
}

std::optional<QByteArray> readRegularFile(const QString &path, qint64 limit)
{
    QFile file;
    if (!openRegularFile(path, file)) {
        return std::nullopt;
    }
    QByteArray bytes = file.read(limit + 1);
    if (file.error() != QFileDevice::NoError) {
        return std::nullopt;
    }
    return bytes;
}

void reportSpecialFile(const QString &path)
{
    static QMutex mutex;
    static QSet<QString> reported;
    const QMutexLocker lock(&mutex);
    if (reported.contains(path)) {
        return;
    }
    reported.insert(path);
    const QString program = QCoreApplication::applicationName();
    std::fprintf(stderr,
                 "%s%s%s is not a regular file: it is left alone, and this run keeps its data in "
                 "memory only\n",
                 qPrintable(program),
                 program.isEmpty() ? "" : ": ",
                 qPrintable(path));
}

void keepDamagedCopy(const QString &path)
{
    if (isSpecialFile(path)) {
        reportSpecialFile(path);
        return;
    }
    QFile source;
    if (!openRegularFile(path, source)) {
        return;
    }
    // The copy is written as a new file: a link or a FIFO left under its
    // name goes, so the save can neither follow it nor block on it.
    const QString copyPath = path + QLatin1String(kDamagedCopySuffix);
    const QFileInfo earlier(copyPath);
    if (earlier.isSymLink() || isSpecialFile(copyPath)) {
        QFile::remove(copyPath);
    }
    QSaveFile copy(copyPath);
    if (!copy.open(QIODevice::WriteOnly)) {
        return;
    }
    constexpr qint64 kChunk = 256 * 1024;
    while (!source.atEnd()) {
        const QByteArray chunk = source.read(kChunk);
        if (chunk.isEmpty() || copy.write(chunk) != chunk.size()) {
            copy.cancelWriting();
            return;
        }
    }
    // Flushed before commit() so that a full disk cancels the copy rather
    // than leaving a cut-off one (commit() misses a failed final flush).
    if (source.error() != QFileDevice::NoError || !copy.flush()) {
        copy.cancelWriting();
        return;
    }
    copy.commit();
}

} // namespace pondrel
