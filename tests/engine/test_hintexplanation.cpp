#include "hintexplanation.h"
#include "testsupport.h"

#include <gtest/gtest.h>

#include <initializer_list>
#include <vector>

using namespace pondrel;
using namespace pondrel::test;

namespace {

using Kind = HintExplanation::Kind;

struct Entry
{
    int row;
    int column;
    int digit;
};

Grid withEntries(Grid grid, std::initializer_list<Entry> entries)
{
    for (const Entry &entry : entries) {
        grid[entry.row * 9 + entry.column] = static_cast<std::uint8_t>(entry.digit);
    }
    return grid;
}

Grid boardWith(std::initializer_list<Entry> entries)
{
    return withEntries(Grid{}, entries);
}

// Every hidden-single board asks for a 1 in cell 30 (row 3, column 3, box
// 4), where 1 is one of several candidates, and proves it in one unit only
// (or first in the engine's order).
constexpr int kTarget = 30;

// Row 3: columns 4 and 5 filled, the 1s in boxes 3 and 5 close the rest.
// Box 4 proves it too, but rows come first.
const Grid kRowBoard = boardWith({{3, 4, 2}, {3, 5, 3}, {4, 7, 1}, {5, 1, 1}});

TEST(HintExplanation, aCellWithOneCandidateLeftIsANakedSingleShownByItsFilledPeers)
{
    Grid board = gridFromText(kSolvedText);
    const int digit = board[kTarget];
    // A wrong entry in the hinted cell itself is what the hint replaces.
    board[kTarget] = static_cast<std::uint8_t>(digit % 9 + 1);
    // An empty peer whose digit column 3 still rules out.
    board[kTarget + 1] = 0;
    std::vector<int> filledPeers(peers[kTarget].begin(), peers[kTarget].end());
    std::erase(filledPeers, kTarget + 1);
    const HintExplanation explanation = explainPlacement(board, kTarget, digit);
    EXPECT_EQ(explanation.kind, Kind::nakedSingle);
    EXPECT_EQ(explanation.unit, std::nullopt);
    EXPECT_EQ(explanation.cells, filledPeers);
}

struct HiddenSingleCase
{
    const char *name;
    Grid board;
    Kind kind;
    const Unit &unit;
};

class HiddenSingles : public testing::TestWithParam<HiddenSingleCase>
{
};

TEST_P(HiddenSingles, nameTheFirstUnitThatLeavesTheDigitOnePlace)
{
    const HiddenSingleCase &c = GetParam();
    ASSERT_GT(bitCount((*candidateMasks(c.board))[kTarget]), 1);
    const HintExplanation explanation = explainPlacement(c.board, kTarget, 1);
    EXPECT_EQ(explanation.kind, c.kind);
    EXPECT_EQ(explanation.unit, c.kind == Kind::hiddenSingleInBox ? 4 : 3);
    EXPECT_EQ(explanation.cells, std::vector<int>(c.unit.begin(), c.unit.end()));
}

INSTANTIATE_TEST_SUITE_P(
    HintExplanation,
    HiddenSingles,
    testing::Values(HiddenSingleCase{"row", kRowBoard, Kind::hiddenSingleInRow, rows[3]},
                    // The same board transposed: column 3 proves it, row 3 does not.
                    HiddenSingleCase{"column",
                                     boardWith({{4, 3, 2}, {5, 3, 3}, {7, 4, 1}, {1, 5, 1}}),
                                     Kind::hiddenSingleInColumn,
                                     columns[3]},
                    // Box 4 alone: row 3 keeps columns 0..2 open, column 3 rows 0..2.
                    HiddenSingleCase{
                        "box",
                        boardWith({{3, 5, 2}, {5, 3, 3}, {5, 5, 4}, {6, 4, 1}, {4, 7, 1}}),
                        Kind::hiddenSingleInBox,
                        boxes[4]}),
    [](const testing::TestParamInfo<HiddenSingleCase> &info) { return info.param.name; });

TEST(HintExplanation, aDigitThatNeedsEliminationsFirstIsFoundByElimination)
{
    // A Hard puzzle played up to where no single is left anywhere, so the
    // first step must be a pass of eliminations; that pass leaves cell 1
    // only the 5. On the step finder's ladder a pointing 9 does it.
    const Grid board = gridFromText(
        "203080714100007906006104020021070400805000001000001000402098107000410092319700648");
    ASSERT_GT(bitCount((*candidateMasks(board))[1]), 1);
    const HintExplanation explanation = explainPlacement(board, 1, 5);
    EXPECT_EQ(explanation,
              (HintExplanation{Kind::elimination, std::nullopt, {}, Technique::pointing}));
}

TEST(HintExplanation, namesTheStepAfterWhichTheCellIsASingleNotTheFirstStep)
{
    // The ladder starts with singles elsewhere; the 2 of cell 4 is a single
    // only once a naked pair has cleared its box.
    const Grid board = gridFromText(
        "870000005205004800000806100000000700020030400040900010097000003500010000000003601");
    EXPECT_EQ(explainPlacement(board, 4, 2).technique, Technique::nakedPair);
}

TEST(HintExplanation, pastTheRatingsLadderTheStepFinderNamesTheStep)
{
    // No single, locked candidate or pair anywhere: an XYZ-Wing, then an
    // XY-Chain that leaves cell 1 only the 2.
    const Grid board = gridFromText(
        "103574090065291070907368051214835769378629145596417832031752980002983010009146020");
    EXPECT_EQ(explainPlacement(board, 1, 2),
              (HintExplanation{Kind::elimination, std::nullopt, {}, Technique::xyChain}));
}

struct FallbackCase
{
    const char *name;
    Grid board;
    int cell;
    int digit;
};

class NoReason : public testing::TestWithParam<FallbackCase>
{
};

TEST_P(NoReason, fallsBackToTheOnlyCompletion)
{
    const FallbackCase &c = GetParam();
    EXPECT_EQ(explainPlacement(c.board, c.cell, c.digit), HintExplanation{});
}

Grid solvedWith(std::initializer_list<Entry> changes)
{
    return withEntries(gridFromText(kSolvedText), changes);
}

// kSolvedText holds 9 at row 4, column 4 (cell 40) and at row 8, column 0.
INSTANTIATE_TEST_SUITE_P(HintExplanation,
                         NoReason,
                         testing::Values(
                             // A wrong 9 in the row makes two peers alike in column 0.
                             FallbackCase{"peersAlike", solvedWith({{4, 4, 0}, {4, 0, 9}}), 40, 9},
                             // A 1 in box 3 rules the digit out of cell 27, though row 3 has one
                             // place left for it (cell 30).
                             FallbackCase{"digitRuledOut", kRowBoard, 27, 1},
                             // The row board's hidden single, but box 8 full except its last
                             // cell, whose one digit a 1 in its column takes.
                             FallbackCase{"cellWithoutCandidates",
                                          withEntries(kRowBoard,
                                                      {{1, 8, 1},
                                                       {6, 6, 2},
                                                       {6, 7, 3},
                                                       {6, 8, 4},
                                                       {7, 6, 5},
                                                       {7, 7, 6},
                                                       {7, 8, 7},
                                                       {8, 6, 8},
                                                       {8, 7, 9}}),
                                          kTarget,
                                          1},
                             // Nothing to go on: the ladder is stuck at once.
                             FallbackCase{"emptyBoard", Grid{}, 0, 1},
                             FallbackCase{"cellOutside", gridFromText(kSolvedText), 81, 1},
                             FallbackCase{"digitOutside", solvedWith({{4, 4, 0}}), 40, 10}),
                         [](const testing::TestParamInfo<FallbackCase> &info) {
                             return info.param.name;
                         });

} // namespace
