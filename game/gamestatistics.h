#pragma once

#include "difficulty.h"
#include "storedvalue.h"

#include <QString>

#include <limits>
#include <map>
#include <optional>

class QSettings;

namespace pondrel {

// Counters, hint counts and the clock stop at the largest value instead of
// overflowing; a store or a saved game can hand us a value right at the limit.
constexpr qint64 plusOne(qint64 value)
{
    return value == std::numeric_limits<qint64>::max() ? value : value + 1;
}

// The player's record across games: four counters and the best time of each
// difficulty, all kept in the preference store. SudokuGame owns one, assigns
// the counters through its own properties and announces every change; the
// best times are read and written here because they are one key per
// difficulty rather than one value.
//
// The program only ever writes integers under these keys; anything else
// reads as no value: 0 for a counter, no best time for a difficulty (a best
// time of 0 read from junk could never be beaten).
class GameStatistics
{
public:
    static constexpr char kGamesCountKey[] = "Pondrel_GamesCount";
    static constexpr char kSolvedCountKey[] = "Pondrel_SolvedCount";
    static constexpr char kCurrentStreakKey[] = "Pondrel_CurrentStreak";
    static constexpr char kBestStreakKey[] = "Pondrel_BestStreak";
    static constexpr char kBestTimeKeyPrefix[] = "Pondrel_BestTime_";

    static QString bestTimeKey(Difficulty difficulty);

    StoredValue<qint64> gamesCount{kGamesCountKey, 0};
    StoredValue<qint64> solvedCount{kSolvedCountKey, 0};
    StoredValue<qint64> currentStreak{kCurrentStreakKey, 0};
    StoredValue<qint64> bestStreak{kBestStreakKey, 0};

    // Reads the counters and best times once; writes nothing back.
    void load(const QSettings &store);

    const std::map<Difficulty, qint64> &bestTimes() const { return m_bestTimes; }
    std::optional<qint64> bestTime(Difficulty difficulty) const;
    // Keeps and writes `seconds` when it beats the difficulty's best time or
    // there is none yet; returns whether it did.
    bool recordTime(QSettings &store, Difficulty difficulty, qint64 seconds);
    // Removes every best time from the store, and returns whether any was
    // held in memory.
    bool clearBestTimes(QSettings &store);

private:
    std::map<Difficulty, qint64> m_bestTimes;
};

} // namespace pondrel
