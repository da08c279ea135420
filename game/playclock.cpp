#include "playclock.h"

#include <QChar>
#include <QObject>

#include <algorithm>
#include <utility>

namespace pondrel {

PlayClock::PlayClock(std::function<void()> onTick) : m_onTick(std::move(onTick))
{
    m_timer.setSingleShot(true);
    m_timer.setTimerType(Qt::PreciseTimer);
    m_timer.setInterval(kTickInterval);
    QObject::connect(&m_timer, &QTimer::timeout, &m_timer, [this] { tick(); });
}

bool PlayClock::setRunning(bool run)
{
    if (run == m_running) {
        return false;
    }
    m_running = run;
    if (run) {
        m_timer.start();
    } else {
        m_timer.stop();
    }
    return !run;
}

void PlayClock::tick()
{
    if (!m_running) {
        return;
    }
    m_onTick();
    // Observers of the tick may have stopped the clock.
    if (m_running) {
        m_timer.start();
    }
}

QString PlayClock::format(qint64 seconds)
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
