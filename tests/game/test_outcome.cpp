#include "gametestsupport.h"

#include <QSignalSpy>

#include <limits>

using namespace pondrel;
using namespace pondrel::test;

namespace {

constexpr int kOpen = 2; // open in kPuzzle, solution 4

// kSolution with cell 2 emptied: one correct 4 wins.
std::string oneCellShort()
{
    std::string values = kSolution;
    values[kOpen] = '0';
    return values;
}

} // namespace

using HintsAndWin = GameTest;

TEST_F(HintsAndWin, hintFillsTheSelectedCellOrElseARandomOneNeedingHelp)
{
    auto game = makeGame();
    type(*game, kOpen, wrongDigit(*game, kOpen));
    game->giveHint();
    EXPECT_EQ(game->values()[kOpen], 4);

    // The selected cell is right now, so the draw picks among the other open
    // or wrong cells in ascending order: index 0 is cell 3.
    ScriptedRandom random({1});
    game->setRandomSourceForTesting(&random);
    game->giveHint();
    EXPECT_EQ(game->values()[3], solutionAt(*game, 3));
    EXPECT_EQ(game->selectedCell(), 3);
    EXPECT_EQ(game->hintsUsed(), 2);
    game->setRandomSourceForTesting(nullptr);
}

TEST_F(HintsAndWin, theRandomPickTakesTheCellTheDrawNames)
{
    // With no usable selection the hint picks among the open or wrong cells
    // in ascending order, at position uniformBelow(count): the top draw names
    // the last of kPuzzle's 51 open cells, a draw just above 2^63 the middle
    // one (2^63 itself is one of the draws the method turns down for 50).
    auto game = makeGame();
    const std::vector<int> open = openCells(*game);
    ASSERT_EQ(open.size(), 51u);
    ScriptedRandom random({UINT64_MAX, (std::uint64_t{1} << 63) + 1});
    game->setRandomSourceForTesting(&random);
    game->giveHint();
    EXPECT_EQ(game->selectedCell(), open.back());
    EXPECT_EQ(game->values()[open.back()], solutionAt(*game, open.back()));
    // The selected cell is right now; of the 50 left, position 25.
    game->giveHint();
    EXPECT_EQ(game->selectedCell(), open[25]);
    EXPECT_EQ(game->values()[open[25]], solutionAt(*game, open[25]));
    game->setRandomSourceForTesting(nullptr);
}

TEST_F(HintsAndWin, aHintWithAGivenSelectedFillsARandomCell)
{
    auto game = makeGame();
    const std::vector<int> open = openCells(*game);
    ScriptedRandom random({UINT64_MAX});
    game->setRandomSourceForTesting(&random);
    game->tapCell(0); // the given 5
    game->giveHint();
    EXPECT_EQ(game->values()[0], 5);
    EXPECT_EQ(game->selectedCell(), open.back());
    EXPECT_EQ(game->values()[open.back()], solutionAt(*game, open.back()));
    EXPECT_EQ(game->hintsUsed(), 1);
    game->setRandomSourceForTesting(nullptr);
}

TEST_F(HintsAndWin, aWrongCopyOfAFinishedDigitIsLockedButAHintReplacesIt)
{
    auto game = makeGame();
    type(*game, kOpen, 5);
    for (const int cell : openCells(*game)) {
        if (solutionAt(*game, cell) == 5) {
            type(*game, cell, 5);
        }
    }
    EXPECT_TRUE(game->isCellLocked(kOpen));
    // A digit with a locked cell selected arms instead of entering; tapping
    // the locked cell with it armed only selects the cell.
    game->tapCell(kOpen);
    game->pressDigit(4);
    EXPECT_EQ(game->armedDigit(), 4);
    game->tapCell(kOpen);
    EXPECT_EQ(game->armedDigit(), std::nullopt);
    game->enterDigit(4, kOpen);
    game->eraseSelectedCell();
    EXPECT_EQ(game->values()[kOpen], 5);
    game->giveHint();
    EXPECT_EQ(game->values()[kOpen], 4);
}

TEST_F(HintsAndWin, theWinningDigitRecordsTheWinAndLaterMovesAreRefused)
{
    auto game = makeGame();
    game->setPlayActive(true);
    solveAllBut(*game, 0);
    EXPECT_TRUE(game->hasWon());
    EXPECT_FALSE(game->isClockRunning());
    EXPECT_EQ(game->solvedCount(), 1);
    EXPECT_EQ(game->currentStreak(), 1);
    EXPECT_EQ(game->bestStreak(), 1);
    EXPECT_EQ(game->selectedCell(), std::nullopt);
    EXPECT_EQ(stored(GameStatistics::kSolvedCountKey).toLongLong(), 1);
    nextTurn();
    EXPECT_FALSE(store().contains(QLatin1String(kSavedSudokuKey)));

    // Selection still works; every other move, undo too, is refused.
    const Grid values = game->values();
    const std::size_t steps = game->history().size();
    game->moveSelection(0, 0);
    EXPECT_EQ(game->selectedCell(), 40);
    game->tapCell(kOpen);
    game->pressDigit(1);
    game->enterDigit(1, kOpen);
    game->eraseSelectedCell();
    game->fillAllNotes();
    game->giveHint();
    EXPECT_EQ(game->values(), values);
    EXPECT_EQ(game->notes(), Masks{});
    EXPECT_EQ(game->history().size(), steps);
    EXPECT_EQ(game->hintsUsed(), 0);
    game->undo();
    EXPECT_EQ(game->values(), values);
    EXPECT_TRUE(game->hasWon());
}

struct BestTimeCase
{
    std::optional<qint64> storedBest;
    qint64 elapsed;
    qint64 hints;
    std::optional<qint64> expectedBest;
};

void PrintTo(const BestTimeCase &c, std::ostream *out)
{
    *out << "best " << c.storedBest.value_or(-1) << ", won in " << c.elapsed << " with " << c.hints
         << " hints";
}

class BestTimes : public GameTest, public testing::WithParamInterface<BestTimeCase>
{
};

TEST_P(BestTimes, onlyAStrictlyFasterWinWithoutHintsCounts)
{
    const BestTimeCase c = GetParam();
    const QString key = GameStatistics::bestTimeKey(Difficulty::hard);
    if (c.storedBest) {
        store().setValue(key, *c.storedBest);
    }
    SavedSudoku saved = record(oneCellShort());
    saved.difficulty = Difficulty::hard;
    saved.elapsed = c.elapsed;
    saved.hintsUsed = c.hints;
    storeRecord(saved);
    auto game = makeGame();
    QSignalSpy times(game.get(), &SudokuGame::bestTimesChanged);
    type(*game, kOpen, 4);
    ASSERT_TRUE(game->hasWon());
    EXPECT_EQ(times.count(), c.expectedBest == c.storedBest ? 0 : 1);
    EXPECT_EQ(game->bestTime(Difficulty::hard), c.expectedBest);
    EXPECT_EQ(game->bestTime(QStringLiteral("Hard")),
              c.expectedBest ? QVariant(*c.expectedBest) : QVariant());
    EXPECT_EQ(store().value(key), c.expectedBest ? QVariant(*c.expectedBest) : QVariant());
}

INSTANTIATE_TEST_SUITE_P(HintsAndWin,
                         BestTimes,
                         testing::Values(BestTimeCase{std::nullopt, 95, 0, 95},
                                         BestTimeCase{95, 95, 0, 95},
                                         BestTimeCase{95, 94, 0, 94},
                                         BestTimeCase{std::nullopt, 10, 1, std::nullopt},
                                         BestTimeCase{95, 10, 1, 95}));

using Statistics = GameTest;

TEST_F(Statistics, streaksGrowWithWinsAndBreakOnlyOnAbandonedGames)
{
    auto game = makeGame();
    game->startNewGame(); // over an untouched game
    for (int round = 1; round <= 3; ++round) {
        solveAllBut(*game, 0);
        game->startNewGame(); // over a won game
        EXPECT_EQ(game->currentStreak(), round);
    }
    type(*game, kOpen, 4);
    game->startNewGame();
    EXPECT_EQ(game->currentStreak(), 0);
    EXPECT_EQ(game->bestStreak(), 3);
    EXPECT_EQ(game->gamesCount(), 4);
    EXPECT_EQ(stored(GameStatistics::kCurrentStreakKey).toLongLong(), 0);
    EXPECT_EQ(stored(GameStatistics::kGamesCountKey).toLongLong(), 4);
}

TEST_F(Statistics, aStreakSurvivesStartUpAndDealingOverAnUntouchedGame)
{
    // No saved game: construction deals a fresh one, and a fresh game is
    // replaced without being abandoned.
    storeValue(GameStatistics::kCurrentStreakKey, 2);
    auto game = makeGame();
    EXPECT_EQ(game->currentStreak(), 2);
    game->startNewGame();
    EXPECT_EQ(game->currentStreak(), 2);
    EXPECT_EQ(stored(GameStatistics::kCurrentStreakKey).toLongLong(), 2);
}

TEST_F(Statistics, resetClearsEverythingButTheGameInProgress)
{
    storeValue(GameStatistics::kSolvedCountKey, 7);
    store().setValue(GameStatistics::bestTimeKey(Difficulty::medium), 300);
    auto game = makeGame();
    type(*game, kOpen, 4);
    QSignalSpy times(game.get(), &SudokuGame::bestTimesChanged);
    game->resetStatistics();
    EXPECT_EQ(times.count(), 1);
    EXPECT_FALSE(store().contains(GameStatistics::bestTimeKey(Difficulty::medium)));
    EXPECT_EQ(stored(GameStatistics::kSolvedCountKey).toLongLong(), 0);
    // The started game is not counted a second time.
    solveAllBut(*game, 0);
    EXPECT_EQ(game->solvedCount(), 1);
    EXPECT_EQ(game->gamesCount(), 0);
}

TEST_F(Statistics, countersAtTheLargestValueStayThereInsteadOfOverflowing)
{
    constexpr qint64 kMax = std::numeric_limits<qint64>::max();
    for (const char *key : {GameStatistics::kGamesCountKey,
                            GameStatistics::kSolvedCountKey,
                            GameStatistics::kCurrentStreakKey}) {
        storeValue(key, kMax);
    }
    SavedSudoku saved = record(oneCellShort());
    saved.hasStarted = false;
    saved.hintsUsed = kMax;
    storeRecord(saved);
    reopenStore();
    auto game = makeGame();
    game->tapCell(kOpen);
    game->giveHint();
    EXPECT_TRUE(game->hasWon());
    EXPECT_EQ(game->gamesCount(), kMax);
    EXPECT_EQ(game->solvedCount(), kMax);
    EXPECT_EQ(game->bestStreak(), kMax);
    EXPECT_EQ(game->hintsUsed(), kMax);
}
