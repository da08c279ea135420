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

} // namespace pondrel
