// The history of the board: the snapshots undo steps back through and the
// ones redo brings back. Neither is saved with the game: a restored game
// starts with both empty, so the saved record keeps its format.

#include "sudokugame.h"

#include "boardrules.h"

namespace pondrel {

void SudokuGame::recordSnapshot()
{
    // The first change of a fresh game is where it starts and is counted.
    if (!m_hasStartedCurrentGame) {
        setHasStartedCurrentGame(true);
        setGamesCount(plusOne(gamesCount()));
    }
    m_history.push_back(Snapshot{m_values, m_notes});
    if (m_history.size() > kHistoryLimit) {
        m_history.erase(m_history.begin());
    }
    emit historyChanged();
    // A new change starts a new line of play: what was undone stays undone.
    setRedoSteps({});
    setExplainedHint(std::nullopt);
}

void SudokuGame::undo()
{
    if (m_history.empty()) {
        return;
    }
    const Snapshot snapshot = m_history.back();
    m_history.pop_back();
    emit historyChanged();
    std::vector<Snapshot> redoSteps = m_redoSteps;
    redoSteps.push_back(Snapshot{m_values, m_notes});
    setRedoSteps(std::move(redoSteps));
    setExplainedHint(std::nullopt);
    setValues(snapshot.values);
    setNotes(snapshot.notes);
    setUndoCount(plusOne(m_undoCount));
}

void SudokuGame::redo()
{
    if (m_redoSteps.empty()) {
        return;
    }
    std::vector<Snapshot> redoSteps = m_redoSteps;
    const Snapshot snapshot = redoSteps.back();
    redoSteps.pop_back();
    setRedoSteps(std::move(redoSteps));
    m_history.push_back(Snapshot{m_values, m_notes});
    if (m_history.size() > kHistoryLimit) {
        m_history.erase(m_history.begin());
    }
    emit historyChanged();
    setExplainedHint(std::nullopt);
    setValues(snapshot.values);
    setNotes(snapshot.notes);
    // No win check: a step redo brings back was on the board before, so a
    // solved one was already won and counted then.
}

void SudokuGame::setRedoSteps(std::vector<Snapshot> steps)
{
    const bool countChanges = steps.size() != m_redoSteps.size();
    m_redoSteps = std::move(steps);
    if (countChanges) {
        emit redoCountChanged();
    }
}

} // namespace pondrel
