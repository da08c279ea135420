#include "gametestsupport.h"

#include <QSignalSpy>

#include <limits>

using namespace pondrel;
using namespace pondrel::test;

namespace {

constexpr int kOpen = 2;
// Long enough for several 2 ms ticks, had the clock been running.
constexpr int kQuietMs = 30;
constexpr int kTickWaitMs = 2000;

} // namespace

using Clock = GameTest;

TEST_F(Clock, runsOnlyWhileShownStartedUnwonAndUncovered)
{
    auto game = makeGame();
    QSignalSpy ticks(game.get(), &SudokuGame::elapsedChanged);
    game->setPlayActive(true);
    EXPECT_FALSE(ticks.wait(kQuietMs));

    type(*game, kOpen, 4);
    EXPECT_TRUE(game->isClockRunning());
    ASSERT_TRUE(ticks.wait(kTickWaitMs));

    // A screen over the board stops the count and saves the time reached.
    game->setShowingScreen(true);
    const qint64 atPause = game->elapsed();
    nextTurn();
    const QByteArray saved = stored(kSavedSudokuKey).toByteArray();
    EXPECT_EQ(decodeSavedSudoku(saved.toStdString()).value().elapsed, atPause);
    ticks.clear();
    EXPECT_FALSE(ticks.wait(kQuietMs));

    game->setShowingScreen(false);
    ASSERT_TRUE(ticks.wait(kTickWaitMs));
    EXPECT_EQ(game->elapsed(), atPause + 1);

    game->setPlayActive(false);
    ticks.clear();
    EXPECT_FALSE(ticks.wait(kQuietMs));
    EXPECT_FALSE(game->isClockRunning());
}

TEST_F(Clock, onlyStoppingARunningClockSaves)
{
    auto game = makeGame();
    type(*game, kOpen, 4);
    nextTurn();
    storeValue(kSavedSudokuKey, QByteArray("marker"));
    game->setPlayActive(false);
    game->setShowingScreen(true);
    nextTurn();
    EXPECT_EQ(stored(kSavedSudokuKey).toByteArray(), "marker");
}

TEST_F(Clock, aTickQueuesNoSave)
{
    auto game = makeGame();
    game->setPlayActive(true);
    type(*game, kOpen, 4);
    nextTurn();
    storeValue(kSavedSudokuKey, QByteArray("marker"));
    QSignalSpy ticks(game.get(), &SudokuGame::elapsedChanged);
    ASSERT_TRUE(ticks.wait(kTickWaitMs));
    ASSERT_TRUE(ticks.wait(kTickWaitMs));
    nextTurn();
    EXPECT_EQ(stored(kSavedSudokuKey).toByteArray(), "marker");
}

struct TimeText
{
    qint64 seconds;
    const char *text;
};

void PrintTo(const TimeText &time, std::ostream *out)
{
    *out << time.seconds;
}

class TimeFormat : public testing::TestWithParam<TimeText>
{
};

TEST_P(TimeFormat, showsMinutesBelowAnHourAndHoursFromThenOn)
{
    EXPECT_EQ(SudokuGame::formatTime(GetParam().seconds), QString::fromLatin1(GetParam().text));
}

INSTANTIATE_TEST_SUITE_P(Clock,
                         TimeFormat,
                         testing::Values(TimeText{-5, "0:00"},
                                         TimeText{std::numeric_limits<qint64>::min(), "0:00"},
                                         TimeText{59, "0:59"},
                                         TimeText{61, "1:01"},
                                         TimeText{3599, "59:59"},
                                         TimeText{3600, "1:00:00"},
                                         TimeText{3661, "1:01:01"},
                                         TimeText{36000, "10:00:00"},
                                         TimeText{std::numeric_limits<qint64>::max(),
                                                  "2562047788015215:30:07"}));
