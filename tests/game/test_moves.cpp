#include "gametestsupport.h"

#include <QSignalSpy>

#include <climits>

using namespace pondrel;
using namespace pondrel::test;

namespace {

// In kPuzzle cell 0 holds the given 5; cell 2 is open (solution 4) with the
// peers 3 and 10; cell 40 is open (solution 5) and no peer of 2.
constexpr int kGiven = 0;
constexpr int kOpen = 2;

} // namespace

using SelectionAndArming = GameTest;

TEST_F(SelectionAndArming, digitsArmDisarmAndSwitchWithoutASelection)
{
    auto game = makeGame();
    QSignalSpy armed(game.get(), &SudokuGame::armedDigitChanged);
    game->pressDigit(5);
    game->pressDigit(5);
    EXPECT_EQ(game->armedDigitForQml(), -1);
    game->pressDigit(5);
    game->pressDigit(6);
    game->pressDigit(0);
    game->pressDigit(10);
    EXPECT_EQ(game->armedDigit(), 6);
    EXPECT_EQ(armed.count(), 4);
}

TEST_F(SelectionAndArming, armedDigitFillsTappedCellsUntilAllNineStand)
{
    auto game = makeGame();
    game->pressDigit(4);
    for (const int cell : openCells(*game)) {
        if (solutionAt(*game, cell) == 4) {
            EXPECT_EQ(game->armedDigit(), 4);
            game->tapCell(cell);
            EXPECT_EQ(game->values()[cell], 4);
        }
    }
    EXPECT_TRUE(game->isDigitComplete(4));
    EXPECT_EQ(game->armedDigit(), std::nullopt);
    game->pressDigit(4); // a complete digit cannot be armed
    EXPECT_EQ(game->armedDigit(), std::nullopt);
}

TEST_F(SelectionAndArming, tappingAGivenOrTheSelectedCellOnlyChangesTheSelection)
{
    auto game = makeGame();
    game->pressDigit(5);
    game->tapCell(kGiven);
    EXPECT_EQ(game->selectedCell(), kGiven);
    EXPECT_EQ(game->armedDigit(), std::nullopt);
    // A digit with a given selected arms it and drops the selection.
    game->pressDigit(7);
    EXPECT_EQ(game->selectedCellForQml(), -1);
    EXPECT_EQ(game->armedDigit(), 7);
    EXPECT_EQ(game->values(), game->puzzle().givens);

    game->pressDigit(7);
    game->tapCell(kOpen);
    game->tapCell(kOpen);
    EXPECT_EQ(game->selectedCell(), std::nullopt);
}

TEST_F(SelectionAndArming, arrowsStartAtTheCentreAndStopAtTheEdges)
{
    auto game = makeGame();
    game->pressDigit(5);
    game->moveSelection(-1, 0);
    EXPECT_EQ(game->selectedCell(), 40);
    EXPECT_EQ(game->armedDigit(), std::nullopt);
    game->moveSelection(INT_MIN, INT_MAX);
    EXPECT_EQ(game->selectedCell(), 8);
    game->moveSelection(1, -1);
    EXPECT_EQ(game->selectedCell(), 16);
}

TEST_F(SelectionAndArming, blockedCellsAreThoseTheDigitCannotGo)
{
    auto game = makeGame();
    EXPECT_FALSE(game->isBlocked(kGiven, 5));
    EXPECT_TRUE(game->isBlocked(kGiven, 3));
    EXPECT_TRUE(game->isBlocked(kOpen, 5)); // cell 0 in its row holds 5
    EXPECT_FALSE(game->isBlocked(kOpen, 4));
}

using EntryAndErasing = GameTest;

TEST_F(EntryAndErasing, typingTheHeldDigitEmptiesTheCellWithoutItsNotes)
{
    auto game = makeGame();
    game->setNotesMode(true);
    type(*game, kOpen, 9);
    game->setNotesMode(false);
    game->pressDigit(wrongDigit(*game, kOpen));
    EXPECT_TRUE(game->isMistake(kOpen));
    game->pressDigit(4);
    EXPECT_FALSE(game->isMistake(kOpen));
    EXPECT_EQ(game->notes()[kOpen], 0);
    game->pressDigit(4);
    EXPECT_EQ(game->values()[kOpen], 0);
    EXPECT_EQ(game->notes()[kOpen], 0);
    EXPECT_EQ(game->history().size(), 4u);
}

TEST_F(EntryAndErasing, aCompleteDigitTypedIntoASelectedEmptyCellIsRefused)
{
    auto game = makeGame();
    for (const int cell : openCells(*game)) {
        if (solutionAt(*game, cell) == 4) {
            type(*game, cell, 4);
        }
    }
    ASSERT_TRUE(game->isDigitComplete(4));
    const std::size_t steps = game->history().size();
    type(*game, 40, 4); // cell 40 is empty (solution 5)
    EXPECT_EQ(game->values()[40], 0);
    game->setNotesMode(true);
    game->pressDigit(4);
    EXPECT_EQ(game->notes()[40], 0);
    EXPECT_EQ(game->history().size(), steps);
    EXPECT_EQ(game->selectedCell(), 40);
}

TEST_F(EntryAndErasing, eraseNeedsSomethingErasable)
{
    auto game = makeGame();
    game->tapCell(kOpen);
    game->eraseSelectedCell();
    EXPECT_FALSE(game->hasStartedCurrentGame());
    EXPECT_EQ(game->gamesCount(), 0);
    game->tapCell(kGiven);
    game->eraseSelectedCell();
    EXPECT_TRUE(game->history().empty());

    game->setNotesMode(true);
    type(*game, kOpen, 1);
    game->eraseSelectedCell();
    EXPECT_EQ(game->notes()[kOpen], 0);
    game->setNotesMode(false);
    type(*game, kOpen, 4);
    game->eraseSelectedCell();
    EXPECT_EQ(game->values()[kOpen], 0);
    EXPECT_EQ(game->history().size(), 4u);
}

TEST_F(EntryAndErasing, remainingCountCountsEveryCopyAndStopsAtZero)
{
    auto game = makeGame();
    EXPECT_EQ(game->remainingCount(4), 7); // two givens
    int placed = 0;
    for (const int cell : openCells(*game)) {
        if (solutionAt(*game, cell) != 4 && placed < 8) {
            type(*game, cell, 4);
            EXPECT_EQ(game->remainingCount(4), std::max(0, 6 - placed++));
        }
    }
}

TEST_F(EntryAndErasing, argumentsOutsideTheBoardAreIgnored)
{
    auto game = makeGame();
    for (const int index : {-1, 81, INT_MIN, INT_MAX}) {
        game->tapCell(index);
        game->enterDigit(4, index);
        EXPECT_FALSE(game->isMistake(index) || game->isCellLocked(index) ||
                     game->isBlocked(index, 4));
        EXPECT_TRUE(game->noteDigits(index).isEmpty());
    }
    EXPECT_EQ(game->selectedCell(), std::nullopt);
    game->enterDigit(0, kOpen);
    game->enterDigit(10, kOpen);
    EXPECT_EQ(game->remainingCount(0), 0);
    EXPECT_TRUE(game->history().empty());
}

using Notes = GameTest;

TEST_F(Notes, togglingTwiceRestoresTheMaskAndFilledCellsTakeNone)
{
    auto game = makeGame();
    game->setNotesMode(true);
    type(*game, kOpen, 4);
    EXPECT_EQ(game->noteDigits(kOpen), QList<int>{4});
    game->pressDigit(4);
    EXPECT_EQ(game->notes()[kOpen], 0);
    EXPECT_EQ(game->history().size(), 2u);

    game->setNotesMode(false);
    game->pressDigit(4);
    game->setNotesMode(true);
    game->pressDigit(5);
    EXPECT_EQ(game->notes()[kOpen], 0);
    EXPECT_EQ(game->history().size(), 3u);
}

TEST_F(Notes, placingClearsTheDigitFromPeerNotesOnlyWhenAsked)
{
    auto game = makeGame();
    game->setNotesMode(true);
    for (const int cell : {kOpen, 3, 10, 40}) {
        type(*game, cell, 4);
    }
    game->setNotesMode(false);
    type(*game, kOpen, 4);
    EXPECT_EQ(game->notes()[kOpen] | game->notes()[3] | game->notes()[10], 0);
    EXPECT_EQ(game->noteDigits(40), QList<int>{4});

    game->undo();
    game->setClearsNotesAutomatically(false);
    game->pressDigit(4);
    EXPECT_EQ(game->notes()[kOpen], 0);
    EXPECT_EQ(game->noteDigits(3), QList<int>{4});
}

TEST_F(Notes, fillingNotesHonoursWrongEntriesAndRecordsOnce)
{
    auto game = makeGame();
    // Without the wrong 4 in cell 40, cell 22 (same column) would allow 3 and 4.
    type(*game, 40, 4);
    game->fillAllNotes();
    EXPECT_EQ(game->noteDigits(22), QList<int>{3});
    EXPECT_EQ(game->notes()[40], 0);
    QSignalSpy notes(game.get(), &SudokuGame::notesChanged);
    game->fillAllNotes();
    EXPECT_EQ(notes.count(), 0);
    EXPECT_EQ(game->history().size(), 2u);
}

using Undo = GameTest;

TEST_F(Undo, keepsTheNewestTwoHundredSteps)
{
    auto game = makeGame();
    Grid afterFifty{};
    for (int entry = 1; entry <= 250; ++entry) {
        type(*game, kOpen, 1 + entry % 2);
        if (entry == 50) {
            afterFifty = game->values();
        }
    }
    for (int n = 0; n < 200; ++n) {
        game->undo();
    }
    EXPECT_EQ(game->values(), afterFifty);
    QSignalSpy undos(game.get(), &SudokuGame::undoCountChanged);
    game->undo();
    EXPECT_EQ(undos.count(), 0);
    EXPECT_EQ(game->undoCount(), 200);
    EXPECT_EQ(game->values(), afterFifty);
}

TEST_F(Undo, rollsBackTheBoardButNotHintsStartOrCount)
{
    auto game = makeGame();
    game->tapCell(kOpen);
    game->giveHint();
    game->undo();
    EXPECT_EQ(game->values()[kOpen], 0);
    EXPECT_EQ(game->hintsUsed(), 1);
    EXPECT_TRUE(game->hasStartedCurrentGame());
    EXPECT_EQ(game->gamesCount(), 1);
}

using Dealing = GameTest;

TEST_F(Dealing, aNewPuzzleClearsHintsTimeAndNotes)
{
    auto game = makeGame();
    game->setPlayActive(true);
    game->setNotesMode(true);
    type(*game, 40, 1);
    game->tapCell(kOpen);
    game->giveHint(); // fills cell 2, no peer of 40
    ASSERT_EQ(game->noteDigits(40), QList<int>{1});
    QSignalSpy ticks(game.get(), &SudokuGame::elapsedChanged);
    ASSERT_TRUE(ticks.wait(2000));
    ASSERT_GT(game->elapsed(), 0);
    ASSERT_EQ(game->hintsUsed(), 1);

    game->startNewGame();
    EXPECT_EQ(game->hintsUsed(), 0);
    EXPECT_EQ(game->elapsed(), 0);
    EXPECT_EQ(game->notes(), Masks{});
    EXPECT_FALSE(game->isNotesMode());
}

TEST_F(Dealing, withNothingPreparedOrBuiltInTheGameGeneratesOnTheSpot)
{
    ASSERT_TRUE(QFile::remove(m_dir.filePath(QStringLiteral("Puzzles.txt"))));
    storeValue(GameSettings::kDifficultyKey, QStringLiteral("Easy"));
    auto game = makeGame();
    const SudokuPuzzle &dealt = game->puzzle();
    EXPECT_EQ(dealt.difficulty, Difficulty::easy);
    EXPECT_EQ(fromText(gridText(dealt.givens), Difficulty::easy), dealt);
    EXPECT_EQ(game->values(), dealt.givens);
    EXPECT_EQ(game->supply().state().played.size(), 1u);
}
