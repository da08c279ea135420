#include "generator.h"
#include "rating.h"
#include "solver.h"
#include "testsupport.h"

#include <gtest/gtest.h>

#include <chrono>
#include <set>
#include <thread>

using namespace pondrel;
using namespace pondrel::test;

namespace {

// Whether no clue can be taken away while the puzzle stays unique and, below
// expert, no harder than the difficulty allows.
bool removalIsStuck(const SudokuPuzzle &puzzle)
{
    for (int cell = 0; cell < kCellCount; ++cell) {
        if (puzzle.givens[cell] == 0) {
            continue;
        }
        Grid fewer = puzzle.givens;
        fewer[cell] = 0;
        if (countSolutions(fewer).count == 1 &&
            (puzzle.difficulty == Difficulty::expert ||
             rating(fewer) <= targetRating(puzzle.difficulty))) {
            return false;
        }
    }
    return true;
}

} // namespace

TEST(FillGrid, completesAnEmptyGridWithAValidFilling)
{
    SystemRandomSource random;
    for (int i = 0; i < 50; ++i) {
        Grid grid{};
        Masks masks = allCandidates();
        ASSERT_TRUE(fillGrid(grid, masks, random));
        EXPECT_TRUE(isCompleteAndValid(grid));
        EXPECT_EQ(masks, Masks{});
    }
}

TEST(FillGrid, followsTheScriptedDraws)
{
    // Always taking the last digit of each shuffled list is a fixed walk:
    // two runs with the same script give the same grid.
    ScriptedRandomSource first({}, UINT64_MAX);
    ScriptedRandomSource second({}, UINT64_MAX);
    Grid a{};
    Grid b{};
    Masks masksA = allCandidates();
    Masks masksB = allCandidates();
    ASSERT_TRUE(fillGrid(a, masksA, first));
    ASSERT_TRUE(fillGrid(b, masksB, second));
    EXPECT_EQ(a, b);
    EXPECT_TRUE(isCompleteAndValid(a));
    EXPECT_EQ(first.draws, second.draws);
    // The first cell gets the last digit of 1..9 after the shuffle: with
    // every draw at the top of the range, the list rotates to 9,1,2,...,8.
    EXPECT_EQ(a[0], 9);
}

TEST(FillGrid, failsWithoutTouchingTheCaller)
{
    SystemRandomSource random;
    // Cells 0 and 1 both allow only 5: one level deep it runs dry.
    Grid grid{};
    Masks masks = allCandidates();
    masks[0] = digitBit(5);
    masks[1] = digitBit(5);
    const Grid gridBefore = grid;
    const Masks masksBefore = masks;
    EXPECT_FALSE(fillGrid(grid, masks, random));
    EXPECT_EQ(grid, gridBefore);
    EXPECT_EQ(masks, masksBefore);

    Masks dead = allCandidates();
    dead[40] = 0;
    Grid empty{};
    EXPECT_FALSE(fillGrid(empty, dead, random));
}

TEST(Generate, drawsNothingWithoutAttemptsOrWhenAskedToStop)
{
    ScriptedRandomSource random;
    EXPECT_FALSE(generate(Difficulty::easy, 0, random));
    EXPECT_FALSE(generate(Difficulty::expert, -3, random));
    EXPECT_EQ(random.draws, 0);
    CountingRandomSource system;
    const std::atomic<bool> stop{true};
    EXPECT_FALSE(generate(Difficulty::hard, 60, system, &stop));
    EXPECT_EQ(system.draws, 0);
}

TEST(Generate, aStopRequestEndsARunningGeneration)
{
    // With every draw at the top of the range each attempt builds the same
    // expert candidate, which does not rate 4: without the stop request this
    // call would go on for a billion attempts.
    ScriptedRandomSource random({}, UINT64_MAX);
    ASSERT_FALSE(generate(Difficulty::expert, 1, random));
    std::atomic<bool> stop{false};
    std::optional<SudokuPuzzle> result;
    std::thread worker([&] { result = generate(Difficulty::expert, 1 << 30, random, &stop); });
    std::this_thread::sleep_for(std::chrono::milliseconds(50));
    stop = true;
    worker.join();
    EXPECT_FALSE(result);
    EXPECT_GT(random.draws, 0);
}

class GeneratedPuzzle : public testing::TestWithParam<Difficulty>
{
};

TEST_P(GeneratedPuzzle, meetsEveryPromise)
{
    const Difficulty difficulty = GetParam();
    const ClueRange range = clueRange(difficulty);
    SystemRandomSource random;
    // The clue target is drawn afresh for each attempt: where the range is
    // wider than one count, over a few dozen puzzles both ends turn up.
    const bool wideRange = range.lowest < range.highest;
    std::set<int> counts;
    for (int i = 0; i < (wideRange ? 60 : 25); ++i) {
        std::optional<SudokuPuzzle> puzzle;
        while (!puzzle) {
            puzzle = generate(difficulty, 60, random);
        }
        EXPECT_EQ(puzzle->difficulty, difficulty);
        EXPECT_TRUE(isCompleteAndValid(puzzle->solution));
        for (int cell = 0; cell < kCellCount; ++cell) {
            if (puzzle->givens[cell] != 0) {
                EXPECT_EQ(puzzle->givens[cell], puzzle->solution[cell]);
            }
        }
        EXPECT_EQ(solutions(puzzle->givens, 2), std::vector<Grid>{puzzle->solution});
        EXPECT_EQ(rating(puzzle->givens), targetRating(difficulty));
        const int clues = clueCount(puzzle->givens);
        counts.insert(clues);
        EXPECT_GE(clues, range.lowest);
        if (clues > range.highest) {
            EXPECT_TRUE(removalIsStuck(*puzzle)) << gridText(puzzle->givens);
        }
    }
    if (wideRange) {
        EXPECT_TRUE(counts.contains(range.lowest));
        EXPECT_TRUE(counts.contains(range.highest));
    }
}

INSTANTIATE_TEST_SUITE_P(AllDifficulties,
                         GeneratedPuzzle,
                         testing::ValuesIn(allDifficulties),
                         [](const testing::TestParamInfo<Difficulty> &info) {
                             return std::string(rawValue(info.param));
                         });

TEST(Generate, runsOnSeveralThreadsAtOnce)
{
    std::vector<std::thread> threads;
    std::array<std::optional<SudokuPuzzle>, 4> results;
    for (int i = 0; i < 4; ++i) {
        threads.emplace_back([i, &results] {
            const Difficulty difficulty = allDifficulties[i];
            while (!results[i]) {
                results[i] = generate(difficulty, 60);
            }
        });
    }
    for (std::thread &thread : threads) {
        thread.join();
    }
    for (int i = 0; i < 4; ++i) {
        ASSERT_TRUE(results[i]);
        EXPECT_EQ(rating(results[i]->givens), targetRating(allDifficulties[i]));
    }
}

TEST(Generate, belowExpertEveryRemovalIsRatedSoAnEasyAttemptNeverMisses)
{
    // A removal that would make the puzzle harder than Easy is put back at
    // once, so the puzzle stays at rating 1 all the way down and the final
    // check cannot fail: one attempt always gives a puzzle. Rated only at
    // the end, most Easy attempts would overshoot and be thrown away.
    SystemRandomSource random;
    for (int i = 0; i < 40; ++i) {
        const auto puzzle = generate(Difficulty::easy, 1, random);
        ASSERT_TRUE(puzzle) << "attempt " << i;
        EXPECT_EQ(rating(puzzle->givens), 1);
    }
}
