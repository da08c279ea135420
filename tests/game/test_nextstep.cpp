#include "gametestsupport.h"

#include "nextstep.h"

using namespace pondrel;
using namespace pondrel::test;

using NextStep = GameTest;

namespace {

QString lineKey(const SudokuGame &game)
{
    return game.stepLineForQml().value(QStringLiteral("key")).toString();
}

} // namespace

TEST_F(NextStep, pointsThenExplainsThenMovesAsOneHelpedUndoableStep)
{
    auto game = makeGame();
    const Grid dealt = game->values();

    game->nextStep();
    ASSERT_TRUE(game->shownStep());
    EXPECT_TRUE(lineKey(*game).startsWith(QStringLiteral("Look at")));
    game->nextStep();
    ASSERT_TRUE(game->shownStep());
    EXPECT_EQ(game->shownStep()->stage, ShownStep::Stage::reason);
    EXPECT_FALSE(game->stepLineForQml().value(QStringLiteral("technique")).toString().isEmpty());
    // Looking costs nothing and starts nothing.
    EXPECT_EQ(game->hintsUsed(), 0);
    EXPECT_FALSE(game->hasStartedCurrentGame());
    EXPECT_EQ(game->values(), dealt);

    const Placement placement = game->shownStep()->step.placements.at(0);
    game->nextStep();
    EXPECT_EQ(game->values()[placement.cell], solutionAt(*game, placement.cell));
    EXPECT_EQ(game->values()[placement.cell], placement.digit);
    EXPECT_EQ(game->hintsUsed(), 1);
    EXPECT_FALSE(game->shownStep());
    game->undo();
    EXPECT_EQ(game->values(), dealt);
    EXPECT_EQ(game->historyCount(), 0);

    // Any move, undo and Escape take a shown step away.
    game->nextStep();
    game->enterDigit(solutionAt(*game, openCells(*game)[0]), openCells(*game)[0]);
    EXPECT_FALSE(game->shownStep());
    game->nextStep();
    game->undo();
    EXPECT_FALSE(game->shownStep());
    game->nextStep();
    game->dismissStep();
    EXPECT_FALSE(game->shownStep());
}

TEST_F(NextStep, aWrongDigitIsPointedOutFirstAndTakenOutNext)
{
    auto game = makeGame();
    const int cell = openCells(*game)[5];
    const int wrong = wrongDigit(*game, cell);
    game->enterDigit(wrong, cell);

    game->nextStep();
    EXPECT_EQ(lineKey(*game), QStringLiteral("This %lld does not belong here"));
    EXPECT_EQ(game->stepLineForQml().value(QStringLiteral("arguments")).toList(),
              QVariantList{wrong});
    game->nextStep();
    EXPECT_EQ(game->values()[cell], 0);
    EXPECT_EQ(game->hintsUsed(), 1);
}

TEST_F(NextStep, stepsReasonOnTheNotesThatHoldTheSolution)
{
    auto game = makeGame();
    const Masks open = stepCandidates(game->puzzle(), game->values(), {});
    const std::optional<Step> natural = findNextStep(game->values(), open);
    ASSERT_TRUE(natural);
    const int cell = openCells(*game)[0];
    ASSERT_LT(cell, natural->cells.at(0));
    // A digit the board still allows there, but not the solution's.
    const int wrong = lowestDigit(open[cell] & ~digitBit(solutionAt(*game, cell)));

    // Notes that lost the solution's digit are passed over...
    game->setNotesMode(true);
    game->enterDigit(wrong, cell);
    game->nextStep();
    ASSERT_TRUE(game->shownStep());
    EXPECT_EQ(game->shownStep()->step, *natural);
    // ...while sound ones narrow the candidates: here to a single.
    game->enterDigit(wrong, cell);
    game->enterDigit(solutionAt(*game, cell), cell);
    game->nextStep();
    EXPECT_EQ(game->shownStep()->step.technique, Technique::nakedSingle);
    EXPECT_EQ(game->shownStep()->step.cells, std::vector<int>{cell});
    EXPECT_EQ(lineKey(*game), QStringLiteral("Look at row %lld, column %lld and box %lld"));

    // An elimination leaves a cell without notes with the candidates the
    // step reasoned on, less the removed one.
    Masks candidates{};
    candidates[3] = digitBit(2) | digitBit(6) | digitBit(9);
    Step step;
    step.eliminations = {{3, 6}};
    EXPECT_EQ(notesAfterStep(step, Masks{}, candidates)[3], digitBit(2) | digitBit(9));
}

TEST_F(NextStep, reasonLinesNameTheirUnitsInOrder)
{
    // Pointing: box 5, digit 4, confined to column 7; claiming the reverse.
    ShownStep shown{ShownStep::Stage::reason, std::nullopt, {}};
    shown.step.technique = Technique::pointing;
    shown.step.digits = digitBit(4);
    shown.step.units = {18 + 4, 9 + 6};
    StepLine line = stepLine(shown, Grid{});
    EXPECT_EQ(line.key, QStringLiteral("%@: in box %lld, %lld can only go in column %lld"));
    EXPECT_EQ(line.technique, QStringLiteral("Pointing"));
    EXPECT_EQ(line.arguments, (QVariantList{5, 4, 7}));

    shown.step.technique = Technique::claiming;
    shown.step.units = {2, 18 + 1};
    line = stepLine(shown, Grid{});
    EXPECT_EQ(line.key, QStringLiteral("%@: in row %lld, %lld can only go in box %lld"));
    EXPECT_EQ(line.arguments, (QVariantList{3, 4, 2}));

    shown.step.technique = Technique::hiddenPair;
    shown.step.digits = digitBit(3) | digitBit(7);
    shown.step.units = {9 + 1};
    line = stepLine(shown, Grid{});
    EXPECT_EQ(line.key, QStringLiteral("%@: %@ can only go in these cells of column %lld"));
    EXPECT_EQ(line.arguments, (QVariantList{QStringLiteral("3/7"), 2}));
}

TEST_F(NextStep, aNakedSinglesNudgeNamesItsBoxOnlyWhenTheBoxIsNeeded)
{
    // Cell 40 (row, column and box 5) is a single for 9: its row holds 1-4,
    // its column 5-7, and the 8 stands in its column (cell 76) or only in
    // its box (cell 30).
    Grid values{};
    std::uint8_t digit = 0;
    for (const int cell : {36, 37, 38, 39, 4, 13, 22}) {
        values[cell] = ++digit;
    }
    ShownStep shown;
    shown.step = {Technique::nakedSingle, digitBit(9), {}, {40}, {}, {}};
    for (const auto &[eightAt, unitCount, tinted] : {std::tuple{76, 2, 17}, {30, 3, 21}}) {
        values[eightAt] = 8;
        EXPECT_EQ(stepLine(shown, values).arguments, QVariantList(unitCount, 5));
        const auto area = stepMarks(shown, values).area;
        EXPECT_EQ(std::count(area.begin(), area.end(), true), tinted);
        values[eightAt] = 0;
    }
}

TEST_F(NextStep, withNoTechniqueLeftSaysSoAndLeavesTheMoveToTheHint)
{
    auto game = makeGame();
    // Easter Monster: no technique of the ladder finds its first step.
    ASSERT_EQ(game->pastePuzzle(QStringLiteral("1.......2.9.4...5...6...7...5.9.3......."
                                               "7.......85..4.7.....6...3...9.8...2.....1")),
              QLatin1String("accepted"));
    for (int press = 0; press < 3; ++press) {
        game->nextStep();
        EXPECT_EQ(lineKey(*game), QStringLiteral("No step found. Hint (H) fills in a cell"));
    }
    EXPECT_EQ(game->hintsUsed(), 0);
}
