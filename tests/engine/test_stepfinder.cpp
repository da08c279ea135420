#include "solver.h"
#include "stepfinder.h"
#include "testsupport.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <fstream>
#include <string>
#include <vector>

using namespace pondrel;
using namespace pondrel::test;

namespace {

bool holds(int unit, int cell)
{
    return std::ranges::find(units[unit], cell) != units[unit].end();
}

// The shape the game's step texts read: which unit comes first and what
// the digits stand for.
void expectReadableShape(const Step &step)
{
    const auto cellsIn = [&](int unit) {
        return std::ranges::all_of(step.cells, [&](int cell) { return holds(unit, cell); });
    };
    ASSERT_FALSE(step.cells.empty());
    EXPECT_TRUE(std::ranges::is_sorted(step.cells));
    EXPECT_FALSE(step.placements.empty() && step.eliminations.empty());
    const int subsetSize = static_cast<int>(step.cells.size());
    switch (step.technique) {
    case Technique::fullHouse:
    case Technique::hiddenSingle:
        ASSERT_EQ(step.units.size(), 1u);
        EXPECT_TRUE(cellsIn(step.units[0]));
        EXPECT_EQ(step.digits, digitBit(step.placements.at(0).digit));
        break;
    case Technique::pointing:
    case Technique::claiming:
        ASSERT_EQ(step.units.size(), 2u);
        EXPECT_EQ(step.units[0] >= 18, step.technique == Technique::pointing);
        EXPECT_TRUE(cellsIn(step.units[0]) && cellsIn(step.units[1]));
        break;
    case Technique::nakedPair:
    case Technique::hiddenPair:
    case Technique::nakedTriple:
    case Technique::hiddenTriple:
    case Technique::nakedQuad:
    case Technique::hiddenQuad:
        ASSERT_EQ(step.units.size(), 1u);
        EXPECT_TRUE(cellsIn(step.units[0]));
        EXPECT_EQ(digitCount(step.digits), subsetSize);
        break;
    case Technique::xWing:
    case Technique::swordfish:
    case Technique::jellyfish:
        // Base lines, then as many cover lines of the other kind.
        ASSERT_EQ(step.units.size() % 2, 0u);
        EXPECT_EQ(step.units.front() < 9, step.units.back() >= 9);
        EXPECT_EQ(digitCount(step.digits), 1);
        break;
    default:
        break;
    }
    for (const Elimination &e : step.eliminations) {
        if (digitCount(step.digits) == 1 && step.technique != Technique::forcingChain &&
            step.technique != Technique::uniqueRectangle) {
            EXPECT_EQ(digitBit(e.digit), step.digits) << techniqueName(step.technique);
        }
    }
}

std::vector<Grid> publicPuzzles()
{
    std::vector<Grid> grids;
    std::ifstream in(PONDREL_TEST_DATA_DIR "/hard-public-puzzles.txt");
    std::string line;
    while (std::getline(in, line)) {
        if (line.size() >= 81 && line[0] != '#') {
            grids.push_back(gridFromText(line));
        }
    }
    return grids;
}

} // namespace

// Every step agrees with the known solution, every puzzle is solved to the
// end without guessing, and the ladder's techniques each take part.
TEST(StepFinder, solvesHardPublicPuzzlesSoundlyToTheEnd)
{
    const std::vector<Grid> puzzles = publicPuzzles();
    ASSERT_EQ(puzzles.size(), 400u);
    std::array<int, 26> used{};
    for (const Grid &puzzle : puzzles) {
        const Grid solution = countSolutions(puzzle).solution;
        Grid values = puzzle;
        Masks candidates = *candidateMasks(values);
        while (const std::optional<Step> step = findNextStep(values, candidates)) {
            ++used[static_cast<std::size_t>(step->technique)];
            expectReadableShape(*step);
            for (const Placement &p : step->placements) {
                ASSERT_EQ(p.digit, solution[p.cell]) << techniqueName(step->technique);
            }
            for (const Elimination &e : step->eliminations) {
                ASSERT_NE(e.digit, solution[e.cell]) << techniqueName(step->technique);
                ASSERT_NE(candidates[e.cell] & digitBit(e.digit), 0) << "removes nothing";
            }
            applyStep(*step, values, candidates);
        }
        ASSERT_EQ(values, solution) << gridText(puzzle);
    }
    for (int t = 0; t < 26; ++t) {
        const auto technique = static_cast<Technique>(t);
        // Too rare in this set to be sure of a sighting.
        if (technique != Technique::jellyfish && technique != Technique::hiddenQuad) {
            EXPECT_GT(used[static_cast<std::size_t>(t)], 0) << techniqueName(technique);
        }
    }
}
