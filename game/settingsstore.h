#pragma once

#include <QSettings>

namespace pondrel {

// The format of the per-user store. Its files are Qt's own INI text, the
// same as QSettings::NativeFormat writes on Linux, at the same path; what
// differs is the write: a file the disk could not hold in full is never put
// in place of the previous one. Qt 6.4 writes through a QSaveFile whose
// commit() misses a failed final flush, so on a nearly full disk the native
// format swaps the whole store (settings, statistics, the saved game) for
// an empty or cut-off file and reports success.
QSettings::Format storeFormat();

// Removes the store's lock file when a process killed while taking it left
// it empty. QLockFile cannot tell whose an empty lock is, so it waits for it
// to grow old (30 s): the first save after such a crash would freeze the
// game that long. A lock is written within microseconds of its creation, so
// one still empty after a second has no owner. Returns whether it removed
// one. Call before the store is first written.
bool removeAbandonedLock(const QString &storePath);

} // namespace pondrel
