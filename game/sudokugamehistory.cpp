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
        if (!m_isPasted) {
            setGamesCount(plusOne(gamesCount()));
        }
    }
    pushHistory();
    // A new change starts a new line of play: what was undone stays undone.
    clearRedoSteps();
    setExplainedHint(std::nullopt);
    setShownStep(std::nullopt);
}

void SudokuGame::undo()
{
    if (m_history.empty()) {
        return;
    }
    const Snapshot snapshot = m_history.back();
    m_history.pop_back();
    emit historyChanged();
    m_redoSteps.push_back(Snapshot{m_values, m_notes});
    emit redoCountChanged();
    setExplainedHint(std::nullopt);
    setShownStep(std::nullopt);
    setValues(snapshot.values);
    setNotes(snapshot.notes);
    disarmCompleteDigit();
    setUndoCount(plusOne(m_undoCount));
}

void SudokuGame::redo()
{
    if (m_redoSteps.empty()) {
        return;
    }
    const Snapshot snapshot = m_redoSteps.back();
    m_redoSteps.pop_back();
    emit redoCountChanged();
    pushHistory();
    setExplainedHint(std::nullopt);
    setShownStep(std::nullopt);
    setValues(snapshot.values);
    setNotes(snapshot.notes);
    disarmCompleteDigit();
    // No win check: a step redo brings back was on the board before, so a
    // solved one was already won and counted then.
}

void SudokuGame::disarmCompleteDigit()
{
    if (m_armedDigit && isDigitComplete(*m_armedDigit)) {
        setArmedDigit(std::nullopt);
    }
}

void SudokuGame::pushHistory()
{
    m_history.push_back(Snapshot{m_values, m_notes});
    if (m_history.size() > kHistoryLimit) {
        m_history.erase(m_history.begin());
    }
    emit historyChanged();
}

void SudokuGame::clearRedoSteps()
{
    if (!m_redoSteps.empty()) {
        m_redoSteps.clear();
        emit redoCountChanged();
    }
}

} // namespace pondrel
