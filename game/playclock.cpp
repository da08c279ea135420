#include "playclock.h"

#include <QObject>

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

} // namespace pondrel
