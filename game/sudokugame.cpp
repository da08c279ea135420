#include "sudokugame.h"

#include "puzzlesupply.h"
#include "qtforms.h"
#include "solver.h"
#include "steplinks.h"

#include <QSettings>

#include <string_view>
#include <utility>

namespace pondrel {

namespace {

// A finished, valid grid: the board shown before the first deal, which the
// constructor always replaces.
constexpr std::string_view kPlaceholderText =
    "123456789456789123789123456214365897365897214897214365531642978642978531978531642";

} // namespace

SudokuGame::SudokuGame(QSettings *store,
                       std::unique_ptr<PuzzleSupply> supply,
                       bool persistsGame,
                       QObject *parent)
    : QObject(parent), m_store(store),
      m_supply(supply ? std::move(supply) : PuzzleSupply::makeDefault()),
      m_persistsGame(persistsGame), m_clock([this] { setElapsed(plusOne(m_elapsed)); }),
      m_savedGame(store, this, [this] { saveGame(); })
{
    Q_ASSERT(m_store);
    m_statistics.load(*m_store);
    m_settings.load(*m_store);

    const std::optional<SudokuPuzzle> placeholder = fromText(kPlaceholderText, Difficulty::medium);
    if (!placeholder) {
        qFatal("the placeholder grid is a valid, finished sudoku");
    }
    m_puzzle = *placeholder;
    m_values = placeholder->givens;
    m_notes = {};

    // Neither the restored game nor the first deal is written back: the
    // stored record stays as it is until the player changes something.
    m_isRestoring = true;
    if (!(m_persistsGame && restoreSavedGame())) {
        startNewGame();
    }
    m_isRestoring = false;
    m_supply->refill();
}

SudokuGame::~SudokuGame() = default;

template <typename T> void SudokuGame::assign(T &field, T value, Notify changed)
{
    if (field != value) {
        field = std::move(value);
        (this->*changed)();
    }
}

template <typename T> void SudokuGame::assignStored(StoredValue<T> &stored, T value, Notify changed)
{
    if (stored.assign(std::move(value))) {
        (this->*changed)();
    }
    stored.write(*m_store);
}

// ---- Settings ----

void SudokuGame::setNotesMode(bool on)
{
    assign(m_isNotesMode, on, &SudokuGame::isNotesModeChanged);
}

void SudokuGame::setShowingScreen(bool showing)
{
    assign(m_isShowingScreen, showing, &SudokuGame::isShowingScreenChanged);
    updateTimer();
}

void SudokuGame::setHasSeenWelcome(bool seen)
{
    assignStored(m_settings.hasSeenWelcome, seen, &SudokuGame::hasSeenWelcomeChanged);
}

void SudokuGame::setMenuBarIcon(MenuBarIconOption option)
{
    assignStored(m_settings.menuBarIcon, option, &SudokuGame::menuBarIconChanged);
}

void SudokuGame::setBoardSize(BoardSize size)
{
    assignStored(m_settings.boardSize, size, &SudokuGame::boardSizeChanged);
}

void SudokuGame::setDifficulty(Difficulty difficulty)
{
    // The one setting written only when it changes: it deals a new game.
    if (!m_settings.difficulty.assign(difficulty)) {
        return;
    }
    m_settings.difficulty.write(*m_store);
    emit difficultyChanged();
    if (!m_isRestoring) {
        startNewGame();
    }
}

void SudokuGame::setHighlightsMistakes(bool on)
{
    assignStored(m_settings.highlightsMistakes, on, &SudokuGame::highlightsMistakesChanged);
}

void SudokuGame::setHighlightsMatchingNumbers(bool on)
{
    assignStored(
        m_settings.highlightsMatchingNumbers, on, &SudokuGame::highlightsMatchingNumbersChanged);
}

void SudokuGame::setClearsNotesAutomatically(bool on)
{
    assignStored(
        m_settings.clearsNotesAutomatically, on, &SudokuGame::clearsNotesAutomaticallyChanged);
}

void SudokuGame::setExplainsHints(bool on)
{
    assignStored(m_settings.explainsHints, on, &SudokuGame::explainsHintsChanged);
    if (!on) {
        setExplainedHint(std::nullopt);
    }
}

void SudokuGame::setMenuBarIconText(const QString &rawValue)
{
    if (const auto option = menuBarIconOptionFromRawValue(rawValue.toStdString())) {
        setMenuBarIcon(*option);
    }
}

void SudokuGame::setBoardSizeText(const QString &rawValue)
{
    if (const auto size = boardSizeFromRawValue(rawValue.toStdString())) {
        setBoardSize(*size);
    }
}

void SudokuGame::setDifficultyText(const QString &rawValue)
{
    if (const auto difficulty = difficultyFromRawValue(rawValue.toStdString())) {
        setDifficulty(*difficulty);
    }
}

QStringList SudokuGame::difficultyRawValues()
{
    return rawValuesOf(allDifficulties);
}

QStringList SudokuGame::boardSizeRawValues()
{
    return rawValuesOf(allBoardSizes);
}

QStringList SudokuGame::menuBarIconRawValues()
{
    return rawValuesOf(allMenuBarIconOptions);
}

// ---- Statistics ----

void SudokuGame::setGamesCount(qint64 count)
{
    assignStored(m_statistics.gamesCount, count, &SudokuGame::gamesCountChanged);
}

void SudokuGame::setSolvedCount(qint64 count)
{
    assignStored(m_statistics.solvedCount, count, &SudokuGame::solvedCountChanged);
}

void SudokuGame::setCurrentStreak(qint64 count)
{
    assignStored(m_statistics.currentStreak, count, &SudokuGame::currentStreakChanged);
}

void SudokuGame::setBestStreak(qint64 count)
{
    assignStored(m_statistics.bestStreak, count, &SudokuGame::bestStreakChanged);
}

std::optional<qint64> SudokuGame::bestTime(Difficulty difficulty) const
{
    return m_statistics.bestTime(difficulty);
}

QVariant SudokuGame::bestTime(const QString &difficultyRawValue) const
{
    const std::optional<Difficulty> difficulty =
        difficultyFromRawValue(difficultyRawValue.toStdString());
    if (!difficulty) {
        return {};
    }
    const std::optional<qint64> seconds = bestTime(*difficulty);
    return seconds ? QVariant(*seconds) : QVariant();
}

void SudokuGame::resetStatistics()
{
    setGamesCount(0);
    setSolvedCount(0);
    setCurrentStreak(0);
    setBestStreak(0);
    if (m_statistics.clearBestTimes(*m_store)) {
        emit bestTimesChanged();
    }
}

// ---- Game state ----

void SudokuGame::setPuzzle(const SudokuPuzzle &puzzle)
{
    assign(m_puzzle, puzzle, &SudokuGame::puzzleChanged);
    scheduleSave();
}

void SudokuGame::setValues(const Grid &values)
{
    assign(m_values, values, &SudokuGame::valuesChanged);
    scheduleSave();
}

void SudokuGame::setNotes(const Masks &notes)
{
    assign(m_notes, notes, &SudokuGame::notesChanged);
    scheduleSave();
}

void SudokuGame::setHintsUsed(qint64 hints)
{
    assign(m_hintsUsed, hints, &SudokuGame::hintsUsedChanged);
    scheduleSave();
}

void SudokuGame::setHasStartedCurrentGame(bool started)
{
    assign(m_hasStartedCurrentGame, started, &SudokuGame::hasStartedCurrentGameChanged);
    announcePlayRules();
    scheduleSave();
    updateTimer();
}

void SudokuGame::setHasWon(bool won)
{
    assign(m_hasWon, won, &SudokuGame::hasWonChanged);
    announcePlayRules();
    updateTimer();
}

void SudokuGame::setElapsed(qint64 seconds)
{
    assign(m_elapsed, seconds, &SudokuGame::elapsedChanged);
}

void SudokuGame::setSelectedCell(std::optional<int> cell)
{
    const bool changed = m_selectedCell != cell;
    m_selectedCell = cell;
    // Cleared before anyone hears of the new selection, so observers never
    // see a selection and an armed digit at once.
    if (cell) {
        setArmedDigit(std::nullopt);
    }
    if (changed) {
        emit selectedCellChanged();
    }
}

void SudokuGame::setArmedDigit(std::optional<int> digit)
{
    assign(m_armedDigit, digit, &SudokuGame::armedDigitChanged);
}

void SudokuGame::setExplainedHint(std::optional<ExplainedHint> hint)
{
    assign(m_explainedHint, std::move(hint), &SudokuGame::hintExplanationChanged);
}

void SudokuGame::setShownStep(std::optional<ShownStep> step)
{
    assign(m_shownStep, std::move(step), &SudokuGame::shownStepChanged);
}

void SudokuGame::setUndoCount(qint64 count)
{
    assign(m_undoCount, count, &SudokuGame::undoCountChanged);
}

void SudokuGame::announcePlayRules()
{
    const PlayRules now{acceptsMoves(), isGameInProgress(), canUndo(), canRedo()};
    const PlayRules before = std::exchange(m_announcedRules, now);
    if (before.acceptsMoves != now.acceptsMoves) {
        emit acceptsMovesChanged();
    }
    if (before.isGameInProgress != now.isGameInProgress) {
        emit isGameInProgressChanged();
    }
    if (before.canUndo != now.canUndo) {
        emit canUndoChanged();
    }
    if (before.canRedo != now.canRedo) {
        emit canRedoChanged();
    }
}

// ---- Play clock ----

void SudokuGame::setPlayActive(bool active)
{
    m_isPlayActive = active;
    updateTimer();
}

void SudokuGame::updateTimer()
{
    const bool shouldRun = m_isPlayActive && isGameInProgress() && !m_isShowingScreen;
    // A stopped clock's time is saved.
    if (m_clock.setRunning(shouldRun)) {
        scheduleSave();
    }
}

void SudokuGame::setTickIntervalForTesting(std::chrono::milliseconds interval)
{
    m_clock.setInterval(interval);
}

void SudokuGame::setRandomSourceForTesting(RandomSource *random)
{
    m_random = random;
}

// ---- Saved game ----

void SudokuGame::scheduleSave()
{
    if (m_persistsGame && !m_isRestoring) {
        m_savedGame.schedule();
    }
}

void SudokuGame::saveNow()
{
    m_savedGame.saveNow();
}

void SudokuGame::saveGame()
{
    if (!m_persistsGame) {
        return;
    }
    if (m_hasWon) {
        m_savedGame.remove();
        return;
    }
    m_savedGame.write(RestoredGame{
        m_puzzle, m_values, m_notes, m_elapsed, m_hintsUsed, m_hasStartedCurrentGame, m_isPasted});
}

bool SudokuGame::restoreSavedGame()
{
    const std::optional<RestoredGame> game = m_savedGame.read();
    if (!game) {
        return false;
    }
    setPuzzle(game->puzzle);
    setValues(game->values);
    setNotes(game->notes);
    setHintsUsed(game->hintsUsed);
    setElapsed(game->elapsed);
    setHasStartedCurrentGame(game->hasStarted);
    m_isPasted = game->pasted;
    // Follows a restored dealt game without dealing, since isRestoring is
    // set; a pasted puzzle's rating was never the player's choice.
    if (!m_isPasted) {
        setDifficulty(game->puzzle.difficulty);
    }
    return true;
}

// ---- The hint and the step on show, as QML reads them ----

QVariantMap SudokuGame::hintExplanationForQml() const
{
    return m_explainedHint ? m_explainedHint->toQml() : QVariantMap();
}

QVariantMap SudokuGame::stepLineForQml() const
{
    return m_shownStep ? stepLine(*m_shownStep, m_values).toQml() : QVariantMap();
}

QVariantList SudokuGame::shownLinksForQml() const
{
    return shownLinks(m_shownStep);
}

} // namespace pondrel
