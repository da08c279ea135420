#include "gametestsupport.h"

#include "puzzletext.h"

#include <QSignalSpy>

#include <algorithm>
#include <array>

using namespace pondrel;
using namespace pondrel::test;

namespace {

// A well-known puzzle that no singles nor eliminations crack: rating 4.
const QString kExpertPuzzle = QStringLiteral("8........\n..36.....\n.7..9.2..\n.5...7...\n....457.."
                                             "\n...1...3.\n..1....68\n..85...1.\n.9....4..");

bool played(SudokuGame &game, const SudokuPuzzle &puzzle)
{
    const auto &fingerprints = game.supply().state().played;
    return std::find(fingerprints.begin(), fingerprints.end(), fingerprint(puzzle.givens)) !=
           fingerprints.end();
}

} // namespace

using History = GameTest;

TEST_F(History, redoBringsBackWhatUndoTookUntilTheNextChange)
{
    auto game = makeGame();
    const std::vector<int> open = openCells(*game);
    game->enterDigit(solutionAt(*game, open[0]), open[0]);
    game->enterDigit(wrongDigit(*game, open[1]), open[1]);
    const Grid played = game->values();
    game->undo();
    game->undo();
    EXPECT_EQ(game->redoCount(), 2);
    game->redo();
    game->redo();
    game->redo(); // nothing left: changes nothing
    EXPECT_EQ(game->values(), played);
    EXPECT_EQ(game->historyCount(), 2);

    game->undo();
    game->enterDigit(solutionAt(*game, open[2]), open[2]);
    EXPECT_EQ(game->redoCount(), 0);
    game->redo();
    EXPECT_EQ(game->values()[open[1]], 0);
    EXPECT_EQ(game->values()[open[2]], solutionAt(*game, open[2]));
}

TEST_F(History, redoIsBoundedLikeUndo)
{
    auto game = makeGame();
    const int cell = openCells(*game)[0];
    for (int step = 0; step < 250; ++step) {
        game->enterDigit(step % 2 == 0 ? wrongDigit(*game, cell) : solutionAt(*game, cell), cell);
    }
    for (int step = 0; step < 250; ++step) {
        game->undo();
    }
    EXPECT_EQ(game->redoCount(), int(SudokuGame::kHistoryLimit));
    for (int step = 0; step < 250; ++step) {
        game->redo();
    }
    EXPECT_EQ(game->historyCount(), int(SudokuGame::kHistoryLimit));
    EXPECT_EQ(game->values()[cell], solutionAt(*game, cell));
}

// The answers the views enable their controls by, each announced once per
// change; after the win the model itself refuses undo and redo.
TEST_F(History, theWinEndsMovesUndoAndRedoAndTheGameInProgress)
{
    auto game = makeGame();
    QSignalSpy accepting(game.get(), &SudokuGame::acceptsMovesChanged);
    QSignalSpy inProgress(game.get(), &SudokuGame::isGameInProgressChanged);
    QSignalSpy undoable(game.get(), &SudokuGame::canUndoChanged);
    QSignalSpy redoable(game.get(), &SudokuGame::canRedoChanged);
    // acceptsMoves, isGameInProgress, canUndo, canRedo.
    const auto rules = [&game] {
        return std::array{
            game->acceptsMoves(), game->isGameInProgress(), game->canUndo(), game->canRedo()};
    };
    using Rules = std::array<bool, 4>;
    EXPECT_EQ(rules(), (Rules{true, false, false, false}));

    const int cell = openCells(*game)[0];
    game->enterDigit(wrongDigit(*game, cell), cell);
    EXPECT_EQ(rules(), (Rules{true, true, true, false}));
    game->undo();
    EXPECT_EQ(rules(), (Rules{true, true, false, true}));

    solveAllBut(*game, 0);
    ASSERT_TRUE(game->hasWon());
    EXPECT_EQ(rules(), (Rules{false, false, false, false}));
    const Grid won = game->values();
    const int steps = game->historyCount();
    game->undo();
    game->redo();
    EXPECT_EQ(game->values(), won);
    EXPECT_EQ(game->historyCount(), steps);
    EXPECT_EQ(game->undoCount(), 1);

    game->startNewGame();
    EXPECT_EQ(rules(), (Rules{true, false, false, false}));
    EXPECT_EQ(accepting.count(), 2);
    EXPECT_EQ(inProgress.count(), 2);
    EXPECT_EQ(undoable.count(), 4);
    EXPECT_EQ(redoable.count(), 2);
}

TEST_F(History, aHintExplainsItselfUntilTheNextChangeAndOnlyWhenAsked)
{
    auto game = makeGame();
    const int cell = openCells(*game)[0];
    game->tapCell(cell);
    game->giveHint();
    ASSERT_TRUE(game->explainedHint());
    EXPECT_EQ(game->explainedHint()->digit, solutionAt(*game, cell));
    EXPECT_FALSE(game->hintExplanationForQml().value(QStringLiteral("key")).toString().isEmpty());
    game->undo();
    EXPECT_FALSE(game->explainedHint());

    game->setExplainsHints(false);
    game->giveHint();
    EXPECT_FALSE(game->explainedHint());
    reopenStore();
    EXPECT_EQ(stored(GameSettings::kExplainsHintsKey), false);
}

// A hinted single reads as the Next Step's line for that single, its unit
// numbered from 1.
TEST(HintForm, aSingleReadsAsItsNextStepLine)
{
    using Kind = HintExplanation::Kind;
    const auto form = [](Kind kind) { return ExplainedHint{7, 40, {kind, 4, {}, {}}}.toQml(); };
    const QVariantMap row = form(Kind::hiddenSingleInRow);
    EXPECT_EQ(row.value(QStringLiteral("key")).toString(),
              QStringLiteral("%@: %lld has one place left in row %lld"));
    EXPECT_EQ(row.value(QStringLiteral("technique")).toString(), QStringLiteral("Hidden Single"));
    EXPECT_EQ(row.value(QStringLiteral("arguments")).toList(), (QVariantList{7, 5}));
    EXPECT_EQ(form(Kind::hiddenSingleInBox).value(QStringLiteral("key")).toString(),
              QStringLiteral("%@: %lld has one place left in box %lld"));
    EXPECT_EQ(form(Kind::nakedSingle).value(QStringLiteral("technique")).toString(),
              QStringLiteral("Naked Single"));
}

using Paste = GameTest;

TEST_F(Paste, theCommonTextFormsReadAsTheSamePuzzle)
{
    const QString dots = QString::fromStdString(kPuzzle).replace(u'0', u'.');
    QString lines;
    QString drawn;
    for (int r = 0; r < 9; ++r) {
        const QString line = dots.mid(r * 9, 9);
        lines += line.split(QString()).join(u' ').trimmed() + u'\n';
        if (r % 3 == 0 && r > 0) {
            drawn += QStringLiteral("------+-------+------\n");
        }
        drawn += line.left(3) + u'|' + line.mid(3, 3) + u'|' + line.mid(6) + QStringLiteral("\r\n");
    }
    for (const QString &text : {QString::fromStdString(kPuzzle), dots, lines, drawn}) {
        const ReadPuzzle read = readPuzzleText(text);
        ASSERT_TRUE(read.puzzle) << text.toStdString();
        EXPECT_EQ(gridText(read.puzzle->givens), kPuzzle);
        EXPECT_EQ(gridText(read.puzzle->solution), kSolution);
    }
    EXPECT_EQ(puzzleText(readPuzzleText(dots).puzzle->givens), dots);
}

TEST_F(Paste, textsThatAreNoSinglePuzzleAreRefusedAndChangeNothing)
{
    auto game = makeGame();
    const QString puzzle = QString::fromStdString(kPuzzle);
    QString clash = puzzle;
    clash[2] = u'5'; // beside the given 5 in cell 0
    const QString oversize = puzzle + QString(kMaxPuzzleTextLength, u' ');
    const std::pair<QString, const char *> cases[] = {
        {QStringLiteral("Hello"), "noPuzzle"},
        {puzzle.left(80), "noPuzzle"},
        {puzzle + u'1', "noPuzzle"},
        {puzzle.left(80) + u'x', "noPuzzle"},
        {QString::fromStdString(kSolution), "noPuzzle"},
        {oversize, "noPuzzle"},
        {clash, "noSolution"},
        {QString::fromStdString(kTwoSolutions), "severalSolutions"},
        // Fourteen givens: never one solution, told without the search,
        // which takes about a second to find this grid has none.
        {QStringLiteral(
             "000000000002000000000000000000040000000000000600000000457000068008000457000000000"),
         "severalSolutions"},
    };
    const Grid before = game->values();
    for (const auto &[text, answer] : cases) {
        EXPECT_EQ(game->pastePuzzle(text), QLatin1String(answer)) << text.left(90).toStdString();
    }
    EXPECT_EQ(game->values(), before);
    EXPECT_EQ(gridText(game->puzzle().givens), kPuzzle);
}

TEST_F(Paste, anAcceptedPuzzleIsANewGameAtItsRatedDifficulty)
{
    auto game = makeGame();
    game->enterDigit(solutionAt(*game, openCells(*game)[0]), openCells(*game)[0]);
    nextTurn();
    storeValue(GameStatistics::kCurrentStreakKey, 3);
    game = makeGame(); // the started game is restored, with a streak of 3
    ASSERT_TRUE(game->hasStartedCurrentGame());

    EXPECT_EQ(game->pastePuzzle(kExpertPuzzle), QLatin1String("accepted"));
    EXPECT_EQ(game->puzzle().difficulty, Difficulty::expert);
    EXPECT_EQ(game->puzzleText(), QString(kExpertPuzzle).remove(u'\n'));
    EXPECT_FALSE(game->hasStartedCurrentGame());
    EXPECT_EQ(game->currentStreak(), 0); // walked away from a game in progress
    EXPECT_TRUE(played(*game, game->puzzle()));

    QString oneOpen = QString::fromStdString(kSolution);
    oneOpen[40] = u'.';
    EXPECT_EQ(game->pastePuzzle(oneOpen), QLatin1String("accepted"));
    EXPECT_EQ(game->puzzle().difficulty, Difficulty::easy);

    nextTurn();
    game = makeGame();
    EXPECT_EQ(game->puzzleText(), oneOpen);
    EXPECT_EQ(game->puzzle().difficulty, Difficulty::easy);
}

TEST_F(Paste, aPastedPuzzleIsThePlayersOwnInTheStatisticsAndTheSettings)
{
    storeValue(GameStatistics::kCurrentStreakKey, 3);
    auto game = makeGame();
    game->setDifficulty(Difficulty::hard);
    QString oneOpen = QString::fromStdString(kSolution);
    oneOpen[40] = u'.';

    game->pastePuzzle(kExpertPuzzle);
    game->enterDigit(solutionAt(*game, 1), 1);
    game->pastePuzzle(oneOpen); // walking away from a pasted game
    game->enterDigit(wrongDigit(*game, 40), 40);
    nextTurn();
    game = makeGame(); // the pasted game comes back, the setting stays
    ASSERT_EQ(game->puzzleText(), oneOpen);
    game->enterDigit(solutionAt(*game, 40), 40);
    ASSERT_TRUE(game->hasWon());
    EXPECT_EQ(game->gamesCount(), 0);
    EXPECT_EQ(game->solvedCount(), 0);
    EXPECT_EQ(game->currentStreak(), 3);
    EXPECT_TRUE(game->bestTimes().empty());
    EXPECT_EQ(game->difficulty(), Difficulty::hard);
    reopenStore();
    EXPECT_EQ(stored(GameSettings::kDifficultyKey), QStringLiteral("Hard"));
}

TEST_F(History, redoDisarmsADigitItCompletes)
{
    auto game = makeGame();
    std::vector<int> fives;
    for (const int cell : openCells(*game)) {
        if (solutionAt(*game, cell) == 5) {
            fives.push_back(cell);
        }
    }
    for (const int cell : fives) {
        game->enterDigit(5, cell);
    }
    ASSERT_TRUE(game->isDigitComplete(5));
    game->undo();
    game->pressDigit(5);
    ASSERT_EQ(game->armedDigit(), 5);
    game->redo();
    EXPECT_FALSE(game->armedDigit());
}
