#include "gamestatistics.h"

#include "qtforms.h"
#include "savedsudoku.h"

#include <QLatin1String>
#include <QSettings>

#include <limits>

namespace pondrel {

QString GameStatistics::bestTimeKey(Difficulty difficulty)
{
    return QLatin1String(kBestTimeKeyPrefix) + toQString(rawValue(difficulty));
}

void GameStatistics::load(const QSettings &store)
{
    gamesCount.load(store);
    solvedCount.load(store);
    currentStreak.load(store);
    bestStreak.load(store);
    for (const Difficulty difficulty : allDifficulties) {
        // A time beyond what the screen can show exactly was never played.
        if (const std::optional<qint64> seconds =
                storedInteger(store.value(bestTimeKey(difficulty)));
            seconds && *seconds <= kMaxElapsedSeconds) {
            m_bestTimes[difficulty] = *seconds;
        }
    }
}

std::optional<qint64> GameStatistics::bestTime(Difficulty difficulty) const
{
    const auto found = m_bestTimes.find(difficulty);
    return found == m_bestTimes.end() ? std::nullopt : std::optional<qint64>(found->second);
}

bool GameStatistics::recordTime(QSettings &store, Difficulty difficulty, qint64 seconds)
{
    if (seconds >= bestTime(difficulty).value_or(std::numeric_limits<qint64>::max())) {
        return false;
    }
    m_bestTimes[difficulty] = seconds;
    store.setValue(bestTimeKey(difficulty), seconds);
    return true;
}

bool GameStatistics::clearBestTimes(QSettings &store)
{
    for (const Difficulty difficulty : allDifficulties) {
        store.remove(bestTimeKey(difficulty));
    }
    const bool held = !m_bestTimes.empty();
    m_bestTimes.clear();
    return held;
}

} // namespace pondrel
