#include "sudokugame.h"

#include "generator.h"
#include "preferencevalues.h"
#include "puzzlesupply.h"
#include "randomsource.h"
#include "savedsudoku.h"
#include "solver.h"

#include <QSettings>

#include <algorithm>
#include <limits>
#include <string_view>

namespace pondrel {

namespace {

// A finished, valid grid: the board shown before the first deal, which the
// constructor always replaces.
constexpr std::string_view kPlaceholderText =
    "123456789456789123789123456214365897365897214897214365531642978642978531978531642";

// Where the selection starts when an arrow key is pressed with none: the centre.
constexpr int kCentreCell = 40;

constexpr qint64 kNoBestTime = std::numeric_limits<qint64>::max();

bool isCell(int index)
{
    return index >= 0 && index < kCellCount;
}

bool isDigit(int digit)
{
    return digit >= 1 && digit <= 9;
}

// Counters, hint counts and the clock stop at the largest value instead of
// overflowing; a store or a saved game can hand us a value right at the limit.
qint64 plusOne(qint64 value)
{
    return value == std::numeric_limits<qint64>::max() ? value : value + 1;
}

QString toQString(std::string_view text)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

template <typename Container> QList<int> toIntList(const Container &cells)
{
    QList<int> list;
    list.reserve(static_cast<qsizetype>(cells.size()));
    for (const auto value : cells) {
        list.append(static_cast<int>(value));
    }
    return list;
}

template <typename Enum, std::size_t Count>
QStringList rawValuesOf(const std::array<Enum, Count> &cases)
{
    QStringList names;
    for (const Enum value : cases) {
        names.append(toQString(rawValue(value)));
    }
    return names;
}

} // namespace

SudokuGame::SudokuGame(QSettings *defaults,
                       std::unique_ptr<PuzzleSupply> supply,
                       bool persistsGame,
                       QObject *parent)
    : QObject(parent), m_defaults(defaults),
      m_supply(supply ? std::move(supply) : PuzzleSupply::makeDefault()),
      m_persistsGame(persistsGame)
{
    Q_ASSERT(m_defaults);
    m_clock.setSingleShot(true);
    m_clock.setTimerType(Qt::PreciseTimer);
    m_clock.setInterval(kTickInterval);
    connect(&m_clock, &QTimer::timeout, this, &SudokuGame::tick);

    loadStatistics();
    loadSettings();

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

QString SudokuGame::bestTimeKey(Difficulty difficulty)
{
    return QLatin1String(kBestTimeKeyPrefix) + toQString(rawValue(difficulty));
}

// ---- QML forms ----

QVariantMap SudokuGame::puzzleForQml() const
{
    return {{QStringLiteral("givens"), QVariant::fromValue(toIntList(m_puzzle.givens))},
            {QStringLiteral("solution"), QVariant::fromValue(toIntList(m_puzzle.solution))},
            {QStringLiteral("difficulty"), toQString(rawValue(m_puzzle.difficulty))}};
}

QList<int> SudokuGame::valuesForQml() const
{
    return toIntList(m_values);
}

QList<int> SudokuGame::notesForQml() const
{
    return toIntList(m_notes);
}

QVariantList SudokuGame::historyForQml() const
{
    QVariantList list;
    list.reserve(static_cast<qsizetype>(m_history.size()));
    for (const Snapshot &snapshot : m_history) {
        list.append(
            QVariantMap{{QStringLiteral("values"), QVariant::fromValue(toIntList(snapshot.values))},
                        {QStringLiteral("notes"), QVariant::fromValue(toIntList(snapshot.notes))}});
    }
    return list;
}

QString SudokuGame::menuBarIconText() const
{
    return toQString(rawValue(m_menuBarIcon));
}

QString SudokuGame::boardSizeText() const
{
    return toQString(rawValue(m_boardSize));
}

QString SudokuGame::difficultyText() const
{
    return toQString(rawValue(m_difficulty));
}

QVariantMap SudokuGame::bestTimesForQml() const
{
    QVariantMap times;
    for (const auto &[difficulty, seconds] : m_bestTimes) {
        times.insert(toQString(rawValue(difficulty)), seconds);
    }
    return times;
}

// ---- Settings ----

void SudokuGame::loadSettings()
{
    const auto read = [this](const char *key) { return m_defaults->value(QLatin1String(key)); };
    m_highlightsMistakes = storedBool(read(kHighlightsMistakesKey)).value_or(false);
    m_hasSeenWelcome = storedBool(read(kHasSeenWelcomeKey)).value_or(false);
    m_highlightsMatchingNumbers = storedBool(read(kHighlightsMatchesKey)).value_or(true);
    m_clearsNotesAutomatically = storedBool(read(kClearsNotesKey)).value_or(true);
    const auto text = [&](const char *key) {
        return storedText(read(key)).value_or(QString()).toStdString();
    };
    m_difficulty = difficultyFromRawValue(text(kDifficultyKey)).value_or(Difficulty::medium);
    m_boardSize = boardSizeFromRawValue(text(kBoardSizeKey)).value_or(BoardSize::standard);
    m_menuBarIcon =
        menuBarIconOptionFromRawValue(text(kMenuBarIconKey)).value_or(MenuBarIconOption::dots);
}

void SudokuGame::setNotesMode(bool on)
{
    if (m_isNotesMode != on) {
        m_isNotesMode = on;
        emit isNotesModeChanged();
    }
}

void SudokuGame::setShowingScreen(bool showing)
{
    if (m_isShowingScreen != showing) {
        m_isShowingScreen = showing;
        emit isShowingScreenChanged();
    }
    updateTimer();
}

void SudokuGame::setHasSeenWelcome(bool seen)
{
    if (m_hasSeenWelcome != seen) {
        m_hasSeenWelcome = seen;
        emit hasSeenWelcomeChanged();
    }
    m_defaults->setValue(QLatin1String(kHasSeenWelcomeKey), seen);
}

void SudokuGame::setMenuBarIcon(MenuBarIconOption option)
{
    if (m_menuBarIcon != option) {
        m_menuBarIcon = option;
        emit menuBarIconChanged();
    }
    m_defaults->setValue(QLatin1String(kMenuBarIconKey), toQString(rawValue(option)));
}

void SudokuGame::setBoardSize(BoardSize size)
{
    if (m_boardSize != size) {
        m_boardSize = size;
        emit boardSizeChanged();
    }
    m_defaults->setValue(QLatin1String(kBoardSizeKey), toQString(rawValue(size)));
}

void SudokuGame::setDifficulty(Difficulty difficulty)
{
    if (m_difficulty == difficulty) {
        return;
    }
    m_difficulty = difficulty;
    m_defaults->setValue(QLatin1String(kDifficultyKey), toQString(rawValue(difficulty)));
    emit difficultyChanged();
    if (!m_isRestoring) {
        startNewGame();
    }
}

void SudokuGame::setHighlightsMistakes(bool on)
{
    if (m_highlightsMistakes != on) {
        m_highlightsMistakes = on;
        emit highlightsMistakesChanged();
    }
    m_defaults->setValue(QLatin1String(kHighlightsMistakesKey), on);
}

void SudokuGame::setHighlightsMatchingNumbers(bool on)
{
    if (m_highlightsMatchingNumbers != on) {
        m_highlightsMatchingNumbers = on;
        emit highlightsMatchingNumbersChanged();
    }
    m_defaults->setValue(QLatin1String(kHighlightsMatchesKey), on);
}

void SudokuGame::setClearsNotesAutomatically(bool on)
{
    if (m_clearsNotesAutomatically != on) {
        m_clearsNotesAutomatically = on;
        emit clearsNotesAutomaticallyChanged();
    }
    m_defaults->setValue(QLatin1String(kClearsNotesKey), on);
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

void SudokuGame::loadStatistics()
{
    // The program only ever writes integers here; anything else reads as no
    // value: 0 for a counter, no best time for a difficulty (a best time of 0
    // read from junk could never be beaten).
    const auto read = [this](const QString &key) { return storedInteger(m_defaults->value(key)); };
    m_gamesCount = read(QLatin1String(kGamesCountKey)).value_or(0);
    m_solvedCount = read(QLatin1String(kSolvedCountKey)).value_or(0);
    m_currentStreak = read(QLatin1String(kCurrentStreakKey)).value_or(0);
    m_bestStreak = read(QLatin1String(kBestStreakKey)).value_or(0);
    for (const Difficulty difficulty : allDifficulties) {
        if (const std::optional<qint64> seconds = read(bestTimeKey(difficulty))) {
            m_bestTimes[difficulty] = *seconds;
        }
    }
}

void SudokuGame::setGamesCount(qint64 count)
{
    if (m_gamesCount != count) {
        m_gamesCount = count;
        emit gamesCountChanged();
    }
    m_defaults->setValue(QLatin1String(kGamesCountKey), count);
}

void SudokuGame::setSolvedCount(qint64 count)
{
    if (m_solvedCount != count) {
        m_solvedCount = count;
        emit solvedCountChanged();
    }
    m_defaults->setValue(QLatin1String(kSolvedCountKey), count);
}

void SudokuGame::setCurrentStreak(qint64 count)
{
    if (m_currentStreak != count) {
        m_currentStreak = count;
        emit currentStreakChanged();
    }
    m_defaults->setValue(QLatin1String(kCurrentStreakKey), count);
}

void SudokuGame::setBestStreak(qint64 count)
{
    if (m_bestStreak != count) {
        m_bestStreak = count;
        emit bestStreakChanged();
    }
    m_defaults->setValue(QLatin1String(kBestStreakKey), count);
}

std::optional<qint64> SudokuGame::bestTime(Difficulty difficulty) const
{
    const auto found = m_bestTimes.find(difficulty);
    return found == m_bestTimes.end() ? std::nullopt : std::optional<qint64>(found->second);
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
    for (const Difficulty difficulty : allDifficulties) {
        m_defaults->remove(bestTimeKey(difficulty));
    }
    if (!m_bestTimes.empty()) {
        m_bestTimes.clear();
        emit bestTimesChanged();
    }
}

// ---- Game state ----

void SudokuGame::setPuzzle(const SudokuPuzzle &puzzle)
{
    if (m_puzzle != puzzle) {
        m_puzzle = puzzle;
        emit puzzleChanged();
    }
    scheduleSave();
}

void SudokuGame::setValues(const Grid &values)
{
    if (m_values != values) {
        m_values = values;
        emit valuesChanged();
    }
    scheduleSave();
}

void SudokuGame::setNotes(const Masks &notes)
{
    if (m_notes != notes) {
        m_notes = notes;
        emit notesChanged();
    }
    scheduleSave();
}

void SudokuGame::setHintsUsed(qint64 hints)
{
    if (m_hintsUsed != hints) {
        m_hintsUsed = hints;
        emit hintsUsedChanged();
    }
    scheduleSave();
}

void SudokuGame::setHasStartedCurrentGame(bool started)
{
    if (m_hasStartedCurrentGame != started) {
        m_hasStartedCurrentGame = started;
        emit hasStartedCurrentGameChanged();
    }
    scheduleSave();
    updateTimer();
}

void SudokuGame::setHasWon(bool won)
{
    if (m_hasWon != won) {
        m_hasWon = won;
        emit hasWonChanged();
    }
    updateTimer();
}

void SudokuGame::setElapsed(qint64 seconds)
{
    if (m_elapsed != seconds) {
        m_elapsed = seconds;
        emit elapsedChanged();
    }
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
    if (m_armedDigit != digit) {
        m_armedDigit = digit;
        emit armedDigitChanged();
    }
}

void SudokuGame::setHistory(std::vector<Snapshot> history)
{
    if (m_history != history) {
        m_history = std::move(history);
        emit historyChanged();
    }
}

void SudokuGame::setUndoCount(qint64 count)
{
    if (m_undoCount != count) {
        m_undoCount = count;
        emit undoCountChanged();
    }
}

bool SudokuGame::isGiven(int index) const
{
    return m_puzzle.givens[index] != 0;
}

// ---- Dealing ----

SudokuPuzzle SudokuGame::dealPuzzle()
{
    if (std::optional<SudokuPuzzle> puzzle = m_supply->takeReady(m_difficulty)) {
        return *puzzle;
    }
    if (std::optional<SudokuPuzzle> puzzle = m_supply->takeBundled(m_difficulty)) {
        return *puzzle;
    }
    // Both the prepared puzzles and the built-in list came up empty: generate
    // here and now, blocking, because the board cannot stay without a puzzle.
    for (;;) {
        if (std::optional<SudokuPuzzle> puzzle =
                generate(m_difficulty, PuzzleSupply::generationAttempts)) {
            return *puzzle;
        }
    }
}

void SudokuGame::startNewGame()
{
    // Walking away from a game in progress breaks the streak; replacing an
    // untouched or a won game does not.
    if (m_hasStartedCurrentGame && !m_hasWon) {
        setCurrentStreak(0);
    }
    const SudokuPuzzle puzzle = dealPuzzle();
    m_supply->markPlayed(puzzle);
    m_supply->refill();

    setPuzzle(puzzle);
    setValues(puzzle.givens);
    setNotes({});
    setHistory({});
    setHintsUsed(0);
    setElapsed(0);
    setSelectedCell(std::nullopt);
    setArmedDigit(std::nullopt);
    setNotesMode(false);
    setHasWon(false);
    setHasStartedCurrentGame(false);
    scheduleSave();
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
    if (!isDigit(digit) || m_hasWon) {
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
    if (!isDigit(digit) || !isCell(index) || m_hasWon || isGiven(index) || isCellLocked(index) ||
        isDigitComplete(digit)) {
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
    if (m_clearsNotesAutomatically) {
        const auto keep = static_cast<std::uint16_t>(~digitBit(digit));
        for (const std::uint8_t peer : peers[index]) {
            notes[peer] &= keep;
        }
    }
    setNotes(notes);
}

void SudokuGame::eraseSelectedCell()
{
    if (m_hasWon || !m_selectedCell) {
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
    if (m_hasWon) {
        return;
    }
    Masks filled = m_notes;
    for (int cell = 0; cell < kCellCount; ++cell) {
        if (m_values[cell] != 0) {
            continue;
        }
        // Every filled peer counts, a wrong entry included: the notes show
        // what the board as it stands still allows.
        std::uint16_t mask = kAllDigits;
        for (const std::uint8_t peer : peers[cell]) {
            if (m_values[peer] != 0) {
                mask &= static_cast<std::uint16_t>(~digitBit(m_values[peer]));
            }
        }
        filled[cell] = mask;
    }
    if (filled == m_notes) {
        return;
    }
    recordSnapshot();
    setNotes(filled);
}

void SudokuGame::giveHint()
{
    if (m_hasWon) {
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
    recordSnapshot();
    setHintsUsed(plusOne(m_hintsUsed));
    setSelectedCell(target);
    // A hint may overwrite a wrong entry even in a locked cell.
    placeDigit(m_puzzle.solution[target], target);
    checkForWin();
}

void SudokuGame::recordSnapshot()
{
    // The first change of a fresh game is where it starts and is counted.
    if (!m_hasStartedCurrentGame) {
        setHasStartedCurrentGame(true);
        setGamesCount(plusOne(m_gamesCount));
    }
    m_history.push_back(Snapshot{m_values, m_notes});
    if (m_history.size() > kHistoryLimit) {
        m_history.erase(m_history.begin());
    }
    emit historyChanged();
}

void SudokuGame::undo()
{
    if (m_history.empty()) {
        return;
    }
    const Snapshot snapshot = m_history.back();
    m_history.pop_back();
    emit historyChanged();
    setValues(snapshot.values);
    setNotes(snapshot.notes);
    setUndoCount(plusOne(m_undoCount));
}

void SudokuGame::checkForWin()
{
    if (m_values != m_puzzle.solution) {
        return;
    }
    setHasWon(true);
    setSolvedCount(plusOne(m_solvedCount));
    setCurrentStreak(plusOne(m_currentStreak));
    setBestStreak(std::max(m_bestStreak, m_currentStreak));
    // A best time counts only for a game played without help; the puzzle's
    // own difficulty, not the current setting, decides which one.
    if (m_hintsUsed == 0) {
        const Difficulty difficulty = m_puzzle.difficulty;
        if (m_elapsed < bestTime(difficulty).value_or(kNoBestTime)) {
            m_bestTimes[difficulty] = m_elapsed;
            m_defaults->setValue(bestTimeKey(difficulty), m_elapsed);
            emit bestTimesChanged();
        }
    }
    setSelectedCell(std::nullopt);
    setArmedDigit(std::nullopt);
    scheduleSave();
}

// ---- Queries ----

QList<int> SudokuGame::noteDigits(int index) const
{
    QList<int> digits;
    if (!isCell(index)) {
        return digits;
    }
    for (int digit = 1; digit <= 9; ++digit) {
        if ((m_notes[index] & digitBit(digit)) != 0) {
            digits.append(digit);
        }
    }
    return digits;
}

bool SudokuGame::isMistake(int index) const
{
    return isCell(index) && m_values[index] != 0 && !isGiven(index) &&
           m_values[index] != m_puzzle.solution[index];
}

int SudokuGame::remainingCount(int digit) const
{
    if (!isDigit(digit)) {
        return 0;
    }
    const auto placed = std::count(m_values.begin(), m_values.end(), digit);
    return placed > 9 ? 0 : static_cast<int>(9 - placed);
}

bool SudokuGame::isDigitComplete(int digit) const
{
    if (!isDigit(digit)) {
        return false;
    }
    int correct = 0;
    for (int cell = 0; cell < kCellCount; ++cell) {
        if (m_values[cell] == digit && m_puzzle.solution[cell] == digit) {
            ++correct;
        }
    }
    return correct == 9;
}

bool SudokuGame::isCellLocked(int index) const
{
    return isCell(index) && m_values[index] != 0 && isDigitComplete(m_values[index]);
}

bool SudokuGame::isBlocked(int index, int digit) const
{
    if (!isCell(index) || !isDigit(digit)) {
        return false;
    }
    if (m_values[index] != 0) {
        return m_values[index] != digit;
    }
    return std::any_of(peers[index].begin(), peers[index].end(), [&](std::uint8_t peer) {
        return m_values[peer] == digit;
    });
}

QString SudokuGame::formatTime(qint64 seconds)
{
    // Clamped before any arithmetic, so the most negative value cannot
    // overflow; the largest one divides without trouble.
    const qint64 time = std::max<qint64>(seconds, 0);
    const qint64 minutes = (time % 3600) / 60;
    const qint64 rest = time % 60;
    const QChar zero = QLatin1Char('0');
    if (time < 3600) {
        return QStringLiteral("%1:%2").arg(minutes).arg(rest, 2, 10, zero);
    }
    return QStringLiteral("%1:%2:%3")
        .arg(time / 3600)
        .arg(minutes, 2, 10, zero)
        .arg(rest, 2, 10, zero);
}

// ---- Play clock ----

void SudokuGame::setPlayActive(bool active)
{
    m_isPlayActive = active;
    updateTimer();
}

void SudokuGame::updateTimer()
{
    const bool shouldRun =
        m_isPlayActive && m_hasStartedCurrentGame && !m_hasWon && !m_isShowingScreen;
    if (shouldRun) {
        if (!m_clockRunning) {
            m_clockRunning = true;
            m_clock.start();
        }
    } else if (m_clockRunning) {
        // A partial second is dropped; the time reached is saved.
        m_clockRunning = false;
        m_clock.stop();
        scheduleSave();
    }
}

void SudokuGame::tick()
{
    if (!m_clockRunning) {
        return;
    }
    setElapsed(plusOne(m_elapsed));
    // Observers of the tick may have stopped the clock. The next deadline is
    // counted from now, so a late tick is not caught up.
    if (m_clockRunning) {
        m_clock.start();
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
    if (!m_persistsGame || m_isRestoring || m_saveIsScheduled) {
        return;
    }
    m_saveIsScheduled = true;
    // Posted to this object, so it is dropped if the model is destroyed first.
    // A save written early by saveNow() leaves nothing for this one to do.
    QMetaObject::invokeMethod(
        this,
        [this] {
            if (m_saveIsScheduled) {
                saveGame();
            }
        },
        Qt::QueuedConnection);
}

void SudokuGame::saveNow()
{
    if (m_saveIsScheduled) {
        saveGame();
    }
}

void SudokuGame::saveGame()
{
    m_saveIsScheduled = false;
    if (!m_persistsGame) {
        return;
    }
    const QString key = QLatin1String(kSavedSudokuKey);
    if (m_hasWon) {
        m_defaults->remove(key);
        return;
    }
    SavedSudoku record;
    record.difficulty = m_puzzle.difficulty;
    record.givens = gridText(m_puzzle.givens);
    record.values = gridText(m_values);
    record.notes.assign(m_notes.begin(), m_notes.end());
    record.elapsed = m_elapsed;
    record.hintsUsed = m_hintsUsed;
    record.hasStarted = m_hasStartedCurrentGame;
    if (const std::optional<std::string> json = encodeSavedSudoku(record)) {
        m_defaults->setValue(key, QByteArray::fromStdString(*json));
    }
}

bool SudokuGame::restoreSavedGame()
{
    const QString key = QLatin1String(kSavedSudokuKey);
    if (!m_defaults->contains(key)) {
        return false;
    }
    // Only a byte array is a record; text or anything else stored under the
    // key is as unreadable as broken JSON and is discarded the same way.
    std::optional<RestoredGame> game;
    if (const std::optional<QByteArray> bytes = storedData(m_defaults->value(key))) {
        if (const std::optional<SavedSudoku> record = decodeSavedSudoku(
                std::string_view(bytes->constData(), static_cast<std::size_t>(bytes->size())))) {
            game = validateSavedSudoku(*record);
        }
    }
    if (!game) {
        m_defaults->remove(key);
        return false;
    }
    setPuzzle(game->puzzle);
    setValues(game->values);
    setNotes(game->notes);
    setHintsUsed(game->hintsUsed);
    setElapsed(game->elapsed);
    setHasStartedCurrentGame(game->hasStarted);
    // Follows the restored game without dealing, since isRestoring is set.
    setDifficulty(game->puzzle.difficulty);
    return true;
}

} // namespace pondrel
