#include "boardcellmodel.h"
#include "digitcounts.h"
#include "sudokugame.h"
#include "testgames.h"

#include <QAbstractItemModelTester>
#include <QSignalSpy>

#include <gtest/gtest.h>

#include <algorithm>

using pondrel::BoardCellModel;
using pondrel::DigitCounts;
using pondrel::SudokuGame;

namespace {

// The known puzzle of TestGames: cell 2 is empty (solution 4), cell 0 holds
// the given 5, cell 1 the given 3.
constexpr int kOpenCell = 2;

class BoardModelTest : public testing::Test
{
protected:
    pondrel::test::TestGames games;
    SudokuGame *game = games.makeGame();
    BoardCellModel model;

    void SetUp() override { model.setGame(game); }

    int highlight(int cell) const
    {
        return model.data(model.index(cell), BoardCellModel::HighlightRole).toInt();
    }
    int cellsWith(BoardCellModel::Highlight kind) const
    {
        int count = 0;
        for (int cell = 0; cell < 81; ++cell) {
            count += highlight(cell) == kind ? 1 : 0;
        }
        return count;
    }
};

TEST_F(BoardModelTest, staysAConsistentModelThroughEveryKindOfMove)
{
    QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::Fatal);
    game->tapCell(kOpenCell);
    game->pressDigit(4);
    game->setNotesMode(true);
    game->tapCell(kOpenCell + 1);
    game->pressDigit(2);
    game->setNotesMode(false);
    game->pressDigit(7);
    game->undo();
    game->startNewGame();
    model.setGame(nullptr);
    EXPECT_EQ(model.rowCount(), 81);
    EXPECT_EQ(model.data(model.index(0), BoardCellModel::ValueRole).toInt(), 0);
}

TEST_F(BoardModelTest, highlightsTheSelectionItsPeersAndMatchingDigits)
{
    game->setHighlightsMatchingNumbers(true);
    game->tapCell(0); // the given 5 at the top-left corner
    EXPECT_EQ(highlight(0), BoardCellModel::Selected);
    // Its row, column and box from the engine's peer table, less the peers
    // holding a 5 (none of cell 0's peers do).
    EXPECT_EQ(cellsWith(BoardCellModel::Peer), 20);
    EXPECT_EQ(highlight(80), BoardCellModel::None);
    // The other 5s on the board match, peers or not.
    const int fives = static_cast<int>(std::count(game->values().begin(), game->values().end(), 5));
    EXPECT_EQ(cellsWith(BoardCellModel::SameDigit), fives - 1);

    game->setHighlightsMatchingNumbers(false);
    EXPECT_EQ(cellsWith(BoardCellModel::SameDigit), 0);
}

TEST_F(BoardModelTest, anArmedDigitShowsWhereItStandsAndWhereItCannotGo)
{
    game->pressDigit(5);
    ASSERT_EQ(game->armedDigit(), 5);
    for (int cell = 0; cell < 81; ++cell) {
        const int expected = game->values()[static_cast<std::size_t>(cell)] == 5
                                 ? BoardCellModel::ArmedDigit
                             : game->isBlocked(cell, 5) ? BoardCellModel::Blocked
                                                        : BoardCellModel::None;
        EXPECT_EQ(highlight(cell), expected) << "cell " << cell;
    }
}

TEST_F(BoardModelTest, reportsOnlyTheCellsAMoveChanged)
{
    game->tapCell(kOpenCell);
    QSignalSpy changes(&model, &QAbstractItemModel::dataChanged);
    game->setNotesMode(true);
    game->pressDigit(1);
    ASSERT_EQ(changes.count(), 1);
    EXPECT_EQ(changes[0][0].value<QModelIndex>().row(), kOpenCell);
    EXPECT_EQ(changes[0][1].value<QModelIndex>().row(), kOpenCell);
    EXPECT_EQ(
        model.data(model.index(kOpenCell), BoardCellModel::NoteDigitsRole).value<QList<int>>(),
        QList<int>{1});
}

TEST_F(BoardModelTest, showsMistakesOnlyWhileTheSettingIsOn)
{
    game->setHighlightsMistakes(false);
    game->tapCell(kOpenCell);
    game->pressDigit(1); // the solution is 4
    const auto mistake = [this] {
        return model.data(model.index(kOpenCell), BoardCellModel::MistakeRole).toBool();
    };
    EXPECT_FALSE(mistake());
    game->setHighlightsMistakes(true);
    EXPECT_TRUE(mistake());
}

TEST_F(BoardModelTest, aPointedOutMistakeShowsOverTheSelectionAndTheArmedDigit)
{
    // A wrong 1 (the solution is 4) typed into the selected cell, then
    // placed with 1 armed.
    game->tapCell(kOpenCell);
    game->pressDigit(1);
    game->nextStep();
    EXPECT_EQ(highlight(kOpenCell), BoardCellModel::StepPattern);
    game->undo();
    game->tapCell(kOpenCell);
    game->pressDigit(1);
    game->tapCell(kOpenCell);
    ASSERT_EQ(game->armedDigit(), 1);
    game->nextStep();
    EXPECT_EQ(highlight(kOpenCell), BoardCellModel::StepPattern);
}

TEST(DigitCountsTest, followsEntriesAndSignalsOnlyRealChanges)
{
    pondrel::test::TestGames games;
    SudokuGame *game = games.makeGame();
    DigitCounts counts;
    counts.setGame(game);
    for (int digit = 1; digit <= 9; ++digit) {
        EXPECT_EQ(counts.remainingCounts()[digit - 1], game->remainingCount(digit));
    }
    QSignalSpy remaining(&counts, &DigitCounts::remainingCountsChanged);
    QSignalSpy complete(&counts, &DigitCounts::completeDigitsChanged);
    const int foursBefore = counts.remainingCounts()[3];
    game->tapCell(kOpenCell);
    game->pressDigit(4);
    EXPECT_EQ(counts.remainingCounts()[3], foursBefore - 1);
    EXPECT_EQ(remaining.count(), 1);
    // Selecting changes no count.
    game->tapCell(kOpenCell + 1);
    EXPECT_EQ(remaining.count(), 1);
    EXPECT_EQ(complete.count(), 0);

    // The last correct 4 completes the digit.
    const QString solution = games.solution();
    for (int cell = 0; cell < 81; ++cell) {
        if (solution[cell] == u'4' && game->values()[static_cast<std::size_t>(cell)] == 0) {
            game->tapCell(cell);
            game->pressDigit(4);
        }
    }
    EXPECT_EQ(counts.completeDigits(), QList<int>{4});
    EXPECT_EQ(complete.count(), 1);
}

} // namespace
