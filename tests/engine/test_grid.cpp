#include "difficulty.h"
#include "grid.h"
#include "randomsource.h"
#include "testsupport.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <bit>
#include <numeric>
#include <set>
#include <vector>

using namespace pondrel;
using namespace pondrel::test;

namespace {

template <std::size_t N> std::vector<int> asInts(const std::array<std::uint8_t, N> &list)
{
    return {list.begin(), list.end()};
}

} // namespace

TEST(Tables, peersOfCornerAndCentre)
{
    EXPECT_EQ(asInts(peers[0]), (std::vector<int>{1,  2,  3,  4,  5,  6,  7,  8,  9,  10,
                                                  11, 18, 19, 20, 27, 36, 45, 54, 63, 72}));
    EXPECT_EQ(asInts(peers[40]), (std::vector<int>{4,  13, 22, 30, 31, 32, 36, 37, 38, 39,
                                                   41, 42, 43, 44, 48, 49, 50, 58, 67, 76}));
}

TEST(Tables, peersAreExactlyTheOtherCellsOfTheThreeUnits)
{
    for (int cell = 0; cell < kCellCount; ++cell) {
        std::set<int> expected;
        for (const Unit &unit : units) {
            if (std::find(unit.begin(), unit.end(), cell) != unit.end()) {
                expected.insert(unit.begin(), unit.end());
            }
        }
        expected.erase(cell);
        const std::vector<int> actual = asInts(peers[cell]);
        EXPECT_TRUE(std::is_sorted(actual.begin(), actual.end())) << cell;
        EXPECT_EQ(std::set<int>(actual.begin(), actual.end()), expected) << cell;
    }
}

TEST(Tables, boxesAndUnitOrder)
{
    EXPECT_EQ(asInts(boxes[4]), (std::vector<int>{30, 31, 32, 39, 40, 41, 48, 49, 50}));
    EXPECT_EQ(box(80), 8);
    EXPECT_EQ(box(26), 2);
    EXPECT_EQ(asInts(columns[2]), (std::vector<int>{2, 11, 20, 29, 38, 47, 56, 65, 74}));
    EXPECT_EQ(units[0], rows[0]);
    EXPECT_EQ(units[9], columns[0]);
    EXPECT_EQ(units[26], boxes[8]);
    for (int cell = 0; cell < kCellCount; ++cell) {
        EXPECT_EQ(rows[row(cell)][column(cell)], cell);
        EXPECT_NE(std::find(boxes[box(cell)].begin(), boxes[box(cell)].end(), cell),
                  boxes[box(cell)].end());
        EXPECT_EQ(cellAt(row(cell), column(cell)), cell);
        for (const int u : unitsOf(cell)) {
            EXPECT_NE(std::find(units[u].begin(), units[u].end(), cell), units[u].end());
        }
    }
}

TEST(Masks, bitCountCountsEveryMaskAndPositionSet)
{
    for (unsigned mask = 0; mask < 1024; ++mask) {
        ASSERT_EQ(bitCount(static_cast<std::uint16_t>(mask)), std::popcount(mask)) << mask;
    }
}

TEST(CandidateMasks, rejectsRuleBreakingGrids)
{
    for (const int other : {8, 72, 20}) { // same row, same column, same box as cell 0
        Grid grid{};
        grid[0] = 5;
        grid[other] = 5;
        EXPECT_FALSE(candidateMasks(grid)) << other;
    }
    Grid outOfRange{};
    outOfRange[10] = 12;
    EXPECT_FALSE(candidateMasks(outOfRange));
    const std::vector<std::uint8_t> short80(80, 0);
    EXPECT_FALSE(candidateMasks(short80));
}

TEST(CandidateMasks, holdExactlyTheDigitsNoPeerHolds)
{
    // An empty cell of an empty grid allows every digit: bits 1 to 9.
    EXPECT_EQ(kAllDigits, 1022);
    Grid partly = gridFromText(kSolvedText);
    for (int cell = 0; cell < kCellCount; cell += 3) {
        partly[cell] = 0;
    }
    for (const Grid &grid : {Grid{}, partly}) {
        const auto masks = candidateMasks(grid);
        ASSERT_TRUE(masks);
        for (int cell = 0; cell < kCellCount; ++cell) {
            std::uint16_t expected = 0;
            if (grid[cell] == 0) {
                expected = kAllDigits;
                for (const std::uint8_t p : peers[cell]) {
                    expected &= static_cast<std::uint16_t>(~digitBit(grid[p]));
                }
                expected &= kAllDigits;
            }
            EXPECT_EQ((*masks)[cell], expected) << cell;
        }
    }
}

TEST(Place, fillsTheCellAndClearsThePeers)
{
    Grid grid{};
    Masks masks;
    masks.fill(kAllDigits);
    place(grid, masks, 40, 7);
    EXPECT_EQ(grid[40], 7);
    EXPECT_EQ(masks[40], 0);
    for (int cell = 0; cell < kCellCount; ++cell) {
        if (cell == 40) {
            continue;
        }
        const bool isPeer = std::find(peers[40].begin(), peers[40].end(), cell) != peers[40].end();
        EXPECT_EQ(masks[cell], isPeer ? (kAllDigits & ~digitBit(7)) : kAllDigits) << cell;
    }
}

TEST(GridText, writesOneDigitPerCell)
{
    EXPECT_EQ(gridText(Grid{}), std::string(81, '0'));
    EXPECT_EQ(gridText(gridFromText(kSolvedText)), kSolvedText);
}

TEST(DifficultyTable, rawValuesLettersRatingsAndRanges)
{
    struct Row
    {
        Difficulty difficulty;
        std::string_view raw;
        char letter;
        int target;
        int lowest;
        int highest;
    };
    const Row table[] = {{Difficulty::easy, "Easy", 'E', 1, 32, 36},
                         {Difficulty::medium, "Medium", 'M', 2, 27, 31},
                         {Difficulty::hard, "Hard", 'H', 3, 25, 25},
                         {Difficulty::expert, "Expert", 'X', 4, 22, 22}};
    for (std::size_t i = 0; i < std::size(table); ++i) {
        const Row &r = table[i];
        EXPECT_EQ(allDifficulties[i], r.difficulty);
        EXPECT_EQ(rawValue(r.difficulty), r.raw);
        EXPECT_EQ(difficultyFromRawValue(r.raw), r.difficulty);
        EXPECT_EQ(listLetter(r.difficulty), r.letter);
        EXPECT_EQ(difficultyFromListLetter(r.letter), r.difficulty);
        EXPECT_EQ(targetRating(r.difficulty), r.target);
        EXPECT_EQ(clueRange(r.difficulty).lowest, r.lowest);
        EXPECT_EQ(clueRange(r.difficulty).highest, r.highest);
    }
}

TEST(DifficultyTable, lookupIsExactAndCaseSensitive)
{
    for (const std::string_view text : {"easy", "Expert ", " Easy", "EASY", "", "Medium\n"}) {
        EXPECT_FALSE(difficultyFromRawValue(text)) << text;
    }
    EXPECT_FALSE(difficultyFromListLetter('e'));
    EXPECT_FALSE(difficultyFromListLetter('x'));
}

TEST(UniformBelow, rejectsTheBiasedLowRangeAndDrawsAgain)
{
    // For n = 3, (2^64 - 3) mod 3 = 1: a first draw of 0 has low product 0 < 1
    // and must be thrown away; 2^63 * 3 then gives 1.
    ScriptedRandomSource random({0, std::uint64_t{1} << 63});
    EXPECT_EQ(uniformBelow(random, 3), 1u);
    EXPECT_EQ(random.draws, 2);
}

TEST(UniformBelow, oneDrawWhenNothingIsRejected)
{
    ScriptedRandomSource top({}, UINT64_MAX);
    EXPECT_EQ(uniformBelow(top, 9), 8u);
    EXPECT_EQ(uniformBelow(top, 1), 0u);
    EXPECT_EQ(top.draws, 2);
    // Powers of two never reject, even for a zero draw.
    ScriptedRandomSource zero({}, 0);
    EXPECT_EQ(uniformBelow(zero, 8), 0u);
    EXPECT_EQ(zero.draws, 1);
}

TEST(UniformBelow, staysBelowTheBoundAndCoversIt)
{
    SystemRandomSource random;
    std::array<int, 7> seen{};
    for (int i = 0; i < 7000; ++i) {
        const std::uint64_t value = uniformBelow(random, 7);
        ASSERT_LT(value, 7u);
        ++seen[value];
    }
    for (const int count : seen) {
        EXPECT_GT(count, 700); // expected 1000 each; far outside any plausible spread
    }
}

TEST(Shuffle, forwardFisherYatesSwapsWithTheDrawnIndex)
{
    // Every draw of 2^64 - 1 picks the last remaining index.
    ScriptedRandomSource random({}, UINT64_MAX);
    std::array<int, 5> list{0, 1, 2, 3, 4};
    shuffle(std::span<int>(list), random);
    EXPECT_EQ(list, (std::array<int, 5>{4, 0, 1, 2, 3}));
    EXPECT_EQ(random.draws, 4);

    // A draw of 1 gives 0 for every bound: every element stays in place.
    ScriptedRandomSource low({}, 1);
    std::array<int, 4> same{0, 1, 2, 3};
    shuffle(std::span<int>(same), low);
    EXPECT_EQ(same, (std::array<int, 4>{0, 1, 2, 3}));
}

TEST(Shuffle, shortListsDrawNothing)
{
    ScriptedRandomSource random;
    std::vector<int> empty;
    std::vector<int> one{7};
    shuffle(std::span<int>(empty), random);
    shuffle(std::span<int>(one), random);
    EXPECT_EQ(one, std::vector<int>{7});
    EXPECT_EQ(random.draws, 0);
}

TEST(Shuffle, keepsEveryElement)
{
    SystemRandomSource random;
    std::vector<int> list(81);
    std::iota(list.begin(), list.end(), 0);
    shuffle(std::span<int>(list), random);
    std::vector<int> sorted = list;
    std::sort(sorted.begin(), sorted.end());
    for (int i = 0; i < 81; ++i) {
        EXPECT_EQ(sorted[i], i);
    }
}
