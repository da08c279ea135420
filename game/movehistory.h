#pragma once

#include "snapshot.h"

#include <cstddef>
#include <optional>
#include <vector>

namespace pondrel {

// The board's undo history: the snapshots undo steps back through, oldest
// first, and the ones redo brings back, the next one last. Beyond kLimit
// undo steps the oldest is dropped. Neither list is saved with the game: a
// restored game starts with both empty, so the saved record keeps its format.
//
// Only the bookkeeping: whether a step may be taken (not after a win) and
// what changes with it are the model's business.
class MoveHistory
{
public:
    // Undo steps kept: far more than a player steps back through, and at 244
    // bytes a snapshot the full history stays under 50 KB.
    static constexpr std::size_t kLimit = 200;

    const std::vector<Snapshot> &undoSteps() const { return m_undoSteps; }
    const std::vector<Snapshot> &redoSteps() const { return m_redoSteps; }

    // The board as it was before a change: undo goes back to it. A new change
    // starts a new line of play, so what was undone stays undone.
    void record(const Snapshot &before);
    // The step back from `current`, which redo then brings back; nothing
    // when there is no step.
    std::optional<Snapshot> undo(const Snapshot &current);
    // The step undo last took back, with `current` kept for undo; nothing
    // when there is none.
    std::optional<Snapshot> redo(const Snapshot &current);
    void clear();

private:
    void pushUndoStep(const Snapshot &snapshot);

    std::vector<Snapshot> m_undoSteps;
    std::vector<Snapshot> m_redoSteps;
};

} // namespace pondrel
