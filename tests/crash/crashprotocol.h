#pragma once

// What the crash writer tells its driver, one line per event on stdout.
// Each line is written with one write(2) and is far below PIPE_BUF, so a
// kill never leaves half a line in the pipe: the driver only ever sees whole
// lines, and the last one says where the writer was when it died.
//
//   ready <played> <last> <hash> <summary>   state as read (and dealt) at start
//   S <n>                                    iteration n deals: supply rewrite
//   s <n> <played> <last> <hash>             that rewrite returned
//   C <n> <summary>                          the store is about to be synced;
//                                            <summary> is exactly what it holds
//   c <n>                                    sync returned: iteration n complete
//
// <played> is the number of fingerprints in the supply's played list,
// <last> the newest one, <hash> playedHash() of the whole list. <summary> is
// storeSummary() and runs to the end of the line (it may hold blanks).

#include <QByteArray>
#include <QSettings>
#include <QString>
#include <QStringList>
#include <QVariant>

#include <cstdint>
#include <vector>

namespace pondrel::test {

inline std::uint64_t fnv1a(const char *bytes, std::size_t size)
{
    std::uint64_t hash = 14695981039346656037ull;
    for (std::size_t i = 0; i < size; ++i) {
        hash = (hash ^ static_cast<unsigned char>(bytes[i])) * 1099511628211ull;
    }
    return hash;
}

inline std::uint64_t playedHash(const std::vector<std::uint64_t> &played)
{
    std::uint64_t hash = 14695981039346656037ull;
    for (const std::uint64_t print : played) {
        for (int shift = 0; shift < 64; shift += 8) {
            hash = (hash ^ ((print >> shift) & 0xFF)) * 1099511628211ull;
        }
    }
    return hash;
}

// Every key of the store with its value in one line, sorted by key. A value
// read back from the file has lost its type (an integer comes back as text),
// so values are compared as text; byte arrays (the saved game) by their hash.
inline QString storeSummary(const QSettings &store)
{
    QStringList keys = store.allKeys();
    keys.sort();
    QStringList parts;
    for (const QString &key : keys) {
        const QVariant value = store.value(key);
        QString text;
        if (value.typeId() == QMetaType::QByteArray) {
            const QByteArray bytes = value.toByteArray();
            text = QStringLiteral("#%1").arg(
                fnv1a(bytes.constData(), static_cast<std::size_t>(bytes.size())),
                16,
                16,
                QLatin1Char('0'));
        } else {
            text = value.toString();
        }
        parts.append(key + QLatin1Char('=') + text);
    }
    return parts.join(QLatin1Char(';'));
}

} // namespace pondrel::test
