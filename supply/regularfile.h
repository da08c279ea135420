#pragma once

// Guards for the player's own files (the preference store, the supply file)
// against what can stand at their paths instead of a file.
//
// A FIFO blocks open() for reading until some writer comes, for ever and
// deaf to SIGTERM; a device or a socket is no file of ours; and an atomic
// save (QSaveFile) follows a symbolic link and renames its temporary file
// over the link's target, which turns a device into a regular file holding
// our data. So none of them is ever opened for a blocking read nor replaced:
// the program keeps what it has in memory and says so once on standard
// error. A link to a regular file is followed as usual.
//
// A regular file that could not be read whole is copied once beside itself
// as "<name>.damaged" before the next save writes over it, so the player
// (or a bug report) still has what was there. Each new damaged read
// replaces the previous copy.

#include <QByteArray>
#include <QString>

#include <optional>

namespace pondrel {

inline constexpr char kDamagedCopySuffix[] = ".damaged";

// Whether something other than a regular file stands at `path` once links
// are followed: a FIFO, a device, a socket, a folder. Nothing there (or a
// dangling link) is not special.
bool isSpecialFile(const QString &path);

// The first `limit` + 1 bytes of a regular file at `path` (one more than
// allowed, so the caller sees a file that is too long). Opens without
// blocking and checks the opened file itself, so a FIFO put in its place
// after a check cannot stall the read. Nothing when the file is missing,
// special or unreadable.
std::optional<QByteArray> readRegularFile(const QString &path, qint64 limit);

// Says once per path, on standard error, that the file at `path` is not a
// regular file and is left alone.
void reportSpecialFile(const QString &path);

// Copies the regular file at `path` to `path` + ".damaged", replacing an
// earlier copy; a special file is reported instead. Failures are ignored:
// the copy is a courtesy, never a reason to stop.
void keepDamagedCopy(const QString &path);

} // namespace pondrel
