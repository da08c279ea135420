#pragma once

#include <QSettings>

#include <memory>

namespace pondrel {

// The format of the per-user store. Its files are Qt's own INI text, the
// same as QSettings::NativeFormat writes on Linux, at the same path; what
// differs is the write: a file the disk could not hold in full is never put
// in place of the previous one. Qt 6.4 writes through a QSaveFile whose
// commit() misses a failed final flush, so on a nearly full disk the native
// format swaps the whole store (settings, statistics, the saved game) for
// an empty or cut-off file and reports success.
QSettings::Format storeFormat();

// Reading keeps every entry that can be read: a damaged line (no key, an
// unclosed section or quote, stray bytes) costs that line only, and keys the
// writer could not write back are left out, so the store can always be
// saved again. A file that could not be read whole is copied aside first
// (see regularfile.h), since the next save writes over it.

// Where the per-user store lives: the native format's place,
// $XDG_CONFIG_HOME/<application>/<application>.conf.
QString userStorePath(const QString &application);

// The store at `path` in the store's format. When something other than a
// regular file stands there or at its lock's path (a FIFO would block the
// first read for ever, a save would replace a device), the file is left
// alone: the store lives in memory for this run, and standard error says so
// once.
std::unique_ptr<QSettings> openStore(const QString &path);

// Removes the store's lock file when a process killed while taking it left
// it empty. QLockFile cannot tell whose an empty lock is, so it waits for it
// to grow old (30 s): the first save after such a crash would freeze the
// game that long. A lock is written within microseconds of its creation, so
// one still empty after a second has no owner. Returns whether it removed
// one. Call before the store is first written.
bool removeAbandonedLock(const QString &storePath);

} // namespace pondrel
