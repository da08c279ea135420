#pragma once

// How values read back from the preference store are understood.
//
// QSettings returns whatever the file holds: its INI file gives every scalar
// back as text ("5", "true"), a value written in this session comes back with
// its own type, and a hand-edited or foreign file can hold anything at all.
// Each reader accepts the forms this program writes and their text forms, and
// gives nothing for everything else, so the caller falls back to its default
// instead of guessing (QVariant would read "maybe" as true and a double far
// beyond 64 bits as an undefined integer).

#include <QByteArray>
#include <QString>
#include <QVariant>

#include <optional>

namespace pondrel {

// Integers and their decimal text; a double only when it is finite and in
// the 64-bit range (truncated); a bool as 0 or 1. Anything else, including
// text that does not fit 64 bits, gives nothing.
std::optional<qint64> storedInteger(const QVariant &value);

// A bool, an integer (non-zero is true), or the texts "true", "false" (in
// any case), "1" and "0".
std::optional<bool> storedBool(const QVariant &value);

// Text values only.
std::optional<QString> storedText(const QVariant &value);

// Byte arrays only.
std::optional<QByteArray> storedData(const QVariant &value);

} // namespace pondrel
