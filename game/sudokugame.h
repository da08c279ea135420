// SudokuGame's methods: sudokugame.cpp holds its state, settings, statistics,
// clock and saved game; sudokugamemoves.cpp every move (undo and redo too)
// and the board queries.

#pragma once

#include "boardsize.h"
#include "difficulty.h"
#include "explainedhint.h"
#include "gamesettings.h"
#include "gamestatistics.h"
#include "grid.h"
#include "menubariconoption.h"
#include "movehistory.h"
#include "nextstep.h"
#include "playclock.h"
#include "qtforms.h"
#include "savedgamestore.h"
#include "snapshot.h"
#include "sudokupuzzle.h"
#include "timeformat.h"

#include <QList>
#include <QObject>
#include <QString>
#include <QStringList>
#include <QVariant>

#include <chrono>
#include <cstdint>
#include <map>
#include <memory>
#include <optional>
#include <vector>

class QSettings;

namespace pondrel {

class PuzzleSupply;
class RandomSource;

// The one model of the game: the puzzle on the board and the player's entries,
// selection and armed digit, notes, undo, hints, the win, the play clock, the
// saved game, statistics and settings.
//
// Everything runs on the thread that owns the model (the main thread). Each
// observed property notifies through <name>Changed only when its value really
// changes, while the side effects of an assignment (writing a setting,
// queueing a save, re-evaluating the clock) run on every assignment.
//
// Persistence. Settings and statistics are read from the preference store once,
// at construction, and written the moment they change. The game in progress is
// written by a save queued for the next turn of the event loop, so one move
// that changes several properties is written once. A won game is removed from
// the store.
//
// The QML face is the properties, each with what it returns, and the
// invokables; C++ callers use the typed accessors and setters.
//
// The model is a front: the settings, the statistics, the play clock's timer,
// the undo history and the saved-game record live in the helpers it owns
// (GameSettings, GameStatistics, PlayClock, MoveHistory, SavedGameStore), the
// deal in PuzzleSupply::deal, the board's rules in boardrules.h, and the
// forms QML reads in qtforms.h, explainedhint.h, puzzletext.h (a pasted
// text's answer) and timeformat.h; every change is announced here.
//
// Moves never report errors: a move whose preconditions fail does nothing.
// Cell indexes outside 0..80 and digits outside 1..9 are such failures, and
// queries answer them with false, 0 or an empty list.
class SudokuGame : public QObject
{
    Q_OBJECT

    // Each property's comment says what it returns. Lists of 81 are in cell
    // order, row by row.
    // {givens, solution, difficulty}: two lists of 81 digits (0 for an open
    // cell of the givens) and the puzzle's own difficulty as its raw value.
    Q_PROPERTY(QVariantMap puzzle READ puzzleForQml NOTIFY puzzleChanged)
    // The board: 81 digits, 0 for an empty cell; givens included.
    Q_PROPERTY(QList<int> values READ valuesForQml NOTIFY valuesChanged)
    // The notes: 81 candidate masks, bit d set for a noted digit d.
    Q_PROPERTY(QList<int> notes READ notesForQml NOTIFY notesChanged)
    // Hints and applied Next Steps taken in this game.
    Q_PROPERTY(qint64 hintsUsed READ hintsUsed NOTIFY hintsUsedChanged)
    // Whether the player has changed this game's board yet.
    Q_PROPERTY(
        bool hasStartedCurrentGame READ hasStartedCurrentGame NOTIFY hasStartedCurrentGameChanged)
    // Whether the board equals the solution.
    Q_PROPERTY(bool hasWon READ hasWon NOTIFY hasWonChanged)
    // Seconds of play in this game.
    Q_PROPERTY(qint64 elapsed READ elapsed NOTIFY elapsedChanged)
    // The selected cell, 0..80, or -1 for none.
    Q_PROPERTY(int selectedCell READ selectedCellForQml NOTIFY selectedCellChanged)
    // The armed digit, 1..9, or -1 for none; never set with a selection.
    Q_PROPERTY(int armedDigit READ armedDigitForQml NOTIFY armedDigitChanged)
    // Whether digits entered toggle notes instead of placing.
    Q_PROPERTY(bool isNotesMode READ isNotesMode WRITE setNotesMode NOTIFY isNotesModeChanged)
    // Whether the player has seen the welcome window (stored).
    Q_PROPERTY(bool hasSeenWelcome READ hasSeenWelcome WRITE setHasSeenWelcome NOTIFY
                   hasSeenWelcomeChanged)
    // Whether a screen covers the board; the clock stops while one does.
    Q_PROPERTY(bool isShowingScreen READ isShowingScreen WRITE setShowingScreen NOTIFY
                   isShowingScreenChanged)
    // Undos taken since the model was made; not stored.
    Q_PROPERTY(qint64 undoCount READ undoCount NOTIFY undoCountChanged)
    // How many steps undo can take back.
    Q_PROPERTY(int historyCount READ historyCount NOTIFY historyCountChanged)
    // How many undone steps redo can bring back.
    Q_PROPERTY(int redoCount READ redoCount NOTIFY redoCountChanged)
    // The four below are what the views enable their controls by; the moves
    // refuse by the same rules. acceptsMoves: the board takes digits, notes,
    // hints, steps, undo and redo, until the puzzle is won (selection stays).
    Q_PROPERTY(bool acceptsMoves READ acceptsMoves NOTIFY acceptsMovesChanged)
    // Started and not won: dealing another game, or a new difficulty, gives
    // it up (and breaks a dealt game's streak).
    Q_PROPERTY(bool isGameInProgress READ isGameInProgress NOTIFY isGameInProgressChanged)
    // Whether undo, and redo, would change the board now.
    Q_PROPERTY(bool canUndo READ canUndo NOTIFY canUndoChanged)
    Q_PROPERTY(bool canRedo READ canRedo NOTIFY canRedoChanged)
    // Why the last hint's digit goes where it went, until the next change to
    // the board: the same kind of line as stepLine, with the cells that show
    // the reason (see ExplainedHint::toQml). Empty when there is nothing to explain or
    // explainsHints is off.
    Q_PROPERTY(QVariantMap hintExplanation READ hintExplanationForQml NOTIFY hintExplanationChanged)
    // The line of the Next Step on show, until the next change to the board:
    // {key, technique, arguments} (see StepLine in stepwording.h); empty when
    // no step shows.
    Q_PROPERTY(QVariantMap stepLine READ stepLineForQml NOTIFY shownStepChanged)
    // The chain the Next Step on show draws at its reason stage (see
    // steplinks.h); empty otherwise.
    Q_PROPERTY(QVariantList shownLinks READ shownLinksForQml NOTIFY shownStepChanged)
    // The settings, stored. Enumerations are their raw value texts ("Corner
    // Grid", "Large", "Medium"), also their shown titles; assigning a text
    // that is none of them is ignored. The tray icon's glyph:
    Q_PROPERTY(
        QString menuBarIcon READ menuBarIconText WRITE setMenuBarIconText NOTIFY menuBarIconChanged)
    // How large the board is drawn.
    Q_PROPERTY(QString boardSize READ boardSizeText WRITE setBoardSizeText NOTIFY boardSizeChanged)
    // The difficulty dealt; changing it deals a new game.
    Q_PROPERTY(
        QString difficulty READ difficultyText WRITE setDifficultyText NOTIFY difficultyChanged)
    // Whether entries that differ from the solution are marked (isMistake).
    Q_PROPERTY(bool highlightsMistakes READ highlightsMistakes WRITE setHighlightsMistakes NOTIFY
                   highlightsMistakesChanged)
    // Whether the selected cell's digit is marked wherever it stands.
    Q_PROPERTY(bool highlightsMatchingNumbers READ highlightsMatchingNumbers WRITE
                   setHighlightsMatchingNumbers NOTIFY highlightsMatchingNumbersChanged)
    // Whether placing a digit takes it out of its peers' notes.
    Q_PROPERTY(bool clearsNotesAutomatically READ clearsNotesAutomatically WRITE
                   setClearsNotesAutomatically NOTIFY clearsNotesAutomaticallyChanged)
    // Whether a hint explains itself (hintExplanation).
    Q_PROPERTY(
        bool explainsHints READ explainsHints WRITE setExplainsHints NOTIFY explainsHintsChanged)
    // Statistics of dealt games, stored (pasted ones count in none): games
    // started, games won, wins in a row now and at best.
    Q_PROPERTY(qint64 gamesCount READ gamesCount NOTIFY gamesCountChanged)
    Q_PROPERTY(qint64 solvedCount READ solvedCount NOTIFY solvedCountChanged)
    Q_PROPERTY(qint64 currentStreak READ currentStreak NOTIFY currentStreakChanged)
    Q_PROPERTY(qint64 bestStreak READ bestStreak NOTIFY bestStreakChanged)
    // Difficulty raw value → seconds; a difficulty without a best time is absent.
    Q_PROPERTY(QVariantMap bestTimes READ bestTimesForQml NOTIFY bestTimesChanged)

public:
    // Undo steps kept (see MoveHistory).
    static constexpr std::size_t kHistoryLimit = MoveHistory::kLimit;

    // `store` is the preference store; it must outlive the model. Without a
    // supply the model makes the default one. With `persistsGame` false the
    // game in progress is neither restored nor saved (statistics and settings
    // still are). Restores the saved game or deals a new one, then asks the
    // supply to refill.
    SudokuGame(QSettings *store,
               std::unique_ptr<PuzzleSupply> supply,
               bool persistsGame,
               QObject *parent = nullptr);
    ~SudokuGame() override;

    // Typed state.
    const SudokuPuzzle &puzzle() const { return m_puzzle; }
    const Grid &values() const { return m_values; }
    const Masks &notes() const { return m_notes; }
    qint64 hintsUsed() const { return m_hintsUsed; }
    bool hasStartedCurrentGame() const { return m_hasStartedCurrentGame; }
    bool hasWon() const { return m_hasWon; }
    // The player brought this puzzle in by pasting it: it is theirs, so it
    // counts in no statistic and its rating is no setting.
    bool isPastedGame() const { return m_isPasted; }
    qint64 elapsed() const { return m_elapsed; }
    std::optional<int> selectedCell() const { return m_selectedCell; }
    std::optional<int> armedDigit() const { return m_armedDigit; }
    bool isNotesMode() const { return m_isNotesMode; }
    bool hasSeenWelcome() const { return m_settings.hasSeenWelcome.value(); }
    bool isShowingScreen() const { return m_isShowingScreen; }
    qint64 undoCount() const { return m_undoCount; }
    const std::vector<Snapshot> &history() const { return m_history.undoSteps(); }
    int historyCount() const { return static_cast<int>(history().size()); }
    const std::vector<Snapshot> &redoSteps() const { return m_history.redoSteps(); }
    int redoCount() const { return static_cast<int>(redoSteps().size()); }
    bool acceptsMoves() const { return !m_hasWon; }
    bool isGameInProgress() const { return m_hasStartedCurrentGame && !m_hasWon; }
    bool canUndo() const { return acceptsMoves() && !history().empty(); }
    bool canRedo() const { return acceptsMoves() && !redoSteps().empty(); }
    const std::optional<ExplainedHint> &explainedHint() const { return m_explainedHint; }
    const std::optional<ShownStep> &shownStep() const { return m_shownStep; }
    MenuBarIconOption menuBarIcon() const { return m_settings.menuBarIcon.value(); }
    BoardSize boardSize() const { return m_settings.boardSize.value(); }
    Difficulty difficulty() const { return m_settings.difficulty.value(); }
    bool highlightsMistakes() const { return m_settings.highlightsMistakes.value(); }
    bool highlightsMatchingNumbers() const { return m_settings.highlightsMatchingNumbers.value(); }
    bool clearsNotesAutomatically() const { return m_settings.clearsNotesAutomatically.value(); }
    bool explainsHints() const { return m_settings.explainsHints.value(); }
    qint64 gamesCount() const { return m_statistics.gamesCount.value(); }
    qint64 solvedCount() const { return m_statistics.solvedCount.value(); }
    qint64 currentStreak() const { return m_statistics.currentStreak.value(); }
    qint64 bestStreak() const { return m_statistics.bestStreak.value(); }
    const std::map<Difficulty, qint64> &bestTimes() const { return m_statistics.bestTimes(); }
    bool persistsGame() const { return m_persistsGame; }
    bool isPlayActive() const { return m_isPlayActive; }
    // Whether the play clock is ticking.
    bool isClockRunning() const { return m_clock.isRunning(); }
    PuzzleSupply &supply() { return *m_supply; }

    // The same state for QML, in the forms of qtforms.h.
    QVariantMap puzzleForQml() const { return toQml(m_puzzle); }
    QList<int> valuesForQml() const { return toIntList(m_values); }
    QList<int> notesForQml() const { return toIntList(m_notes); }
    int selectedCellForQml() const { return m_selectedCell.value_or(-1); }
    int armedDigitForQml() const { return m_armedDigit.value_or(-1); }
    QString menuBarIconText() const { return rawValueText(menuBarIcon()); }
    QString boardSizeText() const { return rawValueText(boardSize()); }
    QString difficultyText() const { return rawValueText(difficulty()); }
    QVariantMap bestTimesForQml() const { return toQml(bestTimes()); }
    QVariantMap hintExplanationForQml() const;
    QVariantMap stepLineForQml() const;
    QVariantList shownLinksForQml() const;

    // Settable properties. Each setting is written to the store on every
    // assignment, except the difficulty, which is written only when it
    // changes and then deals a new game.
    void setNotesMode(bool on);
    void setShowingScreen(bool showing);
    void setHasSeenWelcome(bool seen);
    void setMenuBarIcon(MenuBarIconOption option);
    void setBoardSize(BoardSize size);
    void setDifficulty(Difficulty difficulty);
    void setHighlightsMistakes(bool on);
    void setHighlightsMatchingNumbers(bool on);
    void setClearsNotesAutomatically(bool on);
    // Off also takes away the explanation on show.
    void setExplainsHints(bool on);
    void setMenuBarIconText(const QString &rawValue);
    void setBoardSizeText(const QString &rawValue);
    void setDifficultyText(const QString &rawValue);

    // Moves.
    Q_INVOKABLE void tapCell(int index);
    Q_INVOKABLE void pressDigit(int digit);
    Q_INVOKABLE void moveSelection(int rowDelta, int columnDelta);
    Q_INVOKABLE void eraseSelectedCell();
    Q_INVOKABLE void startNewGame();
    Q_INVOKABLE void fillAllNotes();
    Q_INVOKABLE void giveHint();
    // One press of Next Step: shows where to look, then the technique and
    // its reason, then applies the step (a digit placed, candidates removed
    // from the notes, or a wrong digit of the player's taken out), which
    // counts as help the way a hint does. A wrong digit is pointed out
    // before any step and taken out by the next press. Any change to the
    // board, undo and redo drop the step on show. When no technique
    // applies, a line says so and sends the player to the Hint; further
    // presses leave it as it is. Nothing after a win.
    Q_INVOKABLE void nextStep();
    // Takes the step on show away (Escape).
    Q_INVOKABLE void dismissStep();
    // Takes the board and notes back one step; refused when canUndo is false.
    Q_INVOKABLE void undo();
    // Brings back what the last undo took back; refused when canRedo is
    // false. Every change to the board other than undo and redo drops the
    // steps that redo could bring back.
    Q_INVOKABLE void redo();
    // The givens as 81 characters, "." for an empty cell.
    Q_INVOKABLE QString puzzleText() const;
    // What pastePuzzle would do with the text, without doing it: "accepted",
    // "noPuzzle", "noSolution" or "severalSolutions" (see readPuzzleText).
    Q_INVOKABLE QString checkPuzzleText(const QString &text) const;
    // Reads the text as checkPuzzleText does and, when it is accepted, makes
    // it the new game, at the difficulty its rating gives, as a deal would
    // (the supply remembers it as played). Anything else changes nothing.
    // Returns the same answer as checkPuzzleText.
    Q_INVOKABLE QString pastePuzzle(const QString &text);
    // The board is shown and its window has the keyboard (true), or not.
    Q_INVOKABLE void setPlayActive(bool active);
    Q_INVOKABLE void resetStatistics();
    // Writes the queued save of the game in progress now instead of on the
    // next turn of the event loop, for a quit that ends the loop first.
    // Nothing happens when no save is queued.
    Q_INVOKABLE void saveNow();
    // Places or toggles (in notes mode) the digit in the cell; the entry that
    // tapCell and pressDigit end in. Refused after a win, on a given or a
    // locked cell, for a complete digit, and in notes mode on a filled cell.
    void enterDigit(int digit, int index);

    // Queries.
    Q_INVOKABLE QList<int> noteDigits(int index) const;
    Q_INVOKABLE bool isMistake(int index) const;
    Q_INVOKABLE int remainingCount(int digit) const;
    Q_INVOKABLE bool isDigitComplete(int digit) const;
    Q_INVOKABLE bool isCellLocked(int index) const;
    Q_INVOKABLE bool isBlocked(int index, int digit) const;
    std::optional<qint64> bestTime(Difficulty difficulty) const;
    // The best time of the difficulty named by its raw value; undefined when
    // there is none.
    Q_INVOKABLE QVariant bestTime(const QString &difficultyRawValue) const;
    Q_INVOKABLE static QString formatTime(qint64 seconds) { return pondrel::formatTime(seconds); }
    // The raw values in declaration order, for the Preferences pickers.
    Q_INVOKABLE static QStringList difficultyRawValues();
    Q_INVOKABLE static QStringList boardSizeRawValues();
    Q_INVOKABLE static QStringList menuBarIconRawValues();

    // Test hooks. The product ticks once a second and draws hints from the
    // thread's system random source; tests shorten the tick and script the
    // draws. A null source restores the system one.
    void setTickIntervalForTesting(std::chrono::milliseconds interval);
    void setRandomSourceForTesting(RandomSource *random);

signals:
    void puzzleChanged();
    void valuesChanged();
    void notesChanged();
    void hintsUsedChanged();
    void hasStartedCurrentGameChanged();
    void hasWonChanged();
    void elapsedChanged();
    void selectedCellChanged();
    void armedDigitChanged();
    void isNotesModeChanged();
    void hasSeenWelcomeChanged();
    void isShowingScreenChanged();
    void undoCountChanged();
    void historyCountChanged();
    void menuBarIconChanged();
    void boardSizeChanged();
    void difficultyChanged();
    void highlightsMistakesChanged();
    void highlightsMatchingNumbersChanged();
    void clearsNotesAutomaticallyChanged();
    void explainsHintsChanged();
    void redoCountChanged();
    void acceptsMovesChanged();
    void isGameInProgressChanged();
    void canUndoChanged();
    void canRedoChanged();
    void hintExplanationChanged();
    void shownStepChanged();
    void gamesCountChanged();
    void solvedCountChanged();
    void currentStreakChanged();
    void bestStreakChanged();
    void bestTimesChanged();

private:
    using Notify = void (SudokuGame::*)();

    // The one compare, store and announce of every observed value.
    template <typename T> void assign(T &field, T value, Notify changed);
    // The same for a value mirrored into the store, which is written on
    // every assignment, changed or not.
    template <typename T> void assignStored(StoredValue<T> &stored, T value, Notify changed);

    // Assignments of the observed game state, with their side effects.
    void setPuzzle(const SudokuPuzzle &puzzle);
    void setValues(const Grid &values);
    void setNotes(const Masks &notes);
    void setHintsUsed(qint64 hints);
    void setHasStartedCurrentGame(bool started);
    void setHasWon(bool won);
    void setElapsed(qint64 seconds);
    void setSelectedCell(std::optional<int> cell);
    void setArmedDigit(std::optional<int> digit);
    // Runs a change of the move history and announces the counts it changed.
    template <typename Change> void changeHistory(Change change);
    void setExplainedHint(std::optional<ExplainedHint> hint);
    void setShownStep(std::optional<ShownStep> step);
    void applyShownStep(ShownStep step);
    void setUndoCount(qint64 count);
    void setGamesCount(qint64 count);
    void setSolvedCount(qint64 count);
    void setCurrentStreak(qint64 count);
    void setBestStreak(qint64 count);

    void placeDigit(int digit, int index);
    void recordSnapshot();
    void checkForWin();
    bool isGiven(int index) const;
    void startGame(const SudokuPuzzle &puzzle, bool pasted);
    // Undo's and redo's shared part: takes `step` of the history and puts
    // the board it gives back.
    void bringBack(std::optional<Snapshot> (MoveHistory::*step)(const Snapshot &));
    // After undo and redo: a digit that the board completed again cannot
    // stay armed.
    void disarmCompleteDigit();

    void updateTimer();

    // acceptsMoves, isGameInProgress, canUndo and canRedo as last announced.
    struct PlayRules
    {
        bool acceptsMoves = true;
        bool isGameInProgress = false;
        bool canUndo = false;
        bool canRedo = false;
    };
    // Announces those of them that changed; called after every change of
    // what they are worked out from (the win, the start, the history).
    void announcePlayRules();

    void scheduleSave();
    void saveGame();
    bool restoreSavedGame();

    QSettings *m_store = nullptr;
    std::unique_ptr<PuzzleSupply> m_supply;
    RandomSource *m_random = nullptr;
    GameSettings m_settings;
    GameStatistics m_statistics;

    SudokuPuzzle m_puzzle;
    Grid m_values{};
    Masks m_notes{};
    qint64 m_hintsUsed = 0;
    bool m_hasStartedCurrentGame = false;
    bool m_hasWon = false;
    bool m_isPasted = false;
    qint64 m_elapsed = 0;
    std::optional<int> m_selectedCell;
    std::optional<int> m_armedDigit;
    bool m_isNotesMode = false;
    bool m_isShowingScreen = false;
    qint64 m_undoCount = 0;
    MoveHistory m_history;
    PlayRules m_announcedRules;
    std::optional<ExplainedHint> m_explainedHint;
    std::optional<ShownStep> m_shownStep;

    bool m_persistsGame = false;
    bool m_isRestoring = false;
    bool m_isPlayActive = false;
    PlayClock m_clock;
    SavedGameStore m_savedGame;
};

} // namespace pondrel
