#include "gametestsupport.h"

#include <QSignalSpy>
#include <QStringList>

using namespace pondrel;
using namespace pondrel::test;

using Settings = GameTest;

TEST_F(Settings, aFreshStoreGivesTheDefaultsAndIsNotWritten)
{
    auto game = makeGame();
    EXPECT_FALSE(game->highlightsMistakes());
    EXPECT_TRUE(game->highlightsMatchingNumbers());
    EXPECT_TRUE(game->clearsNotesAutomatically());
    EXPECT_EQ(game->difficulty(), Difficulty::medium);
    EXPECT_EQ(game->boardSize(), BoardSize::standard);
    EXPECT_EQ(game->menuBarIcon(), MenuBarIconOption::dots);
    EXPECT_FALSE(game->hasSeenWelcome());
    EXPECT_EQ(game->gamesCount() | game->solvedCount() | game->currentStreak() | game->bestStreak(),
              0);
    EXPECT_TRUE(game->bestTimes().empty());
    nextTurn();
    EXPECT_TRUE(store().allKeys().isEmpty());
}

TEST_F(Settings, valuesOfTheWrongTypeReadAsTheDefault)
{
    storeValue(GameSettings::kHighlightsMatchesKey, QStringLiteral("maybe"));
    storeValue(GameSettings::kClearsNotesKey, QStringLiteral("false"));
    storeValue(GameSettings::kHighlightsMistakesKey, QStringList{"a", "b"});
    storeValue(GameSettings::kHasSeenWelcomeKey, 1);
    storeValue(GameSettings::kDifficultyKey, QStringLiteral("Expert "));
    storeValue(GameSettings::kBoardSizeKey, QStringLiteral("large"));
    storeValue(GameSettings::kMenuBarIconKey, 2);
    storeValue(GameStatistics::kGamesCountKey, QStringLiteral("abc"));
    storeValue(GameStatistics::kSolvedCountKey, 1e30);
    storeValue(GameStatistics::kCurrentStreakKey, QStringLiteral("99999999999999999999"));
    storeValue(GameStatistics::kBestStreakKey, QStringLiteral("12"));
    store().setValue(GameStatistics::bestTimeKey(Difficulty::easy), QStringLiteral("fast"));
    store().setValue(GameStatistics::bestTimeKey(Difficulty::hard), 42.0);
    auto game = makeGame();
    EXPECT_TRUE(game->highlightsMatchingNumbers());
    EXPECT_FALSE(game->clearsNotesAutomatically());
    EXPECT_FALSE(game->highlightsMistakes());
    EXPECT_TRUE(game->hasSeenWelcome());
    EXPECT_EQ(game->difficulty(), Difficulty::medium);
    EXPECT_EQ(game->boardSize(), BoardSize::standard);
    EXPECT_EQ(game->menuBarIcon(), MenuBarIconOption::dots);
    EXPECT_EQ(game->gamesCount() | game->solvedCount() | game->currentStreak(), 0);
    EXPECT_EQ(game->bestStreak(), 12);
    EXPECT_EQ(game->bestTime(Difficulty::easy), std::nullopt);
    EXPECT_EQ(game->bestTime(Difficulty::hard), 42);
}

TEST_F(Settings, everyAssignmentWritesButOnlyAChangeNotifies)
{
    auto game = makeGame();
    QSignalSpy size(game.get(), &SudokuGame::boardSizeChanged);
    QSignalSpy mistakes(game.get(), &SudokuGame::highlightsMistakesChanged);
    game->setBoardSize(BoardSize::standard);
    game->setHighlightsMistakes(false);
    EXPECT_EQ(stored(GameSettings::kBoardSizeKey).toString(), QStringLiteral("Standard"));
    EXPECT_EQ(stored(GameSettings::kHighlightsMistakesKey), QVariant(false));
    EXPECT_EQ(size.count() + mistakes.count(), 0);

    game->setBoardSizeText(QStringLiteral("Large"));
    game->setBoardSizeText(QStringLiteral("large"));
    EXPECT_EQ(game->boardSizeText(), QStringLiteral("Large"));
    EXPECT_EQ(size.count(), 1);
}

TEST_F(Settings, choicesSurviveARelaunch)
{
    auto game = makeGame();
    game->setHighlightsMatchingNumbers(false);
    game->setClearsNotesAutomatically(false);
    game->setHighlightsMistakes(true);
    game->setHasSeenWelcome(true);
    game->setMenuBarIconText(QStringLiteral("Number Square"));
    game->setBoardSize(BoardSize::large);
    game->setDifficulty(Difficulty::expert);
    type(*game, 2, 4);
    game.reset();
    reopenStore();

    game = makeGame(false);
    EXPECT_FALSE(game->highlightsMatchingNumbers());
    EXPECT_FALSE(game->clearsNotesAutomatically());
    EXPECT_TRUE(game->highlightsMistakes());
    EXPECT_TRUE(game->hasSeenWelcome());
    EXPECT_EQ(game->menuBarIcon(), MenuBarIconOption::numberSquare);
    EXPECT_EQ(game->boardSize(), BoardSize::large);
    EXPECT_EQ(game->difficulty(), Difficulty::expert);
    EXPECT_EQ(game->gamesCount(), 1);
}

TEST_F(Settings, aDifferentDifficultyDealsAndAbandonsTheGameInProgress)
{
    storeValue(GameStatistics::kCurrentStreakKey, 2);
    auto game = makeGame();
    type(*game, 2, 4);
    store().remove(QLatin1String(GameSettings::kDifficultyKey));
    QSignalSpy difficulty(game.get(), &SudokuGame::difficultyChanged);
    game->setDifficultyText(QStringLiteral("Medium"));
    game->setDifficultyText(QStringLiteral("hard"));
    EXPECT_EQ(difficulty.count(), 0);
    EXPECT_FALSE(store().contains(QLatin1String(GameSettings::kDifficultyKey)));
    EXPECT_TRUE(game->hasStartedCurrentGame());

    game->setDifficultyText(QStringLiteral("Hard"));
    EXPECT_EQ(difficulty.count(), 1);
    EXPECT_EQ(stored(GameSettings::kDifficultyKey).toString(), QStringLiteral("Hard"));
    EXPECT_EQ(game->puzzle().difficulty, Difficulty::hard);
    EXPECT_EQ(game->supply().state().played.size(), 2u);
    EXPECT_FALSE(game->hasStartedCurrentGame());
    EXPECT_EQ(game->currentStreak(), 0);
}
