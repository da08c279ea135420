#include "gametestsupport.h"

#include "nextstep.h"
#include "puzzletext.h"

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
    shown.step = {.technique = Technique::nakedSingle, .digits = digitBit(9), .cells = {40}};
    for (const auto &[eightAt, unitCount, tinted] : {std::tuple{76, 2, 17}, {30, 3, 21}}) {
        values[eightAt] = 8;
        EXPECT_EQ(stepLine(shown, values).arguments, QVariantList(unitCount, 5));
        const auto area = stepMarks(shown, values).area;
        EXPECT_EQ(std::count(area.begin(), area.end(), true), tinted);
        values[eightAt] = 0;
    }
}

// The ladder now ends in nested forcing chains, which find a step on every
// puzzle with one solution tried (the forum's hardest included); a deadly
// pattern with two solutions is a board where nothing can be found.
TEST(NextStepStuck, withNoTechniqueLeftSaysSoAndLeavesTheMoveToTheHint)
{
    SudokuPuzzle puzzle;
    const std::string solution =
        "123456789456789123789123456214365897365897214897214365531642978642978531978531642";
    for (int cell = 0; cell < kCellCount; ++cell) {
        puzzle.givens[cell] = std::uint8_t(kTwoSolutions[std::size_t(cell)] - '0');
        puzzle.solution[cell] = std::uint8_t(solution[std::size_t(cell)] - '0');
    }
    const std::optional<ShownStep> shown = findShownStep(puzzle, puzzle.givens, Masks{});
    ASSERT_TRUE(shown && shown->isStuck);
    EXPECT_EQ(stepLine(*shown, puzzle.givens).key,
              QStringLiteral("No step found. Hint (H) fills in a cell"));
}

// Outside the unnamed namespace: the test classes derive from it.
struct WordingCase
{
    const char *name;
    // Puzzles from the top1465 set: the line of the first step of the
    // technique on the ladder's way through.
    const char *puzzle;
    Technique technique;
    const char *line;
};

class StepWording : public testing::TestWithParam<WordingCase>
{
};

namespace {

// The first step of `technique` while the ladder solves the puzzle.
std::optional<Step> firstStepOf(const char *puzzle, Technique technique)
{
    const ReadPuzzle read = readPuzzleText(QString::fromLatin1(puzzle));
    if (!read.puzzle) {
        return std::nullopt;
    }
    Grid values = read.puzzle->givens;
    Masks candidates = *candidateMasks(values);
    while (std::optional<Step> step = findNextStep(values, candidates)) {
        if (step->technique == technique) {
            return step;
        }
        applyStep(*step, values, candidates);
    }
    return std::nullopt;
}

} // namespace

// The reason line names the parts of the real step's pattern: the digit,
// the ends, pivot and pincers, fin, corners, the clashing colour.
TEST_P(StepWording, namesThePartsOfTheStepsPattern)
{
    const WordingCase &c = GetParam();
    const std::optional<Step> step = firstStepOf(c.puzzle, c.technique);
    ASSERT_TRUE(step);
    EXPECT_EQ(reasonLine(*step).englishText().toStdString(), c.line);
}

INSTANTIATE_TEST_SUITE_P(
    SingleDigit,
    StepWording,
    testing::Values(
        WordingCase{
            "skyscraper",
            "4...3.......6..8..........1....5..9..8....6...7.2........1.27..5.3....4.9........",
            Technique::skyscraper,
            "Skyscraper: the strong links put 4 at r5c4 or r6c7; cells seeing both lose it"},
        WordingCase{
            "kite",
            "6.9.....8...7.1...4............6...4.2.....3..3....5...1.5...7.8...9..........2..",
            Technique::twoStringKite,
            "2-String Kite: the strong links put 8 at r7c6 or r6c8; cells seeing both lose it"},
        WordingCase{
            "xChain",
            "....3..715..4.2............2..6..4...38.7..............7..8..1.6..5..2...........",
            Technique::xChain,
            "X-Chain: the chain puts 8 at r4c8 or r9c1; cells seeing both lose it"},
        WordingCase{
            "colouringTrap",
            "..3...67.5.....3...4.......6..3......8......4...7....12......5.....98.......41...",
            Technique::simpleColouring,
            "Simple Colouring on 9: one colour is true; cells seeing both colours lose it"},
        WordingCase{
            "colouringWrap",
            "..75...311......4.9..4..68....7.8....9.14..53..4.5......58...2..8.2.51..7........",
            Technique::simpleColouring,
            "Simple Colouring on 6: r5c3 and r8c3 see each other, so their colour is false"}),
    [](const auto &info) { return std::string(info.param.name); });

INSTANTIATE_TEST_SUITE_P(
    Wings,
    StepWording,
    testing::Values(
        WordingCase{
            "xyWing",
            "8.9...3.....7.1...5.........7.....263...9.......1...4..6.2....4....8.5...........",
            Technique::xyWing,
            "XY-Wing: pivot r8c8 makes pincer r8c3 or r9c7 a 2; cells seeing both lose it"},
        WordingCase{
            "xyzWing",
            "6.9.....8...7.1...4............6...4.2.....3..3....5...1.5...7.8...9..........2..",
            Technique::xyzWing,
            "XYZ-Wing: pivot r8c7 or pincer r7c9 or r8c2 is 6; cells seeing all three lose it"},
        WordingCase{
            "wWing",
            "8.9...3.....7.1...5.........7.....263...9.......1...4..6.2....4....8.5...........",
            Technique::wWing,
            "W-Wing: strong link r2c7=r2c3 makes r3c9 or r8c3 a 1; cells seeing both lose it"},
        WordingCase{
            "xyChain",
            "8.9...3.....7.1...5.........7.....263...9.......1...4..6.2....4....8.5...........",
            Technique::xyChain,
            "XY-Chain: the chain puts 1 at r4c1 or r7c5; cells seeing both lose it"}),
    [](const auto &info) { return std::string(info.param.name); });

INSTANTIATE_TEST_SUITE_P(
    FishAndRectangles,
    StepWording,
    testing::Values(
        WordingCase{
            "finnedXWing",
            "...9.31..6.7....8.2.........5....4......6..2..1.......8...7.......3..5.....4....9",
            Technique::finnedXWing,
            "Finned X-Wing on 7: the fish or fin r6c7 holds it; cells ruled out by both lose it"},
        WordingCase{
            "finnedSwordfish",
            "...9.31..6.7....8.2.........5....4......6..2..1.......8...7.......3..5.....4....9",
            Technique::finnedSwordfish,
            "Finned Swordfish on 1: the fish or fin r7c8 holds it; cells ruled out by both lose "
            "it"},
        WordingCase{
            "uniqueRectangle",
            "4...3.......6..8..........1....5..9..8....6...7.2........1.27..5.3....4.9........",
            Technique::uniqueRectangle,
            "Unique Rectangle: r89c27 as only 1/2 would give two solutions, so 1/2 goes"}),
    [](const auto &info) { return std::string(info.param.name); });

// A forcing step reads from its assumption and what that runs into, or, for
// a verity, from the cell or unit whose every choice leads to the outcome.
TEST(StepWordingForcing, namesTheAssumptionAndTheContradiction)
{
    Step step;
    step.technique = Technique::forcingChain;
    step.eliminations = {{2, 9}};
    step.assumption = Candidate{2, 9};
    step.links = {{{2, 9}, {5, 9}, false}, {{5, 9}, {5, 4}, true}, {{5, 4}, {14, 4}, false}};
    const std::pair<Contradiction, const char *> contradictions[] = {
        {{Contradiction::Kind::noCandidate, 40, -1, 0}, "r5c5 has no candidate"},
        {{Contradiction::Kind::noPlace, -1, 9 + 3, 7}, "7 has no place in c4"},
        {{Contradiction::Kind::twice, -1, 18 + 8, 6}, "6 twice in b9"},
    };
    for (const auto &[contradiction, said] : contradictions) {
        step.contradiction = contradiction;
        EXPECT_EQ(reasonLine(step).englishText().toStdString(),
                  std::string("Forcing Chain: if r1c3 were 9: r1c6≠9 → … → ") + said +
                      ", so it is not 9");
    }
    Step verity;
    verity.technique = Technique::forcingChain;
    verity.cells = {10};
    verity.placements = {{40, 3}};
    EXPECT_EQ(reasonLine(verity).englishText().toStdString(),
              "Forcing Chain: every candidate of r2c2 leads to r5c5=3, so it holds");
    verity.units = {9 + 1};
    verity.cells = {10, 19};
    verity.placements = {};
    verity.eliminations = {{40, 3}, {40, 5}};
    EXPECT_EQ(reasonLine(verity).englishText().toStdString(),
              "Forcing Chain: each place of one digit in c2 leads to r5c5≠3/5, so it holds");
}
