// SudokuGame's moves and the board queries: dealing and pasting puzzles,
// entering digits and notes, hints, Next Step, undo and redo, and the win.

#include "sudokugame.h"

#include "boardrules.h"
#include "puzzlesupply.h"
#include "puzzletext.h"
#include "randomsource.h"

#include <algorithm>
#include <vector>

namespace pondrel {

namespace {

// Where the selection starts when an arrow key is pressed with none: the centre.
constexpr int kCentreCell = 40;

} // namespace

// Defined first: dealing, undo and redo and every move change the history.
template <typename Change> void SudokuGame::changeHistory(Change change)
{
    const int undoSteps = historyCount();
    const int redoSteps = redoCount();
    change(m_history);
    if (historyCount() != undoSteps) {
        emit historyCountChanged();
    }
    if (redoCount() != redoSteps) {
        emit redoCountChanged();
    }
    announcePlayRules();
}

// ---- Dealing ----

void SudokuGame::startNewGame()
{
    startGame(m_supply->deal(difficulty()), false);
}

QString SudokuGame::puzzleText() const
{
    return pondrel::puzzleText(m_puzzle.givens);
}

QString SudokuGame::checkPuzzleText(const QString &text) const
{
    return toQString(readingName(readPuzzleText(text).reading));
}

QString SudokuGame::pastePuzzle(const QString &text)
{
    const ReadPuzzle read = readPuzzleText(text);
    if (read.puzzle) {
        startGame(*read.puzzle, true);
    }
    return toQString(readingName(read.reading));
}

void SudokuGame::startGame(const SudokuPuzzle &puzzle, bool pasted)
{
    // Walking away from a dealt game in progress breaks the streak; replacing
    // an untouched, a won or a pasted game does not.
    if (isGameInProgress() && !m_isPasted) {
        setCurrentStreak(0);
    }
    m_isPasted = pasted;
    m_supply->markPlayed(puzzle);
    m_supply->refill();

    setPuzzle(puzzle);
    setValues(puzzle.givens);
    setNotes({});
    changeHistory([](MoveHistory &history) { history.clear(); });
    setExplainedHint(std::nullopt);
    setShownStep(std::nullopt);
    setHintsUsed(0);
    setElapsed(0);
    setSelectedCell(std::nullopt);
    setArmedDigit(std::nullopt);
    setNotesMode(false);
    // Unstarted before unwon, so that a won game being replaced never looks
    // like a game in progress on the way.
    setHasStartedCurrentGame(false);
    setHasWon(false);
    scheduleSave();
}

// ---- Undo and redo ----

void SudokuGame::recordSnapshot()
{
    // The first change of a fresh game is where it starts and is counted.
    if (!m_hasStartedCurrentGame) {
        setHasStartedCurrentGame(true);
        if (!m_isPasted) {
            setGamesCount(plusOne(gamesCount()));
        }
    }
    changeHistory([this](MoveHistory &history) { history.record(Snapshot{m_values, m_notes}); });
    setExplainedHint(std::nullopt);
    setShownStep(std::nullopt);
}

void SudokuGame::undo()
{
    if (!canUndo()) {
        return;
    }
    bringBack(&MoveHistory::undo);
    setUndoCount(plusOne(m_undoCount));
}

void SudokuGame::redo()
{
    if (!canRedo()) {
        return;
    }
    bringBack(&MoveHistory::redo);
    // No win check: a step redo brings back was on the board before, so a
    // solved one was already won and counted then.
}

// Puts the board as `step` of the history gives it back (the caller has
// checked there is one); what was shown of the board before no longer
// stands.
void SudokuGame::bringBack(std::optional<Snapshot> (MoveHistory::*step)(const Snapshot &))
{
    std::optional<Snapshot> snapshot;
    changeHistory([&](MoveHistory &history) {
        snapshot = (history.*step)(Snapshot{m_values, m_notes});
    });
    const Snapshot &back = *snapshot;
    setExplainedHint(std::nullopt);
    setShownStep(std::nullopt);
    setValues(back.values);
    setNotes(back.notes);
    disarmCompleteDigit();
}

void SudokuGame::disarmCompleteDigit()
{
    if (m_armedDigit && isDigitComplete(*m_armedDigit)) {
        setArmedDigit(std::nullopt);
    }
}

// ---- Moves ----

void SudokuGame::tapCell(int index)
{
    if (!isCell(index)) {
        return;
    }
    if (m_armedDigit && !isGiven(index) && !isCellLocked(index)) {
        const int armed = *m_armedDigit;
        enterDigit(armed, index);
        // Nothing is left to place once all nine stand.
        if (isDigitComplete(armed)) {
            setArmedDigit(std::nullopt);
        }
        return;
    }
    setSelectedCell(m_selectedCell == index ? std::nullopt : std::optional<int>(index));
}

void SudokuGame::pressDigit(int digit)
{
    if (!isDigit(digit) || !acceptsMoves()) {
        return;
    }
    if (m_selectedCell && !isGiven(*m_selectedCell) && !isCellLocked(*m_selectedCell)) {
        enterDigit(digit, *m_selectedCell);
        return;
    }
    if (isDigitComplete(digit)) {
        return;
    }
    setSelectedCell(std::nullopt);
    setArmedDigit(m_armedDigit == digit ? std::nullopt : std::optional<int>(digit));
}

void SudokuGame::enterDigit(int digit, int index)
{
    if (!isDigit(digit) || !isCell(index) || !acceptsMoves() || isGiven(index) ||
        isCellLocked(index) || isDigitComplete(digit)) {
        return;
    }
    if (m_isNotesMode && m_values[index] != 0) {
        return;
    }
    recordSnapshot();
    if (m_isNotesMode) {
        Masks notes = m_notes;
        notes[index] ^= digitBit(digit);
        setNotes(notes);
    } else if (m_values[index] == digit) {
        // Entering the digit a cell holds takes it out again; the notes it
        // had before are gone for good (undo brings them back).
        Grid values = m_values;
        values[index] = 0;
        setValues(values);
    } else {
        placeDigit(digit, index);
    }
    checkForWin();
}

void SudokuGame::placeDigit(int digit, int index)
{
    Grid values = m_values;
    values[index] = static_cast<std::uint8_t>(digit);
    setValues(values);

    Masks notes = m_notes;
    notes[index] = 0;
    if (clearsNotesAutomatically()) {
        const auto keep = static_cast<std::uint16_t>(~digitBit(digit));
        for (const std::uint8_t peer : peers[index]) {
            notes[peer] &= keep;
        }
    }
    setNotes(notes);
}

void SudokuGame::eraseSelectedCell()
{
    if (!acceptsMoves() || !m_selectedCell) {
        return;
    }
    const int cell = *m_selectedCell;
    if (isGiven(cell) || isCellLocked(cell) || (m_values[cell] == 0 && m_notes[cell] == 0)) {
        return;
    }
    recordSnapshot();
    Grid values = m_values;
    values[cell] = 0;
    setValues(values);
    Masks notes = m_notes;
    notes[cell] = 0;
    setNotes(notes);
}

void SudokuGame::moveSelection(int rowDelta, int columnDelta)
{
    if (!m_selectedCell) {
        setSelectedCell(kCentreCell);
        return;
    }
    // 64-bit sums: a delta near the int limits must clamp, not overflow.
    const auto clampToBoard = [](qint64 position) {
        return static_cast<int>(std::clamp<qint64>(position, 0, 8));
    };
    const int newRow = clampToBoard(qint64(row(*m_selectedCell)) + rowDelta);
    const int newColumn = clampToBoard(qint64(column(*m_selectedCell)) + columnDelta);
    setSelectedCell(newRow * 9 + newColumn);
}

void SudokuGame::fillAllNotes()
{
    if (!acceptsMoves()) {
        return;
    }
    Masks filled = m_notes;
    for (int cell = 0; cell < kCellCount; ++cell) {
        if (m_values[cell] != 0) {
            continue;
        }
        filled[cell] = openDigits(m_values, cell);
    }
    if (filled == m_notes) {
        return;
    }
    recordSnapshot();
    setNotes(filled);
}

void SudokuGame::giveHint()
{
    if (!acceptsMoves()) {
        return;
    }
    const auto needsHelp = [this](int cell) {
        return !isGiven(cell) && m_values[cell] != m_puzzle.solution[cell];
    };
    int target = 0;
    if (m_selectedCell && needsHelp(*m_selectedCell)) {
        target = *m_selectedCell;
    } else {
        std::vector<int> candidates;
        for (int cell = 0; cell < kCellCount; ++cell) {
            if (needsHelp(cell)) {
                candidates.push_back(cell);
            }
        }
        if (candidates.empty()) {
            return;
        }
        RandomSource &random = m_random ? *m_random : threadRandomSource();
        target = candidates[uniformBelow(random, candidates.size())];
    }
    const int digit = m_puzzle.solution[target];
    // Judged on the board as the player left it, before anything changes.
    std::optional<ExplainedHint> explained;
    if (explainsHints()) {
        explained = ExplainedHint{digit, target, explainPlacement(m_values, target, digit)};
    }
    recordSnapshot();
    setHintsUsed(plusOne(m_hintsUsed));
    setSelectedCell(target);
    // A hint may overwrite a wrong entry even in a locked cell.
    placeDigit(digit, target);
    checkForWin();
    if (!m_hasWon) {
        setExplainedHint(std::move(explained));
    }
}

// ---- Next Step ----

void SudokuGame::nextStep()
{
    if (!acceptsMoves()) {
        return;
    }
    if (!m_shownStep) {
        std::optional<ShownStep> found = findShownStep(m_puzzle, m_values, m_notes);
        if (found) {
            // One line in the header at a time: the step's.
            setExplainedHint(std::nullopt);
        }
        setShownStep(std::move(found));
        return;
    }
    // Pressed again, the search would find nothing again: the Hint is the
    // way on, as the line says.
    if (m_shownStep->isStuck) {
        return;
    }
    if (m_shownStep->stage == ShownStep::Stage::nudge && !m_shownStep->wrongCell) {
        ShownStep reason = *m_shownStep;
        reason.stage = ShownStep::Stage::reason;
        setShownStep(std::move(reason));
        return;
    }
    applyShownStep(*m_shownStep);
}

void SudokuGame::dismissStep()
{
    setShownStep(std::nullopt);
}

// A copy of the step: the snapshot drops the one on show.
void SudokuGame::applyShownStep(ShownStep step)
{
    const Masks candidates = stepCandidates(m_puzzle, m_values, m_notes);
    recordSnapshot();
    setHintsUsed(plusOne(m_hintsUsed));
    if (step.wrongCell) {
        // Even in a locked cell, as a hint would.
        Grid values = m_values;
        values[*step.wrongCell] = 0;
        setValues(values);
        setSelectedCell(*step.wrongCell);
        return;
    }
    for (const Placement &placement : step.step.placements) {
        if (m_values[placement.cell] == 0) {
            setSelectedCell(placement.cell);
            placeDigit(placement.digit, placement.cell);
        }
    }
    if (!step.step.eliminations.empty()) {
        setNotes(notesAfterStep(step.step, m_notes, candidates));
    }
    checkForWin();
}

void SudokuGame::checkForWin()
{
    if (m_values != m_puzzle.solution) {
        return;
    }
    setHasWon(true);
    if (!m_isPasted) {
        setSolvedCount(plusOne(solvedCount()));
        setCurrentStreak(plusOne(currentStreak()));
        setBestStreak(std::max(bestStreak(), currentStreak()));
    }
    // A best time counts only for a dealt game played without help; the
    // puzzle's own difficulty, not the current setting, decides which one.
    if (m_hintsUsed == 0 && !m_isPasted) {
        if (m_statistics.recordTime(*m_store, m_puzzle.difficulty, m_elapsed)) {
            emit bestTimesChanged();
        }
    }
    setSelectedCell(std::nullopt);
    setArmedDigit(std::nullopt);
    scheduleSave();
}

// ---- Queries ----

bool SudokuGame::isGiven(int index) const
{
    return m_puzzle.givens[index] != 0;
}

QList<int> SudokuGame::noteDigits(int index) const
{
    return isCell(index) ? digitsOf(m_notes[index]) : QList<int>();
}

bool SudokuGame::isMistake(int index) const
{
    return pondrel::isMistake(m_puzzle, m_values, index);
}

int SudokuGame::remainingCount(int digit) const
{
    return pondrel::remainingCount(m_values, digit);
}

bool SudokuGame::isDigitComplete(int digit) const
{
    return pondrel::isDigitComplete(m_puzzle, m_values, digit);
}

bool SudokuGame::isCellLocked(int index) const
{
    return pondrel::isCellLocked(m_puzzle, m_values, index);
}

bool SudokuGame::isBlocked(int index, int digit) const
{
    return pondrel::isBlocked(m_values, index, digit);
}

} // namespace pondrel
