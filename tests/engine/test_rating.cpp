#include "rating.h"
#include "solver.h"
#include "testsupport.h"

#include <gtest/gtest.h>

using namespace pondrel;
using namespace pondrel::test;

namespace {

constexpr std::uint16_t kAllBut(std::uint16_t bits)
{
    return kAllDigits & ~bits;
}

// Walks the rating ladder with the public pieces and reports which rungs
// were used, so a crafted grid can be shown to need exactly one technique.
struct LadderTrace
{
    int hiddenSingles = 0;
    int eliminationPasses = 0;
    bool solved = false;
};

LadderTrace traceLadder(const Grid &start)
{
    LadderTrace trace;
    Grid grid = start;
    Masks masks = *candidateMasks(grid);
    for (;;) {
        switch (climbLadder(grid, masks)) {
        case Rung::nakedSingle:
            break;
        case Rung::hiddenSingle:
            ++trace.hiddenSingles;
            break;
        case Rung::elimination:
            ++trace.eliminationPasses;
            break;
        case Rung::solved:
            trace.solved = true;
            return trace;
        case Rung::stuck:
            return trace;
        }
    }
}

} // namespace

TEST(Rating, completeAndNearlyCompleteGridsAreEasy)
{
    EXPECT_EQ(rating(gridFromText(kSolvedText)), 1);
    for (int cell = 0; cell < kCellCount; cell += 10) {
        EXPECT_EQ(rating(solvedWithout({cell})), 1) << cell;
    }
}

TEST(Rating, brokenEmptyAndDeadGridsAreUnsolvable)
{
    Grid clash = gridFromText(kSolvedText);
    clash[1] = 1; // row 0 now holds two 1s
    EXPECT_EQ(rating(clash), 4);
    EXPECT_EQ(rating(Grid{}), 4);
    // Cell 8 has no candidate; the rest of the grid is fillable.
    EXPECT_EQ(rating(deadCellGrid()), 4);
}

// Each grid needs exactly the named technique once (found by running the
// generator and keeping grids whose ladder used just that rung). The pair
// grids need hidden singles after their elimination pass and still rate 3:
// the level never goes back down.
struct CraftedGrid
{
    const char *name;
    const char *text;
    int rating;
    int hiddenSingles; // -1: at least one, count not pinned
    int eliminationPasses;
};

class CraftedRating : public testing::TestWithParam<CraftedGrid>
{
};

TEST_P(CraftedRating, ratesByTheHardestRungNeeded)
{
    const CraftedGrid &crafted = GetParam();
    const Grid grid = gridFromText(crafted.text);
    ASSERT_EQ(countSolutions(grid).count, 1);
    EXPECT_EQ(rating(grid), crafted.rating);
    const LadderTrace trace = traceLadder(grid);
    EXPECT_TRUE(trace.solved);
    if (crafted.hiddenSingles >= 0) {
        EXPECT_EQ(trace.hiddenSingles, crafted.hiddenSingles);
    } else {
        EXPECT_GT(trace.hiddenSingles, 0);
    }
    EXPECT_EQ(trace.eliminationPasses, crafted.eliminationPasses);
}

INSTANTIATE_TEST_SUITE_P(
    Techniques,
    CraftedRating,
    testing::Values(
        CraftedGrid{
            "hiddenSingle",
            "100070900000009000480053710090430600000090207000208000050080020021040300030902100",
            2,
            1,
            0},
        CraftedGrid{
            "pointing",
            "000002003000001200087600400001470020702050860609000000078000900000000005004030000",
            3,
            0,
            1},
        CraftedGrid{
            "claiming",
            "000000307603000050790008000400020093005000002008030004014000000000700006006090420",
            3,
            0,
            1},
        CraftedGrid{
            "nakedPair",
            "300000005000060230064005000080000900000790001102400080000000700600340000250080040",
            3,
            -1,
            1},
        CraftedGrid{
            "hiddenPair",
            "015600004000000000600030908050400000700360001000078036580020070001800000209000000",
            3,
            -1,
            1}),
    [](const testing::TestParamInfo<CraftedGrid> &info) { return std::string(info.param.name); });

TEST(HiddenSingle, firstUnitThenLowestDigit)
{
    Grid grid{};
    Masks masks = allCandidates();
    // Digit 7 only in cell 12 within column 3 (unit 12); digit 4 only in
    // cell 50 within row 5 (unit 5): the row comes first.
    for (const std::uint8_t cell : columns[3]) {
        masks[cell] &= kAllBut(digitBit(7));
    }
    masks[12] |= digitBit(7);
    for (const std::uint8_t cell : rows[5]) {
        masks[cell] &= kAllBut(maskOf({4, 6}));
    }
    masks[50] |= maskOf({4, 6});
    EXPECT_EQ(climbLadder(grid, masks), Rung::hiddenSingle);
    EXPECT_EQ(grid[50], 4);
    EXPECT_EQ(grid[12], 0);
    Grid empty{};
    Masks open = allCandidates();
    EXPECT_EQ(climbLadder(empty, open), Rung::stuck);
    EXPECT_EQ(open, allCandidates());
}

TEST(Eliminations, pointingClearsTheRestOfTheRowAndSkipsPairs)
{
    Grid grid{};
    Masks masks = allCandidates();
    // In box 0 the 5 can go only in cells 0 and 1 (row 0).
    for (const int cell : {2, 9, 10, 11, 18, 19, 20}) {
        masks[cell] &= kAllBut(digitBit(5));
    }
    // A naked pair in row 8 that pairs would act on, if they ran.
    masks[72] = maskOf({1, 2});
    masks[73] = maskOf({1, 2});
    const Masks before = masks;
    EXPECT_EQ(climbLadder(grid, masks), Rung::elimination);
    for (int cell = 3; cell < 9; ++cell) {
        EXPECT_EQ(masks[cell], kAllBut(digitBit(5))) << cell;
    }
    for (int cell = 74; cell < 81; ++cell) {
        EXPECT_EQ(masks[cell], before[cell]) << cell;
    }
}

TEST(Eliminations, claimingClearsTheRestOfTheBox)
{
    Grid grid{};
    Masks masks = allCandidates();
    // In row 0 the 5 can go only in cells 0..2 (box 0).
    for (int cell = 3; cell < 9; ++cell) {
        masks[cell] &= kAllBut(digitBit(5));
    }
    EXPECT_EQ(climbLadder(grid, masks), Rung::elimination);
    for (const int cell : {9, 10, 11, 18, 19, 20}) {
        EXPECT_EQ(masks[cell], kAllBut(digitBit(5))) << cell;
    }
    for (const int cell : {0, 1, 2, 27, 36}) {
        EXPECT_EQ(masks[cell], kAllDigits) << cell;
    }
}

TEST(Eliminations, nakedPairClearsItsDigitsFromTheUnit)
{
    Grid grid{};
    Masks masks = allCandidates();
    masks[0] = maskOf({1, 2});
    masks[1] = maskOf({1, 2});
    EXPECT_EQ(climbLadder(grid, masks), Rung::elimination);
    EXPECT_EQ(masks[0], maskOf({1, 2}));
    EXPECT_EQ(masks[1], maskOf({1, 2}));
    // Row 0 and box 0 both contain the pair.
    for (const int cell : {2, 3, 8, 9, 20}) {
        EXPECT_EQ(masks[cell], kAllBut(maskOf({1, 2}))) << cell;
    }
    EXPECT_EQ(masks[27], kAllDigits);
}

TEST(Eliminations, hiddenPairReducesItsTwoCells)
{
    Grid grid{};
    Masks masks = allCandidates();
    // In row 0 the digits 3 and 8 fit only cells 0 and 4 (different boxes,
    // so no locked candidate hides the pair).
    for (int cell = 0; cell < 9; ++cell) {
        if (cell != 0 && cell != 4) {
            masks[cell] &= kAllBut(maskOf({3, 8}));
        }
    }
    EXPECT_EQ(climbLadder(grid, masks), Rung::elimination);
    EXPECT_EQ(masks[0], maskOf({3, 8}));
    EXPECT_EQ(masks[4], maskOf({3, 8}));
    EXPECT_EQ(masks[1], kAllBut(maskOf({3, 8})));
}
