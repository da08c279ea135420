#include "timeformat.h"

#include <QChar>

#include <algorithm>

namespace pondrel {

QString formatTime(qint64 seconds)
{
    // Clamped before any arithmetic, so the most negative value cannot
    // overflow; the largest one divides without trouble.
    const qint64 time = std::max<qint64>(seconds, 0);
    const qint64 minutes = (time % 3600) / 60;
    const qint64 rest = time % 60;
    const QChar zero = QLatin1Char('0');
    if (time < 3600) {
        return QStringLiteral("%1:%2").arg(minutes).arg(rest, 2, 10, zero);
    }
    return QStringLiteral("%1:%2:%3")
        .arg(time / 3600)
        .arg(minutes, 2, 10, zero)
        .arg(rest, 2, 10, zero);
}

} // namespace pondrel
