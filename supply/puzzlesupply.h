#pragma once

#include "savedstate.h"
#include "sudokupuzzle.h"
#include "supplyfile.h"

#include <QObject>
#include <QString>

#include <atomic>
#include <cstddef>
#include <functional>
#include <memory>
#include <optional>
#include <set>

namespace pondrel {

// Keeps puzzles ready so that dealing one never waits for the generator.
//
// For each difficulty a short queue of generated puzzles (their givens as
// grid texts) is refilled by background generation whenever it holds fewer
// than readyTarget; the queues and the fingerprints of dealt puzzles are kept
// in "PuzzleSupply.json" so that a restart neither loses prepared puzzles nor
// deals a recent one again. When a queue is empty the built-in list is the
// fallback, and deal() generates on the spot only when both come up empty.
//
// Everything here runs on the thread that owns the supply (the main thread)
// except generation itself, which runs on a low-priority pool; its result
// comes back through the owner's event loop and is dropped if the supply is
// gone by then. Destroying the supply asks running generations to stop and
// does not wait for them.
//
// No operation reports failure: an unreadable file means empty queues, a
// failed write keeps the old file, invalid texts are skipped when taken.
class PuzzleSupply : public QObject
{
    Q_OBJECT

public:
    // Puzzles kept ready per difficulty.
    static constexpr std::size_t readyTarget = 3;
    // Dealt fingerprints remembered; about the games of a few years' play.
    static constexpr std::size_t playedLimit = 4000;
    // Attempts per generate() call; a background task calls again until one
    // succeeds.
    static constexpr int generationAttempts = 60;

    using GenerateFunction = std::function<std::optional<SudokuPuzzle>(
        Difficulty difficulty, int attempts, const std::atomic<bool> *stop)>;

    // Where the supply's inputs come from. The defaults are the compiled-in
    // list and the engine's generator; tests substitute their own.
    struct Sources
    {
        // An empty or missing path means no built-in list.
        QString bundledListPath = QString::fromLatin1(kBundledListResource);
        // Called on a pool thread; must return soon after `stop` is set.
        // Empty means the engine's generate().
        GenerateFunction generate;
    };

    // `directory` is where the supply file lives; without one the supply
    // works in memory only and never touches a file. Reads the built-in list
    // and the supply file; starts nothing and writes nothing.
    PuzzleSupply(std::optional<QString> directory,
                 bool generatesInBackground,
                 QObject *parent = nullptr);
    PuzzleSupply(std::optional<QString> directory,
                 bool generatesInBackground,
                 Sources sources,
                 QObject *parent = nullptr);
    // Raises the stop flag of this supply's running generations and returns
    // at once; their results, if any, are dropped.
    ~PuzzleSupply() override;

    // The supply the application uses: the user's application-data folder
    // (created if missing; none if that fails) and background generation on.
    static std::unique_ptr<PuzzleSupply> makeDefault();

    // A prepared puzzle not dealt recently, else a random built-in one not
    // dealt recently, else nothing. Prepared texts looked at are removed from
    // the queue, valid or not; the file catches up at the next save.
    std::optional<SudokuPuzzle> takeReady(Difficulty difficulty);

    // A random valid built-in puzzle, dealt before or not.
    std::optional<SudokuPuzzle> takeBundled(Difficulty difficulty);

    // The puzzle a new game starts with: takeReady(), else takeBundled(),
    // else one generated here and now with the engine's generator, blocking
    // until it succeeds, because the board cannot stay without a puzzle.
    // Does not mark it played.
    SudokuPuzzle deal(Difficulty difficulty);

    // Records the dealt puzzle's fingerprint (keeping the newest playedLimit)
    // and saves.
    void markPlayed(const SudokuPuzzle &puzzle);

    // Starts one background generation for each difficulty that has fewer
    // than readyTarget puzzles ready and none running. Does nothing when
    // background generation is off.
    void refill();

    // Takes a finished generation: queues it, saves, and refills. Called on
    // the owner's thread when a background generation ends.
    void storeGenerated(const SudokuPuzzle &puzzle, Difficulty difficulty);

    // Writes the state to the supply file, replacing it atomically. Failures
    // are ignored; the state in memory stays as it is.
    void save();

    // The supply file's path, or nothing when there is no directory.
    const std::optional<QString> &filePath() const { return m_filePath; }
    const BundledPuzzles &bundled() const { return m_bundled; }
    const SavedState &state() const { return m_state; }
    // Difficulties with a background generation running now.
    const std::set<Difficulty> &generating() const { return m_generating; }
    bool generatesInBackground() const { return m_generatesInBackground; }

private:
    void startGeneration(Difficulty difficulty);
    // A generation that ended without a puzzle (its generator threw): free
    // the difficulty so that the next refill tries again.
    void abandonGeneration(Difficulty difficulty);
    bool isPlayed(std::uint64_t print) const;
    // The first text in random order that is valid and, when `skipPlayed`,
    // not dealt recently.
    std::optional<SudokuPuzzle> takeFromBundled(Difficulty difficulty, bool skipPlayed) const;

    std::optional<QString> m_filePath;
    BundledPuzzles m_bundled;
    SavedState m_state;
    std::set<Difficulty> m_generating;
    bool m_generatesInBackground = false;
    GenerateFunction m_generate;
    // Shared with this supply's tasks, which outlive it; set once, when the
    // supply is destroyed.
    std::shared_ptr<std::atomic<bool>> m_stop = std::make_shared<std::atomic<bool>>(false);
};

} // namespace pondrel
