#include "solver.h"
#include "stepfinder.h"
#include "testsupport.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
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
        EXPECT_EQ(isBoxUnit(step.units[0]), step.technique == Technique::pointing);
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
        EXPECT_EQ(bitCount(step.digits), subsetSize);
        break;
    case Technique::xWing:
    case Technique::swordfish:
    case Technique::jellyfish:
        // Base lines, then as many cover lines of the other kind.
        ASSERT_EQ(step.units.size() % 2, 0u);
        EXPECT_EQ(step.units.front() < columnUnit(0), step.units.back() >= columnUnit(0));
        EXPECT_EQ(bitCount(step.digits), 1);
        break;
    default:
        break;
    }
    for (const Elimination &e : step.eliminations) {
        if (bitCount(step.digits) == 1 && step.technique != Technique::forcingChain &&
            step.technique != Technique::uniqueRectangle) {
            EXPECT_EQ(digitBit(e.digit), step.digits) << techniqueName(step.technique);
        }
    }
}

bool isForcing(Technique technique)
{
    return technique == Technique::forcingChain || technique == Technique::forcingNet ||
           technique == Technique::nestedForcingChain;
}

// The rules of a forcing step's links (stepfinder.h): the path starts at
// the assumption; a weak link joins two candidates that can't both be true;
// a strong link two of which one must be true once the candidates earlier
// links removed are gone; in a chain of singles whatever removes a
// candidate is true; and every candidate of the contradiction's cell (or
// place of its digit in its unit) is removed.
void expectRealChain(const Step &step, const Masks &candidates)
{
    ASSERT_TRUE(step.assumption.has_value() && step.contradiction.has_value());
    ASSERT_FALSE(step.links.empty());
    EXPECT_EQ(step.links.front().from, *step.assumption);
    std::array<bool, kCellCount * 10> removed{};
    std::array<bool, kCellCount * 10> known{};
    const auto at = [](int cell, int digit) { return static_cast<std::size_t>(cell * 10 + digit); };
    const auto open = [&](Candidate c) { return (candidates[c.cell] & digitBit(c.digit)) != 0; };
    known[at(step.assumption->cell, step.assumption->digit)] = true;
    const auto lastTwoOf = [&](const ChainLink &link) {
        const Candidate a = link.from;
        const Candidate b = link.to;
        if (a.cell == b.cell) {
            for (int d = 1; d <= 9; ++d) {
                if (d != a.digit && d != b.digit && open({a.cell, d}) && !removed[at(a.cell, d)]) {
                    return false;
                }
            }
            return true;
        }
        for (int u = 0; u < 27 && a.digit == b.digit; ++u) {
            if (holds(u, a.cell) && holds(u, b.cell) &&
                std::ranges::all_of(units[u], [&](int cell) {
                    return cell == a.cell || cell == b.cell || !open({cell, a.digit}) ||
                           removed[at(cell, a.digit)];
                })) {
                return true;
            }
        }
        return false;
    };
    for (const ChainLink &link : step.links) {
        ASSERT_TRUE(open(link.from) && open(link.to)) << techniqueName(step.technique);
        if (link.isStrong) {
            EXPECT_TRUE(removed[at(link.from.cell, link.from.digit)]);
            EXPECT_TRUE(lastTwoOf(link)) << techniqueName(step.technique);
            known[at(link.to.cell, link.to.digit)] = true;
        } else {
            const bool exclusive =
                link.from.cell == link.to.cell
                    ? link.from.digit != link.to.digit
                    : link.from.digit == link.to.digit &&
                          std::ranges::find(peers[link.from.cell], link.to.cell) !=
                              peers[link.from.cell].end();
            EXPECT_TRUE(exclusive) << techniqueName(step.technique);
            const bool fromKnown = known[at(link.from.cell, link.from.digit)];
            if (step.technique == Technique::forcingChain) {
                EXPECT_TRUE(fromKnown);
            } else if (step.technique == Technique::nestedForcingChain &&
                       link.from != *step.assumption) {
                // Maybe an inner net's assumption, which its net removes:
                // later links may take it as removed.
                removed[at(link.from.cell, link.from.digit)] = true;
            }
            removed[at(link.to.cell, link.to.digit)] = true;
        }
    }
    const Contradiction &end = *step.contradiction;
    if (end.kind == Contradiction::Kind::noCandidate) {
        for (int d = 1; d <= 9; ++d) {
            EXPECT_TRUE(!open({end.cell, d}) || removed[at(end.cell, d)]) << d;
        }
    } else {
        ASSERT_EQ(end.kind, Contradiction::Kind::noPlace);
        for (const int cell : units[end.unit]) {
            EXPECT_TRUE(!open({cell, end.digit}) || removed[at(cell, end.digit)]) << cell;
        }
    }
}

} // namespace

// Every step agrees with the known solution, every puzzle is solved to the
// end without guessing, every forcing contradiction comes with the chain that
// leads there, and the ladder's techniques each take part.
TEST(StepFinder, solvesHardPublicPuzzlesSoundlyToTheEnd)
{
    const std::vector<Grid> puzzles =
        readPuzzleFile(PONDREL_TEST_DATA_DIR "/hard-public-puzzles.txt");
    ASSERT_EQ(puzzles.size(), 416u);
    std::array<int, kTechniqueCount> used{};
    for (const Grid &puzzle : puzzles) {
        const Grid solution = countSolutions(puzzle).solution;
        Grid values = puzzle;
        Masks candidates = *candidateMasks(values);
        while (const std::optional<Step> step = findNextStep(values, candidates)) {
            ++used[static_cast<std::size_t>(step->technique)];
            expectReadableShape(*step);
            if (isForcing(step->technique) && step->assumption) {
                expectRealChain(*step, candidates);
            }
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
    for (int t = 0; t < int(kTechniqueCount); ++t) {
        const auto technique = static_cast<Technique>(t);
        // Too rare in this set to be sure of a sighting.
        if (technique != Technique::jellyfish && technique != Technique::hiddenQuad) {
            EXPECT_GT(used[static_cast<std::size_t>(t)], 0) << techniqueName(technique);
        }
    }
}

namespace {

struct PinnedCase
{
    const char *board; // values; the candidates are those the values leave
    Technique technique;
    const char *removed; // as the demo prints them
};

std::string removedText(const Step &step)
{
    std::string text;
    for (const Elimination &e : step.eliminations) {
        text += (text.empty() ? "r" : " r") + std::to_string(row(e.cell) + 1) + "c" +
                std::to_string(column(e.cell) + 1) + "-" + std::to_string(e.digit);
    }
    return text;
}

} // namespace

// Positions where a technique is the easiest step, one per family.
TEST(StepFinder, findsEachFamilyWhereItIsTheEasiestStep)
{
    const std::vector<PinnedCase> cases = {
        {"001000008000900200000003000000015046060000700300000000000247985720600000900000600",
         Technique::claiming,
         "r5c1-2 r5c3-2 r6c3-2"},
        {"040700060003900000000000057000000030200080000019000570600040005050100000020006084",
         Technique::hiddenTriple,
         "r4c5-2 r4c5-5 r4c5-6 r4c6-2 r4c6-4 r4c6-5 r5c6-3 r5c6-4 r5c6-5"},
        {"000300500050010030007004001200000400060090000001006002800700200790080050005009007",
         Technique::swordfish,
         "r1c3-2 r1c6-2 r3c4-2 r9c4-2"},
        {"500200300000080090002034006600100900010000040007003008700300400090070020005006009",
         Technique::twoStringKite,
         "r5c4-9"},
        {"103574090065291070907368051214835769378629145596417832031752980002983010009146020",
         Technique::xyzWing,
         "r8c9-4"},
        {"164395782003020641872641935020080196000016050610050070040002510201570463000104820",
         Technique::wWing,
         "r7c3-8"},
        {"084305000052946000693801054367514020529738146418269070946150087235687491871490000",
         Technique::uniqueRectangle,
         "r1c7-2 r1c7-7"},
        {"400600300010020060008007001900800500040050010000002007500000600030080040000009005",
         Technique::finnedSwordfish,
         "r8c6-1 r9c5-1"},
        {"000720000120635084000480000094563000315872496760914530000348169681297345000156827",
         Technique::xyChain,
         "r3c3-7"},
        {"000000040002004001070050090003007000040060000690100800320000100850900060000080003",
         Technique::forcingChain,
         "r8c5-7"},
    };
    for (const PinnedCase &c : cases) {
        const Grid board = gridFromText(c.board);
        const std::optional<Step> step = findNextStep(board, *candidateMasks(board));
        ASSERT_TRUE(step.has_value()) << c.board;
        EXPECT_EQ(step->technique, c.technique) << techniqueName(step->technique);
        EXPECT_EQ(removedText(*step), c.removed) << techniqueName(c.technique);
    }
}
