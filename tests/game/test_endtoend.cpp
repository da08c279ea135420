#include "gametestsupport.h"

#include <QMetaObject>
#include <QSignalSpy>

using namespace pondrel;
using namespace pondrel::test;

namespace {

// Reaches the model only as QML does: properties by name and invokable
// methods by name.
class Player
{
public:
    explicit Player(QObject *game) : m_game(game) {}

    QVariant read(const char *name) const { return m_game->property(name); }
    QList<int> list(const char *name) const { return read(name).value<QList<int>>(); }
    QList<int> puzzle(const char *part) const
    {
        return read("puzzle").toMap().value(QLatin1String(part)).value<QList<int>>();
    }

    template <typename... Arguments> void call(const char *method, Arguments... arguments)
    {
        EXPECT_TRUE(QMetaObject::invokeMethod(
            m_game,
            method,
            QArgument<Arguments>(QMetaType::fromType<Arguments>().name(), arguments)...));
    }
    bool ask(const char *method, int argument)
    {
        bool answer = false;
        EXPECT_TRUE(QMetaObject::invokeMethod(
            m_game, method, Q_RETURN_ARG(bool, answer), Q_ARG(int, argument)));
        return answer;
    }

private:
    QObject *m_game;
};

} // namespace

using PlayingAGame = GameTest;

TEST_F(PlayingAGame, fromTheDealToTheWinThroughTheQmlInterface)
{
    auto game = makeGame();
    Player player(game.get());
    QSignalSpy ticks(game.get(), &SudokuGame::elapsedChanged);
    player.call("setPlayActive", true);
    const QList<int> givens = player.puzzle("givens");
    const QList<int> solution = player.puzzle("solution");
    ASSERT_EQ(givens.size(), kCellCount);
    EXPECT_EQ(player.list("values"), givens);
    const int first = static_cast<int>(givens.indexOf(0));

    // A wrong digit, seen as a mistake, then erased; the clock starts.
    player.call("tapCell", first);
    player.call("pressDigit", solution[first] % 9 + 1);
    EXPECT_TRUE(player.ask("isMistake", first));
    player.call("eraseSelectedCell");
    ASSERT_TRUE(ticks.wait(2000));

    // Pencil marks everywhere, taken back.
    player.call("fillAllNotes");
    EXPECT_NE(player.list("notes")[first], 0);
    player.call("undo");
    EXPECT_EQ(player.list("notes")[first], 0);

    // One digit placed wherever it belongs with the digit armed.
    player.call("tapCell", first);
    const int armed = solution[first];
    player.call("pressDigit", armed);
    for (int cell = 0; cell < kCellCount; ++cell) {
        if (givens[cell] == 0 && solution[cell] == armed) {
            player.call("tapCell", cell);
        }
    }
    EXPECT_TRUE(player.ask("isDigitComplete", armed));
    EXPECT_EQ(player.read("armedDigit").toInt(), -1);

    // A hint, then the rest by hand.
    player.call("giveHint");
    for (int cell = 0; cell < kCellCount; ++cell) {
        if (player.list("values")[cell] != solution[cell]) {
            if (player.read("selectedCell").toInt() != cell) {
                player.call("tapCell", cell);
            }
            player.call("pressDigit", solution[cell]);
        }
    }

    EXPECT_TRUE(player.read("hasWon").toBool());
    EXPECT_EQ(player.read("solvedCount").toInt(), 1);
    EXPECT_EQ(player.read("gamesCount").toInt(), 1);
    EXPECT_EQ(player.read("hintsUsed").toInt(), 1);
    EXPECT_TRUE(player.read("bestTimes").toMap().isEmpty());
    const qint64 finalTime = player.read("elapsed").toLongLong();
    EXPECT_FALSE(ticks.wait(30));
    EXPECT_EQ(player.read("elapsed").toLongLong(), finalTime);
    nextTurn();
    EXPECT_FALSE(store().contains(QLatin1String(kSavedSudokuKey)));

    player.call("startNewGame");
    EXPECT_FALSE(player.read("hasWon").toBool());
    EXPECT_EQ(player.read("currentStreak").toInt(), 1);
    EXPECT_EQ(player.read("historyCount").toInt(), 0);
}
