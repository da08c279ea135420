// The ladder: each technique's finder in the order of `Technique`, the first
// step found wins. The finders live one family per file (step*.cpp).

#include "stepfinder.h"

#include "stepfinderdetail.h"

#include <array>

namespace pondrel {

namespace {

using namespace steps;

constexpr std::array<std::string_view, 28> kTechniqueNames = {
    "Full House",       "Naked Single",  "Hidden Single",    "Pointing",
    "Claiming",         "Naked Pair",    "Hidden Pair",      "Naked Triple",
    "Hidden Triple",    "Naked Quad",    "Hidden Quad",      "X-Wing",
    "Swordfish",        "Jellyfish",     "Skyscraper",       "2-String Kite",
    "XY-Wing",          "XYZ-Wing",      "W-Wing",           "Unique Rectangle",
    "Simple Colouring", "Finned X-Wing", "Finned Swordfish", "X-Chain",
    "XY-Chain",         "Forcing Chain", "Forcing Net",      "Nested Forcing Chain",
};

using Finder = std::optional<Step> (*)(const Board &);

// clang-format off
constexpr std::array<Finder, 28> kLadder = {
    findFullHouse,
    findNakedSingle,
    findHiddenSingle,
    findPointing,
    findClaiming,
    [](const Board &b) { return findNakedSubset(b, 2); },
    [](const Board &b) { return findHiddenSubset(b, 2); },
    [](const Board &b) { return findNakedSubset(b, 3); },
    [](const Board &b) { return findHiddenSubset(b, 3); },
    [](const Board &b) { return findNakedSubset(b, 4); },
    [](const Board &b) { return findHiddenSubset(b, 4); },
    [](const Board &b) { return findFish(b, 2); },
    [](const Board &b) { return findFish(b, 3); },
    [](const Board &b) { return findFish(b, 4); },
    findSkyscraper,
    findTwoStringKite,
    findXyWing,
    findXyzWing,
    findWWing,
    findUniqueRectangle,
    findSimpleColouring,
    [](const Board &b) { return findFinnedFish(b, 2); },
    [](const Board &b) { return findFinnedFish(b, 3); },
    findXChain,
    findXyChain,
    findForcingChain,
    findForcingNet,
    findNestedForcingChain,
};
// clang-format on

} // namespace

namespace steps {

Board::Board(const Grid &givenValues, const Masks &givenCandidates) : values(givenValues)
{
    for (int cell = 0; cell < kCellCount; ++cell) {
        if (values[cell] > 9) {
            values[cell] = 0;
        }
        candidates[cell] = values[cell] == 0 ? givenCandidates[cell] & kAllDigits : 0;
    }
    // A candidate that a filled peer rules out is no candidate, even when the
    // caller's masks still hold it.
    for (int cell = 0; cell < kCellCount; ++cell) {
        for (const std::uint8_t peer : peers[cell]) {
            candidates[cell] &= static_cast<std::uint16_t>(~digitBit(values[peer]));
        }
        for (std::uint16_t bits = candidates[cell]; bits != 0; bits &= bits - 1) {
            cellsWith[std::countr_zero(bits)].insert(cell);
        }
    }
}

Step eliminationStep(Technique technique,
                     std::uint16_t digits,
                     std::initializer_list<int> units,
                     const CellSet &cells,
                     const CellSet &targets,
                     int digit)
{
    Step step{technique, digits, units, {}, {}, {}};
    cells.forEach([&](int cell) { step.cells.push_back(cell); });
    targets.forEach([&](int cell) { step.eliminations.push_back({cell, digit}); });
    return step;
}

CellSet cellsAt(int unit, std::uint16_t positions)
{
    CellSet result;
    for (; positions != 0; positions &= positions - 1) {
        result.insert(units[unit][std::countr_zero(positions)]);
    }
    return result;
}

} // namespace steps

std::string_view techniqueName(Technique technique)
{
    return kTechniqueNames[static_cast<std::size_t>(technique)];
}

std::optional<Step> findNextStep(const Grid &values, const Masks &candidates)
{
    const Board board(values, candidates);
    for (const Finder finder : kLadder) {
        if (auto step = finder(board)) {
            return step;
        }
    }
    return std::nullopt;
}

void applyStep(const Step &step, Grid &values, Masks &candidates)
{
    for (const Placement &p : step.placements) {
        if (values[p.cell] == 0) {
            place(values, candidates, p.cell, p.digit);
        }
    }
    for (const Elimination &e : step.eliminations) {
        candidates[e.cell] &= static_cast<std::uint16_t>(~digitBit(e.digit));
    }
}

} // namespace pondrel
