#pragma once

#include <QTimer>

#include <chrono>
#include <functional>

namespace pondrel {

// The timer behind the play clock. It only ticks: the owner keeps the time,
// decides when the clock should run and counts a second on each tick.
//
// The timer is single-shot and re-armed after each tick, and a flag, not the
// timer's own state, says whether the clock runs, so a tick whose observers
// stop the clock does not re-arm it. The next deadline is counted from the
// tick, so a late tick is not caught up, and a partial second is dropped
// when the clock stops.
class PlayClock
{
public:
    // One tick of the play clock. Times are whole seconds.
    static constexpr std::chrono::milliseconds kTickInterval{1000};

    explicit PlayClock(std::function<void()> onTick);
    PlayClock(const PlayClock &) = delete;
    PlayClock &operator=(const PlayClock &) = delete;

    bool isRunning() const { return m_running; }
    // Starts or stops the clock; returns whether this stopped a running one.
    bool setRunning(bool run);
    void setInterval(std::chrono::milliseconds interval) { m_timer.setInterval(interval); }

private:
    void tick();

    QTimer m_timer;
    bool m_running = false;
    std::function<void()> m_onTick;
};

} // namespace pondrel
